#include "ZipArchive.h"

#include <archive.h>
#include <archive_entry.h>

#include <stdexcept>

namespace sorvale::test {

void writeZip(const std::filesystem::path& archivePath,
              const std::vector<std::pair<std::string, std::string>>& files) {
    archive* zip = archive_write_new();
    archive_write_set_format_zip(zip);
    if (archive_write_open_filename(zip, archivePath.c_str()) != ARCHIVE_OK) {
        archive_write_free(zip);
        throw std::runtime_error("cannot write " + archivePath.native());
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
}

} // namespace sorvale::test
