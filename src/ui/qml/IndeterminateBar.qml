// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import Sorvale

// A thin track with an accent segment sweeping across it: work whose end is unknown.
Rectangle {
    id: track
    implicitHeight: 4
    radius: 2
    color: Theme.faded("white", 0.1)
    clip: true

    Rectangle {
        id: segment
        width: track.width * 0.35
        height: track.height
        radius: track.radius
        color: Theme.accent

        NumberAnimation on x {
            from: -segment.width
            to: track.width
            duration: 1300
            loops: Animation.Infinite
            running: track.visible
        }
    }
}
