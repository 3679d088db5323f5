// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// The review screen of one section's list: narrow it down, select, and start the removal, which
// the confirmation alert guards.
ColumnLayout {
    id: view
    spacing: 16

    readonly property string section: Store.selection
    readonly property string scanKind: Store.displayedState.kind || "idle"

    RowLayout {
        Layout.fillWidth: true
        spacing: 10

        BorderedButton {
            objectName: "backButton"
            visible: Store.screen.canGoBack
            symbol: "chevron.left"
            toolTip: Store.screen.backToolTip
            onClicked: Store.back()
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 3
            Text {
                objectName: "resultsTitle"
                text: Store.screen.title
                color: "white"
                font.pixelSize: 29
                font.weight: Font.Bold
            }
            Text {
                objectName: "resultsSubtitle"
                Layout.fillWidth: true
                text: Store.screen.subtitle
                color: Theme.secondaryText
                font.pixelSize: Theme.body
                elide: Text.ElideRight
                ToolTip.visible: resultsSubtitleHover.hovered && truncated
                ToolTip.text: text
                ToolTip.delay: 500
                HoverHandler {
                    id: resultsSubtitleHover
                }
            }
            Text {
                objectName: "largeFilesScope"
                Layout.fillWidth: true
                visible: view.section === "largeFiles" && text !== ""
                text: Store.largeFilesScope
                color: Theme.secondaryText
                font.pixelSize: Theme.caption
                elide: Text.ElideMiddle
            }
        }
        SkippedLabel {
            objectName: "unavailableLabel"
            visible: Store.displayedInaccessibleCount >= 1
            text: qsTr("%n location(s) were unavailable or changed during this scan", "",
                       Store.displayedInaccessibleCount)
        }
        BorderedButton {
            objectName: "grantAppManagementButton"
            visible: view.section === "applications" && Store.needsAppManagementPermission
            text: qsTr("Grant App Management")
            toolTip: qsTr("Required to uninstall apps from Applications")
            onClicked: Store.openAppManagementSettings()
        }
        BorderedButton {
            objectName: "rescanButton"
            symbol: "arrow.clockwise"
            toolTip: qsTr("Scan again")
            enabled: view.scanKind !== "scanning"
            onClicked: Store.rescan()
        }
    }

    Item {
        Layout.fillWidth: true
        Layout.fillHeight: true

        ProgressPanel {
            objectName: "scanningPanel"
            anchors.centerIn: parent
            visible: view.scanKind === "scanning"
            spacing: 10
            title: Store.displayedState.text || ""
            // Its own caption, at its natural width: this panel has none to wrap a detail in.
            Text {
                Layout.alignment: Qt.AlignHCenter
                text: Store.platform.keepWorking
                color: Theme.secondaryText
                font.pixelSize: Theme.caption
            }
            ScanFigures {
                Layout.alignment: Qt.AlignHCenter
                Layout.topMargin: 8
            }
        }

        ColumnLayout {
            objectName: "emptyPanel"
            anchors.centerIn: parent
            width: Math.min(parent.width, 430)
            // Only an empty section: a search that matches nothing leaves an empty list instead.
            visible: view.scanKind !== "scanning" && Store.displayedCount === 0
            spacing: 12
            SymbolIcon {
                Layout.alignment: Qt.AlignHCenter
                symbol: Store.screen.emptySymbol
                size: 44
                color: Theme.secondaryText
            }
            Text {
                objectName: "emptyTitle"
                Layout.fillWidth: true
                text: Store.screen.emptyTitle
                color: "white"
                font.pixelSize: Theme.title2 + 3
                font.weight: Font.Bold
                horizontalAlignment: Text.AlignHCenter
                // It may name a folder, whose name can be long.
                elide: Text.ElideMiddle
            }
            Text {
                objectName: "emptyText"
                Layout.fillWidth: true
                text: Store.screen.emptyText
                color: Theme.secondaryText
                font.pixelSize: Theme.body
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }
            PrimaryButton {
                objectName: "emptyButton"
                Layout.alignment: Qt.AlignHCenter
                Layout.topMargin: 4
                text: Store.screen.emptyAction
                onClicked: Store.rescan()
            }
        }

        Loader {
            anchors.fill: parent
            active: view.scanKind !== "scanning" && Store.displayedCount > 0
            sourceComponent: view.section === "cleanup" ? cleanupBrowser : plainList
        }
    }

    BottomBar {
        Layout.fillWidth: true
    }

    Component {
        id: cleanupBrowser
        CleanupBrowser {}
    }

    Component {
        id: plainList
        ColumnLayout {
            spacing: 12
            RowLayout {
                Layout.fillWidth: true
                spacing: 8
                SearchField {
                    Layout.fillWidth: true
                    placeholderText: qsTr("Search results")
                }
                Picker {
                    objectName: "categoryPicker"
                    Layout.preferredWidth: 165
                    Accessible.name: qsTr("Category")
                    values: [""].concat(Results.categories.map(entry => entry.category))
                    labels: [qsTr("All categories")].concat(Results.categories.map(entry => entry.title))
                    value: Results.selectedCategory
                    onPicked: value => Results.selectedCategory = value
                }
                Picker {
                    objectName: "sortPicker"
                    Layout.preferredWidth: 105
                    Accessible.name: qsTr("Sort")
                    values: Results.sortOrders
                    labels: Results.sortOrderLabels
                    value: Results.sortOrder
                    onPicked: value => Results.sortOrder = value
                }
                SelectMenu {}
                SelectAllButton {
                    objectName: "selectAllButton"
                }
                Text {
                    objectName: "baseCaption"
                    text: qsTr("%n item(s) \u00b7 %1", "", Results.baseCount).arg(Format.byteCount(Results.baseSize))
                    color: Theme.secondaryText
                    font.pixelSize: Theme.caption
                }
            }
            ItemList {
                Layout.fillWidth: true
                Layout.fillHeight: true
            }
        }
    }
}
