import QtQuick
import QtQuick.Layouts
import Sorvale

// What a section shows until its dashboard or results list exists: its title, its list's state
// and totals, and the action that fills it.
Item {
    id: placeholder
    property string section

    readonly property var info: Tables.sections.find(entry => entry.section === section) || {}
    readonly property var state: Store.displayedState
    readonly property var actions: ({
        "overview": ["Start Smart Scan", () => Store.startJunkScan()],
        "cleanup": ["Start Smart Scan", () => Store.startJunkScan()],
        "applications": ["Scan Applications", () => Store.scanApplications()],
        "largeFiles": ["Choose Folder", () => Store.chooseLargeFileFolder()],
        "downloads": ["Scan Downloads", () => Store.scanDownloads()],
        "trash": ["Check Trash", () => Store.scanTrash()]
    })

    ColumnLayout {
        anchors.fill: parent
        spacing: 18

        RowLayout {
            spacing: 12
            SymbolIcon {
                symbol: placeholder.info.symbol || ""
                size: 26
                color: Theme.accent
            }
            Text {
                text: placeholder.info.title || ""
                color: "white"
                font.pixelSize: Theme.largeTitle + 4
                font.weight: Font.Bold
            }
        }

        GlassPanel {
            Layout.fillWidth: true
            implicitHeight: summary.implicitHeight + 48

            ColumnLayout {
                id: summary
                anchors.fill: parent
                anchors.margins: 24
                spacing: 10

                Text {
                    text: placeholder.state.kind === "scanning" ? placeholder.state.text
                        : placeholder.state.kind === "complete"
                            ? Store.displayedItems.length + " items, " + Format.byteCount(
                                  Store.displayedItems.reduce((sum, item) => sum + item.size, 0))
                            : "Nothing scanned yet."
                    color: "white"
                    font.pixelSize: Theme.title3
                    font.weight: Font.DemiBold
                }
                Text {
                    visible: Store.displayedInaccessibleCount > 0
                    text: Store.displayedInaccessibleCount + " places could not be read completely."
                    color: Theme.secondaryText
                    font.pixelSize: Theme.body
                }
                Text {
                    visible: Store.lastMessage !== ""
                    text: Store.lastMessage
                    color: Theme.secondaryText
                    font.pixelSize: Theme.body
                    wrapMode: Text.WordWrap
                    Layout.fillWidth: true
                }
                PrimaryButton {
                    Layout.topMargin: 6
                    text: placeholder.actions[placeholder.section][0]
                    enabled: placeholder.state.kind !== "scanning"
                    onClicked: placeholder.actions[placeholder.section][1]()
                }
            }
        }

        Item {
            Layout.fillHeight: true
        }
    }
}
