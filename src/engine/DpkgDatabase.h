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

// A package as dpkg's status database records it.
struct DpkgPackage {
    std::string name;
    std::string architecture;
    // The third word of "Status:": "installed", "config-files", "half-installed", …
    std::string state;
    std::string priority;
    bool essential = false;
    bool multiArchSame = false;

    [[nodiscard]] bool isInstalled() const { return state == "installed"; }
    // What the system cannot do without: never offered for removal.
    [[nodiscard]] bool isSystemPackage() const {
        return essential || priority == "required" || priority == "important";
    }
    // How dpkg and APT name it: "<name>:<arch>" for a package installed for several
    // architectures side by side.
    [[nodiscard]] std::string qualifiedName() const {
        return multiArchSame ? name + ":" + architecture : name;
    }
};

// The packages of the status file `<dpkg folder>/status`, in its order.
[[nodiscard]] std::vector<DpkgPackage> readDpkgStatus(const std::filesystem::path& dpkgFolder);
[[nodiscard]] std::vector<DpkgPackage> parseDpkgStatus(std::string_view text);

// The paths a package installed, as its file list in `<dpkg folder>/info` names them, that
// start with `prefix`.
[[nodiscard]] std::vector<std::string> packageFiles(const std::filesystem::path& dpkgFolder,
                                                    const DpkgPackage& package,
                                                    std::string_view prefix = {});

} // namespace sorvale::engine
