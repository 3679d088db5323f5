// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import Sorvale

// The results list's name search, bound to Results.searchText.
TextField {
    id: field
    implicitHeight: 36
    leftPadding: 34
    rightPadding: 10
    color: "white"
    placeholderTextColor: Theme.secondaryText
    selectionColor: Theme.faded(Theme.accent, 0.5)
    font.pixelSize: Theme.body
    text: Results.searchText
    onTextEdited: Results.searchText = text

    background: Rectangle {
        radius: 10
        color: Theme.faded("white", field.activeFocus ? 0.09 : 0.06)
        border.color: field.activeFocus ? Theme.faded(Theme.accent, 0.5) : Theme.border
        border.width: 1
        SymbolIcon {
            anchors.left: parent.left
            anchors.leftMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            symbol: "magnifyingglass"
            size: 13
            color: Theme.secondaryText
        }
    }
}
