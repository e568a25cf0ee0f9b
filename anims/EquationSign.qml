import QtQuick

// A sign between the terms of an equation ("+", "⟶"), centred on the molecules of terms drawn with
// the same `unit`; an arrow may carry the enzyme's name above it.
Item {
    id: sign
    property string text: "+"
    property string above: ""
    property real unit: 50
    readonly property real pictureHeight: 0.6 * unit + 1.1547 * unit
    width: Math.max(symbol.implicitWidth, label.implicitWidth)
    height: pictureHeight
    Text {
        id: symbol
        anchors.centerIn: parent
        text: sign.text
        font.pixelSize: sign.text === "+" ? 44 : 60
        color: "#202020"
    }
    Text {
        id: label
        visible: sign.above !== ""
        textFormat: Text.StyledText
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: symbol.top
        text: sign.above
        font.pixelSize: 20; font.italic: true
        color: "#2f6b3a"
    }
}
