import QtQuick
import QtQuick.Controls.Basic

// The buttons of the explanations: large, with a clear focus mark. A screen reader says
// `Accessible.name`, the text by default.
Button {
    id: button
    property color tint: "#f4f4f0"
    property color ink: "#1f3a24"
    height: 48
    width: 130
    font.pixelSize: 20
    font.bold: true
    opacity: enabled ? 1 : 0.35
    Accessible.name: text
    contentItem: Text {
        text: button.text
        font: button.font
        // A longer text (a tab with its count of topics seen) is drawn smaller rather than overflow.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 11
        color: button.ink
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        radius: 10
        color: button.down ? Qt.darker(button.tint, 1.2) : (button.hovered ? Qt.lighter(button.tint, 1.06) : button.tint)
        border.color: Qt.darker(button.tint, 1.5)
        border.width: 1
    }
    FocusRing { cornerRadius: 10 }
}
