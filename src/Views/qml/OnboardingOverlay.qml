pragma ComponentBehavior: Bound
import QtQuick
import Quillmere
import QtQuick.Layouts
import QtQuick.Templates as T

// Covers the window until the home folder is granted: why, what we promise, where to click.
Rectangle {
    id: overlay
    color: Qt.rgba(View.palette.canvasBase.r, View.palette.canvasBase.g, View.palette.canvasBase.b, 0.94)

    // Once the grant is made nothing here answers, even while the overlay fades out.
    enabled: View.grants.showsOnboarding

    // The keyboard starts on the one thing to do here.
    onVisibleChanged: if (visible) grantButton.forceActiveFocus()
    Component.onCompleted: if (visible) grantButton.forceActiveFocus()

    // After the grant the keyboard goes on to the window's first control, as Tab from the
    // start would, once the window underneath takes input again.
    function handFocusOn() {
        if (View.grants.showsOnboarding)
            return
        const next = grantButton.nextItemInFocusChain(true)
        if (next && next !== grantButton)
            next.forceActiveFocus(Qt.TabFocusReason)
    }
    Connections {
        target: View.grants
        function onShowsOnboardingChanged() {
            if (!View.grants.showsOnboarding)
                focusHandOn.restart()
        }
    }
    // Runs after every binding has seen the grant.
    Timer { id: focusHandOn; interval: 0; onTriggered: overlay.handFocusOn() }

    // Swallow input meant for the window underneath.
    MouseArea { anchors.fill: parent; hoverEnabled: true; acceptedButtons: Qt.AllButtons; onWheel: (wheel) => wheel.accepted = true }

    GlassCard {
        id: card
        anchors.centerIn: parent
        width: Math.min(parent.width - 80, 620)
        height: column.implicitHeight + 56
        radius: 24
        selected: View.grants.justGranted
        accent: View.palette.emerald

        ColumnLayout {
            id: column
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 28 }
            spacing: 14

            GlyphIcon {
                symbol: View.grants.grantWasStale ? "exclamationmark.arrow.triangle.2.circlepath" : "folder.badge.person.crop"
                color: View.grants.grantWasStale ? View.palette.amberText : View.palette.emeraldText
                size: 40
                Layout.alignment: Qt.AlignHCenter
            }
            InkText {
                text: View.texts.onboardingTitle
                color: View.palette.inkPrimary
                font.pixelSize: 24
                font.weight: Font.Bold
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
            InkText {
                objectName: "onboardingBody"
                text: View.grants.grantWasStale ? View.texts.onboardingStaleBody : View.texts.onboardingBody
                color: View.grants.grantWasStale ? View.palette.amberText : View.palette.inkSecondary
                font.pixelSize: 14
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }

            ColumnLayout {
                spacing: 8
                Layout.alignment: Qt.AlignHCenter
                Repeater {
                    // A count, so that a language switch changes the words, not the rows.
                    model: 3
                    delegate: RowLayout {
                        id: promise
                        required property int index
                        readonly property var modelData: [
                            { symbol: "lock.shield.fill", label: View.texts.onboardingPromiseLocal },
                            { symbol: "arrow.uturn.backward.circle.fill", label: View.texts.onboardingPromiseTrash },
                            { symbol: "slider.horizontal.3", label: View.texts.onboardingPromiseRevoke }
                        ][index]
                        spacing: 10
                        GlyphIcon { symbol: promise.modelData.symbol; color: View.palette.emeraldText; size: 17 }
                        InkText { text: promise.modelData.label; color: View.palette.inkPrimary; font.pixelSize: 13 }
                    }
                }
            }

            FolderPanelPreview { Layout.alignment: Qt.AlignHCenter; Layout.topMargin: 4 }

            InkText {
                text: View.grants.panelHintText
                color: View.palette.inkMutedText
                font.pixelSize: 12
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }

            T.Button {
                id: grantButton
                objectName: "grantHomeButton"
                text: View.texts.onboardingGrantButton
                Layout.alignment: Qt.AlignHCenter
                Layout.maximumWidth: column.width
                implicitWidth: grantButton.implicitContentWidth + leftPadding + rightPadding
                implicitHeight: Math.max(46, grantButton.implicitContentHeight + 16)
                focusPolicy: Qt.StrongFocus
                scale: View.grants.onboardingPulse ? 1.04 : 1.0
                Behavior on scale { NumberAnimation { duration: 700; easing.type: Easing.InOutQuad } }
                Accessible.role: Accessible.Button
                Accessible.name: grantButton.text
                Accessible.onPressAction: grantButton.clicked()
                Keys.onReturnPressed: grantButton.clicked()
                Keys.onEnterPressed: grantButton.clicked()
                // An open picker is answered first.
                onClicked: if (!View.grants.picking) View.grants.requestHomeGrant()
                readonly property color ink: View.palette.onFill(View.palette.emerald)
                background: Rectangle {
                    radius: height / 2
                    color: grantButton.down ? Qt.darker(View.palette.emerald, 1.1) : View.palette.emerald
                    border.width: grantButton.visualFocus ? 3 : 0
                    border.color: View.palette.inkPrimary
                }
                leftPadding: 20
                rightPadding: 20
                contentItem: RowLayout {
                    spacing: 8
                    GlyphIcon { symbol: "folder.badge.person.crop"; color: grantButton.ink; size: 18 }
                    InkText { text: grantButton.text; color: grantButton.ink; font.pixelSize: 15; font.weight: Font.DemiBold; wrapMode: Text.Wrap; horizontalAlignment: Text.AlignHCenter; Layout.fillWidth: true }
                    GlyphIcon { symbol: "arrow.right"; color: grantButton.ink; size: 16 }
                }
            }

            GrantNoticeCard { Layout.fillWidth: true }
        }
    }
}
