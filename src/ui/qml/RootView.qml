// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import Sorvale

// The main interface: the sidebar, and the section the store has selected over the ambient
// background; the removal confirmation and the update alert stand over it.
Item {
    id: root

    SplitView {
        anchors.fill: parent
        orientation: Qt.Horizontal
        handle: Rectangle {
            implicitWidth: 1
            color: Theme.border
        }

        Sidebar {
            SplitView.minimumWidth: 210
            SplitView.preferredWidth: 224
            SplitView.maximumWidth: 250
        }

        Item {
            SplitView.fillWidth: true

            AmbientBackground {
                anchors.fill: parent
            }
            Loader {
                objectName: "sectionContent"
                anchors.fill: parent
                anchors.margins: 28
                sourceComponent: ({overview: overview, cleanup: cleanup,
                                   applications: applications, results: results})[
                    Store.screen.content]
            }
        }
    }

    Component {
        id: overview
        DashboardView {}
    }
    Component {
        id: cleanup
        CleanupDashboardView {}
    }
    Component {
        id: applications
        ApplicationsDashboardView {}
    }
    Component {
        id: results
        ResultsView {}
    }

    RemovalConfirmationDialog {
        anchors.centerIn: parent
    }
    UpdateAlertDialog {
        anchors.centerIn: parent
    }

    // The silent update check, three seconds after the main interface appears; it is made even
    // if the interface goes away before then.
    Timer {
        id: silentCheck
        interval: 3000
        running: true
        onTriggered: Updater.checkForUpdates(false)
    }
    Component.onDestruction: {
        if (silentCheck.running) {
            Updater.checkForUpdates(false);
        }
    }
}
