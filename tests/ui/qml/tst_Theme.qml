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
        const surfaces = {
            "background": Theme.background,
            "sidebar": Theme.sidebar,
            "panel": over(Theme.panel, Theme.background),
            "strong panel": over(Theme.panelStrong, over(Theme.panel, Theme.background))
        };
        for (const [name, surface] of Object.entries(surfaces)) {
            for (const [text, colour] of [["secondary", Theme.secondaryText],
                                          ["accent", Theme.accent]]) {
                const ratio = contrast(over(colour, surface), surface);
                verify(ratio >= 4.5, text + " text on " + name + ": " + ratio.toFixed(2));
            }
        }
        verify(contrast(Theme.primaryButtonText, Theme.accent) >= 4.5, "a primary button's title");
    }
}
