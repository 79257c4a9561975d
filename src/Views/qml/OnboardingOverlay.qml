import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Covers the window until the home folder is granted: why, what we promise, where to click.
Rectangle {
    id: overlay
    color: Qt.rgba(view.palette.canvasBase.r, view.palette.canvasBase.g, view.palette.canvasBase.b, 0.94)

    // Swallow input meant for the window underneath.
    MouseArea { anchors.fill: parent; hoverEnabled: true; acceptedButtons: Qt.AllButtons; onWheel: (wheel) => wheel.accepted = true }

    GlassCard {
        id: card
        anchors.centerIn: parent
        width: Math.min(parent.width - 80, 620)
        height: column.implicitHeight + 56
        radius: 24
        selected: view.grantJustSucceeded
        accent: view.palette.emerald

        ColumnLayout {
            id: column
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 28 }
            spacing: 14

            GlyphIcon {
                symbol: view.bookmarkWasStale ? "exclamationmark.arrow.triangle.2.circlepath" : "folder.badge.person.crop"
                color: view.bookmarkWasStale ? view.palette.amber : view.palette.emerald
                size: 40
                Layout.alignment: Qt.AlignHCenter
            }
            InkText {
                text: view.texts.onboardingTitle
                color: view.palette.inkPrimary
                font.pixelSize: 24
                font.weight: Font.Bold
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
            InkText {
                objectName: "onboardingBody"
                text: view.bookmarkWasStale ? view.texts.onboardingStaleBody : view.texts.onboardingBody
                color: view.bookmarkWasStale ? view.palette.amber : view.palette.inkSecondary
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
                        { symbol: "lock.shield.fill", label: view.texts.onboardingPromiseLocal },
                        { symbol: "arrow.uturn.backward.circle.fill", label: view.texts.onboardingPromiseTrash },
                        { symbol: "slider.horizontal.3", label: view.texts.onboardingPromiseRevoke }
                    ]
                    delegate: RowLayout {
                        required property var modelData
                        spacing: 10
                        GlyphIcon { symbol: modelData.symbol; color: view.palette.emerald; size: 17 }
                        InkText { text: modelData.label; color: view.palette.inkPrimary; font.pixelSize: 13 }
                    }
                }
            }

            FolderPanelPreview { Layout.alignment: Qt.AlignHCenter; Layout.topMargin: 4 }

            InkText {
                text: view.panelHintText
                color: view.palette.inkMuted
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
                color: view.palette.emerald
                scale: view.onboardingPulse ? 1.04 : 1.0
                Behavior on scale { NumberAnimation { duration: 700; easing.type: Easing.InOutQuad } }
                Row {
                    id: buttonRow
                    anchors.centerIn: parent
                    spacing: 8
                    GlyphIcon { symbol: "folder.badge.person.crop"; color: "white"; size: 18; anchors.verticalCenter: parent.verticalCenter }
                    InkText { text: view.texts.onboardingGrantButton; color: "white"; font.pixelSize: 15; font.weight: Font.DemiBold; anchors.verticalCenter: parent.verticalCenter }
                    GlyphIcon { symbol: "arrow.right"; color: "white"; size: 16; anchors.verticalCenter: parent.verticalCenter }
                }
                TapHandler { onTapped: view.requestHomeGrant() }
            }

            GrantNoticeCard { Layout.fillWidth: true }
        }
    }
}
