// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ApplicationBundles.h"

#include "UnicodeText.h"

#include <algorithm>

namespace sorvale::engine {

bool hasOneOfExtensions(std::string_view name, std::span<const std::string_view> extensions) {
    const std::string extension = lowercased(std::filesystem::path(name).extension().native());
    return !extension.empty() &&
           std::find(extensions.begin(), extensions.end(), std::string_view(extension).substr(1)) !=
               extensions.end();
}

void findBundles(const WalkRoot& root, std::span<const std::string_view> extensions,
                 const std::function<void(const WalkEntry&)>& found, std::int64_t& inaccessible) {
    walkCounting(
        root, WalkOptions{.skipHiddenEntries = true},
        [&](const WalkEntry& entry) {
            if (!hasOneOfExtensions(entry.name(), extensions)) {
                return WalkAction::descend;
            }
            found(entry);
            return WalkAction::skipDescendants;
        },
        inaccessible);
}

} // namespace sorvale::engine
