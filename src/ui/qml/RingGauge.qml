// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import Sorvale

// A ring: a faint full circle, and over it the part from `from` to `to` (fractions of the
// circle, starting at the top, clockwise) stroked with a gradient from `startColor` to
// `endColor`.
Canvas {
    id: ring
    property real diameter: 142
    property real lineWidth: 14
    property real from: 0
    property real to: 0
    property color startColor: Theme.accent
    property color endColor: Theme.accent2

    implicitWidth: diameter
    implicitHeight: diameter
    antialiasing: true

    onFromChanged: requestPaint()
    onToChanged: requestPaint()
    onStartColorChanged: requestPaint()
    onEndColorChanged: requestPaint()

    onPaint: {
        const context = getContext("2d");
        context.reset();
        const centre = diameter / 2;
        const radius = (diameter - lineWidth) / 2;
        context.lineWidth = lineWidth;
        context.strokeStyle = Qt.rgba(1, 1, 1, 0.08);
        context.beginPath();
        context.arc(centre, centre, radius, 0, 2 * Math.PI);
        context.stroke();
        if (to <= from) {
            return;
        }
        // The conical gradient runs counter-clockwise from its angle; it is laid so that the
        // arc's start has `startColor` and its end `endColor`.
        const top = -Math.PI / 2;
        const gradient = context.createConicalGradient(centre, centre, -(top + 2 * Math.PI * from));
        gradient.addColorStop(0, startColor);
        gradient.addColorStop(1 - Math.min(to - from, 0.999), endColor);
        gradient.addColorStop(1, startColor);
        context.strokeStyle = gradient;
        context.lineCap = "butt";
        context.beginPath();
        context.arc(centre, centre, radius, top + 2 * Math.PI * from, top + 2 * Math.PI * to);
        context.stroke();
    }
}
