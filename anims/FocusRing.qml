import QtQuick

// Where the keyboard is: a blue ring with a white edge just around its parent, plain on the light
// and on the dark backgrounds of the movies. By default it shows while the keyboard brought the
// focus to the parent (a control's `visualFocus`), or while the parent, a control of the movie's
// own making, has the focus.
Rectangle {
    id: ring
    property bool shown: parent ? (parent.visualFocus !== undefined ? parent.visualFocus : parent.activeFocus) : false
    property real cornerRadius: 8 // the parent's
    property bool inside: false // drawn just inside the parent's edge, for a parent that fills its room
    readonly property real thickness: 5

    anchors.fill: parent
    anchors.margins: inside ? 0 : -thickness
    radius: inside ? cornerRadius : cornerRadius + thickness
    visible: shown
    color: "transparent"
    border.width: 2
    border.color: "white"

    Rectangle {
        anchors.fill: parent
        anchors.margins: 2
        radius: Math.max(0, ring.radius - 2)
        color: "transparent"
        border.width: 3
        border.color: "#1060d0"
    }
}
