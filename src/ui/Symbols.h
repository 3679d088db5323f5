// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <optional>
#include <string_view>

namespace sorvale::ui {

// The views name their symbols as the system's symbol names; each stands for one bundled icon.
class Symbols : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The icon of `name`; empty when there is none.
    Q_INVOKABLE [[nodiscard]] static QUrl source(const QString& name);
    // The bundled icon's file name (without ".svg") for a symbol name, if it has one.
    [[nodiscard]] static std::optional<std::string_view> iconName(std::string_view symbol);
};

} // namespace sorvale::ui
