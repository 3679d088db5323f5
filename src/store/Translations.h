// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>

namespace sorvale::store {

// Shows the window's texts in the language of `locale` (its UI languages in order of
// preference) and its numbers and dates in its format: installs our catalogue for the first of
// its languages that has one, else the English one, which gives the source texts their plural
// forms ("1 item", not "1 item(s)"); installs Qt's own catalogue where the system has it; and
// makes `locale` the default. Installing again replaces what was installed before. Returns the
// language of our catalogue ("de", "en"), or "" when none could be loaded.
QString installTranslations(const QLocale& locale);

} // namespace sorvale::store
