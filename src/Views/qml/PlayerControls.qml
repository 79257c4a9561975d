import QtQuick
import QtQuick.Layouts
import Quillmere

// The inline player's controls: play or pause, the position with elapsed and total time,
// the volume with mute, and full screen (for pictures).
ColumnLayout {
    id: controls
    property InlineMediaPlayer media: null
    readonly property bool failed: controls.media?.failed ?? true
    property bool fullScreen: false
    signal fullScreenToggled()

    spacing: 2

    RowLayout {
        spacing: 6
        Layout.fillWidth: true
        IconButton {
            objectName: "playPauseButton"
            symbol: (controls.media?.playing ?? false) ? "pause.fill" : "play.fill"
            text: (controls.media?.playing ?? false) ? View.texts.playerPause : View.texts.playerPlay
            enabled: !controls.failed
            onClicked: controls.media.togglePlayback()
        }
        InkText { text: controls.media?.elapsedText ?? ""; font.pixelSize: 11; color: View.palette.inkSecondary }
        MediaSlider {
            id: seekBar
            objectName: "seekBar"
            Layout.fillWidth: true
            from: 0
            to: Math.max(controls.media?.duration ?? 0, 1)
            follows: controls.media?.position ?? 0
            enabled: !controls.failed && (controls.media?.duration ?? 0) > 0
            label: View.texts.playerPosition
            onMovedTo: (value) => controls.media.seek(value)
        }
        InkText { text: controls.media?.totalText ?? ""; font.pixelSize: 11; color: View.palette.inkSecondary }
    }
    RowLayout {
        spacing: 6
        Layout.fillWidth: true
        IconButton {
            objectName: "muteButton"
            symbol: (controls.media?.muted ?? false) ? "speaker.slash.fill" : "speaker.wave.2.fill"
            text: (controls.media?.muted ?? false) ? View.texts.playerUnmute : View.texts.playerMute
            onClicked: controls.media.toggleMute()
        }
        MediaSlider {
            objectName: "volumeSlider"
            Layout.preferredWidth: 90
            from: 0
            to: 1
            follows: controls.media?.volume ?? 1
            label: View.texts.playerVolume
            onMovedTo: (value) => { controls.media.volume = value }
        }
        Item { Layout.fillWidth: true }
        IconButton {
            objectName: "fullScreenButton"
            visible: controls.media?.hasPicture ?? false
            symbol: controls.fullScreen ? "arrow.down.right.and.arrow.up.left" : "arrow.up.left.and.arrow.down.right"
            text: controls.fullScreen ? View.texts.playerExitFullScreen : View.texts.playerFullScreen
            enabled: !controls.failed
            onClicked: controls.fullScreenToggled()
        }
    }
}
