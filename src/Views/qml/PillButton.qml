import QtQuick

// A capsule button drawn with the palette: filled with the tint, or outlined when quiet.
Rectangle {
    id: button
    property string symbol
    property string label
    property color tint: view.palette.emerald
    property bool quiet: false
    property bool enabled: true
    signal clicked()

    implicitWidth: row.implicitWidth + 26
    implicitHeight: 32
    radius: height / 2
    opacity: enabled ? 1 : 0.45
    color: quiet ? "transparent" : tint
    border.width: quiet ? 1 : 0
    border.color: Qt.rgba(tint.r, tint.g, tint.b, 0.6)

    Row {
        id: row
        anchors.centerIn: parent
        spacing: 6
        GlyphIcon { symbol: button.symbol; visible: button.symbol !== ""; size: 15; color: button.quiet ? button.tint : "white"; anchors.verticalCenter: parent.verticalCenter }
        Text { text: button.label; color: button.quiet ? button.tint : "white"; font.pixelSize: 13; font.weight: Font.DemiBold; anchors.verticalCenter: parent.verticalCenter }
    }
    TapHandler { enabled: button.enabled; onTapped: button.clicked() }
}
