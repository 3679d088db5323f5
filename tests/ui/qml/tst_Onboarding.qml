// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Sorvale

TestCase {
    id: testCase
    name: "Onboarding"
    width: 1000
    height: 700
    when: windowShown

    Component {
        id: onboardingComponent
        OnboardingView {
            width: 1000
            height: 700
        }
    }
    SignalSpy {
        id: completions
        signalName: "completed"
    }

    function makeOnboarding() {
        const onboarding = createTemporaryObject(onboardingComponent, testCase);
        completions.clear();
        completions.target = onboarding;
        return onboarding;
    }
    function button(onboarding, name) {
        return findChild(onboarding, name);
    }
    // Qt 6.4's TestCase delivers no mouse events offscreen, so buttons are pressed by their signal.
    function press(button) {
        verify(button.enabled, button.objectName + " can be pressed");
        button.clicked();
    }

    function test_pagesCannotMovePastEitherEnd() {
        const onboarding = makeOnboarding();
        const back = button(onboarding, "backButton");
        const next = button(onboarding, "continueButton");
        compare(back.enabled, false);
        compare(back.opacity, 0);
        press(next);
        press(next);
        compare(onboarding.page, 2);
        compare(next.text, "Start Using Sorvale");
        onboarding.changePage(3);
        compare(onboarding.page, 2);
        press(back);
        compare(onboarding.page, 1);
        compare(next.text, "Continue");
        compare(completions.count, 0);
    }

    function test_skipAndStartBothComplete() {
        let onboarding = makeOnboarding();
        press(button(onboarding, "skipButton"));
        compare(completions.count, 1);

        onboarding = makeOnboarding();
        onboarding.changePage(2);
        press(button(onboarding, "continueButton"));
        compare(completions.count, 1);
    }
}
