import QtQuick

// A test tube with its liquid, and a precipitate settled at the bottom when there is one.
Item {
    id: tube
    property color liquid: "#f0a030"
    property real level: 0.6 // of the tube's height
    property color precipitate: "transparent"
    property real precipitateHeight: 0 // of the tube's height
    property string label: ""
    width: 60
    height: 220

    Behavior on liquid { ColorAnimation { duration: 900 } }

    // The glass, open at the top, round at the bottom.
    Rectangle {
        id: glass
        anchors.fill: parent
        anchors.bottomMargin: label.length > 0 ? 34 : 0
        radius: width / 2
        color: "#f4f8fb"
        border.color: "#7090a0"
        border.width: 3
        Rectangle { // the straight top of the glass
            width: parent.width; height: parent.width
            color: parent.color
            border.color: parent.border.color; border.width: parent.border.width
            Rectangle { x: 3; y: 0; width: parent.width - 6; height: 3; color: parent.color }
        }
        Rectangle { // the liquid
            x: 5; width: parent.width - 10
            height: (parent.height - 5) * tube.level
            anchors.bottom: parent.bottom; anchors.bottomMargin: 5
            radius: width / 2
            color: tube.liquid
            Rectangle { width: parent.width; height: Math.min(parent.height, parent.width); color: parent.color }
            Rectangle { // the precipitate
                width: parent.width
                height: (glass.height - 5) * tube.precipitateHeight
                anchors.bottom: parent.bottom
                radius: width / 2
                color: tube.precipitate
            }
        }
        Rectangle { x: 12; y: 16; width: 6; height: parent.height * 0.6; radius: 3; color: "#ffffff"; opacity: 0.6 }
    }
    Text {
        visible: tube.label.length > 0
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        text: tube.label
        font.pixelSize: 18
        color: "#303030"
    }
}
