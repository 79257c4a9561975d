pragma ComponentBehavior: Bound
import QtQuick
import Quillmere

// A drawn miniature of the system folder panel, showing where to click.
Rectangle {
    id: panel
    implicitWidth: 380
    implicitHeight: 170
    radius: 12
    color: View.palette.isDark ? Qt.rgba(0.09, 0.11, 0.16, 0.95) : "white"
    border.color: View.palette.hairlineBorder

    Row {
        x: 12; y: 10
        spacing: 6
        Repeater {
            model: ["#FF5F57", "#FEBC2E", "#28C840"]
            Rectangle { required property string modelData; width: 9; height: 9; radius: 4.5; color: modelData }
        }
    }

    Column {
        id: rows
        x: 12; y: 30
        width: 150
        spacing: 3
        Repeater {
            model: [
                { symbol: "clock.badge.checkmark", label: View.texts.panelPreviewRecents, home: false },
                { symbol: "folder.fill", label: View.texts.panelPreviewDesktop, home: false },
                { symbol: "folder.fill", label: View.texts.panelPreviewDownloads, home: false },
                { symbol: "folder.badge.person.crop", label: View.grants.homeFolderName, home: true }
            ]
            delegate: Rectangle {
                id: place
                required property var modelData
                width: rows.width
                height: 24
                radius: 6
                color: modelData.home ? View.palette.cobalt : "transparent"
                Row {
                    anchors.verticalCenter: parent.verticalCenter
                    x: 8
                    spacing: 6
                    GlyphIcon { symbol: place.modelData.symbol; size: 13; color: place.modelData.home ? View.palette.onFill(View.palette.cobalt) : View.palette.cobaltText }
                    InkText { text: place.modelData.label; font.pixelSize: 12; color: place.modelData.home ? View.palette.onFill(View.palette.cobalt) : View.palette.inkSecondary }
                }
            }
        }
    }

    Rectangle {
        x: rows.x + rows.width + 10
        y: 30
        width: panel.width - x - 12
        height: 96
        radius: 6
        color: View.palette.isDark ? Qt.rgba(1, 1, 1, 0.04) : Qt.rgba(0, 0, 0, 0.03)
    }

    Row {
        anchors { right: parent.right; bottom: parent.bottom; margins: 12 }
        spacing: 8
        Rectangle {
            width: cancelText.implicitWidth + 22; height: 24; radius: 6
            color: View.palette.isDark ? Qt.rgba(1, 1, 1, 0.1) : Qt.rgba(0, 0, 0, 0.06)
            InkText { id: cancelText; anchors.centerIn: parent; text: View.texts.panelPreviewCancel; font.pixelSize: 12; color: View.palette.inkSecondary }
        }
        Rectangle {
            id: grantPreview
            width: grantText.implicitWidth + 22; height: 24; radius: 6
            color: View.palette.cobalt
            border.width: 2
            border.color: Qt.rgba(View.palette.emerald.r, View.palette.emerald.g, View.palette.emerald.b, View.grants.onboardingPulse ? 0.9 : 0.3)
            Behavior on border.color { ColorAnimation { duration: 500 } }
            InkText { id: grantText; anchors.centerIn: parent; text: View.texts.panelPreviewGrant; font.pixelSize: 12; color: View.palette.onFill(View.palette.cobalt); font.weight: Font.DemiBold }
        }
    }
    BadgePill {
        anchors { right: parent.right; rightMargin: 12; bottom: parent.bottom; bottomMargin: 42 }
        symbol: ""
        label: View.texts.panelPreviewClickHere
        tint: View.palette.emerald
        prominent: true
    }
}
