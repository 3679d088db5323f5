// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Sorvale

// The home folder's volume at a glance: one bar split into what is used, what Smart Cleanup
// found that could be reclaimed, and what is free, with a legend of the three figures.
ColumnLayout {
    id: bar
    readonly property var volume: Store.homeVolume
    readonly property bool known: volume.capacity !== undefined
    readonly property color usedColor: Qt.rgba(1, 1, 1, 0.42)
    readonly property color reclaimableColor: Theme.accent
    readonly property color freeColor: Qt.rgba(1, 1, 1, 0.1)

    visible: known
    spacing: 8
    Accessible.role: Accessible.ProgressBar
    Accessible.name: known ? (volume.reclaimable > 0
            ? qsTr("Home volume: %1 used, of which %2 could be reclaimed, %3 free of %4").arg(volume.usedText).arg(volume.reclaimableText).arg(volume.availableText).arg(volume.capacityText)
            : qsTr("Home volume: %1 used, %2 free of %3").arg(volume.usedText).arg(volume.availableText).arg(volume.capacityText))
                           : ""

    component Legend: RowLayout {
        property color swatch
        property alias text: label.text
        spacing: 6
        Rectangle {
            implicitWidth: 8
            implicitHeight: 8
            radius: 4
            color: parent.swatch
        }
        Text {
            id: label
            color: Theme.secondaryText
            font.pixelSize: Theme.caption
        }
    }

    Item {
        objectName: "volumeBar"
        Layout.fillWidth: true
        implicitHeight: 10
        Rectangle {
            id: track
            anchors.fill: parent
            radius: height / 2
            color: bar.freeColor
            clip: true
            // The used part, then the reclaimable part drawn over its end, from the left.
            Row {
                height: parent.height
                Rectangle {
                    objectName: "volumeUsed"
                    width: track.width * (bar.known ? bar.volume.usedFraction : 0)
                    height: parent.height
                    color: bar.usedColor
                }
                Rectangle {
                    objectName: "volumeReclaimable"
                    // Never thinner than a hairline when something was found.
                    width: bar.known && bar.volume.reclaimable > 0
                           ? Math.max(track.width * bar.volume.reclaimableFraction, 3) : 0
                    height: parent.height
                    color: bar.reclaimableColor
                }
            }
        }
    }

    Flow {
        Layout.fillWidth: true
        spacing: 14
        Legend {
            objectName: "volumeUsedLegend"
            swatch: bar.usedColor
            text: bar.known ? qsTr("%1 used").arg(bar.volume.usedText) : ""
        }
        Legend {
            objectName: "volumeReclaimableLegend"
            visible: bar.known && bar.volume.reclaimable > 0
            swatch: bar.reclaimableColor
            text: bar.known ? qsTr("%1 reclaimable").arg(bar.volume.reclaimableText) : ""
        }
        Legend {
            objectName: "volumeFreeLegend"
            swatch: Qt.rgba(1, 1, 1, 0.25)
            text: bar.known ? qsTr("%1 free of %2").arg(bar.volume.availableText).arg(bar.volume.capacityText) : ""
        }
    }
}
