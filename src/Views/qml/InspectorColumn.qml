import QtQuick
import QtQuick.Layouts

// The right column until the full inspector arrives: what is inspected, and its media.
Rectangle {
    color: view.palette.inspectorTint
    Rectangle { anchors.left: parent.left; width: 1; height: parent.height; color: view.palette.hairlineBorder }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 18
        spacing: 12

        RowLayout {
            GlyphIcon { symbol: "viewfinder.circle.fill"; color: view.palette.cobalt; size: 20 }
            InkText { text: view.texts.inspectorTitle; color: view.palette.inkPrimary; font.pixelSize: 15; font.weight: Font.DemiBold; wrapMode: Text.Wrap; Layout.fillWidth: true }
        }
        BadgePill { symbol: "bolt.shield.fill"; label: view.texts.zeroFinderJump; tint: view.palette.cobalt }

        GlassCard {
            Layout.fillWidth: true
            Layout.preferredHeight: 120
            visible: view.inspectedKind !== ""
            radius: 14
            ColumnLayout {
                anchors.fill: parent
                anchors.margins: 14
                InkText { text: view.inspectedTitle; color: view.palette.inkPrimary; font.pixelSize: 14; font.weight: Font.DemiBold; wrapMode: Text.Wrap; Layout.fillWidth: true }
                BadgePill {
                    visible: view.mediaFileName !== ""
                    symbol: "waveform"
                    label: view.texts.livePlayer + " · " + view.mediaFileName
                    tint: view.palette.emerald
                }
                Item { Layout.fillHeight: true }
            }
        }

        ColumnLayout {
            visible: view.inspectedKind === ""
            Layout.fillWidth: true
            Layout.topMargin: 40
            spacing: 10
            GlyphIcon { symbol: "sparkle.magnifyingglass"; color: view.palette.inkMuted; size: 36; Layout.alignment: Qt.AlignHCenter }
            InkText { text: view.texts.inspectorEmpty; color: view.palette.inkMuted; font.pixelSize: 13; wrapMode: Text.Wrap; horizontalAlignment: Text.AlignHCenter; Layout.fillWidth: true }
        }
        Item { Layout.fillHeight: true }
    }
}
