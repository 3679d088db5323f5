// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import Sorvale

// Selects every row of the list, or deselects them when they all are selected; items the
// filters hide are left as they are.
BorderedButton {
    text: Results.allRowsSelected ? qsTr("Deselect All") : qsTr("Select All")
    symbol: Results.allRowsSelected ? "checkmark.square.fill" : "checkmark.square"
    toolTip: Results.allRowsSelected ? qsTr("Deselect every visible item")
                                     : qsTr("Select every visible item")
    enabled: Results.count > 0
    onClicked: Results.setRowsSelected(!Results.allRowsSelected)
}
