import QtQuick

// The enzyme's activity along a range of conditions, with a mark at the current one. `referenceAt`,
// when given, draws a second curve in grey dashes (for instance fresh enzymes, beside damaged
// ones); both curves share one scale. The ends of the axis read `prefix` value `unit`.
Rectangle {
    id: chart
    property real from: 0
    property real to: 100
    property string unit: ""
    property string prefix: ""
    property string title: qsTr("Activité de l’enzyme")
    property real current: 0
    property var activityAt: function(x) { return 0 }
    property var referenceAt: null
    property string referenceLabel: ""
    radius: 12
    color: "white"
    border.color: "#c8c0a8"

    // A value as French writes it: the minus sign, a non-breaking space before the unit.
    function label(v) {
        const number = (v < 0 ? "−" : "") + Math.abs(v)
        const text = chart.prefix.length > 0 ? chart.prefix + "\u00a0" + number : number
        return chart.unit.trim().length > 0 ? text + "\u00a0" + chart.unit.trim() : text
    }

    onCurrentChanged: plot.requestPaint()
    onActivityAtChanged: plot.requestPaint()
    onReferenceAtChanged: plot.requestPaint()

    Text { x: 16; y: 10; text: chart.title; font.pixelSize: 18; font.bold: true; color: "#2f6b3a" }
    Text {
        visible: chart.referenceAt !== null && chart.referenceLabel.length > 0
        anchors.right: parent.right; anchors.rightMargin: 16; y: 13
        text: chart.referenceLabel
        font.pixelSize: 14; color: "#808080"
    }
    Canvas {
        id: plot
        x: 40; y: 44
        width: chart.width - 60; height: chart.height - 90
        onPaint: {
            const c = getContext("2d")
            c.reset()
            const steps = 180
            let highest = 0
            const values = [], references = []
            for (let i = 0; i <= steps; ++i) {
                const at = chart.from + (chart.to - chart.from) * i / steps
                values.push(chart.activityAt(at))
                references.push(chart.referenceAt ? chart.referenceAt(at) : 0)
                highest = Math.max(highest, values[i], references[i])
            }
            // The plot is inset by the current-value dot's radius, so that the dot stays whole at
            // either end of the axis and at the top.
            const inset = 10
            const xAt = function(v) { return inset + (v - chart.from) / (chart.to - chart.from) * (width - 2 * inset) }
            const yAt = function(a) { return height - inset - (highest > 0 ? a / highest : 0) * (height - 2 * inset) }
            const curve = function(points) {
                c.beginPath()
                for (let i = 0; i <= steps; ++i) {
                    const x = inset + (width - 2 * inset) * i / steps, y = yAt(points[i])
                    if (i === 0) c.moveTo(x, y); else c.lineTo(x, y)
                }
                c.stroke()
            }
            c.strokeStyle = "#808080"; c.lineWidth = 2
            c.beginPath(); c.moveTo(0, 0); c.lineTo(0, height - inset); c.lineTo(width, height - inset); c.stroke()
            if (chart.referenceAt) {
                c.strokeStyle = "#a8a8a8"; c.lineWidth = 3
                c.setLineDash([8, 6])
                curve(references)
                c.setLineDash([])
            }
            c.strokeStyle = "#2f6b3a"; c.lineWidth = 4
            curve(values)
            const x = xAt(chart.current), a = chart.activityAt(chart.current)
            c.strokeStyle = "#e07010"; c.lineWidth = 2
            c.beginPath(); c.moveTo(x, 0); c.lineTo(x, height - inset); c.stroke()
            c.fillStyle = "#e07010"
            c.beginPath(); c.arc(x, yAt(a), 9, 0, 2 * Math.PI); c.fill()
        }
    }
    Text { x: 40; y: chart.height - 40; text: chart.label(chart.from); font.pixelSize: 16; color: "#505050" }
    Text { anchors.right: parent.right; anchors.rightMargin: 20; y: chart.height - 40; text: chart.label(chart.to); font.pixelSize: 16; color: "#505050" }
}
