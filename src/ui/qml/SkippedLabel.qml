// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import Sorvale

// A caption with a warning sign: places that could not be read during the scan.
Control {
    id: label
    property string text
    property string toolTip

    hoverEnabled: true
    ToolTip.visible: toolTip !== "" && hovered
    ToolTip.text: toolTip
    ToolTip.delay: 400

    contentItem: Row {
        spacing: 5
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            symbol: "exclamationmark.triangle"
            size: 12
            color: Theme.secondaryText
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: label.text
            color: Theme.secondaryText
            font.pixelSize: Theme.caption
        }
    }
}
