// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Sorvale

// The window over a Debian desktop home read in the Linux layout, with Firefox running.
TestCase {
    id: testCase
    name: "LinuxWindow"
    width: 1100
    height: 760
    when: windowShown
    // A test case is hidden unless told otherwise, and with it everything made in it.
    visible: true

    Component {
        id: cleanupComponent
        CleanupDashboardView {
            width: 1050
            height: 720
        }
    }
    Component {
        id: overviewComponent
        DashboardView {
            width: 1050
            height: 720
        }
    }
    Component {
        id: applicationsComponent
        ApplicationsDashboardView {
            width: 1050
            height: 720
        }
    }
    Component {
        id: resultsComponent
        ResultsView {
            width: 1050
            height: 720
        }
    }
    Component {
        id: onboardingComponent
        OnboardingView {
            width: 1100
            height: 700
        }
    }
    Component {
        id: settingsComponent
        SettingsView {
            width: 520
            height: 700
        }
    }

    function namesAMacThing(text) {
        return /\bMacs?\b|macOS|Finder|Xcode|Full Disk Access|App Management|disk image/.test(text);
    }
    // Every text shown in `item`, however deep.
    function shownTexts(item) {
        if (!item.visible) {
            return [];
        }
        let texts = typeof item.text === "string" && item.text !== "" ? [item.text] : [];
        if (typeof item.toolTip === "string" && item.toolTip !== "") {
            texts.push(item.toolTip);
        }
        for (let index = 0; index < item.children.length; ++index) {
            texts = texts.concat(shownTexts(item.children[index]));
        }
        return texts;
    }
    function verifySpeaksOfNoMacThing(item, where) {
        const texts = shownTexts(item);
        verify(texts.length > 0, where + " shows text");
        for (const text of texts) {
            verify(!namesAMacThing(text), where + ": " + text);
        }
    }

    function test_aScanStartsWithoutAskingForAccessAndShowsTheSystemsGroups() {
        Fixture.accessGranted = false;
        const view = createTemporaryObject(cleanupComponent, testCase);
        Store.selection = "cleanup";
        verifySpeaksOfNoMacThing(view, "ready");
        Store.startJunkScan();
        compare(view.panel, "scanning");
        verifySpeaksOfNoMacThing(view, "scanning");
        verify(Fixture.finishScan());
        compare(view.panel, "summary");
        verify(findChild(view, "review-system") !== null, "system storage is shown");
        for (const group of ["xcode", "universalBinaries", "mail", "backups"]) {
            compare(findChild(view, "review-" + group), null, group + " is hidden");
        }
        verifySpeaksOfNoMacThing(view, "summary");
    }

    function test_theRowOfARunningBrowsersCacheSaysToCloseItFirst() {
        if (Store.cleanupState.kind !== "complete") {
            Store.startJunkScan();
            verify(Fixture.finishScan());
        }
        const view = createTemporaryObject(cleanupComponent, testCase);
        Store.selection = "cleanup";
        Store.review("");
        Results.searchText = "mozilla";
        const list = findChild(view, "itemList");
        verify(list, "the item list is shown");
        list.forceLayout();
        compare(list.count, 1);
        const row = list.itemAtIndex(0);
        const note = findChild(row, "closeFirstNote");
        verify(note.visible);
        compare(note.text, "Close Firefox first");
        verifySpeaksOfNoMacThing(view, "results");
        Results.searchText = "pip";
        list.forceLayout();
        verify(!findChild(list.itemAtIndex(0), "closeFirstNote").visible, "pip runs nothing");
        Results.searchText = "";
        Store.showCleanupSummary();
    }

    function test_theOverviewAndApplicationsSpeakOfThisComputer() {
        verifySpeaksOfNoMacThing(createTemporaryObject(overviewComponent, testCase), "overview");
        const applications = createTemporaryObject(applicationsComponent, testCase);
        Store.selection = "applications";
        Fixture.accessGranted = false;
        Store.scanApplications();
        verify(Fixture.finishScan());
        compare(applications.panel, "results");
        verifySpeaksOfNoMacThing(applications, "applications");
    }

    function test_eachApplicationRowSaysHowItWasInstalledAndNoPermissionIsAskedFor() {
        const applications = createTemporaryObject(applicationsComponent, testCase);
        Store.selection = "applications";
        if (Store.applicationsState.kind !== "complete") {
            Store.scanApplications();
            verify(Fixture.finishScan());
        }
        // An uninstall refused by the system asks for no permission Linux does not have.
        Store.needsAppManagementPermission = true;
        verify(!findChild(applications, "appManagementWarning").visible);
        Store.reviewApplications("installedApplications");
        const results = createTemporaryObject(resultsComponent, testCase);
        const list = findChild(results, "itemList");
        verify(list, "the application list is shown");
        list.forceLayout();
        for (let index = 0; index < list.count; ++index) {
            const row = list.itemAtIndex(index);
            const badge = findChild(row, "packageKindBadge");
            verify(badge.visible, row.name);
            verify(findChild(row, "nameText").width > 0, row.name + " is named beside its badge");
        }
        verifySpeaksOfNoMacThing(results, "application list");
        // Rows without a badge are named across their whole width.
        Store.reviewApplications("appLeftovers");
        list.forceLayout();
        verify(list.count > 0);
        for (let index = 0; index < list.count; ++index) {
            const row = list.itemAtIndex(index);
            verify(!findChild(row, "packageKindBadge").visible, row.name);
            verify(findChild(row, "nameText").width > 0, row.name);
        }
        Store.showApplicationsSummary();
    }

    function test_onboardingAndSettingsOfferNoMacosPermission() {
        const onboarding = createTemporaryObject(onboardingComponent, testCase);
        for (let page = 0; page < onboarding.slides.length; ++page) {
            onboarding.page = page;
            verifySpeaksOfNoMacThing(onboarding, "onboarding page " + page);
        }
        const settings = createTemporaryObject(settingsComponent, testCase);
        verify(!findChild(settings, "fullDiskAccessLink").visible);
        verify(!findChild(settings, "appManagementLink").visible);
        verifySpeaksOfNoMacThing(settings, "settings");
    }
}
