// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// sorvale-test-unzip ARCHIVE FOLDER: unpacks a ZIP archive, standing in for `ditto -x -k` in the
// updater's tests. It writes every entry as the archive names it, absolute names, ".." and links
// included: the updater must not rely on the tool to refuse them.

#include <archive.h>
#include <archive_entry.h>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: sorvale-test-unzip ARCHIVE FOLDER\n");
        return 2;
    }
    archive* zip = archive_read_new();
    archive_read_support_format_zip(zip);
    archive* disk = archive_write_disk_new();
    if (archive_read_open_filename(zip, argv[1], 64 * 1024) != ARCHIVE_OK ||
        ::chdir(argv[2]) != 0) {
        std::fprintf(stderr, "ditto: %s\n", archive_error_string(zip));
        return 1;
    }
    int status = 0;
    archive_entry* entry = nullptr;
    while (archive_read_next_header(zip, &entry) == ARCHIVE_OK) {
        if (archive_write_header(disk, entry) != ARCHIVE_OK) {
            std::fprintf(stderr, "ditto: %s\n", archive_error_string(disk));
            status = 1;
            continue;
        }
        const void* block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        while (archive_read_data_block(zip, &block, &size, &offset) == ARCHIVE_OK) {
            if (archive_write_data_block(disk, block, size, offset) != ARCHIVE_OK) {
                status = 1;
            }
        }
        archive_write_finish_entry(disk);
    }
    archive_read_free(zip);
    archive_write_free(disk);
    return status;
}
