// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "EntryNames.h"

#include <algorithm>
#include <array>

namespace sorvale::platform {
namespace {

constexpr std::array<std::string_view, 24> kPackageExtensions{
    "app",       "appex",           "bundle",      "framework",   "plugin",     "kext",
    "xpc",       "systemextension", "qlgenerator", "mdimporter",  "prefPane",   "saver",
    "component", "driver",          "wdgt",        "pkg",         "mpkg",       "rtfd",
    "docset",    "xcarchive",       "xcodeproj",   "xcworkspace", "playground", "photoslibrary",
};

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

} // namespace

bool isHiddenName(std::string_view name) {
    return !name.empty() && name.front() == '.';
}

bool isSingleName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

bool hasExtension(std::string_view name, std::string_view extension) {
    const auto dot = name.rfind('.');
    return dot != std::string_view::npos && dot != 0 &&
           equalsIgnoringAsciiCase(name.substr(dot + 1), extension);
}

bool isPackageFolderName(std::string_view name) {
    return std::any_of(kPackageExtensions.begin(), kPackageExtensions.end(),
                       [&](std::string_view extension) { return hasExtension(name, extension); });
}

} // namespace sorvale::platform
