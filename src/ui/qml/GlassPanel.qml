// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import Sorvale

// The translucent rounded panel that every card and dashboard section is drawn on.
Rectangle {
    radius: 22
    color: Theme.panel
    border.color: Theme.border
    border.width: 1
}
