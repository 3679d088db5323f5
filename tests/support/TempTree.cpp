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
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
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
