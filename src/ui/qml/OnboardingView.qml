// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Sorvale

// The three-page welcome shown until the user has finished it once.
Rectangle {
    id: onboarding
    color: Theme.background

    // Called by Skip and by "Start Using Sorvale".
    signal completed()

    property int page: 0
    // The pages in the words of the home layout: {eyebrow, title, body, imageName, highlights}.
    readonly property var slides: Store.platform.onboarding
    readonly property bool isLastPage: page === slides.length - 1

    function changePage(to) {
        if (to < 0 || to >= slides.length || to === page) {
            return;
        }
        page = to;
        pages.replace(slideComponent, { "slide": slides[to] });
    }

    GlowCircle {
        diameter: 480
        blur: 110
        color: Theme.faded(Theme.accent, 0.10)
        x: onboarding.width - width * 0.75
        y: -height * 0.35
    }
    GlowCircle {
        diameter: 420
        blur: 120
        color: Theme.faded(Theme.accent2, 0.08)
        x: -width * 0.3
        y: onboarding.height - height * 0.6
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 36
        spacing: 24

        RowLayout {
            spacing: 12
            Rectangle {
                implicitWidth: 40
                implicitHeight: 40
                radius: 11
                color: Theme.accent
                SymbolIcon {
                    anchors.centerIn: parent
                    symbol: "sparkles"
                    size: Theme.title3 + 3
                    color: "black"
                }
            }
            ColumnLayout {
                spacing: 1
                Text {
                    text: "Sorvale"
                    color: "white"
                    font.pixelSize: Theme.headline + 1
                    font.weight: Font.Bold
                }
                Text {
                    text: "Storage care, refined"
                    color: Theme.secondaryText
                    font.pixelSize: Theme.caption
                }
            }
            Item {
                Layout.fillWidth: true
            }
            Button {
                objectName: "skipButton"
                text: "Skip"
                flat: true
                onClicked: onboarding.completed()
                contentItem: Text {
                    text: parent.text
                    color: Theme.secondaryText
                    font.pixelSize: Theme.body
                }
                background: Item {}
            }
        }

        StackView {
            id: pages
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            initialItem: slideComponent

            // The incoming page comes from the trailing edge and the outgoing one leaves towards
            // the leading edge, both fading.
            replaceEnter: Transition {
                NumberAnimation { property: "x"; from: pages.width * 0.3; to: 0; duration: 320; easing.type: Easing.InOutQuad }
                NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 320; easing.type: Easing.InOutQuad }
            }
            replaceExit: Transition {
                NumberAnimation { property: "x"; from: 0; to: -pages.width * 0.3; duration: 320; easing.type: Easing.InOutQuad }
                NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 320; easing.type: Easing.InOutQuad }
            }
        }

        RowLayout {
            Button {
                objectName: "backButton"
                text: "Back"
                enabled: onboarding.page > 0
                opacity: enabled ? 1 : 0
                onClicked: onboarding.changePage(onboarding.page - 1)
                contentItem: Text {
                    text: parent.text
                    color: "white"
                    font.pixelSize: 14
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
                background: Rectangle {
                    radius: 10
                    color: Theme.panelStrong
                    implicitWidth: 80
                    implicitHeight: 36
                }
            }
            Item {
                Layout.fillWidth: true
            }
            Row {
                spacing: 7
                Repeater {
                    model: onboarding.slides.length
                    delegate: Rectangle {
                        required property int index
                        height: 7
                        radius: 3.5
                        width: index === onboarding.page ? 24 : 7
                        color: index === onboarding.page ? Theme.accent : Qt.rgba(1, 1, 1, 0.18)
                        Behavior on width { NumberAnimation { duration: 250; easing.type: Easing.OutQuad } }
                        Behavior on color { ColorAnimation { duration: 250; easing.type: Easing.OutQuad } }
                    }
                }
            }
            Item {
                Layout.fillWidth: true
            }
            PrimaryButton {
                objectName: "continueButton"
                text: onboarding.isLastPage ? "Start Using Sorvale" : "Continue"
                onClicked: onboarding.isLastPage ? onboarding.completed()
                                                 : onboarding.changePage(onboarding.page + 1)
            }
        }
    }

    Component {
        id: slideComponent

        Item {
            id: slideView
            property var slide: onboarding.slides[0]

            RowLayout {
                anchors.fill: parent
                spacing: 40

                ColumnLayout {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    Layout.alignment: Qt.AlignVCenter
                    spacing: 16

                    Text {
                        text: slideView.slide.eyebrow
                        color: Theme.accent
                        font.pixelSize: Theme.caption
                        font.weight: Font.Bold
                        font.letterSpacing: 1.7
                    }
                    Text {
                        Layout.fillWidth: true
                        text: slideView.slide.title
                        color: "white"
                        font.pixelSize: 39
                        font.weight: Font.Bold
                        wrapMode: Text.WordWrap
                        lineHeight: 1.05
                    }
                    Text {
                        Layout.fillWidth: true
                        text: slideView.slide.body
                        color: Qt.rgba(1, 1, 1, 0.66)
                        font.pixelSize: 15
                        wrapMode: Text.WordWrap
                        lineHeight: 1.25
                    }
                    ColumnLayout {
                        Layout.topMargin: 6
                        spacing: 10
                        Repeater {
                            model: slideView.slide.highlights
                            delegate: RowLayout {
                                required property string modelData
                                spacing: 10
                                SymbolIcon {
                                    symbol: "checkmark.circle.fill"
                                    size: 15
                                    color: Theme.accent
                                }
                                Text {
                                    text: modelData
                                    color: Qt.rgba(1, 1, 1, 0.82)
                                    font.pixelSize: 13
                                }
                            }
                        }
                    }
                }

                Item {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: 1

                    readonly property url artwork: OnboardingArtwork.image(slideView.slide.imageName)
                    Image {
                        anchors.fill: parent
                        visible: parent.artwork.toString() !== ""
                        source: parent.artwork
                        fillMode: Image.PreserveAspectFit
                        smooth: true
                    }
                    SymbolIcon {
                        anchors.centerIn: parent
                        visible: parent.artwork.toString() === ""
                        symbol: "sparkles"
                        size: 130
                        color: Theme.accent
                    }
                }
            }
        }
    }
}
