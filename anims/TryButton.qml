import QtQuick

// « Essayer dans Velmora »: closes the explanations and sets the control panel to a protocol's
// values; the student then starts the experiment. It sends "essayer" with the settings as words,
// "reaction=1 temperature=37 ph=8 enzyme=20 substrate=100 other=0" (each one optional). A control
// that the class's scenario locks keeps its value.
LessonButton {
    objectName: "tryButton"
    property var movie // the lesson, which sends the command
    property string preset
    width: 320; height: 46
    font.pixelSize: 18
    text: qsTr("▶\u00a0 Essayer dans Velmora")
    Accessible.name: qsTr("Essayer dans Velmora")
    Accessible.description: qsTr("Ferme les explications et règle le panneau de commande comme dans ce protocole\u00a0; démarrez ensuite l’expérience.")
    tint: "#3a9a4a"; ink: "white"
    onClicked: movie.command("essayer", preset)
}
