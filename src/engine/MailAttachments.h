// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "Candidates.h"
#include "EngineSetup.h"

#include <filesystem>

namespace sorvale::engine {

// Mail's downloaded attachments, offered one by one, and the attachment copies kept below
// "Library/Mail", found file by file outside Mail's own message stores.
class MailAttachments {
public:
    explicit MailAttachments(const EngineSetup& setup)
        : setup_(setup) {}

    void appendTo(const std::filesystem::path& home, Candidates& into) const;

private:
    // The attachment files below `root`, largest first.
    [[nodiscard]] model::ScanSnapshot attachmentTree(const std::filesystem::path& root) const;

    const EngineSetup& setup_;
};

} // namespace sorvale::engine
