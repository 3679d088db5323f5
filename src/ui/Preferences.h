// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace sorvale::ui {

// The user defaults the interface keeps, in QSettings.
class Preferences : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool hasCompletedOnboarding READ hasCompletedOnboarding WRITE
                   setHasCompletedOnboarding NOTIFY hasCompletedOnboardingChanged)

public:
    using QObject::QObject;

    [[nodiscard]] bool hasCompletedOnboarding() const;
    void setHasCompletedOnboarding(bool completed);

signals:
    void hasCompletedOnboardingChanged();
};

} // namespace sorvale::ui
