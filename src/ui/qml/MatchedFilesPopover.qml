// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// The support files that move to Trash with an application.
Popup {
    id: popover
    property string name
    property var files: [] // [{name, folder}]

    width: 440
    height: Math.min(implicitHeight, 430)
    padding: 16
    modal: false
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutsideParent

    background: Rectangle {
        radius: 12
        color: Qt.rgba(0.08, 0.11, 0.15, 0.98)
        border.color: Theme.border
    }
    contentItem: ColumnLayout {
        spacing: 8
        Text {
            Layout.fillWidth: true
            text: "Matched files for " + popover.name
            color: "white"
            font.pixelSize: Theme.headline
            font.weight: Font.DemiBold
            elide: Text.ElideMiddle
        }
        Text {
            Layout.fillWidth: true
            text: "These locations move to Trash with the application. They can include settings, caches, and local application data."
            color: Theme.secondaryText
            font.pixelSize: Theme.caption
            wrapMode: Text.WordWrap
        }
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: Theme.border
        }
        ListView {
            objectName: "matchedFiles"
            Layout.fillWidth: true
            Layout.fillHeight: true
            implicitHeight: contentHeight
            clip: true
            spacing: 8
            model: popover.files
            delegate: RowLayout {
                required property var modelData
                width: ListView.view.width
                spacing: 8
                SymbolIcon {
                    Layout.alignment: Qt.AlignTop
                    symbol: "folder.fill"
                    size: 13
                    color: Theme.accent
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 1
                    Text {
                        Layout.fillWidth: true
                        text: modelData.name
                        color: "white"
                        font.pixelSize: Theme.caption
                        font.weight: Font.Bold
                        elide: Text.ElideMiddle
                    }
                    Text {
                        Layout.fillWidth: true
                        text: modelData.folder
                        color: Theme.secondaryText
                        font.pixelSize: Theme.caption
                        elide: Text.ElideMiddle
                    }
                }
            }
        }
    }
}
