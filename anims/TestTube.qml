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
    onLiquidChanged: glass.requestPaint()
    onLevelChanged: glass.requestPaint()
    onPrecipitateChanged: glass.requestPaint()
    onPrecipitateHeightChanged: glass.requestPaint()

    Canvas {
        id: glass
        width: tube.width
        height: tube.height - (tube.label.length > 0 ? 34 : 0)
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onPaint: {
            const c = getContext("2d")
            c.reset()
            const wall = 3
            // The outline from `top` to `bottom`, `inset` inside the glass: straight sides and a
            // round bottom, open at the top.
            const outline = function(top, bottom, inset) {
                const left = inset, right = width - inset, radius = (right - left) / 2
                const turn = Math.max(top, bottom - radius)
                c.beginPath()
                c.moveTo(left, top)
                c.lineTo(left, turn)
                if (bottom - top >= radius) {
                    c.arc(left + radius, turn, radius, Math.PI, 0, true)
                } else { // less than the round part: a flatter bottom
                    c.ellipse(left, turn - (bottom - top), 2 * radius, 2 * (bottom - top))
                }
                c.lineTo(right, top)
            }
            outline(wall / 2, height - wall / 2, wall / 2)
            c.fillStyle = "#f4f8fb"; c.fill()
            const inner = height - 2 * wall - 2
            if (tube.level > 0) {
                outline(wall + 2 + inner * (1 - tube.level), height - wall - 2, wall + 2)
                c.fillStyle = tube.liquid; c.fill()
            }
            if (tube.precipitateHeight > 0) {
                outline(height - wall - 2 - inner * tube.precipitateHeight, height - wall - 2, wall + 2)
                c.fillStyle = tube.precipitate; c.fill()
            }
            outline(wall / 2, height - wall / 2, wall / 2)
            c.strokeStyle = "#7090a0"; c.lineWidth = wall; c.stroke()
            // A glint on the glass.
            c.fillStyle = "rgba(255, 255, 255, 0.6)"
            c.fillRect(width * 0.2, 16, 6, height * 0.6)
        }
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
