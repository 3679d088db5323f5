// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Sorvale

// A scan's live figures, its Stop button and the sidebar's mark while it runs.
TestCase {
    id: testCase
    name: "ScanProgress"
    width: 1000
    height: 700
    when: windowShown
    visible: true

    Component {
        id: cleanupComponent
        CleanupDashboardView {
            width: 760
            height: 640
        }
    }
    Component {
        id: sidebarComponent
        Sidebar {
            width: 224
            height: 640
        }
    }

    function test_stopReturnsTheListToItsFormerStateAndDropsALateResult() {
        Store.startJunkScan();
        verify(Fixture.finishScan());
        const before = Store.cleanupState;
        const items = Store.junkItems.map(item => item.id);
        verify(items.length > 0);

        const view = createTemporaryObject(cleanupComponent, testCase);
        const sidebar = createTemporaryObject(sidebarComponent, testCase);
        compare(findChild(sidebar, "busy-cleanup").visible, false);
        Fixture.holdSimulatorTool = true;
        Store.startJunkScan();
        tryVerify(() => Store.scanProgress.running && Store.scanProgress.entries > 0, 10000,
                  "the figures arrive while the scan runs");
        compare(view.panel, "scanning");
        verify(findChild(sidebar, "busy-cleanup").visible, "the sidebar marks the section");
        compare(findChild(sidebar, "busy-downloads").visible, false);
        const summary = findChild(view, "scanSummary");
        verify(summary.visible);
        verify(summary.text.includes(" examined"), summary.text);

        const stop = findChild(view, "stopScanButton");
        verify(stop.visible);
        stop.clicked();
        compare(Store.cleanupState.kind, before.kind);
        compare(Store.cleanupState.date, before.date, "the list's state is the one before");
        compare(view.panel, "summary");
        compare(findChild(sidebar, "busy-cleanup").visible, false);
        compare(Store.scanProgress.stopped, true);

        // The stopped scan ends on the engine before a later scan starts; its result is dropped.
        Fixture.holdSimulatorTool = false;
        Store.scanDownloads();
        verify(Fixture.finishScan());
        compare(Store.junkItems.map(item => item.id), items);
        compare(Store.cleanupState.date, before.date);
    }
}
