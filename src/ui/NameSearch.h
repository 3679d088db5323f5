// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/CleanupItem.h"

#include <QString>

#include <string>
#include <string_view>

namespace sorvale::ui {

// Whether a name (UTF-8 bytes) contains the search text, ignoring case exactly as
// QString::contains does. A list of a hundred thousand names keeps no text of them: a name and a
// search that are both plain ASCII, as most are, are compared byte by byte; any other name is
// made text only while it is tested.
class NameSearch {
public:
    explicit NameSearch(const QString& text);

    [[nodiscard]] bool isEmpty() const { return text_.isEmpty(); }
    [[nodiscard]] bool matches(std::string_view name) const;
    // Whether the item's name as the window shows it contains the search text.
    [[nodiscard]] bool matches(const model::CleanupItem& item) const;

private:
    QString text_;
    // The text in lower case when it is ASCII; empty otherwise.
    std::string asciiLowerText_;
};

} // namespace sorvale::ui
