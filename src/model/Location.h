#pragma once

#include <filesystem>

namespace sorvale::model {

// The form in which locations are compared: "." and ".." removed lexically, symbolic links left
// unresolved, and no trailing separator (so "a/b/" and "a/b" are one location).
[[nodiscard]] std::filesystem::path standardized(const std::filesystem::path& location);

} // namespace sorvale::model
