import QtQuick
import QtQuick.Controls.Basic
import Velmora.Movie

// A topic of "En savoir plus": a title, scenes shown one at a time (frame n of the main timeline is
// scene n), "Précédent" and "Suivant" to go through them, "Menu" back to the topics ("retourmenu")
// and "Fermer" ("fermerplus"). The arrow keys also turn the scenes.
Movie {
    id: lesson
    stageWidth: 1024
    stageHeight: 768
    backgroundColor: "#f4f1e8"
    frameCount: Math.max(1, scenes.length)

    property string title
    property list<Component> scenes

    // Scenes change at the student's pace only: the timeline never plays by itself.
    playing: false
    onPlayingChanged: if (playing) playing = false

    focus: true
    Keys.onLeftPressed: gotoFrame(currentFrame - 1)
    Keys.onRightPressed: gotoFrame(currentFrame + 1)

    // On a screen wider than the stage (16:9), the title bar's and the bottom bar's colours run on to
    // the edges of the screen, behind the stage's own bars.
    Rectangle { x: -4096; width: 1024 + 8192; height: 72; color: "#2f6b3a" }
    Rectangle { x: -4096; y: 688; width: 1024 + 8192; height: 80; color: "#e2dccb" }

    Rectangle {
        id: header
        width: 1024; height: 72
        color: "#2f6b3a"
        Text {
            objectName: "lessonTitle"
            Accessible.role: Accessible.StaticText
            x: 28
            width: 1024 - 28 - 320; height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: lesson.title
            color: "white"
            font.pixelSize: 30
            font.bold: true
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 18
        }
        Row {
            anchors.right: parent.right; anchors.rightMargin: 18
            anchors.verticalCenter: parent.verticalCenter
            spacing: 12
            LessonButton {
                objectName: "menuButton"
                text: qsTr("Menu")
                Accessible.description: qsTr("Retour aux sujets")
                onClicked: lesson.command("retourmenu")
            }
            LessonButton {
                objectName: "closeButton"
                text: qsTr("Fermer")
                tint: "#f0c8c0"
                onClicked: lesson.command("fermerplus")
            }
        }
    }

    Loader {
        objectName: "sceneLoader"
        x: 0; y: 72
        width: 1024; height: 616
        sourceComponent: lesson.scenes.length > 0 ? lesson.scenes[lesson.currentFrame - 1] : null
    }

    Rectangle {
        y: 688
        width: 1024; height: 80
        color: "#e2dccb"
        LessonButton {
            id: previousButton
            objectName: "previousButton"
            x: 28; anchors.verticalCenter: parent.verticalCenter
            width: 190
            text: qsTr("◀  Précédent")
            Accessible.name: qsTr("Précédent")
            Accessible.description: stepText.text
            visible: lesson.frameCount > 1 // a lesson of one scene has nowhere to go
            enabled: lesson.currentFrame > 1
            onClicked: {
                const byKeyboard = visualFocus
                lesson.gotoFrame(lesson.currentFrame - 1)
                // At the first scene the keyboard goes on from the other button.
                if (!enabled && byKeyboard)
                    nextButton.forceActiveFocus(Qt.TabFocusReason)
            }
        }
        Text {
            id: stepText
            anchors.centerIn: parent
            text: qsTr("Étape %1 sur %2").arg(lesson.currentFrame).arg(lesson.frameCount)
            font.pixelSize: 20
            color: "#404040"
            visible: lesson.frameCount > 1
        }
        LessonButton {
            id: nextButton
            objectName: "nextButton"
            anchors.right: parent.right; anchors.rightMargin: 28
            anchors.verticalCenter: parent.verticalCenter
            width: 190
            text: qsTr("Suivant  ▶")
            Accessible.name: qsTr("Suivant")
            Accessible.description: stepText.text
            tint: "#3a9a4a"; ink: "white"
            visible: lesson.frameCount > 1
            enabled: lesson.currentFrame < lesson.frameCount
            onClicked: {
                const byKeyboard = visualFocus
                lesson.gotoFrame(lesson.currentFrame + 1)
                if (!enabled && byKeyboard)
                    previousButton.forceActiveFocus(Qt.TabFocusReason)
            }
        }
    }
}
