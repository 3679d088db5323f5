// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.impl
import Sorvale

// A symbol by its system name, drawn in one colour.
IconImage {
    property string symbol
    property real size: 16

    source: Symbols.source(symbol)
    sourceSize: Qt.size(size, size)
    width: size
    height: size
    color: "white"
    fillMode: Image.PreserveAspectFit
}
