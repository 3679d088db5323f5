// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import Sorvale

// The plain bordered button: a symbol, a title or both, on a light translucent fill, with an
// optional tooltip.
Button {
    id: button
    property string symbol
    property string toolTip

    leftPadding: text === "" ? 9 : 12
    rightPadding: text === "" ? 9 : 12
    topPadding: 6
    bottomPadding: 6
    font.pixelSize: Theme.body
    font.weight: Font.Medium
    hoverEnabled: true
    opacity: enabled ? 1 : 0.4

    ToolTip.visible: toolTip !== "" && hovered
    ToolTip.text: toolTip
    ToolTip.delay: 600
    Accessible.name: text !== "" ? text : toolTip

    contentItem: Row {
        spacing: 6
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            visible: button.symbol !== ""
            symbol: button.symbol
            size: 14
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            visible: button.text !== ""
            text: button.text
            font: button.font
            color: "white"
        }
    }
    background: Rectangle {
        implicitHeight: 28
        radius: 7
        color: button.down ? Theme.faded("white", 0.16) : Theme.panelStrong
        border.color: Theme.border
        border.width: 1
    }
}
