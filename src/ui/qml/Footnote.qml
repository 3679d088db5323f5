// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Sorvale

// A summary's reassurance: a shield beside a caption, the shield at its first line.
RowLayout {
    id: footnote
    property string text

    spacing: 8

    SymbolIcon {
        Layout.alignment: Qt.AlignTop
        symbol: "checkmark.shield.fill"
        size: 14
        color: Theme.accent
    }
    Text {
        Layout.fillWidth: true
        text: footnote.text
        color: Theme.secondaryText
        font.pixelSize: Theme.caption
        wrapMode: Text.WordWrap
    }
}
