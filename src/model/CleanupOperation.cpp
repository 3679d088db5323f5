// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "CleanupOperation.h"

#include "Hashing.h"

#include <array>

namespace sorvale::model {

CleanupOperation::CleanupOperation(Kind kind, std::string identifier)
    : kind_(kind)
    , identifier_(identifier.empty() ? nullptr
                                     : std::make_shared<const std::string>(std::move(identifier))) {
}

const std::string& CleanupOperation::identifier() const {
    static const std::string none;
    return identifier_ ? *identifier_ : none;
}

std::string_view EnumTraits<CleanupOperation::Kind>::rawValue(CleanupOperation::Kind kind) {
    static constexpr std::array<std::string_view, count> names{
        "moveToTrash",           "optimizeUniversal",     "deleteSimulatorRuntime",
        "deleteSimulatorDevice", "removeSimulatorCaches", "uninstallApplication",
        "cleanPackageCache",     "vacuumJournal",         "removeUnusedRuntimes",
        "removeSnapRevision",    "deleteCrashReport",     "uninstallFlatpak",
        "uninstallSnap",         "uninstallAppImage",     "uninstallDebianPackage"};
    return names[static_cast<std::size_t>(kind)];
}

} // namespace sorvale::model

std::size_t std::hash<sorvale::model::CleanupOperation>::operator()(
    const sorvale::model::CleanupOperation& operation) const noexcept {
    std::size_t seed = std::hash<sorvale::model::CleanupOperation::Kind>{}(operation.kind());
    sorvale::model::hashCombine(seed, std::hash<std::string>{}(operation.identifier()));
    return seed;
}
