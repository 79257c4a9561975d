import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Above the workspace column: status pill, appearance switch and language switch.
Item {
    id: header
    implicitHeight: 48

    component HeaderButton: GlassCard {
        id: button
        property alias symbol: icon.symbol
        property alias label: caption.text
        property alias trailingSymbol: trailing.symbol
        signal clicked()
        radius: 12
        implicitWidth: row.implicitWidth + 22
        implicitHeight: 34
        Row {
            id: row
            anchors.centerIn: parent
            spacing: 6
            GlyphIcon { id: icon; size: 15; color: view.palette.inkSecondary; anchors.verticalCenter: parent.verticalCenter }
            InkText { id: caption; color: view.palette.inkPrimary; font.pixelSize: 13; anchors.verticalCenter: parent.verticalCenter }
            GlyphIcon { id: trailing; size: 13; color: view.palette.inkMuted; visible: symbol !== ""; anchors.verticalCenter: parent.verticalCenter }
        }
        TapHandler { onTapped: button.clicked() }
    }

    RowLayout {
        anchors.fill: parent
        spacing: 10

        GlassCard {
            radius: 17
            Layout.preferredHeight: 34
            // The text plus what sits beside it: dot with its margins, and the right margin.
            Layout.preferredWidth: Math.min(dot.anchors.leftMargin + dot.width + status.anchors.leftMargin
                                            + status.implicitWidth + status.anchors.rightMargin, header.width * 0.62)
            Rectangle { id: dot; width: 8; height: 8; radius: 4; color: view.palette.emerald; anchors { left: parent.left; leftMargin: 14; verticalCenter: parent.verticalCenter } }
            InkText {
                id: status
                objectName: "statusLine"
                anchors { left: dot.right; leftMargin: 8; right: parent.right; rightMargin: 12; verticalCenter: parent.verticalCenter }
                text: view.texts.statusPill
                color: view.palette.inkSecondary
                font.pixelSize: 12
                elide: Text.ElideRight
            }
        }

        Item { Layout.fillWidth: true }

        HeaderButton {
            objectName: "appearanceButton"
            Layout.preferredWidth: implicitWidth
            Layout.preferredHeight: implicitHeight
            symbol: view.appearanceSymbol
            label: view.appearanceName
            onClicked: view.switchAppearance()
        }
        HeaderButton {
            id: languageButton
            objectName: "languageButton"
            Layout.preferredWidth: implicitWidth
            Layout.preferredHeight: implicitHeight
            symbol: "globe"
            label: view.languageFlag + "  " + view.languageName
            trailingSymbol: "chevron.down"
            onClicked: view.showLanguageMatrixPopover = true
            LanguagePopup { x: languageButton.width - width; y: languageButton.height + 8 }
        }
    }
}
