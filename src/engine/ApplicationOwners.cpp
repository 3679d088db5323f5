// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ApplicationOwners.h"

#include "UnicodeText.h"

#include <algorithm>
#include <array>

namespace sorvale::engine {
namespace {

struct KnownApplication {
    // The folder it keeps in the cache and settings folders, in lower case.
    std::string_view folder;
    std::string_view flatpakId;
    std::string_view snapName;
    std::string_view name;
    // Up to two; an empty name is none.
    std::array<std::string_view, 2> executables;
    bool isBrowser;
};

constexpr std::array<KnownApplication, 22> kKnown{{
    {"mozilla", "org.mozilla.firefox", "firefox", "Firefox", {"firefox", "firefox-esr"}, true},
    {"google-chrome", "com.google.Chrome", "", "Google Chrome", {"chrome"}, true},
    {"google-chrome-beta", "", "", "Google Chrome Beta", {"chrome"}, true},
    {"chromium", "org.chromium.Chromium", "chromium", "Chromium", {"chromium"}, true},
    {"bravesoftware", "com.brave.Browser", "brave", "Brave", {"brave", "brave-browser"}, true},
    {"vivaldi", "com.vivaldi.Vivaldi", "vivaldi", "Vivaldi", {"vivaldi-bin", "vivaldi"}, true},
    {"opera", "com.opera.Opera", "opera", "Opera", {"opera"}, true},
    {"microsoft-edge", "com.microsoft.Edge", "", "Microsoft Edge", {"msedge"}, true},
    {"epiphany", "org.gnome.Epiphany", "", "Web", {"epiphany"}, true},
    {"falkon", "org.kde.falkon", "", "Falkon", {"falkon"}, true},
    {"librewolf", "io.gitlab.librewolf-community", "", "LibreWolf", {"librewolf"}, true},
    {"qutebrowser", "org.qutebrowser.qutebrowser", "", "qutebrowser", {"qutebrowser"}, true},
    {"code", "com.visualstudio.code", "code", "Visual Studio Code", {"code"}, false},
    {"code - oss", "com.visualstudio.code-oss", "", "Code - OSS", {"code-oss"}, false},
    {"slack", "com.slack.Slack", "slack", "Slack", {"slack"}, false},
    {"discord", "com.discordapp.Discord", "discord", "Discord", {"discord"}, false},
    {"signal", "org.signal.Signal", "signal-desktop", "Signal", {"signal-desktop"}, false},
    {"spotify", "com.spotify.Client", "spotify", "Spotify", {"spotify"}, false},
    {"element", "im.riot.Riot", "element-desktop", "Element", {"element-desktop"}, false},
    {"obsidian", "md.obsidian.Obsidian", "obsidian", "Obsidian", {"obsidian"}, false},
    {"thunderbird",
     "org.mozilla.Thunderbird",
     "thunderbird",
     "Thunderbird",
     {"thunderbird"},
     false},
    {"teams-for-linux",
     "com.github.IsmaelMartinez.teams_for_linux",
     "teams-for-linux",
     "Teams for Linux",
     {"teams-for-linux"},
     false},
}};

template <class Key>
const KnownApplication* find(Key key) {
    const auto found = std::find_if(kKnown.begin(), kKnown.end(), key);
    return found != kKnown.end() ? &*found : nullptr;
}

const KnownApplication* knownFolder(std::string_view folder) {
    const std::string lower = lowercased(folder);
    return find([&](const KnownApplication& known) { return known.folder == lower; });
}
const KnownApplication* knownFlatpak(std::string_view id) {
    return find([&](const KnownApplication& known) { return known.flatpakId == id; });
}
const KnownApplication* knownSnap(std::string_view name) {
    return find([&](const KnownApplication& known) {
        return !known.snapName.empty() && known.snapName == name;
    });
}

std::vector<std::string> executablesOf(const KnownApplication& known) {
    std::vector<std::string> names;
    for (const std::string_view name : known.executables) {
        if (!name.empty()) {
            names.emplace_back(name);
        }
    }
    return names;
}

} // namespace

model::OwnerReference ApplicationOwners::ofFolder(std::string_view folder) const {
    if (const KnownApplication* known = knownFolder(folder)) {
        return of({.name = std::string(known->name),
                   .executableNames = executablesOf(*known),
                   .flatpakId = {},
                   .snapName = {},
                   .runningAtScan = false});
    }
    return of({.name = std::string(folder),
               .executableNames = {std::string(folder)},
               .flatpakId = {},
               .snapName = {},
               .runningAtScan = false});
}

model::OwnerReference ApplicationOwners::ofFlatpak(std::string_view id) const {
    return of({.name = flatpakName(id),
               .executableNames = {},
               .flatpakId = std::string(id),
               .snapName = {}});
}

model::OwnerReference ApplicationOwners::ofSnap(std::string_view snap) const {
    return of({.name = snapName(snap),
               .executableNames = {},
               .flatpakId = {},
               .snapName = std::string(snap)});
}

model::OwnerReference ApplicationOwners::of(model::ApplicationOwner owner) const {
    owner.runningAtScan = platform::isRunning(owner, processes_);
    return model::OwnerReference(std::make_shared<const model::ApplicationOwner>(std::move(owner)));
}

std::string flatpakName(std::string_view id) {
    const KnownApplication* known = knownFlatpak(id);
    return known != nullptr ? std::string(known->name) : std::string(id.substr(id.rfind('.') + 1));
}

std::string snapName(std::string_view name) {
    const KnownApplication* known = knownSnap(name);
    return known != nullptr ? std::string(known->name) : std::string(name);
}

bool isBrowserFolder(std::string_view folder) {
    const KnownApplication* known = knownFolder(folder);
    return known != nullptr && known->isBrowser;
}
bool isBrowserFlatpak(std::string_view id) {
    const KnownApplication* known = knownFlatpak(id);
    return known != nullptr && known->isBrowser;
}
bool isBrowserSnap(std::string_view name) {
    const KnownApplication* known = knownSnap(name);
    return known != nullptr && known->isBrowser;
}

} // namespace sorvale::engine
