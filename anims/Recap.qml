import QtQuick

// The last scene of a lesson: « À retenir », three or four sentences, beside two or three questions
// to check oneself, each answer hidden until the student asks for it.
Item {
    id: recap
    property list<string> points
    property var questions: [] // [question, answer] pairs
    property bool answersShown: false // every answer shown at first
    property bool answersHidden: false // a teacher's scenario keeps the answers for the class
    width: 1024
    height: 616

    Rectangle {
        x: 50; y: 16
        width: 440
        height: summary.height + 32
        radius: 14
        color: "#fbfaf5"
        border.color: "#3a9a4a"; border.width: 3
        Column {
            id: summary
            x: 20; y: 14
            width: parent.width - 40
            spacing: 10
            Text { textFormat: Text.StyledText; text: qsTr("À retenir"); font.pixelSize: 26; font.bold: true; color: "#2f6b3a" }
            Repeater {
                model: recap.points
                Row {
                    spacing: 8
                    Text { textFormat: Text.StyledText; text: "•"; font.pixelSize: 19; color: "#2f6b3a" }
                    Explanation { width: summary.width - 20; font.pixelSize: 19; text: modelData }
                }
            }
        }
    }

    Column {
        x: 520; y: 20
        width: 450
        spacing: 12
        Text { textFormat: Text.StyledText; text: qsTr("Pour vérifier"); font.pixelSize: 24; font.bold: true; color: "#2f6b3a" }
        Repeater {
            model: recap.questions
            Column {
                id: question
                property bool shown: recap.answersShown
                width: 450
                spacing: 6
                Explanation { width: 450; font.pixelSize: 19; text: (index + 1) + ". " + modelData[0] }
                LessonButton {
                    objectName: "answerButton" + (index + 1)
                    visible: !recap.answersHidden
                    width: 200; height: 38
                    font.pixelSize: 16
                    text: question.shown ? qsTr("Cacher la réponse") : qsTr("Voir la réponse")
                    Accessible.name: (question.shown ? qsTr("Cacher la réponse %1") : qsTr("Voir la réponse %1")).arg(index + 1)
                    tint: question.shown ? "#f4f4f0" : "#dcebd6"
                    onClicked: question.shown = !question.shown
                }
                // The answer's room is kept while it is hidden, so nothing moves when it shows.
                Item {
                    width: 450
                    height: answer.height
                    Explanation {
                        id: answer
                        objectName: "answer" + (index + 1)
                        visible: question.shown
                        width: 450
                        font.pixelSize: 17
                        color: "#1f5a2a"
                        text: modelData[1]
                    }
                }
            }
        }
    }
}
