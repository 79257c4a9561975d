import QtQuick
import QtQuick.Templates as T
import Quillmere

// One choice of a few (sub-tabs, categories, modes): highlighted when chosen.
T.RadioButton {
    id: pill
    property string symbol
    property bool chosen: false
    property color tint: View.palette.cobalt

    checkable: false
    autoExclusive: false
    checked: pill.chosen

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    leftPadding: 12
    rightPadding: 12
    implicitHeight: 30
    focusPolicy: Qt.StrongFocus
    Accessible.name: pill.text
    Accessible.checkable: true
    Accessible.checked: pill.chosen
    Accessible.onPressAction: pill.clicked()
    Keys.onReturnPressed: pill.clicked()
    Keys.onEnterPressed: pill.clicked()

    background: Rectangle {
        radius: height / 2
        color: pill.chosen ? Qt.rgba(pill.tint.r, pill.tint.g, pill.tint.b, View.palette.isDark ? 0.28 : 0.16)
                           : (pill.hovered ? View.palette.cardActiveFill : View.palette.cardFill)
        border.width: pill.visualFocus ? 2 : 1
        border.color: pill.visualFocus ? View.palette.inkPrimary
                                       : (pill.chosen ? pill.tint : View.palette.hairlineBorder)
    }
    contentItem: Row {
        spacing: 6
        GlyphIcon {
            symbol: pill.symbol
            visible: pill.symbol !== ""
            size: 14
            color: pill.chosen ? View.palette.textShade(pill.tint, View.palette.isDark) : View.palette.inkSecondary
            anchors.verticalCenter: parent.verticalCenter
        }
        InkText {
            text: pill.text
            color: pill.chosen ? View.palette.inkPrimary : View.palette.inkSecondary
            font.pixelSize: 12
            font.weight: pill.chosen ? Font.DemiBold : Font.Normal
            anchors.verticalCenter: parent.verticalCenter
        }
    }
}
