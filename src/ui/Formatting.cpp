// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Formatting.h"

#include "model/ByteCountFormat.h"

namespace sorvale::ui {

QString Formatting::byteCount(qint64 bytes) {
    return QString::fromStdString(model::formatByteCount(bytes));
}

QString Formatting::megabytes(double megabytes) {
    return QString::number(static_cast<qint64>(megabytes)) + " MB";
}

QString Formatting::count(qint64 count, const QString& singular, const QString& plural) {
    const QString noun = count == 1 ? singular : plural.isEmpty() ? singular + "s" : plural;
    return QString::number(count) + " " + noun;
}

} // namespace sorvale::ui
