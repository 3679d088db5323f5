#include "ZipArchive.h"

#include <archive.h>
#include <archive_entry.h>

#include <stdexcept>

namespace sorvale::test {

std::string zipBytes(const std::vector<std::pair<std::string, std::string>>& files) {
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
    for (const auto& [name, contents] : files) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.c_str());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(contents.size()));
        archive_write_header(zip, entry);
        archive_write_data(zip, contents.data(), contents.size());
        archive_entry_free(entry);
    }
    archive_write_close(zip);
    archive_write_free(zip);
    return bytes;
}

} // namespace sorvale::test
