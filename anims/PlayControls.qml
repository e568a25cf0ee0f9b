import QtQuick

// Pause and replay for the animation of a scene. The scene binds its animations' `paused` (or its
// timers' `running`) to `paused`, and starts them again from the beginning on `replay`.
Row {
    id: controls
    property bool paused: false
    signal replay()
    spacing: 12

    LessonButton {
        objectName: "pauseButton"
        width: 150; height: 44
        font.pixelSize: 18
        text: controls.paused ? "Reprendre" : "Pause"
        onClicked: controls.paused = !controls.paused
    }
    LessonButton {
        objectName: "replayButton"
        width: 150; height: 44
        font.pixelSize: 18
        text: "Revoir"
        onClicked: {
            controls.paused = false
            controls.replay()
        }
    }
}
