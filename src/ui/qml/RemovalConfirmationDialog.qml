// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import Sorvale

// Stands before every removal: what will happen to the selection, and the store's action title.
AlertDialog {
    id: dialog
    objectName: "removalConfirmation"

    heading: Store.confirmation.title
    message: Store.confirmation.message
    visible: Store.showDeleteConfirmation
    onClosed: Store.showDeleteConfirmation = false

    AlertButton {
        objectName: "removeButton"
        text: Store.selectionActionTitle
        destructive: true
        onClicked: {
            Store.showDeleteConfirmation = false;
            Store.removeSelected();
        }
    }
    AlertButton {
        objectName: "appManagementButton"
        visible: Store.confirmation.offersAppManagement
        text: "App Management Settings"
        onClicked: {
            Store.showDeleteConfirmation = false;
            Store.openAppManagementSettings();
        }
    }
    AlertButton {
        objectName: "cancelButton"
        text: "Cancel"
        onClicked: Store.showDeleteConfirmation = false
    }
}
