#include "Location.h"

namespace sorvale::model {

std::filesystem::path standardized(const std::filesystem::path& location) {
    std::filesystem::path normal = location.lexically_normal();
    if (!normal.has_filename() && normal.has_relative_path()) {
        normal = normal.parent_path();
    }
    return normal;
}

} // namespace sorvale::model
