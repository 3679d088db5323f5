// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvale::engine {

// How a Flatpak installation ("<installation>/<kind>/<id>/<arch>/<branch>/<commit>") lies on
// disk, read without flatpak: which refs are deployed, which deployment of a ref is active, and
// what a deployment's metadata says.

// A deployed ref of an installation: "<id>/<arch>/<branch>" and its folder.
struct DeployedRef {
    std::string id;
    std::string ref;
    std::filesystem::path folder;
};

// The refs of one kind ("app" or "runtime") deployed in `installation`, in walk order.
[[nodiscard]] std::vector<DeployedRef> deployedRefs(const std::filesystem::path& installation,
                                                    std::string_view kind,
                                                    std::int64_t& inaccessible);

// The deployment that the "active" link of a ref's folder names: a name within the ref's own
// folder, never a path elsewhere; none when there is no such link.
[[nodiscard]] std::optional<std::filesystem::path>
activeDeployment(const std::filesystem::path& refFolder);

// The active deployment of the branch that an application's "current" link names
// ("<arch>/<branch>" within the application's folder).
[[nodiscard]] std::optional<std::filesystem::path>
currentDeployment(const std::filesystem::path& applicationFolder);

// What a deployment's metadata says: the runtime and SDK it needs, as "<id>/<arch>/<branch>",
// the extension points it declares, and the command an application runs.
struct FlatpakMetadata {
    std::vector<std::string> refs;
    std::vector<std::string> extensionPoints;
    std::string command;
};

[[nodiscard]] FlatpakMetadata readFlatpakMetadata(const std::filesystem::path& deployment);

} // namespace sorvale::engine
