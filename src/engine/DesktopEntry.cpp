// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "DesktopEntry.h"

#include "platform/EntryNames.h"
#include "platform/EntryValues.h"
#include "platform/FileContents.h"

#include <array>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;

// Far above any real desktop entry.
constexpr std::size_t kMostEntryBytes = 1 << 20;

// Largest first: the one drawn best at any size the window asks for.
constexpr std::array<std::string_view, 9> kBitmapSizes{
    "1024x1024", "512x512", "256x256", "192x192", "128x128", "96x96", "64x64", "48x48", "32x32"};

bool isTrue(std::string_view value) {
    return value == "true";
}

bool isRegularFile(const fs::path& path) {
    const auto values = platform::readEntryValues(path);
    return values && values->type == platform::EntryType::regular;
}

} // namespace

std::string DesktopEntry::program() const {
    std::string word;
    bool quoted = false;
    for (std::size_t index = 0; index < exec.size(); ++index) {
        const char c = exec[index];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && quoted && index + 1 < exec.size()) {
            word.push_back(exec[++index]);
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (!word.empty()) {
                break;
            }
        } else {
            word.push_back(c);
        }
    }
    return word;
}

std::optional<DesktopEntry> parseDesktopEntry(std::string_view text) {
    DesktopEntry entry;
    bool inEntry = false;
    bool seen = false;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.starts_with('[')) {
            inEntry = line == "[Desktop Entry]";
            seen = seen || inEntry;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inEntry || line.starts_with('#') || equals == std::string_view::npos) {
            continue;
        }
        std::string_view key = line.substr(0, equals);
        std::string_view value = line.substr(equals + 1);
        while (key.ends_with(' ')) {
            key.remove_suffix(1);
        }
        while (value.starts_with(' ')) {
            value.remove_prefix(1);
        }
        // Localised keys ("Name[de]") are left out: the untranslated name is the one every
        // folder and package is named after.
        if (key == "Type") {
            entry.type = value;
        } else if (key == "Name") {
            entry.name = value;
        } else if (key == "Icon") {
            entry.icon = value;
        } else if (key == "Exec") {
            entry.exec = value;
        } else if (key == "TryExec") {
            entry.tryExec = value;
        } else if (key == "NoDisplay") {
            entry.noDisplay = isTrue(value);
        } else if (key == "Hidden") {
            entry.hidden = isTrue(value);
        } else if (key == "X-AppImage-Name") {
            entry.appImageName = value;
        } else if (key == "X-AppImage-Identifier") {
            entry.appImageIdentifier = value;
        }
    }
    if (!seen) {
        return std::nullopt;
    }
    return entry;
}

std::optional<DesktopEntry> readDesktopEntry(const fs::path& file) {
    const auto text = platform::readRegularFile(file, kMostEntryBytes);
    return text ? parseDesktopEntry(*text) : std::nullopt;
}

std::optional<fs::path> findIcon(std::string_view icon, const std::vector<fs::path>& iconFolders,
                                 const fs::path& pixmaps, const fs::path& systemRoot) {
    if (icon.starts_with('/')) {
        const fs::path file = systemRoot / fs::path(icon).relative_path();
        if (file.lexically_normal() == file && isRegularFile(file)) {
            return file;
        }
        return std::nullopt;
    }
    if (!platform::isSingleName(icon)) {
        return std::nullopt;
    }
    const std::string name(icon);
    for (const fs::path& folder : iconFolders) {
        const fs::path theme = folder / "hicolor";
        if (const fs::path svg = theme / "scalable/apps" / (name + ".svg"); isRegularFile(svg)) {
            return svg;
        }
        for (std::string_view size : kBitmapSizes) {
            if (const fs::path png = theme / size / "apps" / (name + ".png"); isRegularFile(png)) {
                return png;
            }
        }
    }
    for (std::string_view extension : {".svg", ".png", ""}) {
        if (const fs::path file = pixmaps / (name + std::string(extension)); isRegularFile(file)) {
            return file;
        }
    }
    return std::nullopt;
}

} // namespace sorvale::engine
