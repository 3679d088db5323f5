// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import Sorvale

// The accent-filled main button: full accent when enabled, 75 % while pressed, 28 % and dimmed
// text when disabled.
Button {
    id: button
    leftPadding: 18
    rightPadding: 18
    topPadding: 10
    bottomPadding: 10
    font.pixelSize: 14
    font.weight: Font.DemiBold

    contentItem: Text {
        text: button.text
        font: button.font
        color: Theme.primaryButtonText
        opacity: button.enabled ? 1 : 0.55
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        radius: 10
        color: Theme.faded(Theme.accent, !button.enabled ? 0.28 : button.down ? 0.75 : 1)
    }
}
