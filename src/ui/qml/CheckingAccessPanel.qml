import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// Shown while the store checks for Full Disk Access.
ColumnLayout {
    spacing: 12

    Spinner {
        Layout.alignment: Qt.AlignHCenter
    }
    Text {
        Layout.alignment: Qt.AlignHCenter
        text: "Checking Full Disk Access\u2026"
        color: "white"
        font.pixelSize: Theme.headline
        font.weight: Font.DemiBold
    }
}
