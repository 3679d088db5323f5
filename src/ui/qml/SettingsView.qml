// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// The settings: the Large Files minimum, privacy and safety, the welcome screen, support links
// and updates, as one grouped form.
ScrollView {
    id: settings
    contentWidth: availableWidth
    clip: true

    component SectionHeader: Text {
        color: Theme.secondaryText
        font.pixelSize: Theme.caption
        font.weight: Font.DemiBold
        Layout.topMargin: 10
    }
    component LinkButton: Button {
        id: link
        Layout.alignment: Qt.AlignLeft
        contentItem: Text {
            text: link.text
            color: Theme.accent
            font.pixelSize: Theme.body
        }
        background: Item {}
        padding: 2
    }
    component Label: RowLayout {
        property alias text: labelText.text
        property alias symbol: labelIcon.symbol
        spacing: 8
        SymbolIcon {
            id: labelIcon
            size: 14
            color: Theme.accent
        }
        Text {
            id: labelText
            color: "white"
            font.pixelSize: Theme.body
        }
    }

    ColumnLayout {
        width: settings.availableWidth - 40
        x: 20
        spacing: 8

        SectionHeader { text: "Large File Analyzer" }
        GlassPanel {
            Layout.fillWidth: true
            radius: 10
            implicitHeight: largeFiles.implicitHeight + 24
            ColumnLayout {
                id: largeFiles
                anchors.fill: parent
                anchors.margins: 12
                RowLayout {
                    Text {
                        text: "Minimum file size"
                        color: "white"
                        font.pixelSize: Theme.body
                    }
                    Item { Layout.fillWidth: true }
                    Text {
                        objectName: "minimumSizeLabel"
                        text: Format.megabytes(Store.largeFileMinimumMB)
                        color: Theme.secondaryText
                        font.pixelSize: Theme.body
                    }
                }
                Slider {
                    objectName: "minimumSizeSlider"
                    Layout.fillWidth: true
                    from: 100
                    to: 5000
                    stepSize: 100
                    snapMode: Slider.SnapAlways
                    value: Store.largeFileMinimumMB
                    onMoved: Store.largeFileMinimumMB = value
                }
            }
        }

        SectionHeader { text: "Privacy" }
        GlassPanel {
            Layout.fillWidth: true
            radius: 10
            implicitHeight: privacy.implicitHeight + 24
            ColumnLayout {
                id: privacy
                anchors.fill: parent
                anchors.margins: 12
                Text {
                    Layout.fillWidth: true
                    text: "Scanning happens entirely on " + Store.platform.computer
                          + ". File names and contents are never uploaded."
                    color: "white"
                    font.pixelSize: Theme.body
                    wrapMode: Text.WordWrap
                }
                // Only macOS has these permissions to grant.
                LinkButton {
                    objectName: "fullDiskAccessLink"
                    visible: Store.platform.hasAccessPermissions
                    text: "Open Full Disk Access Settings"
                    onClicked: Store.openPrivacySettings()
                }
                LinkButton {
                    objectName: "appManagementLink"
                    visible: Store.platform.hasAccessPermissions
                    text: "Open App Management Settings"
                    onClicked: Store.openAppManagementSettings()
                }
            }
        }

        SectionHeader { text: "Safety" }
        GlassPanel {
            Layout.fillWidth: true
            radius: 10
            implicitHeight: safety.implicitHeight + 24
            ColumnLayout {
                id: safety
                anchors.fill: parent
                anchors.margins: 12
                Label {
                    text: "Personal files are never selected automatically"
                    symbol: "checkmark.shield"
                }
                Label {
                    text: "Removed items are moved to Trash"
                    symbol: "trash"
                }
            }
        }

        SectionHeader { text: "Welcome" }
        GlassPanel {
            Layout.fillWidth: true
            radius: 10
            implicitHeight: welcome.implicitHeight + 24
            ColumnLayout {
                id: welcome
                anchors.fill: parent
                anchors.margins: 12
                LinkButton {
                    objectName: "showWelcomeButton"
                    text: "Show Welcome Screen Again"
                    onClicked: Preferences.hasCompletedOnboarding = false
                }
            }
        }

        SectionHeader { text: "Support" }
        GlassPanel {
            Layout.fillWidth: true
            radius: 10
            implicitHeight: support.implicitHeight + 24
            ColumnLayout {
                id: support
                anchors.fill: parent
                anchors.margins: 12
                LinkButton {
                    text: "Visit Sorvale Website"
                    onClicked: Qt.openUrlExternally(AppLinks.website)
                }
                LinkButton {
                    text: "Contact Support"
                    onClicked: Qt.openUrlExternally(AppLinks.support)
                }
                LinkButton {
                    text: "Privacy Policy"
                    onClicked: Qt.openUrlExternally(AppLinks.privacyPolicy)
                }
            }
        }

        SectionHeader { text: "Updates" }
        GlassPanel {
            Layout.fillWidth: true
            Layout.bottomMargin: 20
            radius: 10
            implicitHeight: updates.implicitHeight + 24
            ColumnLayout {
                id: updates
                anchors.fill: parent
                anchors.margins: 12
                RowLayout {
                    Label {
                        text: "Sorvale " + Updater.currentVersion
                        symbol: "app.badge"
                    }
                    Item { Layout.fillWidth: true }
                    BusyIndicator {
                        implicitWidth: 18
                        implicitHeight: 18
                        running: ["checking", "downloading", "installing"].includes(Updater.status.kind)
                        visible: running
                    }
                }
                LinkButton {
                    text: "Check for Updates\u2026"
                    onClicked: Updater.checkForUpdates(true)
                }
            }
        }
    }
}
