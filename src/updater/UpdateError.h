// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <stdexcept>

namespace sorvale::updater {

inline const QString kInvalidResponse = "The update server returned an invalid response.";

// The one kind of failure the updater's private steps raise; its description is what the user
// reads. It never leaves the thread that raised it.
class UpdateError : public std::runtime_error {
public:
    explicit UpdateError(const QString& description)
        : std::runtime_error(description.toStdString()) {}
    [[nodiscard]] QString description() const { return QString::fromStdString(what()); }

    static UpdateError verificationFailed(const QString& reason) {
        return UpdateError("The downloaded update failed verification: " + reason);
    }
    static UpdateError invalidResponse() { return UpdateError(kInvalidResponse); }
};

} // namespace sorvale::updater
