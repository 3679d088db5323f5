// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// The result of the application scan: the inventory, one card per category, and the App
// Management warning after an uninstall the system refused.
ScrollView {
    id: summary
    // Each category's card, in card order; its symbol and tint are the category's own.
    readonly property var cards: [
        {
            "category": "installedApplications",
            "title": qsTr("Application Uninstaller"),
            "text": qsTr("Remove an app together with confidently matched support files.")
        },
        {
            "category": "appLeftovers",
            "title": qsTr("Application Leftovers"),
            "text": Store.platform.leftoversText
        },
        {
            "category": "installers",
            "title": qsTr("Installation Files"),
            "text": Store.platform.installersNote
        }
    ]

    readonly property var figures: Figures.applicationCategories

    readonly property int applicationCount: figures.find(
        entry => entry.category === "installedApplications").count

    contentWidth: availableWidth
    clip: true

    component CategoryCard: GlassPanel {
        id: card
        required property var modelData
        readonly property var figures: summary.figures.find(
            entry => entry.category === modelData.category)
        readonly property var category: Tables.category(modelData.category, Store.platform.layout)
        readonly property color tint: Theme.tint(category.tint)

        Layout.fillWidth: true
        Layout.preferredWidth: 10
        Layout.fillHeight: true
        radius: 18
        implicitHeight: cardContent.implicitHeight + 32

        ColumnLayout {
            id: cardContent
            anchors.fill: parent
            anchors.margins: 16
            spacing: 8

            RowLayout {
                Rectangle {
                    implicitWidth: 46
                    implicitHeight: 46
                    radius: 12
                    color: Theme.faded(card.tint, 0.14)
                    SymbolIcon {
                        anchors.centerIn: parent
                        symbol: card.category.symbol
                        size: Theme.title2 + 3
                        color: card.tint
                    }
                }
                Item { Layout.fillWidth: true }
                Text {
                    Layout.alignment: Qt.AlignTop
                    text: Format.byteCount(card.figures.size)
                    color: "white"
                    font.pixelSize: Theme.headline
                    font.weight: Font.DemiBold
                }
            }
            Text {
                Layout.topMargin: 4
                Layout.fillWidth: true
                text: card.modelData.title
                color: "white"
                font.pixelSize: Theme.headline
                font.weight: Font.DemiBold
                elide: Text.ElideRight
            }
            Text {
                Layout.fillWidth: true
                text: card.modelData.text
                color: Theme.secondaryText
                font.pixelSize: Theme.caption
                wrapMode: Text.WordWrap
            }
            Item { Layout.fillHeight: true }
            RowLayout {
                Text {
                    objectName: "count-" + card.modelData.category
                    Layout.fillWidth: true
                    text: qsTr("%n item(s)", "", card.figures.count)
                    color: Theme.secondaryText
                    font.pixelSize: Theme.caption
                }
                BorderedButton {
                    objectName: "review-" + card.modelData.category
                    text: qsTr("Review")
                    //: A screen reader's name of a category's Review button; %1 is the category.
                    Accessible.name: qsTr("Review %1").arg(card.modelData.title)
                    enabled: card.figures.count > 0
                    onClicked: Store.reviewApplications(card.modelData.category)
                }
            }
        }
    }

    ColumnLayout {
        width: summary.availableWidth
        spacing: 18

        GlassPanel {
            Layout.fillWidth: true
            implicitHeight: inventory.implicitHeight + 48

            RowLayout {
                id: inventory
                anchors.fill: parent
                anchors.margins: 24
                spacing: 16
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 6
                    Text {
                        text: qsTr("APPLICATION INVENTORY")
                        color: Theme.secondaryText
                        font.pixelSize: Theme.caption2
                        font.weight: Font.DemiBold
                        font.letterSpacing: 1.2
                    }
                    Text {
                        objectName: "applicationCount"
                        text: qsTr("%n app(s) found", "", summary.applicationCount)
                        color: "white"
                        font.pixelSize: Theme.title
                        font.weight: Font.Bold
                    }
                    Text {
                        objectName: "inventorySize"
                        Layout.fillWidth: true
                        text: qsTr("%1 across apps, matched support files, leftovers, and installers").arg(Format.byteCount(Figures.applicationsSize))
                        color: Theme.secondaryText
                        font.pixelSize: Theme.body
                        wrapMode: Text.WordWrap
                    }
                }
                PrimaryButton {
                    objectName: "manageApplicationsButton"
                    text: qsTr("Manage My Applications")
                    enabled: summary.applicationCount > 0
                    onClicked: Store.reviewApplications("installedApplications")
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 14
            Repeater {
                model: summary.cards
                delegate: CategoryCard {}
            }
        }

        Footnote {
            Layout.fillWidth: true
            text: Store.platform.applicationsNote
        }

        GlassPanel {
            objectName: "appManagementWarning"
            Layout.fillWidth: true
            visible: Store.needsAppManagementPermission
            radius: 14
            color: Theme.faded(Theme.tint("orange"), 0.10)
            implicitHeight: warning.implicitHeight + 28
            RowLayout {
                id: warning
                anchors.fill: parent
                anchors.margins: 14
                spacing: 10
                SymbolIcon {
                    symbol: "exclamationmark.shield.fill"
                    size: 16
                    color: Theme.tint("orange")
                }
                Text {
                    Layout.fillWidth: true
                    text: qsTr("macOS blocked an uninstall. Enable Sorvale in Privacy & Security \u2192 App Management, then try again.")
                    color: "white"
                    font.pixelSize: Theme.caption
                    wrapMode: Text.WordWrap
                }
                BorderedButton {
                    text: qsTr("Permission Settings")
                    onClicked: Store.openAppManagementSettings()
                }
            }
        }
    }
}
