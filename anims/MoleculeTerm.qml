import QtQuick

// One term of an equation: a molecule as the scene draws it, with its name below.
Column {
    property int item: 0
    property real zoom: 3
    property string name
    property color ink: "#202020"
    spacing: 4
    SpritePicture { item: parent.item; zoom: parent.zoom; anchors.horizontalCenter: parent.horizontalCenter }
    Text { textFormat: Text.StyledText; text: parent.name; color: parent.ink; font.pixelSize: 20; anchors.horizontalCenter: parent.horizontalCenter }
}
