// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import Sorvale

// The spinning progress indicator, in the accent colour.
BusyIndicator {
    running: visible
    palette.dark: Theme.accent
}
