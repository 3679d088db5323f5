// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "CodeSignature.h"

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace sorvale::platform {
namespace {

constexpr std::uint32_t kFatMagic = 0xCAFEBABE;
constexpr std::uint32_t kFatMagic64 = 0xCAFEBABF;
constexpr std::uint32_t kMachMagic = 0xFEEDFACE;
constexpr std::uint32_t kMachMagic64 = 0xFEEDFACF;
constexpr std::uint32_t kCpuTypeArm64 = 0x0100000C;
constexpr std::uint32_t kLoadCommandCodeSignature = 0x1D;
constexpr std::uint32_t kSuperBlobMagic = 0xFADE0CC0;
constexpr std::uint32_t kEntitlementsMagic = 0xFADE7171;
constexpr std::uint32_t kEntitlementsSlot = 5;
// Real executables stay far below these; a file claiming more is not trusted.
constexpr std::uint32_t kMostSlices = 64;
constexpr std::uint64_t kMostLoadCommandBytes = 16 << 20;
constexpr std::uint64_t kMostSignatureBytes = 64 << 20;

std::uint32_t bigEndian32(const unsigned char* bytes) {
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | std::uint32_t{bytes[3]};
}

std::uint32_t littleEndian32(const unsigned char* bytes) {
    return std::uint32_t{bytes[3]} << 24 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[0]};
}

std::uint64_t bigEndian64(const unsigned char* bytes) {
    return std::uint64_t{bigEndian32(bytes)} << 32 | bigEndian32(bytes + 4);
}

// Whether [offset, offset + length) lies within [0, limit), without overflowing.
bool fits(std::uint64_t offset, std::uint64_t length, std::uint64_t limit) {
    return offset <= limit && length <= limit - offset;
}

std::optional<std::vector<unsigned char>> readRange(const ByteReader& bytes, std::uint64_t offset,
                                                    std::uint64_t length) {
    if (!fits(offset, length, bytes.size())) {
        return std::nullopt;
    }
    std::vector<unsigned char> buffer(static_cast<std::size_t>(length));
    if (!bytes.read(offset, buffer.size(), buffer.data())) {
        return std::nullopt;
    }
    return buffer;
}

struct Slice {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

// The arm64 slice of a universal file, else its first; the whole file when it is thin.
std::optional<Slice> nativeSlice(const ByteReader& bytes) {
    const auto header = readRange(bytes, 0, 8);
    if (!header) {
        return std::nullopt;
    }
    const std::uint32_t magic = bigEndian32(header->data());
    if (magic != kFatMagic && magic != kFatMagic64) {
        return Slice{0, bytes.size()};
    }
    const std::uint32_t count = bigEndian32(header->data() + 4);
    const std::uint64_t entrySize = magic == kFatMagic64 ? 32 : 20;
    if (count == 0 || count > kMostSlices) {
        return std::nullopt;
    }
    const auto entries = readRange(bytes, 8, count * entrySize);
    if (!entries) {
        return std::nullopt;
    }
    std::optional<Slice> chosen;
    for (std::uint32_t i = 0; i < count; ++i) {
        const unsigned char* entry = entries->data() + i * entrySize;
        const Slice slice = magic == kFatMagic64
                                ? Slice{bigEndian64(entry + 8), bigEndian64(entry + 16)}
                                : Slice{bigEndian32(entry + 8), bigEndian32(entry + 12)};
        if (!fits(slice.offset, slice.size, bytes.size())) {
            return std::nullopt;
        }
        if (bigEndian32(entry) == kCpuTypeArm64) {
            return slice;
        }
        if (!chosen) {
            chosen = slice;
        }
    }
    return chosen;
}

struct SignatureLocation {
    std::uint64_t offset; // within the slice
    std::uint64_t size;
};

// The code signature named by the slice's LC_CODE_SIGNATURE load command.
std::optional<SignatureLocation> signatureLocation(const ByteReader& bytes, const Slice& slice) {
    const auto header = readRange(bytes, slice.offset, std::min<std::uint64_t>(slice.size, 32));
    if (!header || header->size() < 28) {
        return std::nullopt;
    }
    const std::uint32_t magic = littleEndian32(header->data());
    const bool littleEndian = magic == kMachMagic || magic == kMachMagic64;
    const std::uint32_t swapped = bigEndian32(header->data());
    if (!littleEndian && swapped != kMachMagic && swapped != kMachMagic64) {
        return std::nullopt;
    }
    const auto word = [littleEndian](const unsigned char* at) {
        return littleEndian ? littleEndian32(at) : bigEndian32(at);
    };
    const std::uint64_t headerSize = word(header->data()) == kMachMagic64 ? 32 : 28;
    const std::uint32_t commandCount = word(header->data() + 16);
    const std::uint64_t commandBytes = word(header->data() + 20);
    if (commandBytes > kMostLoadCommandBytes || !fits(headerSize, commandBytes, slice.size)) {
        return std::nullopt;
    }
    const auto commands = readRange(bytes, slice.offset + headerSize, commandBytes);
    if (!commands) {
        return std::nullopt;
    }
    std::uint64_t offset = 0;
    for (std::uint32_t i = 0; i < commandCount; ++i) {
        if (!fits(offset, 8, commandBytes)) {
            return std::nullopt;
        }
        const std::uint32_t command = word(commands->data() + offset);
        const std::uint32_t commandSize = word(commands->data() + offset + 4);
        if (commandSize < 8 || !fits(offset, commandSize, commandBytes)) {
            return std::nullopt;
        }
        if (command == kLoadCommandCodeSignature) {
            if (commandSize < 16) {
                return std::nullopt;
            }
            const SignatureLocation location{word(commands->data() + offset + 8),
                                             word(commands->data() + offset + 12)};
            if (!fits(location.offset, location.size, slice.size)) {
                return std::nullopt;
            }
            return location;
        }
        offset += commandSize;
    }
    return std::nullopt;
}

} // namespace

bool MemoryBytes::read(std::uint64_t offset, std::size_t length, unsigned char* into) const {
    if (!fits(offset, length, bytes_.size())) {
        return false;
    }
    std::memcpy(into, bytes_.data() + offset, length);
    return true;
}

FileBytes::FileBytes(const std::filesystem::path& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)) {
    struct stat status {};
    if (fd_ >= 0 && (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(fd_);
        fd_ = -1;
    }
    size_ = fd_ >= 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
}

FileBytes::~FileBytes() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool FileBytes::read(std::uint64_t offset, std::size_t length, unsigned char* into) const {
    if (fd_ < 0 || !fits(offset, length, size_)) {
        return false;
    }
    std::size_t done = 0;
    while (done < length) {
        const ssize_t count =
            ::pread(fd_, into + done, length - done, static_cast<off_t>(offset + done));
        if (count <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(count);
    }
    return true;
}

std::optional<std::string> entitlementsXml(const ByteReader& executable) {
    const auto slice = nativeSlice(executable);
    const auto location = slice ? signatureLocation(executable, *slice) : std::nullopt;
    if (!location || location->size < 12 || location->size > kMostSignatureBytes) {
        return std::nullopt;
    }
    const auto blob = readRange(executable, slice->offset + location->offset, location->size);
    if (!blob || bigEndian32(blob->data()) != kSuperBlobMagic) {
        return std::nullopt;
    }
    const std::uint64_t length =
        std::min<std::uint64_t>(bigEndian32(blob->data() + 4), blob->size());
    const std::uint32_t count = bigEndian32(blob->data() + 8);
    for (std::uint64_t i = 0; i < count && fits(12 + i * 8, 8, length); ++i) {
        const unsigned char* index = blob->data() + 12 + i * 8;
        if (bigEndian32(index) != kEntitlementsSlot) {
            continue;
        }
        const std::uint64_t offset = bigEndian32(index + 4);
        if (!fits(offset, 8, length) || bigEndian32(blob->data() + offset) != kEntitlementsMagic) {
            return std::nullopt;
        }
        const std::uint64_t entitlementsLength = bigEndian32(blob->data() + offset + 4);
        if (entitlementsLength < 8 || !fits(offset, entitlementsLength, length)) {
            return std::nullopt;
        }
        return std::string(reinterpret_cast<const char*>(blob->data() + offset + 8),
                           static_cast<std::size_t>(entitlementsLength - 8));
    }
    return std::nullopt;
}

} // namespace sorvale::platform
