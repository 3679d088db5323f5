// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Sorvale

TestCase {
    id: testCase
    name: "Settings"
    width: 520
    height: 430
    when: windowShown

    Component {
        id: settingsComponent
        SettingsView {
            width: 520
            height: 430
        }
    }

    function test_theSliderFollowsAndSetsTheMinimumWithinItsRange() {
        const settings = createTemporaryObject(settingsComponent, testCase);
        const slider = findChild(settings, "minimumSizeSlider");
        Store.largeFileMinimumMB = 1500;
        compare(slider.value, 1500);
        compare(findChild(settings, "minimumSizeLabel").text, "1500 MB");
        slider.decrease();
        slider.moved();
        compare(Store.largeFileMinimumMB, 1400);
        slider.value = 0;
        compare(slider.value, slider.from);
    }

    function test_showWelcomeScreenAgainBringsOnboardingBack() {
        Preferences.hasCompletedOnboarding = true;
        const settings = createTemporaryObject(settingsComponent, testCase);
        const button = findChild(settings, "showWelcomeButton");
        settings.contentItem.contentY = button.mapToItem(settings.contentItem.contentItem, 0, 0).y;
        button.clicked();
        compare(Preferences.hasCompletedOnboarding, false);
    }
}
