// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace sorvale::updater {

// The tools that unpack and verify an update, as absolute paths on the system they belong to.
inline constexpr std::string_view kDitto = "/usr/bin/ditto";
inline constexpr std::string_view kCodesign = "/usr/bin/codesign";
inline constexpr std::string_view kSpctl = "/usr/sbin/spctl";
inline constexpr std::array<std::string_view, 3> kVerificationTools{kDitto, kCodesign, kSpctl};

// Whether `path` names a file this process may run.
[[nodiscard]] bool isRunnable(const std::filesystem::path& path);

// A received archive to put in place and verify. Values only: it is handed to another thread.
struct Verification {
    // The complete download, moved into the updates folder as `archiveName`.
    std::filesystem::path receivedFile;
    std::filesystem::path updatesFolder;
    std::filesystem::path archiveName;
    QString expectedVersion;
    // The running copy, whose signing team the update must share.
    std::filesystem::path runningBundle;
    std::filesystem::path systemRoot;
    std::chrono::milliseconds toolTimeLimit{};
};

// The new application bundle once verified; else the description of the failure.
struct VerificationOutcome {
    std::optional<std::filesystem::path> bundle;
    QString failure;
};

// Moves the archive into the updates folder, inspects it, unpacks it into "Extracted" there and
// proves the bundle intact, accepted, of the announced version and signed by the running copy's
// team. Runs tools and waits for them: call it off the main thread. `cancelled` ends a running
// tool early; the outcome then no longer matters.
[[nodiscard]] VerificationOutcome verifyUpdate(const Verification& verification,
                                               const std::function<bool()>& cancelled);

} // namespace sorvale::updater
