import QtQuick

// Pause and replay for the animation of a scene: "Pause" holds it where it is, "Reprendre" goes
// on from there, "Rejouer" starts it again from the beginning. Either give it the scene's
// `animation`, or bind the scene's animations' `paused` (or its timers' `running`) to `paused` and
// start them again on `replay`.
Row {
    id: controls
    property Animation animation: null
    property bool paused: false
    signal replay()
    spacing: 12

    onPausedChanged: {
        if (!animation || !animation.running)
            return
        if (paused)
            animation.pause()
        else
            animation.resume()
    }

    LessonButton {
        objectName: "pauseButton"
        width: 150; height: 44
        font.pixelSize: 18
        text: controls.paused ? qsTr("▶\u00a0 Reprendre") : qsTr("Pause")
        Accessible.name: controls.paused ? qsTr("Reprendre l’animation") : qsTr("Mettre l’animation en pause")
        onClicked: controls.paused = !controls.paused
    }
    LessonButton {
        objectName: "replayButton"
        width: 150; height: 44
        font.pixelSize: 18
        text: qsTr("↺\u00a0 Rejouer")
        Accessible.name: qsTr("Rejouer l’animation")
        onClicked: {
            controls.paused = false
            if (controls.animation)
                controls.animation.restart()
            controls.replay()
        }
    }
}
