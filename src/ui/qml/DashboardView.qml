// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// The Overview: a greeting, the last Smart Cleanup scan in one figure, the five tools, and the
// promise that nothing personal is chosen for the user.
ScrollView {
    id: dashboard
    contentWidth: availableWidth
    clip: true

    // A full-width press target for one tool.
    component ActionCard: Button {
        id: card
        // The tool's section, whose sidebar symbol the card shows.
        required property string section
        property string subtitle
        property color tint

        // Two flexible columns: equal preferred widths share the row evenly.
        Layout.fillWidth: true
        Layout.minimumWidth: 10
        Layout.preferredWidth: 10
        padding: 16
        hoverEnabled: true
        Accessible.name: text

        background: GlassPanel {
            radius: 18
            color: card.down ? Theme.panelStrong : card.hovered ? Theme.faded("white", 0.07)
                                                                 : Theme.panel
        }
        contentItem: RowLayout {
            spacing: 14
            Rectangle {
                implicitWidth: 48
                implicitHeight: 48
                radius: 13
                color: Theme.faded(card.tint, 0.12)
                SymbolIcon {
                    anchors.centerIn: parent
                    symbol: Tables.sections.find(entry => entry.section === card.section).symbol
                    size: 21
                    color: card.tint
                }
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 3
                Text {
                    Layout.fillWidth: true
                    text: card.text
                    color: "white"
                    font.pixelSize: Theme.headline
                    font.weight: Font.DemiBold
                    elide: Text.ElideRight
                }
                Text {
                    Layout.fillWidth: true
                    text: card.subtitle
                    color: Theme.secondaryText
                    font.pixelSize: Theme.caption
                    elide: Text.ElideRight
                }
            }
            SymbolIcon {
                symbol: "chevron.right"
                size: 13
                color: Qt.rgba(1, 1, 1, 0.28)
            }
        }
    }

    ColumnLayout {
        width: dashboard.availableWidth
        spacing: 22

        ColumnLayout {
            spacing: 6
            Text {
                text: "Good afternoon"
                color: Theme.accent
                font.pixelSize: 13
                font.weight: Font.Medium
            }
            Text {
                text: "Make room for what matters."
                color: "white"
                font.pixelSize: 31
                font.weight: Font.Bold
            }
            Text {
                text: "A clear, careful view of what is using space on " + Store.platform.computer
                      + "."
                color: Theme.secondaryText
                font.pixelSize: Theme.body
            }
        }

        GlassPanel {
            Layout.fillWidth: true
            implicitHeight: hero.implicitHeight + 52

            RowLayout {
                id: hero
                anchors.fill: parent
                anchors.margins: 26
                spacing: 28

                RingGauge {
                    objectName: "heroGauge"
                    diameter: 142
                    lineWidth: 14
                    to: Math.min(Store.totalJunkSize / 20000000000, 0.88)

                    ColumnLayout {
                        anchors.centerIn: parent
                        spacing: 0
                        Text {
                            objectName: "heroFigure"
                            Layout.alignment: Qt.AlignHCenter
                            text: Store.totalJunkSize !== 0 ? Format.byteCount(Store.totalJunkSize)
                                                            : "\u2014"
                            color: "white"
                            font.pixelSize: 24
                            font.weight: Font.Bold
                        }
                        Text {
                            Layout.alignment: Qt.AlignHCenter
                            text: "found"
                            color: Theme.secondaryText
                            font.pixelSize: Theme.caption
                        }
                    }
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 10
                    Text {
                        objectName: "heroTitle"
                        text: Store.totalJunkSize !== 0 ? "Cleanup candidates found"
                                                        : "Ready for a quick check?"
                        color: "white"
                        font.pixelSize: Theme.title2 + 3
                        font.weight: Font.Bold
                    }
                    Text {
                        Layout.fillWidth: true
                        text: "Scan common temporary locations. You\u2019ll review every item before anything moves to Trash."
                        color: Theme.secondaryText
                        font.pixelSize: Theme.body
                        wrapMode: Text.WordWrap
                    }
                    PrimaryButton {
                        objectName: "heroButton"
                        Layout.topMargin: 4
                        text: Store.totalJunkSize !== 0 ? "Review Results" : "Start Smart Scan"
                        onClicked: {
                            if (Store.totalJunkSize === 0) {
                                Store.startJunkScan();
                            } else if (Store.selection !== "cleanup") {
                                Store.selection = "cleanup";
                            }
                        }
                    }
                }
            }
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 14
            rowSpacing: 14

            ActionCard {
                objectName: "smartCleanupCard"
                text: "Smart Cleanup"
                subtitle: "Caches, logs and developer leftovers"
                section: "cleanup"
                tint: Theme.accent
                onClicked: Store.startJunkScan()
            }
            ActionCard {
                objectName: "applicationsCard"
                text: "Applications"
                subtitle: "Uninstall apps, leftovers and installer files"
                section: "applications"
                tint: Theme.tint("blue")
                onClicked: {
                    if (Store.applicationsState.kind === "idle") {
                        Store.scanApplications();
                    } else if (Store.selection !== "applications") {
                        Store.selection = "applications";
                    }
                }
            }
            ActionCard {
                objectName: "largeFilesCard"
                text: "Large File Analyzer"
                subtitle: "Find space-hungry files in any folder"
                section: "largeFiles"
                tint: Theme.tint("purple")
                onClicked: Store.chooseLargeFileFolder()
            }
            ActionCard {
                objectName: "downloadsCard"
                text: "Downloads Review"
                subtitle: "Sort through forgotten downloads"
                section: "downloads"
                tint: Theme.tint("indigo")
                onClicked: Store.scanDownloads()
            }
            ActionCard {
                objectName: "trashCard"
                text: "Trash Review"
                subtitle: "See what is already in your Trash"
                section: "trash"
                tint: Theme.tint("pink")
                onClicked: Store.scanTrash()
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            SymbolIcon {
                symbol: "lock.shield.fill"
                size: 14
                color: Theme.accent
            }
            Text {
                Layout.fillWidth: true
                text: "Sorvale never auto-selects personal files. Removal uses "
                      + Store.platform.trash + " so mistakes remain recoverable."
                color: Theme.secondaryText
                font.pixelSize: Theme.caption
                wrapMode: Text.WordWrap
            }
        }
    }
}
