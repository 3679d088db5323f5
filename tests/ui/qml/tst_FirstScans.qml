// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Sorvale

// What the window offers before a list is first scanned, each test on a list no other test of
// this file scans: the store of a test file starts with nothing scanned.
TestCase {
    id: testCase
    name: "FirstScans"
    width: 1100
    height: 760
    when: windowShown
    // A test case is hidden unless told otherwise, and with it everything made in it.
    visible: true

    Component {
        id: overviewComponent
        DashboardView {
            width: 900
            height: 640
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
        id: spyComponent
        SignalSpy {}
    }

    // Qt 6.4's TestCase delivers no mouse events offscreen, so buttons are pressed by their signal.
    function press(view, name) {
        const button = findChild(view, name);
        verify(button && button.visible && button.enabled, name + " can be pressed");
        button.clicked();
    }

    function test_theOverviewInvitesAScanThenShowsWhatItFound() {
        const overview = createTemporaryObject(overviewComponent, testCase);
        compare(findChild(overview, "heroFigure").text, "\u2014");
        compare(findChild(overview, "heroTitle").text, "Ready for a quick check?");
        compare(findChild(overview, "heroGauge").to, 0);
        compare(findChild(overview, "heroButton").text, "Start Smart Scan");
        const volume = Store.homeVolume;
        verify(volume.capacity > 0, "the home volume is measured");
        compare(volume.reclaimable, 0);
        verify(!findChild(overview, "volumeReclaimableLegend").visible);
        compare(findChild(overview, "volumeFreeLegend").text,
                volume.availableText + " free of " + volume.capacityText);

        press(overview, "heroButton");
        compare(Store.selection, "cleanup");
        verify(Fixture.finishScan());
        verify(Store.totalJunkSize > 0);
        compare(findChild(overview, "heroTitle").text, "Cleanup candidates found");
        compare(findChild(overview, "heroFigure").text, Format.byteCount(Store.totalJunkSize));
        verify(findChild(overview, "heroGauge").to > 0, "the gauge shows what was found");
        // What was found is a part of what is used; the three parts fill the bar.
        const found = Store.homeVolume;
        compare(found.reclaimable,
                Math.min(Store.totalJunkSize, found.capacity - found.available));
        verify(findChild(overview, "volumeReclaimableLegend").visible);
        fuzzyCompare(found.usedFraction + found.reclaimableFraction + found.freeFraction, 1, 1e-9);
        verify(findChild(overview, "volumeReclaimable").width >= 3);

        Store.selection = "overview";
        press(overview, "heroButton");
        compare(Store.selection, "cleanup");
        compare(Store.cleanupState.kind, "complete", "the existing results are shown");
    }


    function test_theApplicationsCardScansOnlyWhileTheScanIsIdle() {
        const overview = createTemporaryObject(overviewComponent, testCase);
        Store.selection = "overview";
        compare(Store.applicationsState.kind, "idle");
        press(overview, "applicationsCard");
        compare(Store.selection, "applications");
        tryVerify(() => Store.applicationsState.kind !== "idle", 5000, "a scan started");
        verify(Fixture.finishScan());

        Store.selection = "overview";
        press(overview, "applicationsCard");
        compare(Store.selection, "applications");
        compare(Store.applicationsState.kind, "complete");

        press(overview, "trashCard");
        compare(Store.selection, "trash");
        compare(Store.trashState.kind, "scanning");
        verify(Fixture.finishScan());
        press(overview, "trashCard");
        compare(Store.trashState.kind, "scanning", "Trash Review always scans again");
        verify(Fixture.finishScan());
    }


    function test_beforeAnyScanAndAfterOneThatFoundNothing() {
        Store.selection = "largeFiles";
        const view = createTemporaryObject(resultsComponent, testCase);
        compare(findChild(view, "resultsTitle").text, "Large Files");
        compare(findChild(view, "resultsSubtitle").text, Store.screen.subtitle);
        compare(findChild(view, "emptyTitle").text, "No scan yet");
        compare(findChild(view, "emptyButton").text, "Choose Folder");
        compare(findChild(view, "backButton").visible, false);

        const requests = createTemporaryObject(spyComponent, testCase,
                                               {target: FolderRequests, signalName: "requested"});
        press(view, "emptyButton");
        compare(requests.count, 1);
        FolderRequests.cancel();

        Store.largeFileMinimumMB = 5000;
        Store.scanLargeFiles(Fixture.home);
        verify(Fixture.finishScan());
        compare(findChild(view, "emptyTitle").text, "No large files found");
        compare(findChild(view, "removeButton").visible, false, "nothing to act on");
        compare(findChild(view, "selectionSummary").visible, false);
        press(view, "rescanButton");
        compare(requests.count, 2, "the rescan asks for a folder again");
        compare(Store.largeFilesState.kind, "complete");
        FolderRequests.cancel();
    }
}
