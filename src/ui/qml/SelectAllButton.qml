// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import Sorvale

// Selects every row of the list, or deselects them when they all are selected; items the
// filters hide are left as they are.
BorderedButton {
    text: Results.allRowsSelected ? "Deselect All" : "Select All"
    symbol: Results.allRowsSelected ? "checkmark.square.fill" : "checkmark.square"
    toolTip: Results.allRowsSelected ? "Deselect every visible item" : "Select every visible item"
    enabled: Results.count > 0
    onClicked: Results.setRowsSelected(!Results.allRowsSelected)
}
