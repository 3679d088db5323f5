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

    AlertButton {
        objectName: "downloadButton"
        visible: dialog.kind === "updateAvailable"
        prominent: true
        text: "Download"
        onClicked: {
            Updater.clearAlert();
            Updater.startDownload();
        }
    }
    // Where no update can be verified, the website offers it instead of a download.
    AlertButton {
        objectName: "websiteButton"
        visible: dialog.kind === "updateOnWebsite"
        prominent: true
        text: "Visit Website"
        onClicked: Updater.openWebsite()
    }
    AlertButton {
        objectName: "installButton"
        visible: dialog.kind === "ready"
        prominent: true
        text: "Install & Restart"
        onClicked: {
            Updater.clearAlert();
            Updater.install();
        }
    }
    AlertButton {
        objectName: "laterButton"
        visible: ["updateAvailable", "updateOnWebsite", "ready"].includes(dialog.kind)
        text: "Later"
        onClicked: {
            if (dialog.kind === "updateAvailable" || dialog.kind === "updateOnWebsite") {
                Updater.dismissUpdate();
            }
            Updater.clearAlert();
        }
    }
    AlertButton {
        objectName: "okButton"
        visible: dialog.kind === "error" || dialog.kind === "info"
        prominent: true
        text: "OK"
        onClicked: Updater.clearAlert()
    }
}
