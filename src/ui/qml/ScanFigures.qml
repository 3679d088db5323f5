// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Sorvale

// The running scan's live figures under its progress panel — what it has examined and found so
// far, and the folder it reads — with the button that stops it.
ColumnLayout {
    id: figures
    readonly property var progress: Store.scanProgress
    readonly property bool shown: progress.running === true && progress.section === Store.selection

    visible: shown
    spacing: 6

    Text {
        objectName: "scanSummary"
        Layout.alignment: Qt.AlignHCenter
        text: figures.progress.summary || ""
        color: "white"
        font.pixelSize: Theme.body
    }
    Text {
        objectName: "scanFolder"
        Layout.fillWidth: true
        Layout.maximumWidth: 460
        Layout.alignment: Qt.AlignHCenter
        // The line keeps its place while no folder is named yet, so the panel does not jump.
        text: figures.progress.folder || " "
        color: Theme.secondaryText
        font.pixelSize: Theme.caption
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideMiddle
    }
    BorderedButton {
        objectName: "stopScanButton"
        Layout.alignment: Qt.AlignHCenter
        Layout.topMargin: 6
        text: qsTr("Stop")
        symbol: "stop.fill"
        toolTip: qsTr("Stop this scan and keep the previous results")
        onClicked: Store.stopScan()
    }
}
