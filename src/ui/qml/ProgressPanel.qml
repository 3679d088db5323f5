// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// Work under way: a spinner over a headline and, when there is one, a caption.
ColumnLayout {
    id: panel
    property string title
    property string detail

    spacing: 12

    Spinner {
        Layout.alignment: Qt.AlignHCenter
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: panel.title
        color: "white"
        font.pixelSize: Theme.headline
        font.weight: Font.DemiBold
    }
    Text {
        // Fills the panel's width: a panel given a width wraps a long caption within it.
        Layout.fillWidth: true
        visible: text !== ""
        text: panel.detail
        color: Theme.secondaryText
        font.pixelSize: Theme.caption
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
    }
}
