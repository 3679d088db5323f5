// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import Sorvale

// The detail column's background: the theme colour with two soft glows placed from its size.
Rectangle {
    id: background
    color: Theme.background
    clip: true

    GlowCircle {
        diameter: 480
        blur: 110
        color: Theme.faded(Theme.accent, 0.10)
        // The circle's centre, where a blur of the same offset would put it.
        x: background.width - 300 + 240 - width / 2
        y: -250 + 240 - height / 2
    }
    GlowCircle {
        diameter: 420
        blur: 120
        color: Theme.faded(Theme.accent2, 0.08)
        x: -180 + 210 - width / 2
        y: background.height - 250 + 210 - height / 2
    }
}
