// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Formatting.h"

#include "store/ModelTexts.h"

#include <QCoreApplication>

namespace sorvale::ui {

QString Formatting::byteCount(qint64 bytes) {
    return store::byteCountText(bytes);
}

QString Formatting::megabytes(double megabytes) {
    // The unit as byte counts write it, in their translation context.
    return QCoreApplication::translate("ByteCountTexts", "%1 MB")
        .arg(QString::number(static_cast<qint64>(megabytes)));
}

} // namespace sorvale::ui
