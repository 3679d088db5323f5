// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Sorvale

// The brand, one row per section, and the reminder that nothing goes without review.
Rectangle {
    id: sidebar
    color: Theme.sidebar

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 14
        anchors.topMargin: 22
        spacing: 0

        RowLayout {
            spacing: 10
            Rectangle {
                implicitWidth: 38
                implicitHeight: 38
                radius: 10
                color: Theme.accent
                SymbolIcon {
                    anchors.centerIn: parent
                    symbol: "sparkles"
                    size: Theme.title3 + 3
                    color: "black"
                }
            }
            ColumnLayout {
                spacing: 1
                Text {
                    text: "Sorvale"
                    color: "white"
                    font.pixelSize: Theme.headline + 1
                    font.weight: Font.Bold
                }
                Text {
                    text: "Storage care"
                    color: Theme.secondaryText
                    font.pixelSize: Theme.caption
                }
            }
        }

        Text {
            Layout.topMargin: 26
            Layout.bottomMargin: 8
            Layout.leftMargin: 12
            text: "TOOLS"
            color: Theme.secondaryText
            font.pixelSize: Theme.caption2
            font.weight: Font.Bold
            font.letterSpacing: 1.5
        }

        Repeater {
            model: Tables.sections
            delegate: Rectangle {
                id: row
                required property var modelData
                readonly property bool current: Store.selection === modelData.section

                Layout.fillWidth: true
                implicitHeight: 42
                radius: 10
                color: current ? Theme.panelStrong : "transparent"
                Accessible.role: Accessible.Button
                Accessible.name: modelData.title

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 12
                    anchors.rightMargin: 12
                    spacing: 12
                    Item {
                        implicitWidth: 20
                        implicitHeight: 20
                        SymbolIcon {
                            anchors.centerIn: parent
                            symbol: row.modelData.symbol
                            size: 15
                            color: Qt.rgba(1, 1, 1, row.current ? 1 : 0.66)
                        }
                    }
                    Text {
                        Layout.fillWidth: true
                        text: row.modelData.title
                        color: Qt.rgba(1, 1, 1, row.current ? 1 : 0.66)
                        font.pixelSize: 14
                        font.weight: row.current ? Font.DemiBold : Font.Medium
                        elide: Text.ElideRight
                    }
                }
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: Store.selection = row.modelData.section
                }
            }
        }

        Item {
            Layout.fillHeight: true
        }

        RowLayout {
            Layout.leftMargin: 12
            Layout.bottomMargin: 8
            spacing: 6
            SymbolIcon {
                symbol: "checkmark.shield.fill"
                size: Theme.caption + 1
                color: Theme.secondaryText
            }
            Text {
                text: "Review before removing"
                color: Theme.secondaryText
                font.pixelSize: Theme.caption
            }
        }
    }
}
