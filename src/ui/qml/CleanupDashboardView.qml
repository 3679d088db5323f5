// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// The Smart Cleanup section: from the access check and the deep scan to a summary of what was
// found by group, and from there into the results list.
Item {
    id: view

    readonly property string panel: Store.screen.cleanupPanel

    AccessRequiredPanel {
        anchors.centerIn: parent
        width: Math.min(parent.width, 580)
        visible: view.panel === "access"
        message: "Smart Cleanup needs permission to inspect protected caches, Mail downloads, backups, and app containers. Enable Sorvale in System Settings, then return here\u2014the scan will start automatically."
    }

    CheckingAccessPanel {
        anchors.centerIn: parent
        visible: view.panel === "checking"
    }

    Loader {
        anchors.fill: parent
        active: view.panel === "review"
        sourceComponent: ResultsView {}
    }

    ColumnLayout {
        objectName: "scanProgressPanel"
        anchors.centerIn: parent
        width: Math.min(parent.width, 470)
        visible: view.panel === "scanning"
        spacing: 14

        RingGauge {
            Layout.alignment: Qt.AlignHCenter
            diameter: 112
            lineWidth: 9
            from: 0.08
            to: 0.76
            startColor: Theme.accent
            endColor: Theme.accent
            SymbolIcon {
                anchors.centerIn: parent
                symbol: "sparkles"
                size: 31
                color: Theme.accent
            }
        }
        Text {
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 6
            text: Store.displayedState.text || ""
            color: "white"
            font.pixelSize: Theme.title3 + 2
            font.weight: Font.Bold
        }
        Text {
            Layout.alignment: Qt.AlignHCenter
            Layout.fillWidth: true
            text: Store.platform.scanProgress
            color: Theme.secondaryText
            font.pixelSize: Theme.body
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
        }
        IndeterminateBar {
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 4
            Layout.preferredWidth: 260
        }
    }

    ColumnLayout {
        objectName: "readyPanel"
        anchors.centerIn: parent
        width: Math.min(parent.width, 450)
        visible: view.panel === "ready"
        spacing: 14

        SymbolIcon {
            Layout.alignment: Qt.AlignHCenter
            symbol: "sparkles"
            size: 45
            color: Theme.accent
        }
        Text {
            Layout.alignment: Qt.AlignHCenter
            text: "Ready for a deep clean"
            color: "white"
            font.pixelSize: Theme.title2 + 3
            font.weight: Font.Bold
        }
        Text {
            Layout.fillWidth: true
            text: Store.platform.scanScope
            color: Theme.secondaryText
            font.pixelSize: Theme.body
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
        }
        PrimaryButton {
            objectName: "startDeepScanButton"
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 4
            text: "Start Deep Scan"
            onClicked: Store.startJunkScan()
        }
    }

    Loader {
        anchors.fill: parent
        active: view.panel === "summary"
        sourceComponent: CleanupSummary {}
    }
}
