// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import Sorvale

// A compact drop-down of texts on the dark theme; `values` are what `value` takes, `labels`
// what the list shows.
ComboBox {
    id: picker
    property var values: []
    property var labels: values.slice()
    property string value
    signal picked(string value)

    implicitHeight: 32
    font.pixelSize: Theme.body
    model: labels
    currentIndex: Math.max(values.indexOf(value), 0)
    onActivated: index => picked(values[index])

    contentItem: Text {
        leftPadding: 4
        text: picker.displayText
        font: picker.font
        color: "white"
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        radius: 8
        color: picker.down ? Theme.faded("white", 0.14) : Theme.panelStrong
        border.color: Theme.border
        border.width: 1
    }
    popup.background: Rectangle {
        radius: 8
        color: Qt.rgba(0.09, 0.12, 0.16, 1)
        border.color: Theme.border
    }
    delegate: ItemDelegate {
        required property int index
        required property var modelData
        width: picker.width
        highlighted: picker.highlightedIndex === index
        contentItem: Text {
            text: modelData
            color: "white"
            font: picker.font
            elide: Text.ElideRight
        }
        background: Rectangle {
            color: parent.highlighted ? Theme.faded(Theme.accent, 0.2) : "transparent"
        }
    }
}
