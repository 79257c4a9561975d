import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Quillmere

// One workspace at a glance, under the ring: its symbol and accent, its title, what it holds
// and how much of that is selected. While a scan has not yet published the workspace the pod
// says it is counting rather than showing a zero. Pressing it opens the workspace. A compact
// pod (a short window, four in a row) shows its symbol and size; its title is its name.
T.Button {
    id: pod
    required property int index
    required property int workspace
    required property string title
    required property string symbol
    required property color accent
    required property string countText
    required property string size
    required property string selectedSize
    required property bool isSelected
    required property bool isCounting
    required property real selectedShare
    property bool compact: false
    readonly property color ink: View.palette.textShade(pod.accent, View.palette.isDark)
    readonly property string figures: pod.isCounting ? View.texts.podCounting
                                                     : pod.size + " · " + pod.countText
    readonly property string shownFigures: pod.compact && !pod.isCounting ? pod.size : pod.figures

    objectName: "metricPod" + index
    text: pod.title
    focusPolicy: Qt.StrongFocus
    checkable: false
    checked: pod.isSelected
    implicitHeight: pod.contentItem.implicitHeight + topPadding + bottomPadding
    padding: pod.compact ? 8 : 10
    Accessible.role: Accessible.Button
    Accessible.name: pod.title
    Accessible.description: pod.figures
    Accessible.selected: pod.isSelected
    Accessible.onPressAction: pod.clicked()
    Keys.onReturnPressed: pod.clicked()
    Keys.onEnterPressed: pod.clicked()
    onClicked: View.selectWorkspace(pod.workspace)

    // The counting dot's opacity.
    property real breath
    SequentialAnimation on breath {
        running: pod.isCounting && !FramePacing.calm
        loops: Animation.Infinite
        NumberAnimation { from: 1; to: 0.25; duration: 600; easing.type: Easing.InOutQuad }
        NumberAnimation { to: 1; duration: 600; easing.type: Easing.InOutQuad }
    }

    background: GlassCard {
        radius: 14
        selected: pod.isSelected
        accent: pod.accent
        Rectangle {
            anchors.fill: parent
            radius: 14
            color: "transparent"
            border.width: 2
            border.color: View.palette.inkPrimary
            visible: pod.visualFocus
        }
    }
    contentItem: ColumnLayout {
        spacing: 6
        RowLayout {
            visible: !pod.compact
            spacing: 6
            Layout.fillWidth: true
            Rectangle {
                implicitWidth: 24
                implicitHeight: 24
                radius: 8
                Layout.alignment: Qt.AlignTop
                color: Qt.rgba(pod.accent.r, pod.accent.g, pod.accent.b, View.palette.isDark ? 0.18 : 0.12)
                GlyphIcon { anchors.centerIn: parent; symbol: pod.symbol; size: 15; color: pod.ink }
            }
            InkText {
                objectName: "podTitle"
                text: pod.title
                font.pixelSize: 12
                font.weight: Font.DemiBold
                wrapMode: Text.Wrap
                fitsWhole: true
                Layout.fillWidth: true
            }
        }
        RowLayout {
            spacing: 6
            Layout.fillWidth: true
            Rectangle {
                visible: pod.compact
                implicitWidth: 20
                implicitHeight: 20
                radius: 6
                color: Qt.rgba(pod.accent.r, pod.accent.g, pod.accent.b, View.palette.isDark ? 0.18 : 0.12)
                GlyphIcon { anchors.centerIn: parent; symbol: pod.symbol; size: 13; color: pod.ink }
            }
            // While counting, a dot that breathes says the figure is on its way; it holds still
            // where every frame is dear.
            Rectangle {
                objectName: "podCountingDot"
                visible: pod.isCounting
                implicitWidth: 7
                implicitHeight: 7
                radius: 3.5
                color: pod.accent
                opacity: FramePacing.calm ? 1 : pod.breath
            }
            InkText {
                objectName: "podFigures"
                text: pod.shownFigures
                color: pod.isCounting ? View.palette.inkMutedText : pod.ink
                font.pixelSize: pod.isCounting || pod.compact ? 12 : 13
                font.weight: Font.Bold
                wrapMode: Text.Wrap
                fitsWhole: true
                Layout.fillWidth: true
            }
        }
        // How much of what it holds is selected.
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 3
            radius: 1.5
            color: View.palette.hairlineBorder
            visible: !pod.isCounting
            Rectangle {
                height: parent.height
                radius: 1.5
                width: parent.width * pod.selectedShare
                color: pod.accent
            }
        }
    }
}
