import QtQuick

// One term of an equation: a molecule drawn for the lessons, with its name below. Every sugar is
// drawn in a box of the same height, so the terms of a row stand level and their names align;
// `EquationSign` gives the signs between them the same height.
Column {
    property string kind: "glucose"
    property real unit: 50
    property string name
    property color ink: "#202020"
    spacing: 6
    Molecule { kind: parent.kind; unit: parent.unit; anchors.horizontalCenter: parent.horizontalCenter }
    Text { textFormat: Text.StyledText; text: parent.name; color: parent.ink; font.pixelSize: 20; anchors.horizontalCenter: parent.horizontalCenter }
}
