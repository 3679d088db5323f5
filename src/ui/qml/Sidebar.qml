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
                    text: qsTr("Sorvale")
                    color: "white"
                    font.pixelSize: Theme.headline + 1
                    font.weight: Font.Bold
                }
                Text {
                    text: qsTr("Storage care")
                    color: Theme.secondaryText
                    font.pixelSize: Theme.caption
                }
            }
        }

        Text {
            Layout.topMargin: 26
            Layout.bottomMargin: 8
            Layout.leftMargin: 12
            text: qsTr("TOOLS")
            color: Theme.secondaryText
            font.pixelSize: Theme.caption2
            font.weight: Font.Bold
            font.letterSpacing: 1.5
        }

        Repeater {
            id: rows
            objectName: "sectionRows"
            model: Tables.sections
            // The rows are one stop of the Tab chain, the current one; the arrows move between
            // them and choose the section they reach.
            delegate: Rectangle {
                id: row
                required property var modelData
                required property int index
                readonly property bool current: Store.selection === modelData.section
                readonly property bool busy: Store.busySections.includes(modelData.section)

                Layout.fillWidth: true
                implicitHeight: 42
                radius: 10
                color: current ? Theme.panelStrong : "transparent"
                Accessible.role: Accessible.Button
                Accessible.name: modelData.title
                Accessible.description: busy ? qsTr("Scanning") : ""
                activeFocusOnTab: current
                objectName: "section-" + modelData.section

                function choose(offset) {
                    const next = rows.itemAt(Math.max(0, Math.min(rows.count - 1, index + offset)));
                    // The focus moves first: the row that had it then leaves the Tab chain.
                    next.forceActiveFocus(Qt.TabFocusReason);
                    Store.selection = next.modelData.section;
                }
                Keys.onUpPressed: choose(-1)
                Keys.onDownPressed: choose(1)
                Keys.onSpacePressed: Store.selection = modelData.section
                Keys.onReturnPressed: Store.selection = modelData.section

                FocusRing {
                    target: row
                }

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
                    // A section whose list is being scanned or changed pulses a dot.
                    Rectangle {
                        objectName: "busy-" + row.modelData.section
                        visible: row.busy
                        implicitWidth: 7
                        implicitHeight: 7
                        radius: 3.5
                        color: Theme.accent
                        SequentialAnimation on opacity {
                            running: row.busy
                            loops: Animation.Infinite
                            NumberAnimation { to: 0.25; duration: 600; easing.type: Easing.InOutQuad }
                            NumberAnimation { to: 1; duration: 600; easing.type: Easing.InOutQuad }
                        }
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
                text: qsTr("Review before removing")
                color: Theme.secondaryText
                font.pixelSize: Theme.caption
            }
        }
    }
}
