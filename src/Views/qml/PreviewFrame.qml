import QtQuick
import QtQuick.Layouts
import QtMultimedia
import Quillmere

// The preview of a file: the inline player for a video or a sound that exists, else its
// thumbnail, else its type's icon (until a thumbnail comes). A file the player cannot decode
// says so in the frame.
Rectangle {
    id: frame
    readonly property InlineMediaPlayer media: View.inspector.player
    readonly property bool plays: frame.media !== null && !frame.media.failed
    readonly property bool showsVideo: frame.plays && frame.media.hasPicture
    // Until the first frame is played the file's icon stands in for the picture.
    readonly property bool showsPoster: frame.showsVideo && !frame.media.playing && frame.media.position === 0
    property bool fullScreen: false

    objectName: "previewFrame"
    Layout.fillWidth: true
    implicitHeight: stage.height + (frame.media !== null ? controls.implicitHeight + 8 : 0) + 16
    radius: 14
    color: View.palette.isDark ? Qt.rgba(0, 0, 0, 0.35) : Qt.rgba(1, 1, 1, 0.55)
    border.width: 1
    border.color: View.palette.hairlineBorder

    onMediaChanged: frame.fullScreen = false

    Rectangle {
        id: stage
        x: 8
        y: 8
        width: frame.width - 16
        height: frame.media !== null && !frame.media.hasPicture ? 72 : Math.round(width * 9 / 16)
        radius: 8
        color: frame.showsVideo ? "black" : "transparent"

        PreviewPicture {
            objectName: View.inspector.previewIsThumbnail ? "thumbnailPicture" : "fileIcon"
            anchors.fill: parent
            visible: frame.showsPoster || (!frame.showsVideo && !(frame.plays && !frame.media.hasPicture))
            inspector: View.inspector
            // Icons keep their size; thumbnails fill the frame.
            maximumScale: View.inspector.previewIsThumbnail ? 4 : 1
        }
        VideoOutput {
            id: inlineVideo
            objectName: "inlineVideo"
            anchors.fill: parent
            visible: frame.showsVideo && !frame.fullScreen
            fillMode: VideoOutput.PreserveAspectFit
        }
        GlyphIcon {
            objectName: "soundOnly"
            anchors.centerIn: parent
            visible: frame.plays && !frame.media.hasPicture
            symbol: "music.note"
            size: 40
            color: View.palette.violet
        }
        InkText {
            objectName: "cannotPlay"
            anchors.bottom: parent.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottomMargin: 10
            width: parent.width - 24
            visible: frame.media !== null && frame.media.failed
            text: View.texts.playerCannotPlay
            color: View.palette.inkSecondary
            font.pixelSize: 12
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
        }
        BadgePill {
            objectName: "livePlayerBadge"
            anchors.left: parent.left
            anchors.top: parent.top
            anchors.margins: 6
            visible: frame.plays
            symbol: "waveform"
            label: View.texts.livePlayer
            tint: View.palette.emerald
            prominent: true
        }
    }

    PlayerControls {
        id: controls
        x: 8
        y: stage.y + stage.height + 6
        width: frame.width - 16
        visible: frame.media !== null
        media: frame.media
        fullScreen: frame.fullScreen
        onFullScreenToggled: frame.fullScreen = !frame.fullScreen
    }

    // The player's picture goes to whichever output is shown.
    Binding {
        target: frame.media
        property: "display"
        value: frame.fullScreen ? fullScreenVideo.videoSink : inlineVideo.videoSink
        when: frame.media !== null
        restoreMode: Binding.RestoreNone
    }

    Window {
        id: fullScreenWindow
        objectName: "fullScreenWindow"
        visibility: frame.fullScreen ? Window.FullScreen : Window.Hidden
        color: "black"
        title: frame.media ? frame.media.fileName : ""
        onClosing: frame.fullScreen = false

        VideoOutput {
            id: fullScreenVideo
            anchors.fill: parent
            fillMode: VideoOutput.PreserveAspectFit
        }
        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: fullScreenControls.implicitHeight + 20
            color: Qt.rgba(0, 0, 0, 0.55)
            PlayerControls {
                id: fullScreenControls
                x: 16
                y: 10
                width: parent.width - 32
                media: frame.media
                fullScreen: true
                onFullScreenToggled: frame.fullScreen = false
            }
        }
        Shortcut {
            sequence: "Esc"
            onActivated: frame.fullScreen = false
        }
    }
}
