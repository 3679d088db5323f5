#include "TempTree.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvale::test {

TempTree::TempTree() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sorvale-test-XXXXXX").native();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    root_ = pattern;
    std::filesystem::permissions(root_, std::filesystem::perms(0755));
}

TempTree::~TempTree() {
    for (const auto& path : inaccessible_) {
        ::chmod(path.c_str(), 0755);
    }
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path TempTree::file(const std::filesystem::path& relative, std::size_t bytes) {
    const auto path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string block(4096, 'x');
    for (std::size_t written = 0; written < bytes; written += block.size()) {
        out.write(block.data(),
                  static_cast<std::streamsize>(std::min(block.size(), bytes - written)));
    }
    if (!out) {
        throw std::runtime_error("cannot write " + path.native());
    }
    return path;
}

std::filesystem::path TempTree::sparseFile(const std::filesystem::path& relative,
                                           std::int64_t length) {
    const auto path = file(relative);
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(length));
    return path;
}

std::filesystem::path TempTree::folder(const std::filesystem::path& relative) {
    const auto path = root_ / relative;
    std::filesystem::create_directories(path);
    return path;
}

std::filesystem::path TempTree::script(const std::filesystem::path& relative,
                                       std::string_view body) {
    const auto path = file(relative);
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    std::filesystem::permissions(path, std::filesystem::perms(0755));
    return path;
}

std::filesystem::path TempTree::symlink(const std::filesystem::path& relative,
                                        const std::filesystem::path& target) {
    const auto path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::filesystem::create_symlink(target, path);
    return path;
}

std::filesystem::path TempTree::hardLink(const std::filesystem::path& relative,
                                         const std::filesystem::path& existing) {
    const auto path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::filesystem::create_hard_link(existing, path);
    return path;
}

void TempTree::makeInaccessible(const std::filesystem::path& relative) {
    const auto path = root_ / relative;
    std::filesystem::permissions(path, std::filesystem::perms::none);
    inaccessible_.push_back(path);
}

std::int64_t allocatedBytes(const std::filesystem::path& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        throw std::runtime_error("cannot stat " + path.native());
    }
    return static_cast<std::int64_t>(status.st_blocks) * 512;
}

} // namespace sorvale::test
