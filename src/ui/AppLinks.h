// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

namespace sorvale::ui {

// The product's three web addresses, set when the application is built.
class AppLinks : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QUrl website READ website CONSTANT)
    Q_PROPERTY(QUrl support READ support CONSTANT)
    Q_PROPERTY(QUrl privacyPolicy READ privacyPolicy CONSTANT)

public:
    using QObject::QObject;

    [[nodiscard]] static QUrl website() { return QUrl(SORVALE_WEBSITE_URL); }
    [[nodiscard]] static QUrl support() { return QUrl(SORVALE_SUPPORT_URL); }
    [[nodiscard]] static QUrl privacyPolicy() { return QUrl(SORVALE_PRIVACY_URL); }
};

} // namespace sorvale::ui
