#include "ScanEngine.h"

#include <algorithm>
#include <numeric>

namespace sorvale::engine {

ScanEngine::ScanEngine(std::filesystem::path systemRoot, WalkConcurrency concurrency)
    : systemRoot_(std::move(systemRoot))
    , concurrency_(concurrency) {}

std::filesystem::path ScanEngine::systemPath(std::string_view absolutePath) const {
    return systemRoot_ / std::filesystem::path(absolutePath).relative_path();
}

void sortBySizeDescending(std::vector<model::CleanupItem>& items) {
    // Positions are sorted, and each item moved once: items are large to move about.
    std::vector<std::uint32_t> order(items.size());
    std::iota(order.begin(), order.end(), 0U);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return items[a].size > items[b].size;
    });
    std::vector<model::CleanupItem> sorted;
    sorted.reserve(items.size());
    for (const std::uint32_t position : order) {
        sorted.push_back(std::move(items[position]));
    }
    items = std::move(sorted);
}

} // namespace sorvale::engine
