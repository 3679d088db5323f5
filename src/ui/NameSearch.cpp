// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "NameSearch.h"

#include "store/ModelTexts.h"

#include <algorithm>

namespace sorvale::ui {
namespace {

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

NameSearch::NameSearch(const QString& text)
    : text_(text) {
    const QByteArray utf8 = text.toUtf8();
    if (isAscii(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())))) {
        asciiLowerText_.reserve(static_cast<std::size_t>(utf8.size()));
        for (const char c : utf8) {
            asciiLowerText_ += lowerAscii(c);
        }
    }
}

bool NameSearch::matches(std::string_view name) const {
    if (text_.isEmpty()) {
        return true;
    }
    // Case folding maps some characters beyond ASCII onto ASCII letters (the Kelvin sign onto
    // "k"), so only an ASCII name is compared by bytes.
    if (!asciiLowerText_.empty() && isAscii(name)) {
        return std::search(name.begin(), name.end(), asciiLowerText_.begin(), asciiLowerText_.end(),
                           [](char a, char b) { return lowerAscii(a) == b; }) != name.end();
    }
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
        .contains(text_, Qt::CaseInsensitive);
}

bool NameSearch::matches(const model::CleanupItem& item) const {
    if (!item.nameParts || text_.isEmpty()) {
        return matches(item.name);
    }
    return store::nameText(item).contains(text_, Qt::CaseInsensitive);
}

} // namespace sorvale::ui
