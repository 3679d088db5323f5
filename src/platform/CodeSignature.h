// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sorvale::platform {

// Random access to the bytes of an executable, so that a large file is never read whole.
class ByteReader {
public:
    virtual ~ByteReader() = default;
    [[nodiscard]] virtual std::uint64_t size() const = 0;
    // False when the range lies outside the bytes or cannot be read.
    [[nodiscard]] virtual bool read(std::uint64_t offset, std::size_t length,
                                    unsigned char* into) const = 0;
};

class MemoryBytes final : public ByteReader {
public:
    explicit MemoryBytes(std::string_view bytes)
        : bytes_(bytes) {}
    [[nodiscard]] std::uint64_t size() const override { return bytes_.size(); }
    [[nodiscard]] bool read(std::uint64_t offset, std::size_t length,
                            unsigned char* into) const override;

private:
    std::string_view bytes_;
};

// A regular file, opened without following a link.
class FileBytes final : public ByteReader {
public:
    explicit FileBytes(const std::filesystem::path& path);
    ~FileBytes() override;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    [[nodiscard]] bool isOpen() const { return fd_ >= 0; }
    [[nodiscard]] std::uint64_t size() const override { return size_; }
    [[nodiscard]] bool read(std::uint64_t offset, std::size_t length,
                            unsigned char* into) const override;

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// The XML property list of the entitlements in a Mach-O executable's code signature: the arm64
// slice of a universal file, else its first slice; the LC_CODE_SIGNATURE command; the SuperBlob;
// its entitlements blob. None when any part is missing or inconsistent: every offset and length
// is checked against what holds it.
[[nodiscard]] std::optional<std::string> entitlementsXml(const ByteReader& executable);

} // namespace sorvale::platform
