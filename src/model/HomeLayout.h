// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "RawValue.h"

#include <cstdint>
#include <string_view>

namespace sorvale::model {

// Which catalogue a home is read with: the macOS one (`~/Library`, `/Applications`, Xcode, Mail)
// or the freedesktop one (`$XDG_CACHE_HOME`, `~/.config`, Flatpak and Snap, system package
// caches). Chosen at run time, so both are built and tested everywhere.
enum class HomeLayout : std::uint8_t {
    macos,
    // Raw value "linux"; the word itself is a predefined macro in GNU modes and in moc.
    linuxDesktop,
};

template <>
struct EnumTraits<HomeLayout> {
    static constexpr std::size_t count = 2;
    static std::string_view rawValue(HomeLayout layout);
};

// The layout of the system this was built for.
[[nodiscard]] constexpr HomeLayout hostLayout() {
#ifdef __APPLE__
    return HomeLayout::macos;
#else
    return HomeLayout::linuxDesktop;
#endif
}

// The words the window uses for things its platform names its own way.
struct PlatformWords {
    // "your Mac", "your computer": the machine, as the object of a sentence.
    std::string_view computer;
    // Where removed items go, as the object of "uses …".
    std::string_view trash;
    // The application that shows files, as in "Reveal in …".
    std::string_view fileManager;
    // What an installer is, as in "Review … found on Desktop and in Downloads."
    std::string_view installers;
};

[[nodiscard]] const PlatformWords& words(HomeLayout layout);

// Whether the system asks the user to allow reading protected folders and changing other
// applications (Full Disk Access and App Management); on other systems there is nothing to grant.
[[nodiscard]] bool hasAccessPermissions(HomeLayout layout);

} // namespace sorvale::model
