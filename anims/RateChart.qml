import QtQuick
import QtQuick.Shapes
import "figures.js" as Figures

// The initial rate against the lactose: the model's means with their ranges, and the fitted
// curve v = Vmax S / (Km + S); with `both`, the inhibited sweep and its fit too.
Item {
    id: chart
    property bool both: false
    property bool marks: true // Vmax and Km marked on the uninhibited curve
    readonly property real plotLeft: 64
    readonly property real plotBottom: height - 46
    readonly property real plotWidth: width - plotLeft - 16
    readonly property real plotHeight: plotBottom - 14
    readonly property real sMax: 200
    readonly property real vMax: 8
    function px(s) { return plotLeft + s / sMax * plotWidth }
    function py(v) { return plotBottom - v / vMax * plotHeight }
    function fitted(fit) {
        let path = ""
        for (let i = 0; i <= 100; ++i) {
            const s = sMax * i / 100
            path += (i === 0 ? "M " : " L ") + px(s).toFixed(1) + " " + py(fit.vmax * s / (fit.km + s)).toFixed(1)
        }
        return path
    }
    function points(series) {
        return Figures.groups.curve.filter(r => r.series === series)
    }
    Shape {
        anchors.fill: parent
        antialiasing: true
        ShapePath { // the axes
            strokeColor: "#404040"; strokeWidth: 2; fillColor: "transparent"
            PathSvg { path: "M " + chart.plotLeft + " 10 L " + chart.plotLeft + " " + chart.plotBottom + " L " + (chart.width - 8) + " " + chart.plotBottom }
        }
        ShapePath { // Vmax and Km, dashed
            strokeColor: chart.marks ? "#c05010" : "transparent"; strokeWidth: 2; fillColor: "transparent"
            strokeStyle: ShapePath.DashLine; dashPattern: [4, 3]
            PathSvg {
                path: "M " + chart.plotLeft + " " + chart.py(Figures.fits.saturation.vmax) + " L " + (chart.width - 16) + " " + chart.py(Figures.fits.saturation.vmax)
                    + " M " + chart.plotLeft + " " + chart.py(Figures.fits.saturation.vmax / 2) + " L " + chart.px(Figures.fits.saturation.km) + " " + chart.py(Figures.fits.saturation.vmax / 2)
                    + " L " + chart.px(Figures.fits.saturation.km) + " " + chart.plotBottom
            }
        }
        ShapePath {
            strokeColor: "#2f6b3a"; strokeWidth: 3; fillColor: "transparent"
            PathSvg { path: chart.fitted(Figures.fits.saturation) }
        }
        ShapePath {
            strokeColor: chart.both ? "#c09000" : "transparent"; strokeWidth: 3; fillColor: "transparent"
            PathSvg { path: chart.both ? chart.fitted(Figures.fits.inhibited) : "" }
        }
    }
    // The model's means, each with the range of its 20 runs.
    Repeater {
        model: chart.points(0).concat(chart.both ? chart.points(100) : [])
        Item {
            x: chart.px(modelData.x) - 6
            y: chart.py(modelData.high)
            width: 12; height: chart.py(modelData.low) - chart.py(modelData.high)
            Rectangle { x: 5; width: 2; height: parent.height; color: "#606060" }
            Rectangle {
                x: 0; y: chart.py(modelData.mean) - chart.py(modelData.high) - 6
                width: 12; height: 12; radius: 6
                color: modelData.series === 0 ? "#2f6b3a" : "#c09000"
                border.color: "white"
            }
        }
    }
    Text { x: chart.plotLeft; y: chart.plotBottom + 22; width: chart.plotWidth; horizontalAlignment: Text.AlignHCenter
           text: qsTr("lactose dans la boîte (molécules)"); font.pixelSize: 16; color: "#404040" }
    Repeater {
        model: [0, 50, 100, 150, 200]
        Text { x: chart.px(modelData) - width / 2; y: chart.plotBottom + 2; text: modelData; font.pixelSize: 15; color: "#404040" }
    }
    Repeater {
        model: [0, 2, 4, 6, 8]
        Text { x: chart.plotLeft - width - 6; y: chart.py(modelData) - height / 2; text: modelData; font.pixelSize: 15; color: "#404040" }
    }
    Text { x: chart.plotLeft + 8; y: -14; text: qsTr("v₀ (molécules/s)"); font.pixelSize: 16; font.bold: true; color: "#404040" }
    Text {
        visible: chart.marks
        x: chart.width - width - 20; y: chart.py(Figures.fits.saturation.vmax) - height - 2
        text: "Vmax"; font.pixelSize: 16; font.bold: true; color: "#c05010"
    }
    Text {
        visible: chart.marks
        x: chart.px(Figures.fits.saturation.km) + 4; y: chart.plotBottom - height - 2
        text: "Km"; font.pixelSize: 16; font.bold: true; color: "#c05010"
    }
}
