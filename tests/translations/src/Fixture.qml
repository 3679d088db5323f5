// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick

// A view whose texts have moved on since its catalogue was last updated.
Column {
    Text {
        text: qsTr("Kept")
    }
    Text {
        text: qsTr("Added later")
    }
}
