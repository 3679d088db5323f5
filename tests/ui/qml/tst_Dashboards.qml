// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Sorvale

// The Smart Cleanup and Applications dashboards once their lists are scanned.
TestCase {
    id: testCase
    name: "Dashboards"
    width: 1000
    height: 700
    when: windowShown
    // A test case is hidden unless told otherwise, and with it everything made in it.
    visible: true

    Component {
        id: cleanupComponent
        CleanupDashboardView {
            width: 900
            height: 640
        }
    }
    Component {
        id: applicationsComponent
        ApplicationsDashboardView {
            width: 900
            height: 640
        }
    }

    // Qt 6.4's TestCase delivers no mouse events offscreen, so buttons are pressed by their signal.
    function press(view, name) {
        const button = findChild(view, name);
        verify(button && button.visible && button.enabled, name + " can be pressed");
        button.clicked();
    }

    // Brings a list to a completed scan, whatever ran before.
    function scanned(start, state) {
        if (state().kind !== "complete") {
            start();
            verify(Fixture.finishScan());
        }
    }

    function test_theCleanupPanelsFollowTheFirstRuleThatHolds() {
        scanned(Store.startJunkScan, () => Store.cleanupState);
        const view = createTemporaryObject(cleanupComponent, testCase);
        Store.selection = "cleanup";
        compare(view.panel, "summary");
        compare(findChild(view, "candidateCount").text,
                "Deep scan complete \u00b7 " + Figures.junkCount + " cleanup candidates");

        Fixture.accessGranted = false;
        Store.startJunkScan();
        tryCompare(view, "panel", "access");
        Fixture.holdAccessChecks = true;
        Store.refreshFullDiskAccessStatus();
        compare(view.panel, "access", "the prompt wins over the running check");
        Fixture.accessGranted = true;
        Fixture.holdAccessChecks = false;
        Fixture.answerAccessChecks();
        verify(Fixture.finishNextScan(), "the waiting scan ran");
        compare(view.panel, "summary");

        press(view, "reviewAllButton");
        compare(view.panel, "review");
        compare(Store.focusedCleanupGroup, "");
        Store.showCleanupSummary();
        compare(view.panel, "summary");
    }


    function test_groupCardsShowGroupsWithItemsAndOnlySystemJunkCleans() {
        scanned(Store.startJunkScan, () => Store.cleanupState);
        const view = createTemporaryObject(cleanupComponent, testCase);
        Store.selection = "cleanup";
        for (const group of Figures.groups) {
            const review = findChild(view, "review-" + group.group);
            compare(review !== null, group.count > 0, group.group);
            const clean = findChild(view, "clean-" + group.group);
            if (clean) {
                compare(clean.visible, group.group === "systemJunk", group.group);
            }
        }
        press(view, "clean-systemJunk");
        compare(Store.showDeleteConfirmation, true);
        compare(view.panel, "summary", "Clean leaves the summary on screen");
        compare(Store.selectionActionTitle, "Move to Trash");
        verify(Store.selectedCount > 0);
        Store.showDeleteConfirmation = false;
        Store.deselectAll();
    }


    function test_theApplicationsPanelsAndCards() {
        scanned(Store.scanApplications, () => Store.applicationsState);
        Store.selection = "applications";
        const view = createTemporaryObject(applicationsComponent, testCase);
        compare(view.panel, "results");
        const categories = Figures.applicationCategories;
        for (const entry of categories) {
            compare(findChild(view, "count-" + entry.category).text,
                    entry.count + (entry.count === 1 ? " item" : " items"));
            compare(findChild(view, "review-" + entry.category).enabled, entry.count > 0);
        }
        compare(findChild(view, "applicationCount").text, categories[0].count + " apps found");
        const inventory = findChild(view, "inventorySize").text;
        verify(inventory.startsWith(Format.byteCount(Figures.applicationsSize) + " "), inventory);
        compare(findChild(view, "appManagementWarning").visible, false);
        Store.needsAppManagementPermission = true;
        compare(findChild(view, "appManagementWarning").visible, true);
        Store.needsAppManagementPermission = false;

        Fixture.holdAccessChecks = true;
        Store.scanApplications();
        tryCompare(view, "panel", "checking");
        compare(findChild(view, "rescanButton").enabled, false,
                "no rescan while access is checked");
        Fixture.holdAccessChecks = false;
        Fixture.answerAccessChecks();
        verify(Fixture.finishNextScan(), "the waiting scan ran");
        compare(view.panel, "results");
        compare(findChild(view, "rescanButton").enabled, true);

        press(view, "review-installers");
        compare(Store.applicationsPresentation, "review");
        compare(Store.focusedApplicationCategory, "installers");
        Store.showApplicationsSummary();
    }
}
