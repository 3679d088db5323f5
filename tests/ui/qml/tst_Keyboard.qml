// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Sorvale

// What can be done without a mouse: the sidebar's sections, and ticking rows of a list.
TestCase {
    id: testCase
    name: "Keyboard"
    width: 1100
    height: 760
    when: windowShown
    visible: true

    Component {
        id: resultsComponent
        ResultsView {
            width: 1050
            height: 720
        }
    }
    Component {
        id: sidebarComponent
        Sidebar {
            width: 224
            height: 640
        }
    }

    function selectedNames() {
        return Store.displayedItems.filter(item => item.isSelected).map(item => item.name).sort();
    }

    function test_arrowsMoveBetweenRowsSpaceTicksOneAndSelectAllTicksEveryRow() {
        Store.scanDownloads();
        verify(Fixture.finishScan());
        Store.deselectAll();
        const view = createTemporaryObject(resultsComponent, testCase);
        const list = findChild(view, "itemList");
        verify(list.count >= 3);
        list.forceActiveFocus(Qt.TabFocusReason);
        list.forceLayout();
        compare(list.currentIndex, 0);
        verify(findChild(list.currentItem, "currentRing").visible, "the current row shows it");

        const names = [];
        for (let row = 0; row < 3; ++row) {
            names.push(list.itemAtIndex(row).name);
        }
        keyClick(Qt.Key_Space);
        compare(selectedNames(), [names[0]]);
        keyClick(Qt.Key_Down);
        keyClick(Qt.Key_Down);
        keyClick(Qt.Key_Space);
        compare(selectedNames(), [names[0], names[2]].sort());
        keyClick(Qt.Key_Up);
        keyClick(Qt.Key_Up);
        keyClick(Qt.Key_Space);
        compare(selectedNames(), [names[2]], "Space unticks a ticked row");

        keySequence(StandardKey.SelectAll);
        compare(Store.selectedCount, list.count);
        compare(Results.allRowsSelected, true);
        Store.deselectAll();

        // Select All ticks the rows a search shows, and nothing it hides.
        Results.searchText = "PDF";
        list.forceActiveFocus(Qt.TabFocusReason);
        keySequence(StandardKey.SelectAll);
        compare(selectedNames(), ["boarding pass.pdf"]);
        Results.searchText = "";
        compare(Results.allRowsSelected, false);
        Store.deselectAll();
    }

    function test_theSidebarIsOneTabStopWhoseArrowsChooseTheSection() {
        Store.selection = "downloads";
        const sidebar = createTemporaryObject(sidebarComponent, testCase);
        const downloads = findChild(sidebar, "section-downloads");
        compare(downloads.activeFocusOnTab, true);
        compare(findChild(sidebar, "section-trash").activeFocusOnTab, false,
                "only the current section is a stop");
        downloads.forceActiveFocus(Qt.TabFocusReason);
        keyClick(Qt.Key_Down);
        compare(Store.selection, "trash");
        verify(findChild(sidebar, "section-trash").activeFocus);
        keyClick(Qt.Key_Down);
        compare(Store.selection, "trash", "the last section stays chosen");
        for (let step = 0; step < 5; ++step) {
            keyClick(Qt.Key_Up);
        }
        compare(Store.selection, "overview");
        verify(findChild(sidebar, "section-overview").activeFocus);
    }
}
