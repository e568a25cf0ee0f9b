import QtQuick

// A picture of the program's sprite set, as the scene draws it, shown `zoom` times larger. `part`,
// when set, shows only that rectangle of the picture (in the picture's own pixels): the drawn
// molecule without the empty rest of its cell.
Image {
    id: picture
    property int item: 0
    property real zoom: 2
    property rect part: Qt.rect(0, 0, 0, 0)
    readonly property bool cropped: part.width > 0 && part.height > 0
    source: cropped ? "" : "image://sprites/" + item
    width: (cropped ? part.width : sourceSize.width) * zoom
    height: (cropped ? part.height : sourceSize.height) * zoom
    smooth: false
    clip: cropped

    Image {
        visible: picture.cropped
        source: picture.cropped ? "image://sprites/" + picture.item : ""
        x: -picture.part.x * picture.zoom
        y: -picture.part.y * picture.zoom
        width: sourceSize.width * picture.zoom
        height: sourceSize.height * picture.zoom
        smooth: false
    }
}
