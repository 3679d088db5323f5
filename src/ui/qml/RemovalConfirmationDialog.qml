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
    cancelButton: cancel
    // The removal is the default action, but destructive: Return never starts it.
    defaultButton: remove

    AlertButton {
        id: remove
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
        id: cancel
        objectName: "cancelButton"
        text: "Cancel"
        onClicked: Store.showDeleteConfirmation = false
    }
}
