// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import Sorvale

// A button of an alert: the default action in the accent, a destructive one in red.
Button {
    id: button
    property bool destructive: false
    property bool prominent: false

    leftPadding: 16
    rightPadding: 16
    topPadding: 8
    bottomPadding: 8
    font.pixelSize: Theme.body
    font.weight: prominent || destructive ? Font.DemiBold : Font.Normal

    contentItem: Text {
        text: button.text
        font: button.font
        color: button.destructive ? "white" : button.prominent ? Theme.primaryButtonText : "white"
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        radius: 8
        opacity: button.down ? 0.75 : 1
        color: button.destructive ? Qt.rgba(0.86, 0.24, 0.25, 1)
             : button.prominent ? Theme.accent : Theme.panelStrong
    }
}
