// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Sorvale

// What a screen reader meets: every control the keyboard reaches on the main screens has a name
// of its own.
TestCase {
    id: testCase
    name: "Accessibility"
    width: 1180
    height: 760
    when: windowShown
    visible: true

    Component {
        id: rootComponent
        RootView {
            width: 1180
            height: 760
        }
    }
    Component {
        id: settingsComponent
        SettingsView {
            width: 520
            height: 430
        }
    }
    Component {
        id: onboardingComponent
        OnboardingView {
            width: 1180
            height: 760
        }
    }

    // The shown controls below `root` that Tab reaches, each as [description, name].
    function controls(root) {
        const found = [];
        const visit = item => {
            if (!item.visible) {
                return;
            }
            if (item.activeFocusOnTab && item.enabled) {
                const name = String(item.Accessible.name || item.text || "").trim();
                found.push([item.objectName || String(item), name]);
            }
            for (let index = 0; index < item.children.length; ++index) {
                visit(item.children[index]);
            }
        };
        visit(root);
        return found;
    }
    function verifyNamed(root, screen) {
        wait(50);
        const found = controls(root);
        verify(found.length >= 1, screen + ": controls to check");
        const unnamed = found.filter(([, name]) => name === "").map(([which]) => which);
        compare(unnamed, [], screen + ": controls without a name");
        // Two controls of one screen that read alike cannot be told apart by ear.
        const names = found.map(([, name]) => name).filter(name => name !== "");
        const repeated = names.filter((name, index) => names.indexOf(name) !== index);
        compare(repeated, [], screen + ": names that more than one control has");
        return found.length;
    }

    function test_everyControlTheKeyboardReachesHasAName() {
        Store.startJunkScan();
        verify(Fixture.finishScan());
        Store.scanApplications();
        verify(Fixture.finishScan());
        Store.scanDownloads();
        verify(Fixture.finishScan());
        Store.scanTrash();
        verify(Fixture.finishScan());
        const root = createTemporaryObject(rootComponent, testCase);

        for (const section of ["overview", "cleanup", "applications", "largeFiles", "downloads",
                               "trash"]) {
            Store.selection = section;
            verifyNamed(root, section);
        }
        Store.selection = "cleanup";
        Store.review("");
        const inBrowser = verifyNamed(root, "cleanup browser");
        verify(inBrowser >= 10, "the browser's groups, categories, controls and rows are walked");
        Store.selection = "applications";
        Store.reviewApplications("installedApplications");
        verifyNamed(root, "applications list");

        Store.selection = "downloads";
        Store.setSelection([Store.displayedItems[0].id], true);
        Store.showDeleteConfirmation = true;
        const dialog = findChild(root, "removalConfirmation");
        tryCompare(dialog, "opened", true);
        verifyNamed(dialog.contentItem.parent, "removal confirmation");
        Store.showDeleteConfirmation = false;
        Store.deselectAll();

        verifyNamed(createTemporaryObject(settingsComponent, testCase), "settings");
        const onboarding = createTemporaryObject(onboardingComponent, testCase);
        for (let page = 1; page <= 3; ++page) {
            verifyNamed(onboarding, "onboarding page " + page);
            findChild(onboarding, "continueButton").clicked();
        }
    }
}
