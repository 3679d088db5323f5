// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Sorvale

// Stands before every removal: what will happen to the selection, and the store's action title.
AlertDialog {
    id: dialog
    objectName: "removalConfirmation"

    heading: Store.confirmation.title
    message: Store.confirmation.message
    visible: Store.showDeleteConfirmation
    onClosed: Store.showDeleteConfirmation = false
    cancelButton: cancel
    // The removal is the default action, but destructive: Return never starts it.
    defaultButton: remove

    // The largest selected items, each with what will happen to it, the others counted, the
    // total, and the outcome for them all.
    details: [
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: itemColumn.implicitHeight + 16
            radius: 10
            color: Theme.panel
            border.color: Theme.border
            ColumnLayout {
                id: itemColumn
                anchors.fill: parent
                anchors.margins: 8
                anchors.leftMargin: 12
                anchors.rightMargin: 12
                spacing: 3
                Repeater {
                    objectName: "confirmationItems"
                    model: Store.confirmation.items || []
                    delegate: RowLayout {
                        required property var modelData
                        Layout.fillWidth: true
                        spacing: 10
                        Accessible.role: Accessible.ListItem
                        Accessible.name: qsTr("%1, %2, %3").arg(modelData.name)
                                             .arg(Format.byteCount(modelData.size))
                                             .arg(modelData.action)
                        Text {
                            Layout.fillWidth: true
                            text: modelData.name
                            color: "white"
                            font.pixelSize: Theme.body
                            elide: Text.ElideMiddle
                        }
                        Text {
                            text: modelData.action
                            color: Theme.secondaryText
                            font.pixelSize: Theme.caption
                        }
                        Text {
                            Layout.minimumWidth: 64
                            horizontalAlignment: Text.AlignRight
                            text: Format.byteCount(modelData.size)
                            color: "white"
                            font.pixelSize: Theme.body
                        }
                    }
                }
                Text {
                    objectName: "confirmationMore"
                    visible: (Store.confirmation.more || 0) > 0
                    text: qsTr("and %n more", "", Store.confirmation.more || 0)
                    color: Theme.secondaryText
                    font.pixelSize: Theme.caption
                }
            }
        },
        Text {
            objectName: "confirmationOutcome"
            Layout.fillWidth: true
            Layout.topMargin: 4
            text: qsTr("%1 Total: %2").arg(Store.confirmation.outcome || "").arg(Store.confirmation.total || "")
            color: "white"
            font.pixelSize: Theme.body
            font.weight: Font.DemiBold
            wrapMode: Text.WordWrap
        }
    ]

    AlertButton {
        id: remove
        objectName: "removeButton"
        text: Store.selectionActionTitle
        destructive: true
        onClicked: {
            Store.showDeleteConfirmation = false;
            Store.removeSelected();
        }
    }
    AlertButton {
        objectName: "appManagementButton"
        visible: Store.confirmation.offersAppManagement
        text: qsTr("App Management Settings")
        onClicked: {
            Store.showDeleteConfirmation = false;
            Store.openAppManagementSettings();
        }
    }
    AlertButton {
        id: cancel
        objectName: "cancelButton"
        text: qsTr("Cancel")
        onClicked: Store.showDeleteConfirmation = false
    }
}
