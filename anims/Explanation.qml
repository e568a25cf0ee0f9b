import QtQuick

// A paragraph of an explanation, which a screen reader reads with its review keys.
Text {
    Accessible.role: Accessible.StaticText
    width: 900
    wrapMode: Text.WordWrap
    font.pixelSize: 22
    lineHeight: 1.15
    color: "#202020"
    textFormat: Text.StyledText
}
