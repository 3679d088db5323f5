// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// The Applications section's summary: the scan, its progress, and its result in three
// categories, each opening the results list narrowed to it.
ColumnLayout {
    id: view
    spacing: 18

    readonly property string panel: Store.screen.applicationsPanel

    RowLayout {
        Layout.fillWidth: true
        spacing: 10
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4
            Text {
                Layout.fillWidth: true
                text: "Applications"
                color: "white"
                font.pixelSize: 30
                font.weight: Font.Bold
            }
            Text {
                text: "Uninstall apps completely and review files left behind."
                color: Theme.secondaryText
                font.pixelSize: Theme.body
            }
        }
        BorderedButton {
            objectName: "rescanButton"
            symbol: "arrow.clockwise"
            toolTip: "Scan again"
            enabled: Store.displayedState.kind !== "scanning" && !Store.isCheckingFullDiskAccess
            onClicked: Store.scanApplications()
        }
    }

    RowLayout {
        objectName: "unavailableNotice"
        Layout.fillWidth: true
        visible: view.panel !== "access" && view.panel !== "checking"
                 && Store.displayedInaccessibleCount >= 1
        spacing: 8
        SymbolIcon {
            symbol: "exclamationmark.triangle.fill"
            size: 13
            color: Theme.secondaryText
        }
        Text {
            Layout.fillWidth: true
            text: "Some application data was unavailable or changed during the scan. The results below include everything Sorvale could verify."
            color: Theme.secondaryText
            font.pixelSize: Theme.caption
            wrapMode: Text.WordWrap
        }
    }

    Item {
        Layout.fillWidth: true
        Layout.fillHeight: true

        GlassPanel {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.top: parent.top
            anchors.topMargin: 20
            width: Math.min(parent.width, 640)
            implicitHeight: access.implicitHeight + 56
            visible: view.panel === "access"
            AccessRequiredPanel {
                id: access
                anchors.fill: parent
                anchors.margins: 28
                symbolSize: 40
                message: "Sorvale needs permission to measure protected application containers accurately. Enable Sorvale in System Settings, then return here\u2014the scan will start automatically."
            }
        }

        CheckingAccessPanel {
            anchors.centerIn: parent
            visible: view.panel === "checking"
        }

        ProgressPanel {
            objectName: "scanningPanel"
            anchors.centerIn: parent
            width: Math.min(parent.width, 520)
            visible: view.panel === "scanning"
            title: Store.applicationsState.text || ""
            detail: "Matching app identifiers with support files and checking installer locations\u2026"
        }

        ColumnLayout {
            objectName: "welcomePanel"
            anchors.centerIn: parent
            width: Math.min(parent.width, 560)
            visible: view.panel === "welcome"
            spacing: 14
            Rectangle {
                Layout.alignment: Qt.AlignHCenter
                implicitWidth: 124
                implicitHeight: 124
                radius: 62
                color: Theme.faded(Theme.accent, 0.12)
                SymbolIcon {
                    anchors.centerIn: parent
                    symbol: "square.grid.2x2.fill"
                    size: 52
                    color: Theme.accent
                }
            }
            Text {
                Layout.alignment: Qt.AlignHCenter
                Layout.topMargin: 4
                text: "See what your apps leave behind"
                color: "white"
                font.pixelSize: Theme.title2 + 3
                font.weight: Font.Bold
            }
            Text {
                Layout.fillWidth: true
                text: "Sorvale inventories applications, matches their support files, and finds old installer packages. Nothing is selected automatically."
                color: Theme.secondaryText
                font.pixelSize: Theme.body
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }
            PrimaryButton {
                objectName: "scanApplicationsButton"
                Layout.alignment: Qt.AlignHCenter
                Layout.topMargin: 4
                text: "Scan Applications"
                onClicked: Store.scanApplications()
            }
        }

        Loader {
            anchors.fill: parent
            active: view.panel === "results"
            sourceComponent: ApplicationsSummary {}
        }
    }
}
