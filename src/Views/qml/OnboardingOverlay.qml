pragma ComponentBehavior: Bound
import QtQuick
import Quillmere
import QtQuick.Layouts

// Covers the window until the home folder is granted: why, what we promise, where to click.
Rectangle {
    id: overlay
    color: Qt.rgba(View.palette.canvasBase.r, View.palette.canvasBase.g, View.palette.canvasBase.b, 0.94)

    // Swallow input meant for the window underneath.
    MouseArea { anchors.fill: parent; hoverEnabled: true; acceptedButtons: Qt.AllButtons; onWheel: (wheel) => wheel.accepted = true }

    GlassCard {
        id: card
        anchors.centerIn: parent
        width: Math.min(parent.width - 80, 620)
        height: column.implicitHeight + 56
        radius: 24
        selected: View.grantJustSucceeded
        accent: View.palette.emerald

        ColumnLayout {
            id: column
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 28 }
            spacing: 14

            GlyphIcon {
                symbol: View.bookmarkWasStale ? "exclamationmark.arrow.triangle.2.circlepath" : "folder.badge.person.crop"
                color: View.bookmarkWasStale ? View.palette.amber : View.palette.emerald
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
                text: View.bookmarkWasStale ? View.texts.onboardingStaleBody : View.texts.onboardingBody
                color: View.bookmarkWasStale ? View.palette.amber : View.palette.inkSecondary
                font.pixelSize: 14
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }

            ColumnLayout {
                spacing: 8
                Layout.alignment: Qt.AlignHCenter
                Repeater {
                    model: [
                        { symbol: "lock.shield.fill", label: View.texts.onboardingPromiseLocal },
                        { symbol: "arrow.uturn.backward.circle.fill", label: View.texts.onboardingPromiseTrash },
                        { symbol: "slider.horizontal.3", label: View.texts.onboardingPromiseRevoke }
                    ]
                    delegate: RowLayout {
                        id: promise
                        required property var modelData
                        spacing: 10
                        GlyphIcon { symbol: promise.modelData.symbol; color: View.palette.emerald; size: 17 }
                        InkText { text: promise.modelData.label; color: View.palette.inkPrimary; font.pixelSize: 13 }
                    }
                }
            }

            FolderPanelPreview { Layout.alignment: Qt.AlignHCenter; Layout.topMargin: 4 }

            InkText {
                text: View.panelHintText
                color: View.palette.inkMuted
                font.pixelSize: 12
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }

            Rectangle {
                id: grantButton
                objectName: "grantHomeButton"
                Layout.alignment: Qt.AlignHCenter
                implicitWidth: buttonRow.implicitWidth + 40
                implicitHeight: 46
                radius: 23
                color: View.palette.emerald
                scale: View.onboardingPulse ? 1.04 : 1.0
                Behavior on scale { NumberAnimation { duration: 700; easing.type: Easing.InOutQuad } }
                Row {
                    id: buttonRow
                    anchors.centerIn: parent
                    spacing: 8
                    GlyphIcon { symbol: "folder.badge.person.crop"; color: "white"; size: 18; anchors.verticalCenter: parent.verticalCenter }
                    InkText { text: View.texts.onboardingGrantButton; color: "white"; font.pixelSize: 15; font.weight: Font.DemiBold; anchors.verticalCenter: parent.verticalCenter }
                    GlyphIcon { symbol: "arrow.right"; color: "white"; size: 16; anchors.verticalCenter: parent.verticalCenter }
                }
                TapHandler { onTapped: View.requestHomeGrant() }
            }

            GrantNoticeCard { Layout.fillWidth: true }
        }
    }
}
