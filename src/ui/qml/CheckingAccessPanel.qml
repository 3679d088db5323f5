// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import Sorvale

// Shown while the store checks for Full Disk Access.
ProgressPanel {
    title: "Checking Full Disk Access\u2026"
}
