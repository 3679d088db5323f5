// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// One item of the results list: its checkbox, icon, name and folder, size and date, the
// application to close before it can go, and the buttons that reveal it and list an
// application's matched files.
Rectangle {
    id: row
    required property string key
    required property string name
    required property string folder
    required property var size
    required property string category
    required property string symbol
    required property string tint
    required property bool isSelected
    required property string detail
    required property var relatedFiles
    required property int relatedCount
    required property string iconSource
    required property string closeFirst
    required property string packageKind

    readonly property bool isApplication: category === "installedApplications"
    readonly property bool showsMatchedFiles: isApplication && relatedCount > 0
    property bool showRelatedFiles: false

    implicitHeight: Math.max(showsMatchedFiles ? 70 : 62, content.implicitHeight + 20)
    radius: 13
    color: isSelected ? Theme.faded(Theme.accent, 0.075) : Theme.panel
    border.color: isSelected ? Theme.faded(Theme.accent, 0.18) : Theme.border
    border.width: 1

    ListView.onReused: showRelatedFiles = false

    Accessible.role: Accessible.ListItem
    Accessible.name: isSelected ? qsTr("%1, %2, selected").arg(name).arg(Format.byteCount(size))
                                : qsTr("%1, %2").arg(name).arg(Format.byteCount(size))

    // The row the keyboard acts on, while the list has the keyboard.
    Rectangle {
        objectName: "currentRing"
        anchors.fill: parent
        anchors.margins: -2
        radius: row.radius + 2
        color: "transparent"
        border.color: Theme.accent
        border.width: 2
        visible: row.ListView.isCurrentItem && row.ListView.view && row.ListView.view.activeFocus
    }

    component IconButton: Button {
        id: iconButton
        property string symbol
        property string toolTip
        hoverEnabled: true
        padding: 6
        // The list takes the keyboard for its rows; their buttons stay out of the Tab chain.
        focusPolicy: Qt.NoFocus
        ToolTip.visible: hovered
        ToolTip.text: toolTip
        ToolTip.delay: 600
        Accessible.name: toolTip
        contentItem: SymbolIcon {
            symbol: iconButton.symbol
            size: 15
            color: iconButton.hovered ? "white" : Theme.secondaryText
        }
        background: Rectangle {
            radius: 7
            color: iconButton.down ? Theme.panelStrong : "transparent"
        }
    }

    RowLayout {
        id: content
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 10
        spacing: 10

        Button {
            objectName: "checkbox"
            padding: 2
            focusPolicy: Qt.NoFocus
            Accessible.role: Accessible.CheckBox
            Accessible.name: row.name
            Accessible.checked: row.isSelected
            onClicked: Store.toggle(row.key)
            contentItem: SymbolIcon {
                symbol: row.isSelected ? "checkmark.square.fill" : "square"
                size: 18
                color: row.isSelected ? Theme.accent : Qt.rgba(1, 1, 1, 0.55)
            }
            background: Item {}
        }

        Item {
            implicitWidth: 42
            implicitHeight: 42
            Image {
                id: appIcon
                objectName: "applicationIcon"
                anchors.fill: parent
                visible: status === Image.Ready
                source: row.iconSource
                sourceSize: Qt.size(84, 84)
                asynchronous: true
                fillMode: Image.PreserveAspectFit
            }
            Rectangle {
                anchors.centerIn: parent
                visible: !appIcon.visible
                width: 38
                height: 38
                radius: 10
                color: Theme.faded(Theme.tint(row.tint), 0.12)
                SymbolIcon {
                    anchors.centerIn: parent
                    symbol: row.symbol
                    size: 17
                    color: Theme.tint(row.tint)
                }
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2
            Item {
                id: nameLine
                Layout.fillWidth: true
                implicitHeight: nameText.implicitHeight
                Text {
                    id: nameText
                    objectName: "nameText"
                    // As wide as the name, leaving a badge its room.
                    width: Math.min(implicitWidth, nameLine.width
                                    - (badge.visible ? badge.width + 6 : 0))
                    text: row.name
                    color: "white"
                    font.pixelSize: 14
                    font.weight: Font.DemiBold
                    elide: Text.ElideMiddle
                    // A name cut short is read whole on hover.
                    ToolTip.visible: nameHover.hovered && truncated
                    ToolTip.text: text
                    ToolTip.delay: 500
                    HoverHandler {
                        id: nameHover
                    }
                }
                // How the application was installed, which is also how it is removed.
                Rectangle {
                    id: badge
                    objectName: "packageKindBadge"
                    visible: row.packageKind !== ""
                    x: nameText.width + 6
                    anchors.verticalCenter: nameText.verticalCenter
                    width: badgeText.implicitWidth + 12
                    height: badgeText.implicitHeight + 4
                    radius: height / 2
                    color: Theme.faded(Theme.accent, 0.16)
                    border.color: Theme.faded(Theme.accent, 0.35)
                    border.width: 1
                    Text {
                        id: badgeText
                        anchors.centerIn: parent
                        text: row.packageKind
                        color: Theme.accent
                        font.pixelSize: 10
                        font.weight: Font.DemiBold
                    }
                }
            }
            Text {
                Layout.fillWidth: true
                text: row.folder
                color: Theme.secondaryText
                font.pixelSize: Theme.caption
                elide: Text.ElideMiddle
            }
            Text {
                objectName: "closeFirstNote"
                visible: row.closeFirst !== ""
                text: row.closeFirst
                color: Theme.tint("orange")
                font.pixelSize: Theme.caption
            }
            Text {
                objectName: "matchedNote"
                visible: row.showsMatchedFiles
                text: qsTr("Includes %n matched support item(s)", "", row.relatedCount)
                color: Theme.accent
                font.pixelSize: Theme.caption
            }
        }

        // Sizes and dates keep one column from row to row.
        ColumnLayout {
            Layout.minimumWidth: 76
            spacing: 2
            Text {
                Layout.alignment: Qt.AlignRight
                text: Format.byteCount(row.size)
                color: "white"
                font.pixelSize: 13
                font.weight: Font.DemiBold
            }
            Text {
                Layout.alignment: Qt.AlignRight
                visible: row.detail !== ""
                text: row.detail
                color: Theme.secondaryText
                font.pixelSize: Theme.caption
            }
        }

        IconButton {
            objectName: "revealButton"
            symbol: "folder"
            toolTip: Store.platform.revealAction
            onClicked: FileManager.reveal(row.key)
        }
        IconButton {
            id: infoButton
            objectName: "matchedFilesButton"
            visible: row.showsMatchedFiles
            symbol: "info.circle"
            toolTip: qsTr("Review matched support files")
            onClicked: row.showRelatedFiles = !row.showRelatedFiles

            MatchedFilesPopover {
                objectName: "matchedFilesPopover"
                x: infoButton.width - width
                y: infoButton.height + 6
                visible: row.showRelatedFiles
                onClosed: row.showRelatedFiles = false
                name: row.name
                files: row.showRelatedFiles ? row.relatedFiles : []
            }
        }
    }
}
