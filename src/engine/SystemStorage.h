// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "Candidates.h"
#include "EngineSetup.h"

#include <filesystem>

namespace sorvale::engine {

// What the system keeps that its own tools can give back: the package manager's downloaded
// packages, the journal's archived files, crash reports, Flatpak runtimes that no installed
// application uses and the revisions Snap keeps for rolling back. Each item carries the
// operation that hands it to its tool; none is ever moved to the Trash.
class SystemStorage {
public:
    explicit SystemStorage(const EngineSetup& setup)
        : setup_(setup) {}

    // The package cache, the journal, crash reports, unused runtimes, then old snap revisions.
    void appendTo(const std::filesystem::path& home, Candidates& into) const;

private:
    void appendJournal(Candidates& into) const;
    void appendUnusedRuntimes(const std::filesystem::path& installation, std::string_view which,
                              Candidates& into) const;
    void appendSnapRevisions(Candidates& into) const;

    const EngineSetup& setup_;
};

} // namespace sorvale::engine
