import QtQuick
import Quillmere
import QtQuick.Layouts

// The right column until the full inspector arrives: what is inspected, and its media.
Rectangle {
    color: View.palette.inspectorTint
    Rectangle { anchors.left: parent.left; width: 1; height: parent.height; color: View.palette.hairlineBorder }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 18
        spacing: 12

        RowLayout {
            GlyphIcon { symbol: "viewfinder.circle.fill"; color: View.palette.cobalt; size: 20 }
            InkText { text: View.texts.inspectorTitle; color: View.palette.inkPrimary; font.pixelSize: 15; font.weight: Font.DemiBold; wrapMode: Text.Wrap; Layout.fillWidth: true }
        }
        BadgePill { symbol: "bolt.shield.fill"; label: View.texts.zeroFinderJump; tint: View.palette.cobalt }

        GlassCard {
            Layout.fillWidth: true
            Layout.preferredHeight: 120
            visible: View.inspectedKind !== ""
            radius: 14
            ColumnLayout {
                anchors.fill: parent
                anchors.margins: 14
                InkText { text: View.inspectedTitle; color: View.palette.inkPrimary; font.pixelSize: 14; font.weight: Font.DemiBold; wrapMode: Text.Wrap; Layout.fillWidth: true }
                BadgePill {
                    visible: View.mediaFileName !== ""
                    symbol: "waveform"
                    label: View.texts.livePlayer + " · " + View.mediaFileName
                    tint: View.palette.emerald
                }
                Item { Layout.fillHeight: true }
            }
        }

        ColumnLayout {
            visible: View.inspectedKind === ""
            Layout.fillWidth: true
            Layout.topMargin: 40
            spacing: 10
            GlyphIcon { symbol: "sparkle.magnifyingglass"; color: View.palette.inkMuted; size: 36; Layout.alignment: Qt.AlignHCenter }
            InkText { text: View.texts.inspectorEmpty; color: View.palette.inkMuted; font.pixelSize: 13; wrapMode: Text.Wrap; horizontalAlignment: Text.AlignHCenter; Layout.fillWidth: true }
        }
        Item { Layout.fillHeight: true }
    }
}
