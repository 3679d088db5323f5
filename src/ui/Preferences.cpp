// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Preferences.h"

#include <QSettings>

namespace sorvale::ui {
namespace {
constexpr const char* kHasCompletedOnboarding = "hasCompletedOnboarding";
}

bool Preferences::hasCompletedOnboarding() const {
    return QSettings().value(kHasCompletedOnboarding, false).toBool();
}

void Preferences::setHasCompletedOnboarding(bool completed) {
    if (completed != hasCompletedOnboarding()) {
        QSettings().setValue(kHasCompletedOnboarding, completed);
        emit hasCompletedOnboardingChanged();
    }
}

} // namespace sorvale::ui
