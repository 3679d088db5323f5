// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// Asks for Full Disk Access before a protected scan; the scan starts by itself once access is
// granted (the store checks again whenever the application becomes active).
ColumnLayout {
    id: panel
    property alias message: messageText.text
    property real symbolSize: 48

    spacing: 14

    SymbolIcon {
        Layout.alignment: Qt.AlignHCenter
        symbol: "lock.shield.fill"
        size: panel.symbolSize
        color: Theme.accent
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: "Full Disk Access required"
        color: "white"
        font.pixelSize: Theme.title2 + 3
        font.weight: Font.Bold
    }
    Text {
        id: messageText
        Layout.alignment: Qt.AlignHCenter
        Layout.maximumWidth: 580
        Layout.preferredWidth: implicitWidth
        color: Theme.secondaryText
        font.pixelSize: Theme.body
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
    }
    RowLayout {
        Layout.alignment: Qt.AlignHCenter
        Layout.topMargin: 4
        spacing: 10
        PrimaryButton {
            objectName: "grantAccessButton"
            text: "Grant Full Disk Access"
            onClicked: Store.openPrivacySettings()
        }
        BorderedButton {
            objectName: "checkAgainButton"
            text: "Check Again"
            onClicked: Store.refreshFullDiskAccessStatus()
        }
    }
}
