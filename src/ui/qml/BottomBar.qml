// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Sorvale

// The result of the last removal or the selection, and the button that asks to remove it.
GlassPanel {
    radius: 16
    implicitHeight: 58

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 18
        anchors.rightMargin: 10
        spacing: 10

        SymbolIcon {
            visible: Store.lastMessage !== ""
            symbol: "checkmark.circle.fill"
            size: 14
            color: Theme.accent
        }
        Text {
            objectName: "selectionSummary"
            Layout.fillWidth: true
            text: Store.lastMessage !== "" ? Store.lastMessage
                : Store.selectedCount > 0
                ? Store.selectedCount + " selected \u00b7 " + Format.byteCount(Store.selectedSize)
                : "Nothing selected"
            color: Store.lastMessage === "" && Store.selectedCount === 0 ? Theme.secondaryText
                                                                          : "white"
            font.pixelSize: Theme.subheadline + 1
            elide: Text.ElideRight
        }
        PrimaryButton {
            objectName: "removeButton"
            text: Store.selectionActionTitle
            enabled: Store.selectedCount > 0
            onClicked: Store.showDeleteConfirmation = true
        }
    }
}
