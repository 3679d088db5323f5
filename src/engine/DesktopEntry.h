// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvale::engine {

// What a freedesktop desktop entry says of the application it launches: the keys of its
// "[Desktop Entry]" group that the inventory needs, unlocalised.
struct DesktopEntry {
    std::string type;
    std::string name;
    std::string icon;
    std::string exec;
    std::string tryExec;
    bool noDisplay = false;
    bool hidden = false;
    // The name and identifier an AppImage declares, as its desktop integration copies them.
    std::string appImageName;
    std::string appImageIdentifier;

    // An application the desktop shows in its menus.
    [[nodiscard]] bool isVisibleApplication() const {
        return type == "Application" && !noDisplay && !hidden;
    }
    // The program that `Exec` starts: its first word, unquoted.
    [[nodiscard]] std::string program() const;
};

// The entry of a regular file (never through a link at its own name); none when it cannot be
// read or has no "[Desktop Entry]" group.
[[nodiscard]] std::optional<DesktopEntry> readDesktopEntry(const std::filesystem::path& file);
[[nodiscard]] std::optional<DesktopEntry> parseDesktopEntry(std::string_view text);

// The file of the icon named `icon` (a theme name, or an absolute path that is looked up under
// `systemRoot`) in the hicolor theme below each of `iconFolders` ("…/share/icons"), then in
// `pixmaps`: the scalable icon, else the largest bitmap. None when there is no such file.
[[nodiscard]] std::optional<std::filesystem::path>
findIcon(std::string_view icon, const std::vector<std::filesystem::path>& iconFolders,
         const std::filesystem::path& pixmaps, const std::filesystem::path& systemRoot);

} // namespace sorvale::engine
