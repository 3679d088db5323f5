// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Sorvale

// The window in German, as a German system's locale shows it (SORVALE_TEST_LANGUAGE=de): each
// screen's own texts, the store's texts, numbers with a decimal comma, and plural forms.
TestCase {
    id: testCase
    name: "German"
    width: 1100
    height: 760
    when: windowShown
    // A test case is hidden unless told otherwise, and with it everything made in it.
    visible: true

    Component {
        id: overviewComponent
        DashboardView {
            width: 1050
            height: 720
        }
    }
    Component {
        id: cleanupComponent
        CleanupDashboardView {
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
        id: settingsComponent
        SettingsView {
            width: 520
            height: 700
        }
    }
    Component {
        id: updateAlertComponent
        UpdateAlertDialog {
            parent: testCase
        }
    }

    // Qt 6.4's TestCase delivers no mouse events offscreen, so buttons are pressed by their signal.
    function press(view, name) {
        const button = findChild(view, name);
        verify(button && button.visible && button.enabled, name + " can be pressed");
        button.clicked();
    }
    // A byte count in German: a decimal comma, never a point.
    function verifyGermanSize(text) {
        verify(/^\d+(,\d+)? (Bytes?|KB|MB|GB)$/.test(text), text);
    }

    function test_theOverviewGreetsInGerman() {
        const view = createTemporaryObject(overviewComponent, testCase);
        compare(findChild(view, "trashCard").text, "Papierkorb prüfen");
        compare(Tables.sections.map(entry => entry.title),
                ["Übersicht", "Intelligente Bereinigung", "Anwendungen", "Große Dateien",
                 "Downloads", "Papierkorb"]);
    }

    function test_theCleanupSummaryCountsAndMeasuresInGerman() {
        // The only junk scan of this file.
        const overview = createTemporaryObject(overviewComponent, testCase);
        compare(findChild(overview, "heroTitle").text, "Bereit für eine schnelle Prüfung?");
        compare(findChild(overview, "heroButton").text, "Intelligenten Scan starten");
        const view = createTemporaryObject(cleanupComponent, testCase);
        Store.startJunkScan();
        verify(Fixture.finishScan());
        compare(findChild(overview, "heroTitle").text, "Kandidaten zur Bereinigung gefunden");
        compare(findChild(overview, "heroButton").text, "Ergebnisse prüfen");
        compare(view.panel, "summary");
        compare(findChild(view, "candidateCount").text,
                "Tiefenscan abgeschlossen \u00b7 " + Figures.junkCount
                + " Kandidaten zur Bereinigung");
        verifyGermanSize(findChild(view, "totalSize").text);
        compare(Figures.groups.find(group => group.group === "trash").title, "Papierkorb");
    }

    function test_aListSaysOneObjectAndManyObjects() {
        Store.scanDownloads();
        verify(Fixture.finishScan());
        const view = createTemporaryObject(resultsComponent, testCase);
        compare(findChild(view, "resultsTitle").text, "Downloads");
        compare(findChild(view, "sortPicker").displayText, "Größe");
        verify(Results.baseCount > 1);
        compare(findChild(view, "baseCaption").text,
                Results.baseCount + " Objekte \u00b7 " + Format.byteCount(Results.baseSize));
        compare(findChild(view, "selectionSummary").text, "Nichts ausgewählt");

        Results.searchText = "PDF";
        press(view, "selectAllButton");
        compare(findChild(view, "selectAllButton").text, "Auswahl aufheben");
        compare(findChild(view, "removeButton").text, "In den Papierkorb verschieben");
        Store.deselectAll();
        Results.searchText = "";
    }

    function test_aRemovalAndItsUndoSayHowManyInGerman() {
        Store.selection = "downloads";
        Store.scanDownloads();
        verify(Fixture.finishScan());
        const view = createTemporaryObject(resultsComponent, testCase);
        const chosen = Store.displayedItems.filter(item => item.name.endsWith(".pdf")
                                                           || item.name.endsWith(".txt"));
        verify(chosen.length >= 2);
        Store.setSelection(chosen.map(item => item.id), true);
        Store.removeSelected();
        tryVerify(() => Store.canUndo, 10000, "the removal offers Undo");
        compare(Store.lastMessage, chosen.length + " Objekte erfolgreich bearbeitet.");
        compare(findChild(view, "undoButton").text, "Widerrufen");

        press(view, "undoButton");
        tryCompare(Store, "lastMessage", chosen.length + " Objekte zurückgelegt.", 10000);
        verify(!Store.canUndo);
        Store.lastMessage = "";
    }

    function test_settingsAndTheUpdateAlertAreGerman() {
        const settings = createTemporaryObject(settingsComponent, testCase);
        compare(findChild(settings, "minimumSizeLabel").text, "500 MB");
        compare(findChild(settings, "showWelcomeButton").text, "Willkommensbildschirm erneut zeigen");

        const dialog = createTemporaryObject(updateAlertComponent, testCase);
        Fixture.serveFeed("1.4");
        Updater.checkForUpdates(true);
        tryCompare(dialog, "visible", true);
        compare(findChild(dialog, "alertTitle").text, "Sorvale ist auf dem neuesten Stand");
        compare(findChild(dialog, "alertMessage").text, "Sorvale 1.4 ist die neueste Version.");
        compare(findChild(dialog, "okButton").text, "OK");
        press(dialog, "okButton");
    }
}
