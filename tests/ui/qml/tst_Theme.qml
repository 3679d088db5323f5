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
}
