// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

namespace sorvale::ui {

// The onboarding pages' pictures.
class OnboardingArtwork : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The bundled "<name>.png"; else empty, and the page shows a symbol instead.
    Q_INVOKABLE [[nodiscard]] static QUrl image(const QString& name);
};

} // namespace sorvale::ui
