// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

#include <stdexcept>

namespace sorvale::updater {

// Every message of the updater that the window shows is translated in this one context, named
// as the struct: lupdate takes the struct's name where it cannot follow the declaration.
struct UpdaterTexts {
    Q_DECLARE_TR_FUNCTIONS(UpdaterTexts)
};

[[nodiscard]] inline QString invalidResponseMessage() {
    return UpdaterTexts::tr("The update server returned an invalid response.");
}

// The one kind of failure the updater's private steps raise; its description is what the user
// reads. It never leaves the thread that raised it.
class UpdateError : public std::runtime_error {
public:
    explicit UpdateError(const QString& description)
        : std::runtime_error(description.toStdString()) {}
    [[nodiscard]] QString description() const { return QString::fromStdString(what()); }

    static UpdateError verificationFailed(const QString& reason) {
        return UpdateError(
            UpdaterTexts::tr("The downloaded update failed verification: %1").arg(reason));
    }
    static UpdateError invalidResponse() { return UpdateError(invalidResponseMessage()); }
};

} // namespace sorvale::updater
