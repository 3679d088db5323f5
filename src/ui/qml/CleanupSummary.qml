// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// What the last deep scan found: the total, and one card per group that has items.
ScrollView {
    id: summary
    contentWidth: availableWidth
    clip: true

    component GroupCard: GlassPanel {
        id: card
        required property var modelData

        Layout.fillWidth: true
        Layout.preferredWidth: 10
        radius: 18
        implicitHeight: cardContent.implicitHeight + 32

        ColumnLayout {
            id: cardContent
            anchors.fill: parent
            anchors.margins: 16
            spacing: 12

            RowLayout {
                spacing: 12
                Rectangle {
                    implicitWidth: 46
                    implicitHeight: 46
                    radius: 13
                    color: Theme.faded(Theme.accent, 0.13)
                    SymbolIcon {
                        anchors.centerIn: parent
                        symbol: card.modelData.symbol
                        size: 21
                        color: Theme.accent
                    }
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 3
                    Text {
                        Layout.fillWidth: true
                        text: card.modelData.title
                        color: "white"
                        font.pixelSize: Theme.headline
                        font.weight: Font.DemiBold
                        elide: Text.ElideRight
                    }
                    Text {
                        Layout.fillWidth: true
                        text: card.modelData.subtitle
                        color: Theme.secondaryText
                        font.pixelSize: Theme.caption
                        wrapMode: Text.WordWrap
                    }
                }
                ColumnLayout {
                    Layout.alignment: Qt.AlignTop
                    spacing: 2
                    Text {
                        Layout.alignment: Qt.AlignRight
                        text: Format.byteCount(card.modelData.size)
                        color: "white"
                        font.pixelSize: Theme.title3
                        font.weight: Font.Bold
                    }
                    Text {
                        Layout.alignment: Qt.AlignRight
                        text: qsTr("%n item(s)", "", card.modelData.count)
                        color: Theme.secondaryText
                        font.pixelSize: Theme.caption2
                    }
                }
            }
            RowLayout {
                spacing: 8
                BorderedButton {
                    objectName: "review-" + card.modelData.group
                    text: qsTr("Review")
                    //: A screen reader's name of a group's Review button; %1 is the group.
                    Accessible.name: qsTr("Review %1").arg(card.modelData.title)
                    onClicked: Store.review(card.modelData.group)
                }
                BorderedButton {
                    objectName: "clean-" + card.modelData.group
                    visible: card.modelData.group === "systemJunk"
                    text: qsTr("Clean")
                    //: A screen reader's name of a group's Clean button; %1 is the group.
                    Accessible.name: qsTr("Clean %1").arg(card.modelData.title)
                    onClicked: Store.quickClean(card.modelData.group)
                }
            }
        }
    }

    ColumnLayout {
        width: summary.availableWidth
        spacing: 20

        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 4
                Text {
                    Layout.fillWidth: true
                    text: qsTr("Cleanup")
                    color: "white"
                    font.pixelSize: 29
                    font.weight: Font.Bold
                }
                Text {
                    objectName: "candidateCount"
                    text: qsTr("Deep scan complete \u00b7 %n cleanup candidate(s)", "", Figures.junkCount)
                    color: Theme.secondaryText
                    font.pixelSize: Theme.body
                }
            }
            SkippedLabel {
                objectName: "skippedLabel"
                visible: Store.displayedInaccessibleCount >= 1
                text: qsTr("Some items skipped")
                toolTip: Store.platform.unavailableNote
            }
            BorderedButton {
                objectName: "rescanButton"
                symbol: "arrow.clockwise"
                toolTip: qsTr("Scan again")
                onClicked: Store.startJunkScan()
            }
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: hero.implicitHeight + 52
            radius: 22
            border.color: Theme.border
            border.width: 1
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0; color: Theme.faded(Theme.accent, 0.13) }
                GradientStop { position: 1; color: Theme.faded(Theme.accent2, 0.07) }
            }

            ColumnLayout {
                id: hero
                anchors.fill: parent
                anchors.margins: 26
                spacing: 8
                Text {
                    text: qsTr("Potentially reclaimable space")
                    color: Theme.secondaryText
                    font.pixelSize: Theme.subheadline
                }
                Text {
                    objectName: "totalSize"
                    text: Format.byteCount(Store.totalJunkSize)
                    color: "white"
                    font.pixelSize: 46
                    font.weight: Font.Bold
                }
                Text {
                    text: qsTr("Nothing is removed until you approve it.")
                    color: Theme.secondaryText
                    font.pixelSize: Theme.caption
                }
                PrimaryButton {
                    objectName: "reviewAllButton"
                    Layout.topMargin: 6
                    text: qsTr("Review All Junk")
                    onClicked: Store.review("")
                }
            }
        }

        Footnote {
            Layout.fillWidth: true
            objectName: "quickCleanNote"
            text: Store.platform.quickCleanNote
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 15
            rowSpacing: 15

            Repeater {
                // A group with items has a card even when they measure 0 bytes.
                model: Figures.groups.filter(group => group.count > 0)
                delegate: GroupCard {}
            }
        }
    }
}
