#include "ScanEngine.h"

#include <algorithm>

namespace sorvale::engine {

ScanEngine::ScanEngine(std::filesystem::path systemRoot)
    : systemRoot_(std::move(systemRoot)) {}

std::filesystem::path ScanEngine::systemPath(std::string_view absolutePath) const {
    return systemRoot_ / std::filesystem::path(absolutePath).relative_path();
}

void sortBySizeDescending(std::vector<model::CleanupItem>& items) {
    std::stable_sort(
        items.begin(), items.end(),
        [](const model::CleanupItem& a, const model::CleanupItem& b) { return a.size > b.size; });
}

} // namespace sorvale::engine
