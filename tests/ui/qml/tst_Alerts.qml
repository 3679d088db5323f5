// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Sorvale

TestCase {
    id: testCase
    name: "Alerts"
    width: 1000
    height: 700
    when: windowShown

    Component {
        id: confirmationComponent
        RemovalConfirmationDialog {
            parent: testCase
        }
    }
    Component {
        id: updateAlertComponent
        UpdateAlertDialog {
            parent: testCase
        }
    }

    function initTestCase() {
        Store.scanApplications();
        verify(Fixture.finishScan());
        Store.scanDownloads();
        verify(Fixture.finishScan());
    }

    function visibleButtons(dialog) {
        const names = [];
        for (const name of ["cancelButton", "appManagementButton", "removeButton", "laterButton",
                            "downloadButton", "websiteButton", "installButton", "okButton"]) {
            const button = findChild(dialog, name);
            if (button && button.visible) {
                names.push(button.text);
            }
        }
        return names;
    }
    // Qt 6.4's TestCase delivers no mouse events offscreen, so buttons are pressed by their signal.
    function press(dialog, name) {
        const button = findChild(dialog, name);
        verify(button && button.visible, name + " is shown");
        button.clicked();
    }
    function selectInSection(section, category) {
        Store.selection = section;
        Store.selectAll("");
        Store.setSelection([], false);
        Store.selectAll(category);
    }

    function test_theConfirmationOffersAppManagementOnlyForApplicationsAlone() {
        const dialog = createTemporaryObject(confirmationComponent, testCase);
        selectInSection("applications", "installedApplications");
        Store.showDeleteConfirmation = true;
        tryCompare(dialog, "visible", true);
        compare(findChild(dialog, "alertTitle").text, "Uninstall selected applications?");
        compare(visibleButtons(dialog), ["Cancel", "App Management Settings", "Uninstall Selected"]);
        press(dialog, "cancelButton");
        compare(Store.showDeleteConfirmation, false);

        selectInSection("downloads", "");
        Store.showDeleteConfirmation = true;
        tryCompare(dialog, "visible", true);
        compare(findChild(dialog, "alertTitle").text, "Move selected items to Trash?");
        compare(visibleButtons(dialog), ["Cancel", "Move to Trash"]);
        press(dialog, "cancelButton");
        Store.setSelection([], false);
    }

    function test_updateAlertButtonsDoWhatTheirKindSays() {
        const dialog = createTemporaryObject(updateAlertComponent, testCase);
        Fixture.serveFeed("1.4");
        Updater.checkForUpdates(true);
        tryCompare(dialog, "visible", true);
        compare(findChild(dialog, "alertTitle").text, "You're up to date");
        compare(visibleButtons(dialog), ["OK"]);
        press(dialog, "okButton");
        compare(Updater.alert.kind, undefined);

        Fixture.serveFeed("1.5");
        Updater.checkForUpdates(true);
        tryCompare(dialog, "visible", true);
        compare(visibleButtons(dialog), ["Later", "Download"]);
        press(dialog, "laterButton");
        compare(Updater.alert.kind, undefined);
        compare(Updater.status.kind, "updateAvailable");

        Updater.checkForUpdates(true);
        tryCompare(dialog, "visible", true);
        press(dialog, "downloadButton");
        tryVerify(() => Updater.status.kind === "downloaded", 10000);
        tryCompare(dialog, "visible", true);
        compare(visibleButtons(dialog), ["Later", "Install & Restart"]);
        press(dialog, "installButton");
        compare(Updater.status.kind, "failed");
        tryCompare(dialog, "visible", true);
        compare(findChild(dialog, "alertTitle").text, "Can't install update");
        press(dialog, "okButton");
    }

    function test_withoutVerificationToolsTheUpdateIsOfferedOnTheWebsite() {
        const dialog = createTemporaryObject(updateAlertComponent, testCase);
        Fixture.verificationTools = false;
        Fixture.serveFeed("1.6");
        Updater.checkForUpdates(true);
        tryCompare(dialog, "visible", true);
        compare(findChild(dialog, "alertTitle").text, "Update available");
        compare(findChild(dialog, "alertMessage").text,
                "Sorvale 1.6 is available on the Sorvale website.");
        compare(visibleButtons(dialog), ["Later", "Visit Website"]);
        press(dialog, "websiteButton");
        compare(Fixture.openedUrls, ["https://sorvale.example/"]);
        compare(Updater.alert.kind, undefined);
        compare(Updater.status.kind, "updateAvailable");
        Fixture.verificationTools = true;
    }
}
