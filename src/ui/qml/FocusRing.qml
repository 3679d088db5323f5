// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import Sorvale

// The ring that shows which control the keyboard acts on: drawn around its parent while
// `target` has focus from the keyboard (a mouse press shows none).
Rectangle {
    property Item target: parent
    property bool shown: target && (target.visualFocus !== undefined ? target.visualFocus
                                                                      : target.activeFocus)

    anchors.fill: parent
    anchors.margins: -3
    radius: parent && parent.radius !== undefined ? parent.radius + 3 : 6
    color: "transparent"
    border.color: Theme.accent
    border.width: 2
    visible: shown
}
