import QtQuick

// A picture of the program's sprite set, as the scene draws it, shown `zoom` times larger.
Image {
    property int item: 0
    property real zoom: 2
    source: "image://sprites/" + item
    width: sourceSize.width * zoom
    height: sourceSize.height * zoom
    smooth: false
}
