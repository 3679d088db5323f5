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
    title: "Sorvale"
    color: Theme.background
    palette {
        window: Theme.background
        windowText: "white"
        base: Qt.rgba(0.07, 0.1, 0.14, 1)
        text: "white"
        button: Qt.rgba(0.1, 0.13, 0.18, 1)
        buttonText: "white"
        highlight: Theme.accent
        highlightedText: Theme.primaryButtonText
        light: Qt.rgba(0.16, 0.2, 0.26, 1)
        mid: Qt.rgba(0.12, 0.15, 0.2, 1)
        dark: Qt.rgba(0.03, 0.05, 0.08, 1)
        toolTipBase: Qt.rgba(0.1, 0.13, 0.18, 1)
        toolTipText: "white"
    }

    menuBar: MenuBar {
        Menu {
            title: "Sorvale"
            Action {
                text: "Check for Updates\u2026"
                onTriggered: Updater.checkForUpdates(true)
            }
            Action {
                text: "Settings\u2026"
                shortcut: "Ctrl+,"
                onTriggered: settingsWindow.show()
            }
            MenuSeparator {}
            Action {
                text: "Quit Sorvale"
                shortcut: StandardKey.Quit
                onTriggered: Qt.quit()
            }
        }
        Menu {
            title: "Scan"
            Action {
                text: "Run Smart Scan"
                shortcut: "Ctrl+R"
                onTriggered: Store.startJunkScan()
            }
            Action {
                text: "Choose Folder for Large File Scan\u2026"
                shortcut: "Ctrl+O"
                onTriggered: Store.chooseLargeFileFolder()
            }
        }
        Menu {
            title: "Help"
            Action {
                text: "Sorvale Website"
                onTriggered: Qt.openUrlExternally(AppLinks.website)
            }
            Action {
                text: "Contact Support"
                onTriggered: Qt.openUrlExternally(AppLinks.support)
            }
            Action {
                text: "Privacy Policy"
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
        title: "Settings"
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
            folderDialog.title = title + " \u2014 " + message;
            folderDialog.acceptLabel = prompt;
            folderDialog.currentFolder = startFolder;
            folderDialog.open();
        }
    }
}
