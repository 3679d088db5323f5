// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import Sorvale

// "Select": the recommended items, every item the category filter shows, or none.
BorderedButton {
    id: button
    text: "Select"
    onClicked: menu.open()

    Menu {
        id: menu
        y: button.height + 4
        background: Rectangle {
            implicitWidth: 170
            radius: 8
            color: Qt.rgba(0.09, 0.12, 0.16, 1)
            border.color: Theme.border
        }
        delegate: MenuItem {
            id: item
            contentItem: Text {
                text: item.text
                color: "white"
                font.pixelSize: Theme.body
            }
            background: Rectangle {
                color: item.highlighted ? Theme.faded(Theme.accent, 0.2) : "transparent"
            }
        }
        Action {
            text: "Recommended"
            onTriggered: Store.selectRecommended()
        }
        Action {
            text: "All Visible"
            onTriggered: Store.selectAll(Results.selectedCategory)
        }
        Action {
            text: "None"
            onTriggered: Store.deselectAll()
        }
    }
}
