// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Dialogs
import Sorvale

// The main window: onboarding until it has been completed once, then the main interface; the
// menus; the settings window and the Large Files folder dialog.
ApplicationWindow {
    id: window
    width: 1180
    height: 760
    minimumWidth: 980
    minimumHeight: 660
    visible: true
    title: qsTr("Sorvale")
    color: Theme.background
    palette {
        window: Theme.background
        windowText: "white"
        base: Theme.field
        text: "white"
        button: Qt.rgba(0.1, 0.13, 0.18, 1)
        buttonText: "white"
        highlight: Theme.accent
        highlightedText: Theme.primaryButtonText
        light: Qt.rgba(0.16, 0.2, 0.26, 1)
        mid: Qt.rgba(0.12, 0.15, 0.2, 1)
        dark: Qt.rgba(0.03, 0.05, 0.08, 1)
        toolTipBase: Theme.field
        toolTipText: "white"
    }

    // A menu of the menu bar, raised from the window by its edge, with room around its items.
    component WindowMenu: Menu {
        topPadding: 5
        bottomPadding: 5
        delegate: Component {
            MenuItem {
                id: menuItem
                implicitHeight: 30
                leftPadding: 14
                rightPadding: 14
                // Light text on the faint highlight below, not the dark text of an accent fill.
                palette.highlightedText: "white"
                background: Rectangle {
                    anchors.fill: parent
                    anchors.leftMargin: 5
                    anchors.rightMargin: 5
                    radius: 6
                    color: menuItem.highlighted ? Theme.faded(Theme.accent, 0.18) : "transparent"
                }
            }
        }
        background: Rectangle {
            implicitWidth: 250
            color: Theme.field
            radius: 8
            border.color: Theme.faded("white", 0.14)
            border.width: 1
        }
    }

    menuBar: MenuBar {
        WindowMenu {
            title: qsTr("Sorvale")
            Action {
                text: qsTr("Check for Updates\u2026")
                onTriggered: Updater.checkForUpdates(true)
            }
            Action {
                text: qsTr("Settings\u2026")
                shortcut: "Ctrl+,"
                onTriggered: settingsWindow.show()
            }
            MenuSeparator {}
            Action {
                text: qsTr("Quit Sorvale")
                shortcut: StandardKey.Quit
                onTriggered: Qt.quit()
            }
        }
        WindowMenu {
            title: qsTr("Scan")
            Action {
                text: qsTr("Run Smart Scan")
                shortcut: "Ctrl+R"
                onTriggered: Store.startJunkScan()
            }
            Action {
                text: qsTr("Choose Folder for Large File Scan\u2026")
                shortcut: "Ctrl+O"
                onTriggered: Store.chooseLargeFileFolder()
            }
        }
        WindowMenu {
            title: qsTr("Help")
            Action {
                text: qsTr("Sorvale Website")
                onTriggered: Qt.openUrlExternally(AppLinks.website)
            }
            Action {
                text: qsTr("Contact Support")
                onTriggered: Qt.openUrlExternally(AppLinks.support)
            }
            Action {
                text: qsTr("Privacy Policy")
                onTriggered: Qt.openUrlExternally(AppLinks.privacyPolicy)
            }
        }
    }

    Loader {
        id: content
        objectName: "windowContent"
        anchors.fill: parent
        sourceComponent: Preferences.hasCompletedOnboarding ? mainInterface : welcome
    }
    Component {
        id: welcome
        OnboardingView {
            onCompleted: Preferences.hasCompletedOnboarding = true
        }
    }
    Component {
        id: mainInterface
        RootView {}
    }

    // Permissions granted in the system's settings are noticed as soon as the user comes back.
    Component.onCompleted: Store.refreshFullDiskAccessStatus()
    Connections {
        target: Qt.application
        function onStateChanged() {
            if (Qt.application.state === Qt.ApplicationActive) {
                Store.refreshFullDiskAccessStatus();
            }
        }
    }

    Window {
        id: settingsWindow
        objectName: "settingsWindow"
        title: qsTr("Settings")
        width: 520
        height: 430
        minimumWidth: 520
        maximumWidth: 520
        minimumHeight: 430
        maximumHeight: 430
        color: Theme.background
        SettingsView {
            anchors.fill: parent
        }
    }

    FolderDialog {
        id: folderDialog
        onAccepted: FolderRequests.choose(selectedFolder)
        onRejected: FolderRequests.cancel()
    }
    Connections {
        target: FolderRequests
        function onRequested(title, message, prompt, startFolder) {
            folderDialog.title = qsTr("%1 \u2014 %2").arg(title).arg(message);
            folderDialog.acceptLabel = prompt;
            folderDialog.currentFolder = startFolder;
            folderDialog.open();
        }
    }
}
