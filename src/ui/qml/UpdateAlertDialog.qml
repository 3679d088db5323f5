// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import Sorvale

// The updater's message, with the buttons its kind calls for.
AlertDialog {
    id: dialog
    objectName: "updateAlert"

    readonly property string kind: Updater.alert.kind || ""

    heading: Updater.alert.title || ""
    message: Updater.alert.message || ""
    visible: kind !== ""
    onClosed: Updater.clearAlert()
    cancelButton: later.visible ? later : ok
    defaultButton: [download, website, install, ok].find(button => button.visible) || null

    AlertButton {
        id: download
        objectName: "downloadButton"
        visible: dialog.kind === "updateAvailable"
        prominent: true
        text: qsTr("Download")
        onClicked: {
            Updater.clearAlert();
            Updater.startDownload();
        }
    }
    // Where no update can be verified, the website offers it instead of a download.
    AlertButton {
        id: website
        objectName: "websiteButton"
        visible: dialog.kind === "updateOnWebsite"
        prominent: true
        text: qsTr("Visit Website")
        onClicked: Updater.openWebsite()
    }
    AlertButton {
        id: install
        objectName: "installButton"
        visible: dialog.kind === "ready"
        prominent: true
        text: qsTr("Install & Restart")
        onClicked: {
            Updater.clearAlert();
            Updater.install();
        }
    }
    AlertButton {
        id: later
        objectName: "laterButton"
        visible: ["updateAvailable", "updateOnWebsite", "ready"].includes(dialog.kind)
        text: qsTr("Later")
        onClicked: {
            if (dialog.kind === "updateAvailable" || dialog.kind === "updateOnWebsite") {
                Updater.dismissUpdate();
            }
            Updater.clearAlert();
        }
    }
    AlertButton {
        id: ok
        objectName: "okButton"
        visible: dialog.kind === "error" || dialog.kind === "info"
        prominent: true
        text: qsTr("OK")
        onClicked: Updater.clearAlert()
    }
}
