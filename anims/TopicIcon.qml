import QtQuick
import QtQuick.Shapes

// The picture of a topic in the menu, 150 x 150.
Item {
    id: icon
    property string kind

    // An enzyme with its substrate in its pocket, the complex lit.
    component Held: Item {
        property alias enzyme: holder.kind
        property alias substrate: held.kind
        anchors.centerIn: parent
        width: holder.width + held.width * 0.5; height: holder.height
        Molecule { id: holder; unit: 30; bound: true }
        Molecule { id: held; unit: 30; x: holder.dock.x; y: holder.dock.y }
    }
    width: 150
    height: 150

    Rectangle {
        anchors.fill: parent
        radius: 75
        color: "#e6f0e0"
    }

    // The lactose splitting in two, water added at the bond.
    Canvas {
        visible: icon.kind === "reaction"
        anchors.fill: parent
        onPaint: {
            const c = getContext("2d")
            c.reset()
            const ring = function(cx, cy, r, fill) {
                c.beginPath()
                for (let i = 0; i < 6; ++i) {
                    const a = Math.PI / 6 + i * Math.PI / 3
                    const x = cx + r * Math.cos(a), y = cy + r * Math.sin(a)
                    if (i === 0) c.moveTo(x, y); else c.lineTo(x, y)
                }
                c.closePath()
                c.fillStyle = fill; c.fill()
                c.lineWidth = 3; c.strokeStyle = "#604020"; c.stroke()
            }
            ring(45, 85, 24, "#ffbf55")
            ring(105, 85, 24, "#ff9faa")
            c.strokeStyle = "#d02020"; c.lineWidth = 4
            c.beginPath(); c.moveTo(68, 70); c.lineTo(82, 100); c.stroke()
            c.fillStyle = "#2060c0"; c.font = "bold 20px sans-serif"
            c.fillText("H₂O", 55, 45)
        }
    }

    // An enzyme holding its substrate.
    Held { visible: icon.kind === "enzyme"; enzyme: "lactase"; substrate: "lactose" }

    // A sugar ring: five carbons and the oxygen of the ring.
    Canvas {
        visible: icon.kind === "formula"
        anchors.fill: parent
        onPaint: {
            const c = getContext("2d")
            c.reset()
            const points = [[35, 78], [58, 58], [92, 58], [115, 78], [92, 100], [58, 100]]
            c.lineWidth = 5
            c.strokeStyle = "#303030"
            c.beginPath()
            c.moveTo(points[2][0] + 12, points[2][1])
            c.lineTo(points[3][0], points[3][1])
            for (const i of [4, 5, 0, 1, 2])
                c.lineTo(points[i][0], points[i][1])
            c.stroke()
            c.fillStyle = "#d03020"
            c.font = "bold 26px sans-serif"
            c.fillText("O", 96, 66)
            c.font = "bold 18px sans-serif"
            c.fillText("OH", 104, 122)
            c.fillText("HO", 18, 122)
        }
    }

    // A ball-and-stick model.
    Canvas {
        visible: icon.kind === "model"
        anchors.fill: parent
        onPaint: {
            const c = getContext("2d")
            c.reset()
            const atoms = [[75, 75, 18, "#505050"], [38, 52, 14, "#d03020"], [112, 52, 14, "#d03020"],
                           [52, 112, 10, "#f8f8f8"], [104, 112, 10, "#f8f8f8"]]
            c.lineWidth = 7
            c.strokeStyle = "#909090"
            for (let i = 1; i < atoms.length; ++i) {
                c.beginPath(); c.moveTo(75, 75); c.lineTo(atoms[i][0], atoms[i][1]); c.stroke()
            }
            for (const a of atoms) {
                const g = c.createRadialGradient(a[0] - a[2] / 3, a[1] - a[2] / 3, 1, a[0], a[1], a[2])
                g.addColorStop(0, "#ffffff")
                g.addColorStop(1, a[3])
                c.fillStyle = g
                c.beginPath(); c.arc(a[0], a[1], a[2], 0, 2 * Math.PI); c.fill()
                c.lineWidth = 1; c.strokeStyle = "#404040"; c.stroke()
            }
        }
    }

    // The four quarters of the program.
    Grid {
        visible: icon.kind === "program"
        anchors.centerIn: parent
        columns: 2
        spacing: 4
        Rectangle { width: 44; height: 34; color: "white"; border.color: "#606060" }
        Rectangle { width: 44; height: 34; color: "black"; border.color: "#606060" }
        Rectangle { width: 44; height: 34; color: "#fff6d8"; border.color: "#606060" }
        Rectangle { width: 44; height: 34; color: "#c8e2c8"; border.color: "#606060" }
    }

    TestTube {
        visible: icon.kind === "iodine"
        anchors.centerIn: parent
        width: 40; height: 120
        liquid: "#1a1a50"
    }

    TestTube {
        visible: icon.kind === "fehling"
        anchors.centerIn: parent
        width: 40; height: 120
        liquid: "#3070d0"
        precipitate: "#b03a1a"
        precipitateHeight: 0.2
    }

    // Maltose held by maltase.
    Held { visible: icon.kind === "maltose"; enzyme: "maltase"; substrate: "maltose" }

    // A branched chain of glucoses.
    Item {
        visible: icon.kind === "amylose"
        anchors.centerIn: parent
        width: 120; height: 80
        Row { y: 44; spacing: -7; Repeater { model: 5; Molecule { kind: "glucose"; unit: 22 } } }
        Row { x: 36; y: 4; spacing: -7; Repeater { model: 3; Molecule { kind: "glucose"; unit: 22 } } }
    }

    // UDP-galactose held by lactose synthase.
    Held { visible: icon.kind === "synthesis"; enzyme: "synthase"; substrate: "udpgalactose" }

    // Thiolactose held by lactase.
    Held { visible: icon.kind === "inhibitor"; enzyme: "lactase"; substrate: "thiolactose" }

    // Sucrose: a glucose and a fructose.
    Molecule { visible: icon.kind === "sucrose"; kind: "sucrose"; unit: 44; anchors.centerIn: parent }

    // The activity curve: the rate rising towards a plateau with the substrate.
    Shape {
        visible: icon.kind === "curve"
        anchors.fill: parent
        antialiasing: true
        ShapePath {
            strokeColor: "#404040"; strokeWidth: 3; fillColor: "transparent"
            PathSvg { path: "M 34 30 L 34 116 L 122 116" }
        }
        ShapePath {
            strokeColor: "#2f6b3a"; strokeWidth: 5; fillColor: "transparent"; capStyle: ShapePath.RoundCap
            PathSvg {
                path: {
                    let p = "M 36 114"
                    for (let s = 4; s <= 80; s += 4)
                        p += " L " + (36 + s) + " " + (114 - 74 * s / (s + 18)).toFixed(1)
                    return p
                }
            }
        }
        ShapePath {
            strokeColor: "#e07010"; strokeWidth: 2; fillColor: "transparent"
            strokeStyle: ShapePath.DashLine; dashPattern: [2.5, 2]
            PathSvg { path: "M 34 40 L 122 40" }
        }
    }

    // A flask of acid over a flame.
    Canvas {
        visible: icon.kind === "acid"
        anchors.fill: parent
        onPaint: {
            const c = getContext("2d")
            c.reset()
            c.fillStyle = "#f4f8fb"; c.strokeStyle = "#7090a0"; c.lineWidth = 3
            c.beginPath(); c.moveTo(65, 30); c.lineTo(65, 62); c.lineTo(40, 104); c.lineTo(110, 104)
            c.lineTo(85, 62); c.lineTo(85, 30); c.closePath(); c.fill(); c.stroke()
            c.fillStyle = "#f0d060"
            c.beginPath(); c.moveTo(52, 84); c.lineTo(98, 84); c.lineTo(108, 101); c.lineTo(42, 101); c.closePath(); c.fill()
            c.fillStyle = "#e06020"
            c.beginPath(); c.moveTo(62, 128); c.quadraticCurveTo(75, 96, 88, 128); c.closePath(); c.fill()
            c.fillStyle = "#b03020"; c.font = "bold 20px sans-serif"; c.textAlign = "center"
            c.fillText("H⁺", 75, 56)
        }
    }

    // A thermometer, blue below and red above.
    Canvas {
        visible: icon.kind === "thermometer"
        anchors.fill: parent
        onPaint: {
            const c = getContext("2d")
            c.reset()
            c.fillStyle = "white"; c.strokeStyle = "#606060"; c.lineWidth = 3
            c.beginPath(); c.arc(75, 108, 17, 0, 2 * Math.PI); c.fill(); c.stroke()
            c.fillRect(66, 28, 18, 70); c.strokeRect(66, 28, 18, 70)
            c.fillStyle = "#d03020"
            c.beginPath(); c.arc(75, 108, 12, 0, 2 * Math.PI); c.fill()
            c.fillRect(71, 55, 8, 50)
            c.fillStyle = "#2060c0"; c.font = "bold 26px sans-serif"; c.textAlign = "center"
            c.fillText("❄", 36, 110)
            c.fillStyle = "#d03020"; c.fillText("♨", 114, 60)
        }
    }

    // A falling curve on a small graph.
    Canvas {
        visible: icon.kind === "experiments"
        anchors.fill: parent
        onPaint: {
            const c = getContext("2d")
            c.reset()
            c.fillStyle = "#202020"; c.fillRect(32, 38, 86, 70)
            c.strokeStyle = "#60e060"; c.lineWidth = 3
            c.beginPath(); c.moveTo(36, 44)
            for (let x = 0; x <= 78; x += 6)
                c.lineTo(36 + x, 44 + 58 * (1 - Math.exp(-x / 22)))
            c.stroke()
            c.strokeStyle = "#e07010"; c.lineWidth = 2
            c.beginPath(); c.moveTo(32, 73); c.lineTo(118, 73); c.stroke()
        }
    }

    // Three tests: iodine, Fehling, a glucose strip.
    Row {
        visible: icon.kind === "tests"
        anchors.centerIn: parent
        spacing: 8
        TestTube { width: 26; height: 90; liquid: "#1a1a50" }
        TestTube { width: 26; height: 90; liquid: "#c8622a"; precipitate: "#b03a1a"; precipitateHeight: 0.2 }
        Rectangle {
            width: 14; height: 90; radius: 3
            color: "#f8f8f0"; border.color: "#808080"
            Rectangle { x: 2; y: 70; width: 10; height: 14; color: "#6a50a0" }
        }
    }
}
