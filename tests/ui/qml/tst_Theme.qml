// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Sorvale

TestCase {
    name: "Theme"

    function test_aFadedColourKeepsItsHueWhetherGivenAsAColourOrAName() {
        for (const given of ["white", "#63e6e2", Theme.tint("mint"), Theme.accent]) {
            const expected = Qt.lighter(given, 1);
            const faded = Theme.faded(given, 0.25);
            fuzzyCompare(faded.r, expected.r, 0.01, String(given));
            fuzzyCompare(faded.g, expected.g, 0.01, String(given));
            fuzzyCompare(faded.b, expected.b, 0.01, String(given));
            fuzzyCompare(faded.a, 0.25, 0.01, String(given));
        }
        verify(Theme.faded("white", 0.5).r > 0.99, "white stays white");
    }

    // WCAG's relative luminance and contrast ratio, of colours laid over one another.
    function over(top, bottom) {
        return Qt.rgba(top.r * top.a + bottom.r * (1 - top.a), top.g * top.a + bottom.g * (1 - top.a),
                       top.b * top.a + bottom.b * (1 - top.a), 1);
    }
    function luminance(colour) {
        const linear = c => c <= 0.03928 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4);
        return 0.2126 * linear(colour.r) + 0.7152 * linear(colour.g) + 0.0722 * linear(colour.b);
    }
    function contrast(a, b) {
        const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
        return (light + 0.05) / (dark + 0.05);
    }

    function test_bodyTextStandsOutFromEverySurfaceItIsDrawnOn() {
        verify(Theme.textSurfaces.length >= 2);
        for (const surface of Theme.textSurfaces) {
            const ground = surface.layers.reduce((under, layer) => over(Qt.lighter(layer, 1), under),
                                                 Qt.rgba(0, 0, 0, 1));
            for (const text of surface.texts) {
                const ratio = contrast(over(Qt.lighter(text, 1), ground), ground);
                verify(ratio >= 4.5, text + " on the " + surface.name + ": " + ratio.toFixed(2));
            }
        }
    }

    function test_contrastIsMeasuredAsTheWebGuidelinesMeasureIt() {
        fuzzyCompare(contrast(Qt.rgba(1, 1, 1, 1), Qt.rgba(0, 0, 0, 1)), 21, 0.01);
        fuzzyCompare(contrast(Qt.rgba(0.5, 0.5, 0.5, 1), Qt.rgba(1, 1, 1, 1)), 3.98, 0.01);
        fuzzyCompare(contrast(over(Qt.rgba(1, 1, 1, 0.5), Qt.rgba(0, 0, 0, 1)),
                              Qt.rgba(0.5, 0.5, 0.5, 1)), 1, 0.001);
    }
}
