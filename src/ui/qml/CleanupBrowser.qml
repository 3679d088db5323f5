// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// The Smart Cleanup review: groups, the categories of the chosen group, and their items.
RowLayout {
    id: browser
    // The two columns are only as wide as their titles need: the item names get the rest.
    spacing: 12

    readonly property var focusedGroup: Figures.groups.find(
        group => group.group === Store.focusedCleanupGroup)
    readonly property var shownCategory: Results.selectedCategory !== ""
        ? Tables.category(Results.selectedCategory, Store.platform.layout) : null

    component ColumnLabel: Text {
        Layout.leftMargin: 8
        Layout.bottomMargin: 4
        color: Theme.secondaryText
        font.pixelSize: Theme.caption
        font.weight: Font.Bold
    }
    // A row of the group or category column.
    component BrowserRow: Button {
        id: browserRow
        property string symbol
        property color symbolColor
        property bool current
        property string sizeText
        property string selectedText

        Layout.fillWidth: true
        padding: 8
        leftPadding: 10
        hoverEnabled: true
        Accessible.name: text
        // A title cut short is read whole on hover.
        ToolTip.visible: hovered && title.truncated
        ToolTip.text: text
        ToolTip.delay: 500
        background: Rectangle {
            radius: 10
            color: browserRow.current ? browserRow.highlight
                 : browserRow.down ? Theme.faded("white", 0.05) : "transparent"
            FocusRing {
                target: browserRow
            }
        }
        property color highlight: Theme.faded(Theme.accent, 0.11)
        contentItem: RowLayout {
            spacing: 10
            SymbolIcon {
                Layout.alignment: Qt.AlignTop
                Layout.topMargin: 1
                symbol: browserRow.symbol
                size: 15
                color: browserRow.symbolColor
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 2
                Text {
                    id: title
                    Layout.fillWidth: true
                    text: browserRow.text
                    color: "white"
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                    // A long title takes a second line rather than losing its end.
                    wrapMode: Text.Wrap
                    maximumLineCount: 2
                    // Qt elides only the last line of wrapped text, and only at its end.
                    elide: Text.ElideRight
                }
                Text {
                    Layout.fillWidth: true
                    text: browserRow.sizeText
                    color: Theme.secondaryText
                    font.pixelSize: Theme.caption
                }
                Text {
                    visible: browserRow.selectedText !== ""
                    text: browserRow.selectedText
                    color: Theme.accent
                    font.pixelSize: Theme.caption2
                    font.weight: Font.Bold
                }
            }
        }
    }

    GlassPanel {
        Layout.preferredWidth: 180
        Layout.fillHeight: true
        radius: 16
        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 8
            anchors.topMargin: 14
            spacing: 2
            ColumnLabel {
                text: qsTr("GROUPS")
                font.letterSpacing: 1.3
            }
            BrowserRow {
                objectName: "group-all"
                text: qsTr("All Junk")
                symbol: "square.grid.2x2.fill"
                current: Store.focusedCleanupGroup === ""
                symbolColor: current ? Theme.accent : Qt.rgba(1, 1, 1, 0.62)
                sizeText: Format.byteCount(Store.totalJunkSize)
                onClicked: {
                    Store.review("");
                    Results.selectedCategory = "";
                }
            }
            Repeater {
                objectName: "groupRows"
                // Only groups that measure at least a byte are offered here.
                model: Figures.groups.filter(group => group.size >= 1)
                delegate: BrowserRow {
                    required property var modelData
                    objectName: "group-" + modelData.group
                    text: modelData.title
                    // A group and a category may share a title (Trash).
                    //: A screen reader's name of a group in the cleanup browser.
                    Accessible.name: qsTr("%1 group").arg(modelData.title)
                    symbol: modelData.symbol
                    current: Store.focusedCleanupGroup === modelData.group
                    symbolColor: current ? Theme.accent : Qt.rgba(1, 1, 1, 0.62)
                    sizeText: Format.byteCount(modelData.size)
                    onClicked: {
                        Store.review(modelData.group);
                        Results.selectedCategory = "";
                    }
                }
            }
            Item { Layout.fillHeight: true }
        }
    }

    GlassPanel {
        Layout.preferredWidth: 196
        Layout.fillHeight: true
        radius: 16
        ScrollView {
            anchors.fill: parent
            anchors.margins: 8
            anchors.topMargin: 14
            contentWidth: availableWidth
            ColumnLayout {
                width: parent.width
                spacing: 2
                ColumnLabel {
                    objectName: "categoryColumnLabel"
                    Layout.fillWidth: true
                    text: browser.focusedGroup ? browser.focusedGroup.title.toUpperCase()
                                               : qsTr("CATEGORIES")
                    font.letterSpacing: 1.2
                    elide: Text.ElideRight
                }
                BrowserRow {
                    objectName: "category-all"
                    text: qsTr("All Categories")
                    symbol: "tray.full.fill"
                    symbolColor: Theme.accent
                    highlight: Theme.faded("white", 0.075)
                    current: Results.selectedCategory === ""
                    sizeText: Format.byteCount(Results.baseSize)
                    onClicked: Results.selectedCategory = ""
                }
                Repeater {
                    model: Results.categories
                    delegate: BrowserRow {
                        required property var modelData
                        objectName: "category-" + modelData.category
                        text: modelData.title
                        //: A screen reader's name of a category in the cleanup browser.
                        Accessible.name: qsTr("%1 category").arg(modelData.title)
                        symbol: modelData.symbol
                        symbolColor: Theme.tint(modelData.tint)
                        highlight: Theme.faded("white", 0.075)
                        current: Results.selectedCategory === modelData.category
                        sizeText: Format.byteCount(modelData.size)
                        selectedText: modelData.selectedSize >= 1
                                      ? qsTr("%1 selected").arg(Format.byteCount(modelData.selectedSize))
                                      : ""
                        onClicked: Results.selectedCategory = modelData.category
                    }
                }
            }
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        Layout.fillHeight: true
        spacing: 12

        RowLayout {
            Layout.fillWidth: true
            spacing: 12
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 3
                Text {
                    objectName: "detailTitle"
                    Layout.fillWidth: true
                    text: browser.shownCategory ? browser.shownCategory.title
                        : browser.focusedGroup ? browser.focusedGroup.title : qsTr("All Junk")
                    color: "white"
                    font.pixelSize: Theme.title
                    font.weight: Font.Bold
                    elide: Text.ElideRight
                }
                Text {
                    Layout.fillWidth: true
                    text: browser.shownCategory ? browser.shownCategory.subtitle
                        : browser.focusedGroup ? browser.focusedGroup.subtitle
                        : qsTr("Inspect every cleanup category before applying changes.")
                    color: Theme.secondaryText
                    font.pixelSize: Theme.caption
                    wrapMode: Text.Wrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                    ToolTip.visible: subtitleHover.hovered && truncated
                    ToolTip.text: text
                    ToolTip.delay: 500
                    HoverHandler {
                        id: subtitleHover
                    }
                }
            }
            Text {
                objectName: "detailSize"
                text: Format.byteCount(Results.rowsSize)
                color: "white"
                font.pixelSize: Theme.title
                font.weight: Font.Bold
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            SearchField {
                Layout.fillWidth: true
                placeholderText: qsTr("Search")
            }
            Picker {
                Layout.preferredWidth: 105
                Accessible.name: qsTr("Sort")
                values: Results.sortOrders
                labels: Results.sortOrderLabels
                value: Results.sortOrder
                onPicked: value => Results.sortOrder = value
            }
            SelectMenu {}
            SelectAllButton {}
            Text {
                objectName: "rowCount"
                Layout.rightMargin: 6
                text: qsTr("%n item(s)", "", Results.count)
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
