// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Sorvale

// The result of the last removal or the selection, and the button that asks to remove it.
GlassPanel {
    id: bar
    radius: 16
    implicitHeight: 58
    // An empty list offers nothing to act on; the last removal's result still shows, with its
    // Undo.
    visible: bar.hasItems || Store.lastMessage !== ""

    readonly property bool hasItems: Store.displayedCount > 0

    // While the cleanup browser shows one group, items ticked in other groups are removed too:
    // the count then says that it spans them.
    readonly property int selectedShown: Results.categories.reduce(
        (sum, entry) => sum + entry.selectedCount, 0)
    readonly property bool selectionBeyondGroup: Store.selection === "cleanup"
        && Store.focusedCleanupGroup !== "" && Store.selectedCount > selectedShown

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
                : bar.selectionBeyondGroup
                ? qsTr("%n selected in all groups \u00b7 %1", "", Store.selectedCount).arg(Format.byteCount(Store.selectedSize))
                : Store.selectedCount > 0
                ? qsTr("%n selected \u00b7 %1", "", Store.selectedCount).arg(Format.byteCount(Store.selectedSize))
                : qsTr("Nothing selected")
            color: Store.lastMessage === "" && Store.selectedCount === 0 ? Theme.secondaryText
                                                                          : "white"
            font.pixelSize: Theme.subheadline + 1
            elide: Text.ElideRight
        }
        BorderedButton {
            objectName: "undoButton"
            visible: Store.canUndo
            text: qsTr("Undo")
            symbol: "arrow.uturn.backward"
            toolTip: qsTr("Put the removed items back where they were")
            onClicked: Store.undoRemoval()
        }
        BorderedButton {
            objectName: "putBackButton"
            visible: bar.hasItems && Store.selection === "trash"
            enabled: Store.selectedCount > 0 && Store.displayedState.kind !== "scanning"
            text: qsTr("Put Back")
            symbol: "arrow.uturn.backward"
            toolTip: qsTr("Return the selected items to where they were deleted from")
            onClicked: Store.putBackSelected()
        }
        PrimaryButton {
            objectName: "removeButton"
            visible: bar.hasItems
            text: Store.selectionActionTitle
            // Nothing more is asked while a scan or a removal runs.
            enabled: Store.selectedCount > 0 && Store.displayedState.kind !== "scanning"
            onClicked: Store.showDeleteConfirmation = true
        }
    }
}
