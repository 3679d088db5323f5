// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ZipArchive.h"

#include <archive.h>
#include <archive_entry.h>

#include <cstdint>
#include <stdexcept>
#include <sys/stat.h>

namespace sorvale::test {
namespace {

// ZIP keeps a Unix file's type and permissions in the upper half of the "external attributes"
// of its central directory record. libarchive writes no device, so such an entry is written as a
// file and its record changed afterwards, as a hostile archive would hold it.
void setUnixMode(std::string& bytes, std::size_t entryIndex, std::uint32_t mode) {
    const std::string signature("PK\x01\x02", 4);
    std::size_t record = 0;
    for (std::size_t index = 0; index <= entryIndex; ++index) {
        record = bytes.find(signature, index == 0 ? 0 : record + 4);
        if (record == std::string::npos) {
            throw std::runtime_error("no central directory record for a ZIP entry");
        }
    }
    const std::uint32_t attributes = mode << 16;
    for (std::size_t byte = 0; byte < 4; ++byte) {
        bytes[record + 38 + byte] = static_cast<char>((attributes >> (8 * byte)) & 0xff);
    }
}

} // namespace

std::string zipBytes(const std::vector<ZipEntry>& entries) {
    std::string bytes;
    archive* zip = archive_write_new();
    archive_write_set_format_zip(zip);
    // Without this libarchive pads the end to a whole 10 KB block, which a file it writes is not.
    archive_write_set_bytes_in_last_block(zip, 1);
    const auto append = [](archive*, void* out, const void* data, size_t size) -> la_ssize_t {
        static_cast<std::string*>(out)->append(static_cast<const char*>(data), size);
        return static_cast<la_ssize_t>(size);
    };
    if (archive_write_open2(zip, &bytes, nullptr, append, nullptr, nullptr) != ARCHIVE_OK) {
        archive_write_free(zip);
        throw std::runtime_error("cannot start a ZIP archive");
    }
    for (const ZipEntry& source : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, source.name.c_str());
        const bool hasData =
            source.type != ZipEntry::Type::folder && source.type != ZipEntry::Type::link;
        switch (source.type) {
        case ZipEntry::Type::folder:
            archive_entry_set_filetype(entry, AE_IFDIR);
            archive_entry_set_perm(entry, 0755);
            break;
        case ZipEntry::Type::link:
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_set_perm(entry, 0755);
            archive_entry_set_symlink(entry, source.contents.c_str());
            break;
        default:
            archive_entry_set_filetype(entry, AE_IFREG);
            archive_entry_set_perm(entry, 0644);
            break;
        }
        archive_entry_set_size(entry,
                               hasData ? static_cast<la_int64_t>(source.contents.size()) : 0);
        if (archive_write_header(zip, entry) != ARCHIVE_OK) {
            archive_entry_free(entry);
            archive_write_free(zip);
            throw std::runtime_error("cannot add " + source.name + " to a ZIP archive");
        }
        if (hasData) {
            archive_write_data(zip, source.contents.data(), source.contents.size());
        }
        archive_entry_free(entry);
    }
    archive_write_close(zip);
    archive_write_free(zip);
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (entries[index].type == ZipEntry::Type::characterDevice) {
            setUnixMode(bytes, index, S_IFCHR | 0644);
        } else if (entries[index].type == ZipEntry::Type::blockDevice) {
            setUnixMode(bytes, index, S_IFBLK | 0644);
        }
    }
    return bytes;
}

std::string zipBytes(const std::vector<std::pair<std::string, std::string>>& files) {
    std::vector<ZipEntry> entries;
    for (const auto& [name, contents] : files) {
        entries.push_back({ZipEntry::Type::file, name, contents});
    }
    return zipBytes(entries);
}

} // namespace sorvale::test
