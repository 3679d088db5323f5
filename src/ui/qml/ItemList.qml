// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import Sorvale

// The rows of the results list; only those on screen are made.
ListView {
    objectName: "itemList"
    model: Results
    spacing: 8
    bottomMargin: 12
    clip: true
    reuseItems: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}
    delegate: ResultRow {
        width: ListView.view.width - 12
    }
}
