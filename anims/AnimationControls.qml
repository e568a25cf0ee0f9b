import QtQuick

// Pause and replay for the animation of a scene: "Pause" holds it where it is, "Reprendre" goes
// on from there, "Rejouer" starts it again from the beginning.
Row {
    id: controls
    property Animation animation
    spacing: 10

    LessonButton {
        objectName: "pauseButton"
        width: 160; height: 40
        font.pixelSize: 17
        text: controls.animation && controls.animation.paused ? "▶  Reprendre" : "Pause"
        onClicked: controls.animation.paused ? controls.animation.resume() : controls.animation.pause()
    }
    LessonButton {
        objectName: "replayButton"
        width: 160; height: 40
        font.pixelSize: 17
        text: "↺  Rejouer"
        onClicked: controls.animation.restart()
    }
}
