import QtQuick

// The enzyme's activity along a range of conditions, with a mark at the current one.
Rectangle {
    id: chart
    property real from: 0
    property real to: 100
    property string unit: ""
    property real current: 0
    property var activityAt: function(x) { return 0 }
    radius: 12
    color: "white"
    border.color: "#c8c0a8"

    onCurrentChanged: plot.requestPaint()

    Text { x: 16; y: 10; text: "Activité de l'enzyme"; font.pixelSize: 18; font.bold: true; color: "#2f6b3a" }
    Canvas {
        id: plot
        x: 40; y: 44
        width: chart.width - 60; height: chart.height - 90
        onPaint: {
            const c = getContext("2d")
            c.reset()
            const steps = 180
            let highest = 0
            const values = []
            for (let i = 0; i <= steps; ++i) {
                const v = chart.activityAt(chart.from + (chart.to - chart.from) * i / steps)
                values.push(v)
                highest = Math.max(highest, v)
            }
            const xAt = function(v) { return (v - chart.from) / (chart.to - chart.from) * width }
            const yAt = function(a) { return height - (highest > 0 ? a / highest : 0) * (height - 8) }
            c.strokeStyle = "#808080"; c.lineWidth = 2
            c.beginPath(); c.moveTo(0, 0); c.lineTo(0, height); c.lineTo(width, height); c.stroke()
            c.strokeStyle = "#2f6b3a"; c.lineWidth = 4
            c.beginPath()
            for (let i = 0; i <= steps; ++i) {
                const x = width * i / steps, y = yAt(values[i])
                if (i === 0) c.moveTo(x, y); else c.lineTo(x, y)
            }
            c.stroke()
            const x = xAt(chart.current), a = chart.activityAt(chart.current)
            c.strokeStyle = "#e07010"; c.lineWidth = 2
            c.beginPath(); c.moveTo(x, 0); c.lineTo(x, height); c.stroke()
            c.fillStyle = "#e07010"
            c.beginPath(); c.arc(x, yAt(a), 9, 0, 2 * Math.PI); c.fill()
        }
    }
    Text { x: 40; y: chart.height - 40; text: chart.from + chart.unit; font.pixelSize: 16; color: "#505050" }
    Text { anchors.right: parent.right; anchors.rightMargin: 20; y: chart.height - 40; text: chart.to + chart.unit; font.pixelSize: 16; color: "#505050" }
}
