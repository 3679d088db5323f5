#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sorvale::test {

// The bytes of a real ZIP archive of (path inside the archive, contents) files.
[[nodiscard]] std::string zipBytes(const std::vector<std::pair<std::string, std::string>>& files);

} // namespace sorvale::test
