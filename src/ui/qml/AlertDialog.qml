// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// A modal alert in the theme: a title, a message and buttons laid out right to left.
Dialog {
    id: alert
    property string heading
    property string message
    default property alias buttons: buttonRow.data

    modal: true
    closePolicy: Popup.NoAutoClose
    width: Math.min(540, parent ? parent.width - 80 : 540)
    padding: 24

    Overlay.modal: Rectangle {
        color: Qt.rgba(0, 0, 0, 0.45)
    }
    background: Rectangle {
        radius: 16
        color: Qt.rgba(0.07, 0.1, 0.14, 1)
        border.color: Theme.border
        border.width: 1
    }

    contentItem: ColumnLayout {
        spacing: 12
        Text {
            objectName: "alertTitle"
            Layout.fillWidth: true
            text: alert.heading
            color: "white"
            font.pixelSize: Theme.title3
            font.weight: Font.Bold
            wrapMode: Text.WordWrap
        }
        Text {
            objectName: "alertMessage"
            Layout.fillWidth: true
            text: alert.message
            textFormat: Text.PlainText
            color: Qt.rgba(1, 1, 1, 0.78)
            font.pixelSize: Theme.body
            wrapMode: Text.WordWrap
            lineHeight: 1.2
        }
        RowLayout {
            id: buttonRow
            Layout.topMargin: 8
            Layout.alignment: Qt.AlignRight
            spacing: 10
            layoutDirection: Qt.RightToLeft
        }
    }
}
