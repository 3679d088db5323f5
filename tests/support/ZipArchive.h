#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace sorvale::test {

// Writes a real ZIP archive of (path inside the archive, contents) files.
void writeZip(const std::filesystem::path& archive,
              const std::vector<std::pair<std::string, std::string>>& files);

} // namespace sorvale::test
