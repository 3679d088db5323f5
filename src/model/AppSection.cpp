// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "AppSection.h"

#include <array>

namespace sorvale::model {
namespace {

struct SectionRow {
    std::string_view rawValue;
    std::string_view title;
    std::string_view symbol;
};

constexpr std::array<SectionRow, EnumTraits<AppSection>::count> kSections{{
    {"overview", "Overview", "gauge.with.dots.needle.67percent"},
    {"cleanup", "Smart Cleanup", "sparkles"},
    {"applications", "Applications", "square.grid.2x2.fill"},
    {"largeFiles", "Large Files", "externaldrive.fill"},
    {"downloads", "Downloads", "arrow.down.circle.fill"},
    {"trash", "Trash", "trash.fill"},
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
