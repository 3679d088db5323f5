// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

namespace sorvale::ui {

// The model's display tables, for QML: the sidebar's sections and the categories.
class ModelTables : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Tables)
    QML_SINGLETON
    // [{section, title, symbol}] in sidebar order.
    Q_PROPERTY(QVariantList sections READ sections CONSTANT)

public:
    using QObject::QObject;

    [[nodiscard]] static QVariantList sections();
    // {title, subtitle, symbol, tint} of a category by its raw value, in the words of the home
    // layout `layout` (a raw value); empty for none.
    Q_INVOKABLE [[nodiscard]] static QVariantMap category(const QString& category,
                                                          const QString& layout);
};

} // namespace sorvale::ui
