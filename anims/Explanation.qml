import QtQuick

// A paragraph of an explanation.
Text {
    width: 900
    wrapMode: Text.WordWrap
    font.pixelSize: 22
    lineHeight: 1.15
    color: "#202020"
    textFormat: Text.StyledText
}
