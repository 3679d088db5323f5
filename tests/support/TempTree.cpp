#include "TempTree.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <sys/stat.h>

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

} // namespace sorvale::test
