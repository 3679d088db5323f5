// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace sorvale::ui {

// The one byte-count formatter, for every view.
class Formatting : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Format)
    QML_SINGLETON

public:
    using QObject::QObject;

    Q_INVOKABLE [[nodiscard]] static QString byteCount(qint64 bytes);
    // The whole number of megabytes followed by " MB", as the settings show the minimum size.
    Q_INVOKABLE [[nodiscard]] static QString megabytes(double megabytes);
    // A count and its noun, the noun in the plural ("s" added unless `plural` is given) unless
    // the count is 1: "1 item", "3 items", "2 locations were".
    Q_INVOKABLE [[nodiscard]] static QString count(qint64 count, const QString& singular,
                                                   const QString& plural = {});
};

} // namespace sorvale::ui
