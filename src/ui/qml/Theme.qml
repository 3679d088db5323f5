// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
pragma Singleton
import QtQuick

// The constant colours and text sizes of the whole interface, which is always dark.
QtObject {
    readonly property color background: Qt.rgba(0.025, 0.045, 0.07, 1)
    readonly property color panel: Qt.rgba(1, 1, 1, 0.055)
    readonly property color panelStrong: Qt.rgba(1, 1, 1, 0.09)
    readonly property color border: Qt.rgba(1, 1, 1, 0.09)
    readonly property color accent: Qt.rgba(0.32, 0.9, 0.66, 1)
    readonly property color accent2: Qt.rgba(0.39, 0.55, 1.0, 1)
    readonly property color secondaryText: Qt.rgba(1, 1, 1, 0.58)
    readonly property color sidebar: Qt.rgba(0.035, 0.06, 0.09, 1)
    readonly property color primaryButtonText: Qt.rgba(0.02, 0.1, 0.08, 1)
    // The field and tooltip background of the window's palette.
    readonly property color field: Qt.rgba(0.07, 0.1, 0.14, 1)

    // Where body text is drawn: each surface as the colours laid over one another from the
    // window up, with the colours of the text drawn on it. Each must stand out at 4.5:1.
    readonly property var textSurfaces: [
        {name: "window", layers: [background], texts: ["white", secondaryText, accent]},
        {name: "sidebar", layers: [sidebar], texts: ["white", secondaryText]},
        {name: "sidebar's current row", layers: [sidebar, panelStrong], texts: ["white"]},
        {name: "panel", layers: [background, panel],
         texts: ["white", secondaryText, accent, tint("orange")]},
        {name: "button", layers: [background, panel, panelStrong],
         texts: ["white", secondaryText]},
        {name: "browser's current row", layers: [background, panel, faded(accent, 0.11)],
         texts: ["white", secondaryText, accent]},
        {name: "warning", layers: [background, panel, faded(tint("orange"), 0.10)],
         texts: ["white", secondaryText]},
        {name: "field", layers: [field], texts: ["white", secondaryText]},
        {name: "primary button", layers: [accent], texts: [primaryButtonText]}
    ]

    // The platform's standard named colours (their dark variants), by the model's tint names.
    readonly property var tints: ({
        "mint": "#63e6e2",
        "green": "#30d158",
        "blue": "#0a84ff",
        "cyan": "#64d2ff",
        "orange": "#ff9f0a",
        "teal": "#40c8e0",
        "indigo": "#5e5ce6",
        "gray": "#8e8e93",
        "purple": "#bf5af2",
        "pink": "#ff375f"
    })

    // The platform's text styles, in points.
    readonly property int title: 22
    readonly property int title2: 17
    readonly property int title3: 15
    readonly property int headline: 13
    readonly property int subheadline: 12
    readonly property int body: 13
    readonly property int caption: 11
    readonly property int caption2: 10
    // One height for every control that shares a row: search fields, pickers and buttons.
    readonly property int controlHeight: 32

    function tint(name) {
        return tints[name] || accent;
    }
    // `color` (a colour or a colour's name, such as "white" or "#63e6e2") at `alpha` opacity.
    function faded(color, alpha) {
        // Qt.lighter by a factor of 1 turns a name into the colour it names.
        const value = Qt.lighter(color, 1);
        return Qt.rgba(value.r, value.g, value.b, alpha);
    }
}
