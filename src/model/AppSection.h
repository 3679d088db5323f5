// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "RawValue.h"

#include <cstdint>

namespace sorvale::model {

// The sections of the main window's sidebar, in sidebar order.
enum class AppSection : std::uint8_t {
    overview,
    cleanup,
    applications,
    largeFiles,
    downloads,
    trash
};

template <>
struct EnumTraits<AppSection> {
    static constexpr std::size_t count = 6;
    static std::string_view rawValue(AppSection section);
};

[[nodiscard]] std::string_view title(AppSection section);
[[nodiscard]] std::string_view symbol(AppSection section);

// How the Smart Cleanup and Applications sections are shown: their dashboard or the item list.
enum class CleanupPresentation : std::uint8_t { summary, review };
enum class ApplicationsPresentation : std::uint8_t { summary, review };

template <>
struct EnumTraits<CleanupPresentation> {
    static constexpr std::size_t count = 2;
    static std::string_view rawValue(CleanupPresentation presentation);
};

template <>
struct EnumTraits<ApplicationsPresentation> {
    static constexpr std::size_t count = 2;
    static std::string_view rawValue(ApplicationsPresentation presentation);
};

} // namespace sorvale::model
