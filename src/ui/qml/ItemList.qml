// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import Sorvale

// The rows of the results list; only those on screen are made. With the keyboard the arrows
// move between rows, Space ticks the current one and the platform's Select All ticks every row.
ListView {
    id: list
    objectName: "itemList"
    model: Results
    activeFocusOnTab: true
    keyNavigationEnabled: true
    Accessible.role: Accessible.List
    Accessible.name: qsTr("Results")

    Keys.onSpacePressed: {
        if (currentItem) {
            Store.toggle(currentItem.key);
        }
    }
    Keys.onPressed: event => {
        if (event.matches(StandardKey.SelectAll)) {
            Results.setRowsSelected(true);
            event.accepted = true;
        }
    }

    spacing: 8
    bottomMargin: 12
    clip: true
    reuseItems: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}
    // A search or category that leaves no row says so rather than showing a blank list.
    Text {
        objectName: "noRowsNote"
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 420)
        visible: list.count === 0
        text: Results.searchText !== "" ? qsTr("No items match \u201c%1\u201d.").arg(Results.searchText)
                                        : qsTr("Nothing to review in this category.")
        color: Theme.secondaryText
        font.pixelSize: Theme.body
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
    }
    delegate: ResultRow {
        width: ListView.view.width - 12
    }
}
