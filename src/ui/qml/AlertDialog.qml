// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// A modal alert in the theme: a title, a message and buttons laid out right to left. Escape
// presses the cancel button; Return presses the default button, unless it is destructive, which
// only a deliberate press or Space on it may start.
Dialog {
    id: alert
    property string heading
    property string message
    default property alias buttons: buttonRow.data
    // What stands between the message and the buttons.
    property alias details: detailsArea.data
    property AlertButton cancelButton: null
    property AlertButton defaultButton: null

    // Presses the cancel button, or only closes when there is none.
    function cancel() {
        if (cancelButton && cancelButton.visible) {
            cancelButton.clicked();
        } else {
            close();
        }
    }

    modal: true
    closePolicy: Popup.NoAutoClose
    focus: true
    // Keyboard focus starts on the button Return would press, else on the cancel button: never
    // on a destructive one.
    onOpened: {
        const first = defaultButton && defaultButton.visible && !defaultButton.destructive
            ? defaultButton : cancelButton;
        if (first && first.visible) {
            first.forceActiveFocus(Qt.TabFocusReason);
        }
    }

    Shortcut {
        sequences: [StandardKey.Cancel]
        enabled: alert.opened
        onActivated: alert.cancel()
    }
    Shortcut {
        sequences: ["Return", "Enter"]
        enabled: alert.opened && alert.defaultButton !== null && alert.defaultButton.visible
                 && !alert.defaultButton.destructive
        onActivated: alert.defaultButton.clicked()
    }
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
        ColumnLayout {
            id: detailsArea
            Layout.fillWidth: true
            spacing: 4
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
