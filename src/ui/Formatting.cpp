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

} // namespace sorvale::ui
