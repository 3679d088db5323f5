#pragma once

#include <filesystem>

namespace sorvale::engine {

// Whether protected folders of the user's library can be listed: what Full Disk Access grants.
[[nodiscard]] bool hasFullDiskAccess(const std::filesystem::path& home);

} // namespace sorvale::engine
