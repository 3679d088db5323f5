// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "AppSection.h"

#include "Translatable.h"

#include <array>

namespace sorvale::model {
namespace {

struct SectionRow {
    std::string_view rawValue;
    std::string_view title;
    std::string_view symbol;
};

constexpr std::array<SectionRow, EnumTraits<AppSection>::count> kSections{{
    {"overview", SORVALE_TRANSLATABLE("AppSection", "Overview"),
     "gauge.with.dots.needle.67percent"},
    {"cleanup", SORVALE_TRANSLATABLE("AppSection", "Smart Cleanup"), "sparkles"},
    {"applications", SORVALE_TRANSLATABLE("AppSection", "Applications"), "square.grid.2x2.fill"},
    {"largeFiles", SORVALE_TRANSLATABLE("AppSection", "Large Files"), "externaldrive.fill"},
    {"downloads", SORVALE_TRANSLATABLE("AppSection", "Downloads"), "arrow.down.circle.fill"},
    {"trash", SORVALE_TRANSLATABLE("AppSection", "Trash"), "trash.fill"},
}};

constexpr std::array<std::string_view, 2> kPresentations{"summary", "review"};

const SectionRow& row(AppSection section) {
    return kSections[static_cast<std::size_t>(section)];
}

} // namespace

std::string_view EnumTraits<AppSection>::rawValue(AppSection section) {
    return row(section).rawValue;
}

std::string_view title(AppSection section) {
    return row(section).title;
}
std::string_view symbol(AppSection section) {
    return row(section).symbol;
}

std::string_view EnumTraits<CleanupPresentation>::rawValue(CleanupPresentation presentation) {
    return kPresentations[static_cast<std::size_t>(presentation)];
}

std::string_view
EnumTraits<ApplicationsPresentation>::rawValue(ApplicationsPresentation presentation) {
    return kPresentations[static_cast<std::size_t>(presentation)];
}

} // namespace sorvale::model
