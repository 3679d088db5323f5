// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Sorvale

// The results list over the demo home, each test scanning what it needs.
TestCase {
    id: testCase
    name: "Results"
    width: 1100
    height: 760
    when: windowShown
    // A test case is hidden unless told otherwise, and with it everything made in it.
    visible: true

    Component {
        id: resultsComponent
        ResultsView {
            width: 1050
            height: 720
        }
    }

    // Qt 6.4's TestCase delivers no mouse events offscreen, so buttons are pressed by their signal.
    function press(view, name) {
        const button = findChild(view, name);
        verify(button && button.visible && button.enabled, name + " can be pressed");
        button.clicked();
    }
    function list(view) {
        const items = findChild(view, "itemList");
        verify(items, "the item list is shown");
        items.forceLayout();
        return items;
    }
    function shownNames(view) {
        const items = list(view);
        const names = [];
        for (let row = 0; row < items.count; ++row) {
            const item = items.itemAtIndex(row);
            if (item) {
                names.push(item.name);
            }
        }
        return names;
    }

    // Brings a list to a completed scan, whatever ran before.
    function scanned(start, state) {
        if (state().kind !== "complete") {
            start();
            verify(Fixture.finishScan());
        }
    }

    function test_aSearchThatMatchesNothingLeavesAnEmptyList() {
        Store.scanDownloads();
        verify(Fixture.finishScan());
        const view = createTemporaryObject(resultsComponent, testCase);
        compare(findChild(view, "resultsSubtitle").text, Store.screen.subtitle);
        compare(findChild(view, "baseCaption").text,
                Results.baseCount + " items \u00b7 " + Format.byteCount(Results.baseSize));
        compare(findChild(view, "selectionSummary").text, "Nothing selected");
        compare(findChild(view, "removeButton").enabled, false);

        Results.searchText = "no such download";
        compare(list(view).count, 0);
        compare(findChild(view, "emptyPanel").visible, false);
        compare(findChild(view, "noRowsNote").visible, true, "the empty list says why");
        compare(findChild(view, "noRowsNote").text, "No items match \u201cno such download\u201d.");
        compare(findChild(view, "selectAllButton").enabled, false);

        Results.searchText = "PDF";
        compare(shownNames(view), ["boarding pass.pdf"]);
        compare(findChild(view, "noRowsNote").visible, false);
        press(view, "selectAllButton");
        compare(findChild(view, "selectAllButton").text, "Deselect All");
        compare(findChild(view, "selectionSummary").text,
                "1 selected \u00b7 " + Format.byteCount(Store.selectedSize));
        compare(findChild(view, "removeButton").text, "Move to Trash");
        press(view, "removeButton");
        compare(Store.showDeleteConfirmation, true);
        Store.showDeleteConfirmation = false;

        press(view, "selectAllButton");
        compare(Store.selectedCount, 0);
        Results.searchText = "";
    }

    function test_aSearchInTheTrashThatMatchesNothingDoesNotCallItEmpty() {
        Store.selection = "trash";
        scanned(Store.scanTrash, () => Store.trashState);
        const view = createTemporaryObject(resultsComponent, testCase);
        verify(Store.displayedCount >= 1);
        Results.searchText = "no such item";
        compare(list(view).count, 0);
        compare(findChild(view, "emptyPanel").visible, false);
        compare(findChild(view, "noRowsNote").visible, true);
        verify(findChild(view, "removeButton").visible, "the list still has items to act on");
        verify(findChild(view, "putBackButton").visible);
        Results.searchText = "";
    }

    function test_undoPutsBackExactlyTheItemsTheRemovalMoved() {
        Store.selection = "downloads";
        scanned(Store.scanDownloads, () => Store.downloadsState);
        const view = createTemporaryObject(resultsComponent, testCase);
        const before = shownNames(view).slice().sort();
        const chosen = Store.displayedItems.filter(item => item.name.endsWith(".pdf")
                                                           || item.name.endsWith(".txt"));
        verify(chosen.length >= 2);
        Store.setSelection(chosen.map(item => item.id), true);
        compare(findChild(view, "undoButton").visible, false);
        Store.removeSelected();
        // The list comes back once the removal's result is shown, which can follow Undo's offer.
        const listShown = () => findChild(view, "itemList") !== null;
        tryVerify(() => Store.canUndo && listShown(), 10000, "the removal offers Undo");
        compare(shownNames(view).slice().sort(),
                before.filter(name => !chosen.some(item => item.name === name)));

        press(view, "undoButton");
        tryVerify(() => !Store.canUndo && listShown() && shownNames(view).length === before.length,
                  10000);
        compare(shownNames(view).slice().sort(), before, "the same items, and only they, return");
        compare(findChild(view, "undoButton").visible, false);
        Store.lastMessage = "";
    }

    function test_allVisibleFollowsTheCategoryButNotTheSearch() {
        scanned(Store.scanApplications, () => Store.applicationsState);
        Store.reviewApplications("");
        const view = createTemporaryObject(resultsComponent, testCase);
        compare(findChild(view, "resultsTitle").text, "Applications Manager");
        compare(findChild(view, "resultsSubtitle").text, Store.screen.subtitle);
        compare(findChild(view, "backButton").visible, true);

        Results.selectedCategory = "installers";
        const installers = Results.count;
        verify(installers > 1);
        Results.searchText = "Pixelmate";
        compare(Results.count, 1);
        Store.selectAll(Results.selectedCategory); // "All Visible" in the Select menu
        compare(Store.selectedCount, installers);
        compare(Store.selectionActionTitle, "Remove Installers");
        Store.deselectAll();

        press(view, "selectAllButton");
        compare(Store.selectedCount, 1, "Select All takes the search into account");
        Store.deselectAll();
        Results.searchText = "";
        Results.selectedCategory = "";
    }


    function test_applicationRowsShowTheirMatchedFiles() {
        scanned(Store.scanApplications, () => Store.applicationsState);
        Store.reviewApplications("installedApplications");
        const view = createTemporaryObject(resultsComponent, testCase);
        compare(findChild(view, "resultsSubtitle").text, Store.screen.subtitle);
        const items = list(view);
        let row = null;
        for (let index = 0; index < items.count; ++index) {
            const candidate = items.itemAtIndex(index);
            if (candidate && candidate.name === "Pixelmate") {
                row = candidate;
            }
        }
        verify(row, "Pixelmate is listed");
        verify(row.relatedCount > 1);
        compare(findChild(row, "matchedNote").text,
                "Includes " + row.relatedCount + " matched support items");
        tryCompare(findChild(row, "applicationIcon"), "status", Image.Ready);
        press(row, "matchedFilesButton");
        const popover = findChild(row, "matchedFilesPopover");
        tryCompare(popover, "opened", true);
        compare(findChild(popover.contentItem, "matchedFiles").count, row.relatedCount);
        press(row, "matchedFilesButton");
        tryCompare(popover, "visible", false);
        Store.showApplicationsSummary();
    }


    function test_theCleanupBrowserNarrowsByGroupAndCategory() {
        scanned(Store.startJunkScan, () => Store.cleanupState);
        Store.review("");
        const view = createTemporaryObject(resultsComponent, testCase);
        compare(findChild(view, "resultsTitle").text, "Cleanup Manager");
        compare(findChild(view, "detailTitle").text, "All Junk");
        compare(findChild(view, "categoryColumnLabel").text, "CATEGORIES");
        for (const group of Figures.groups) {
            compare(findChild(view, "group-" + group.group) !== null, group.size >= 1, group.group);
        }

        Results.selectedCategory = "logs";
        press(view, "group-xcode");
        compare(Store.focusedCleanupGroup, "xcode");
        compare(Results.selectedCategory, "", "choosing a group clears the category");
        compare(findChild(view, "categoryColumnLabel").text, "XCODE STORAGE");
        compare(findChild(view, "detailTitle").text, "Xcode Storage");

        // Items ticked in another group are removed with the shown ones: the count says so.
        const shown = Store.items("xcode")[0].id;
        const elsewhere = Store.items("systemJunk")[0].id;
        Store.setSelection([shown], true);
        compare(findChild(view, "selectionSummary").text,
                "1 selected \u00b7 " + Format.byteCount(Store.selectedSize));
        Store.setSelection([elsewhere], true);
        compare(findChild(view, "selectionSummary").text,
                "2 selected in all groups \u00b7 " + Format.byteCount(Store.selectedSize));
        Store.setSelection([shown, elsewhere], false);

        const category = Results.categories[0];
        press(view, "category-" + category.category);
        compare(Results.selectedCategory, category.category);
        compare(findChild(view, "detailTitle").text, category.title);
        compare(findChild(view, "detailSize").text, Format.byteCount(category.size));
        compare(findChild(view, "rowCount").text,
                Results.count + (Results.count === 1 ? " item" : " items"));

        press(view, "backButton");
        compare(Store.cleanupPresentation, "summary");
    }
}
