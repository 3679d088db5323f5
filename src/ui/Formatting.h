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
};

} // namespace sorvale::ui
