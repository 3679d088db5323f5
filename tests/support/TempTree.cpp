// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "TempTree.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvale::test {

namespace {

std::filesystem::path makeTemporaryFolder(const std::filesystem::path& parent) {
    std::string pattern = (parent / "sorvale-test-XXXXXX").native();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    std::filesystem::permissions(pattern, std::filesystem::perms(0755));
    return pattern;
}

} // namespace

TempTree::TempTree(const std::filesystem::path& parent)
    : FixtureTree(makeTemporaryFolder(parent)) {}

TempTree::~TempTree() {
    for (const auto& path : inaccessible_) {
        ::chmod(path.c_str(), 0755);
    }
    std::error_code error;
    if (std::filesystem::remove_all(root_, error) != static_cast<std::uintmax_t>(-1) && !error) {
        return;
    }
    // A folder left read-only (a module cache does that) cannot be emptied by a process without
    // root's override, as the screenshot program runs; its owner may make it writable again.
    namespace fs = std::filesystem;
    for (auto entry = fs::recursive_directory_iterator(
             root_, fs::directory_options::skip_permission_denied, error);
         !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        std::error_code ignored;
        if (entry->is_directory(ignored) && !entry->is_symlink(ignored)) {
            ::chmod(entry->path().c_str(), 0755);
        }
    }
    ::chmod(root_.c_str(), 0755);
    std::filesystem::remove_all(root_, error);
}

std::filesystem::path memoryFolder(std::uintmax_t bytes) {
    const std::filesystem::path memory = "/dev/shm";
    std::error_code error;
    const auto space = std::filesystem::space(memory, error);
    if (error || space.available < bytes || ::access(memory.c_str(), W_OK) != 0) {
        return std::filesystem::temp_directory_path();
    }
    return memory;
}

} // namespace sorvale::test
