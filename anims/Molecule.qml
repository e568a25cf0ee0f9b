import QtQuick
import QtQuick.Shapes

// A molecule drawn for the lessons: vector shapes in the colours of the scene, sharp at any size.
// A sugar ring is a hexagon `unit` pixels wide: glucose orange, galactose pink. A disaccharide lies
// across, its two rings joined by a bridge (the oxygen "O", or the sulphur "S" of thiolactose): in
// lactose the galactose on the left, as in the formulas. The free OH of carbon 4, the only
// difference between glucose and galactose, is a small knob: up on a galactose, down on a glucose.
//
// An enzyme is a protein with a pocket, its active site, open on the right: a lactase's pocket has
// room for the knob of a galactose, a maltase's for that of a glucose, so only the right sugar
// slides in (`dock` is where a substrate of the same `unit` lies when it is held). `bound` lights the
// enzyme-substrate complex; `closure` below 1 opens the pocket (induced fit); `charge` puts + or −
// charges on the site; `residues` shows the amino acids of the site that hold (blue) and cut (red).
//
// kind: "glucose", "galactose", "fructose" (a ring of five: pale green), "lactose", "thiolactose",
// "maltose", "sucrose", "udpgalactose", "udp",
// "amyloseunit" (a unit of the program's chains: two glucoses), "lactase", "maltase", "synthase",
// "amylase" (enzymes), "denatured" (an enzyme that has lost its shape).
Item {
    id: molecule
    property string kind: "lactose"
    property real unit: 60
    property bool bound: false
    property real closure: 1
    property int charge: 0
    property bool residues: false

    readonly property bool enzyme: ["lactase", "maltase", "synthase", "amylase"].indexOf(kind) >= 0
    readonly property real u: unit
    readonly property real ringHeight: 1.1547 * u
    readonly property real margin: 0.3 * u
    readonly property real bridge: 0.5 * u
    // The enzyme's body around its pocket.
    readonly property real wall: 0.55 * u
    readonly property real lip: 0.45 * u
    readonly property real clearance: 0.05 * u
    readonly property real opening: (1 - Math.max(0, Math.min(1, closure))) * 0.4 * u
    readonly property point pocket: Qt.point(margin + wall + clearance, margin + lip + clearance)
    // Where a substrate's own origin lies, in this enzyme's coordinates, when the pocket holds it.
    readonly property point dock: Qt.point(pocket.x - margin, pocket.y - margin)

    readonly property var colours: ({
        glucose: "#ffbf55", galactose: "#ff9faa", fructose: "#b4dc78", amylose: "#3f3f00", sulphur: "#ffbf00", oxygen: "#ffffff",
        udp: "#007f00", lactase: "#808080", maltase: "#619c61", synthase: "#9c619c", amylase: "#007fff",
        denatured: "#aabfaa", glow: "#ff8c00", charge: "#0000ff", residue: "#d03020", holding: "#3070e0"
    })
    // The edge of a shape: its colour three fifths as bright, as the scene draws it.
    function edge(colour) {
        const c = Qt.color(colour)
        return Qt.rgba(c.r * 0.6, c.g * 0.6, c.b * 0.6, 1)
    }

    // What the kind is made of: its rings (colour and knob: 1 up, -1 down, 0 none), what joins
    // them, and what hangs on the right.
    readonly property var parts: {
        switch (kind) {
        case "glucose": return { rings: [["glucose", -1]] }
        case "galactose": return { rings: [["galactose", 1]] }
        case "lactose": return { rings: [["galactose", 1], ["glucose", 0]], bead: "O" }
        case "thiolactose": return { rings: [["galactose", 1], ["glucose", 0]], bead: "S" }
        case "maltose": return { rings: [["glucose", -1], ["glucose", 0]], bead: "O" }
        case "fructose": return { rings: [["fructose", 0]] }
        case "sucrose": return { rings: [["glucose", -1], ["fructose", 0]], bead: "O" }
        case "amyloseunit": return { rings: [["amylose", 0], ["amylose", 0]], bead: "" }
        case "udpgalactose": return { rings: [["galactose", 1]], tag: true }
        case "udp": return { rings: [], tag: true }
        default: return { rings: [] }
        }
    }
    readonly property real tagWidth: 1.05 * u
    readonly property real tagHeight: 0.62 * u

    implicitWidth: enzyme ? pocket.x + u + 0.45 * u + margin
                 : kind === "denatured" ? 2.4 * u
                 : parts.tag ? 2 * margin + parts.rings.length * (u + 0.3 * u) + tagWidth
                 : 2 * margin + parts.rings.length * u + Math.max(0, parts.rings.length - 1) * bridge
    implicitHeight: enzyme || kind === "denatured" ? 2 * margin + ringHeight + 2 * (lip + clearance)
                  : 2 * margin + ringHeight
    width: implicitWidth
    height: implicitHeight

    // --- Paths, as SVG path data in the item's pixels. ---

    function pt(x, y) { return x.toFixed(2) + " " + y.toFixed(2) }

    function hexagon(x, y) {
        const w = u, h = ringHeight
        return "M " + pt(x + w / 2, y) + " L " + pt(x + w, y + h / 4) + " L " + pt(x + w, y + 3 * h / 4)
            + " L " + pt(x + w / 2, y + h) + " L " + pt(x, y + 3 * h / 4) + " L " + pt(x, y + h / 4) + " Z"
    }

    // The knob of carbon 4's OH on the left corner of a ring at (x, y): a short stem and a bead.
    readonly property real knobReach: 0.26 * u
    readonly property real knobRadius: 0.12 * u
    function knobCentre(x, y, side) {
        const corner = [x, y + (side > 0 ? ringHeight / 4 : 3 * ringHeight / 4)]
        return [corner[0] - 0.6 * knobReach, corner[1] - side * 0.8 * knobReach, corner[0], corner[1]]
    }
    function knobStem(x, y, side) {
        if (side === 0)
            return ""
        const k = knobCentre(x, y, side)
        return "M " + pt(k[2], k[3]) + " L " + pt(k[0], k[1]) + " "
    }
    function knob(x, y, side) {
        if (side === 0)
            return ""
        const k = knobCentre(x, y, side)
        return circle(k[0], k[1], knobRadius) + " "
    }

    // Fructose's ring has five corners: four carbons and the oxygen.
    function pentagon(x, y) {
        const w = u, h = ringHeight
        return "M " + pt(x + w / 2, y + 0.06 * h) + " L " + pt(x + w, y + 0.4 * h) + " L " + pt(x + 0.82 * w, y + 0.94 * h)
            + " L " + pt(x + 0.18 * w, y + 0.94 * h) + " L " + pt(x, y + 0.4 * h) + " Z"
    }

    function ringsOf(colour) {
        let path = ""
        parts.rings.forEach((ring, i) => {
            if (ring[0] === colour)
                path += (colour === "fructose" ? pentagon : hexagon)(margin + i * (u + bridge), margin) + " "
        })
        return path
    }
    function knobsOf(colour, stems) {
        let path = ""
        parts.rings.forEach((ring, i) => {
            if (ring[0] === colour || stems)
                path += (stems ? knobStem : knob)(margin + i * (u + bridge), margin, ring[1])
        })
        return path
    }
    readonly property real middle: margin + ringHeight / 2
    function bridgePath() {
        if (parts.rings.length === 2)
            return "M " + pt(margin + u, middle) + " L " + pt(margin + u + bridge, middle)
        if (parts.tag && parts.rings.length === 1)
            return "M " + pt(margin + u, middle) + " L " + pt(margin + 1.3 * u, middle)
        return ""
    }
    readonly property point beadCentre: Qt.point(margin + u + bridge / 2, middle)
    readonly property real beadRadius: 0.2 * u

    function circle(cx, cy, r) {
        return "M " + pt(cx + r, cy) + " A " + pt(r, r) + " 0 1 0 " + pt(cx - r, cy)
            + " A " + pt(r, r) + " 0 1 0 " + pt(cx + r, cy) + " Z"
    }

    function roundedBox(x, y, w, h, r) {
        return "M " + pt(x + r, y) + " L " + pt(x + w - r, y) + " A " + pt(r, r) + " 0 0 1 " + pt(x + w, y + r)
            + " L " + pt(x + w, y + h - r) + " A " + pt(r, r) + " 0 0 1 " + pt(x + w - r, y + h)
            + " L " + pt(x + r, y + h) + " A " + pt(r, r) + " 0 0 1 " + pt(x, y + h - r)
            + " L " + pt(x, y + r) + " A " + pt(r, r) + " 0 0 1 " + pt(x + r, y) + " Z"
    }
    readonly property rect tag: parts.tag
        ? Qt.rect(parts.rings.length > 0 ? margin + 1.3 * u : margin, middle - tagHeight / 2, tagWidth, tagHeight)
        : Qt.rect(0, 0, 0, 0)

    // The enzyme: a rounded body whose right side opens into the pocket. The pocket's back follows
    // the left half of a ring, with a notch for the knob of the sugar it takes (`knobSide`).
    readonly property int knobSide: kind === "lactase" || kind === "synthase" ? 1 : kind === "maltase" ? -1 : 0
    readonly property real mouth: pocket.x + u + 0.4 * u
    function enzymeBody() {
        const x0 = margin, y0 = margin
        const px = pocket.x, py = pocket.y, c = clearance, h = ringHeight, w = u
        const top = py - c - opening, bottom = py + h + c + opening
        const height = 2 * (lip + c) + h, r = 0.35 * u, end = mouth
        const lipEnd = Math.min(lip, 0.4 * u) / 2
        let p = "M " + pt(end - lipEnd, y0)
        p += " L " + pt(x0 + r, y0) + " A " + pt(r, r) + " 0 0 0 " + pt(x0, y0 + r)
        p += " L " + pt(x0, y0 + height - r) + " A " + pt(r, r) + " 0 0 0 " + pt(x0 + r, y0 + height)
        p += " L " + pt(end - lipEnd, y0 + height)
        // The lower lip's rounded end, then the pocket's floor going in.
        const lowerLip = (y0 + height - bottom) / 2
        p += " A " + pt(lowerLip, lowerLip) + " 0 0 0 " + pt(end - lipEnd, bottom)
        p += " L " + pt(px + w / 2, bottom)
        p += corner(-1)
        p += corner(1)
        p += " L " + pt(px + w / 2, top)
        p += " L " + pt(end - lipEnd, top)
        const upperLip = (top - y0) / 2
        p += " A " + pt(upperLip, upperLip) + " 0 0 0 " + pt(end - lipEnd, y0) + " Z"
        return p
    }
    // A left corner of the pocket's back, lower (-1) or upper (+1), with the notch of its knob.
    function corner(side) {
        return side === knobSide ? pocketNotch(side)
             : " L " + pt(pocket.x - clearance, pocket.y + (side > 0 ? ringHeight / 4 : 3 * ringHeight / 4))
    }
    // The notch at a corner of the pocket's back, wide enough for the knob, going up (+1) or down.
    function pocketNotch(side) {
        if (side !== knobSide)
            return ""
        const k = knobCentre(pocket.x, pocket.y, side)
        const r = knobRadius + 2 * clearance
        // Along the stem, from the corner out to beyond the bead and back, on either side.
        const dx = k[0] - k[2], dy = k[1] - k[3], length = Math.sqrt(dx * dx + dy * dy)
        const nx = -dy / length * r, ny = dx / length * r
        const first = [k[2] - nx, k[3] - ny], second = [k[2] + nx, k[3] + ny]
        return " L " + pt(first[0], first[1])
            + " L " + pt(first[0] + dx, first[1] + dy)
            + " A " + pt(r, r) + " 0 0 1 " + pt(second[0] + dx, second[1] + dy)
            + " L " + pt(second[0], second[1])
    }
    // The pocket's outline alone, lit when the enzyme holds its substrate.
    function pocketOutline() {
        const px = pocket.x, py = pocket.y, c = clearance, h = ringHeight, w = u
        const top = py - c - opening, bottom = py + h + c + opening
        return "M " + pt(mouth - 0.1 * u, bottom) + " L " + pt(px + w / 2, bottom) + corner(-1) + corner(1)
            + " L " + pt(px + w / 2, top) + " L " + pt(mouth - 0.1 * u, top)
    }
    // Amino acids of the site: two that cut, on the lips beside the bond, and two that hold, in the
    // pocket's back.
    readonly property var cuttingResidues: [
        [pocket.x + u + 0.18 * u, pocket.y - clearance - opening - 0.13 * u],
        [pocket.x + u + 0.18 * u, pocket.y + ringHeight + clearance + opening + 0.13 * u]
    ]
    readonly property var holdingResidues: [
        [pocket.x - clearance - 0.14 * u, pocket.y + 0.62 * ringHeight],
        [pocket.x + 0.5 * u, pocket.y + ringHeight + clearance + opening + 0.13 * u]
    ]
    function residuePath(centres) {
        return centres.map(c => circle(c[0], c[1], 0.1 * u)).join(" ")
    }
    function chargeMarks() {
        let p = ""
        const n = Math.min(2, Math.abs(charge)), s = 0.13 * u
        for (let i = 0; i < n; ++i) {
            const cx = mouth - 0.22 * u - i * 0.36 * u, cy = margin + 0.2 * u
            const cy2 = margin + 2 * (lip + clearance) + ringHeight - 0.2 * u
            for (const y of [cy, cy2]) {
                p += "M " + pt(cx - s, y) + " L " + pt(cx + s, y) + " "
                if (charge > 0)
                    p += "M " + pt(cx, y - s) + " L " + pt(cx, y + s) + " "
            }
        }
        return p
    }
    function cloud() {
        const blobs = [[0.55, 0.55, 0.5], [1.15, 0.45, 0.5], [1.75, 0.75, 0.45], [0.6, 1.35, 0.55],
                       [1.4, 1.45, 0.55], [0.95, 1.95, 0.4], [1.85, 1.5, 0.35]]
        let p = ""
        for (const b of blobs)
            p += circle(b[0] * u, b[1] * u, b[2] * u) + " "
        return p
    }

    readonly property real line: Math.max(1.5, 0.045 * u)

    Shape {
        anchors.fill: parent
        antialiasing: true

        // The glow of the complex, under the rest.
        ShapePath {
            strokeColor: molecule.enzyme && molecule.bound ? Qt.rgba(1, 0.55, 0, 0.55) : "transparent"
            strokeWidth: 0.22 * molecule.u
            fillColor: "transparent"
            joinStyle: ShapePath.RoundJoin; capStyle: ShapePath.RoundCap
            PathSvg { path: molecule.enzyme ? molecule.pocketOutline() : "" }
        }
        ShapePath {
            fillColor: molecule.enzyme ? molecule.colours[molecule.kind] : "transparent"
            strokeColor: molecule.enzyme ? molecule.edge(molecule.colours[molecule.kind]) : "transparent"
            strokeWidth: molecule.line
            joinStyle: ShapePath.RoundJoin
            PathSvg { path: molecule.enzyme ? molecule.enzymeBody() : "" }
        }
        ShapePath {
            strokeColor: molecule.enzyme && molecule.bound ? molecule.colours.glow : "transparent"
            strokeWidth: 0.07 * molecule.u
            fillColor: "transparent"
            joinStyle: ShapePath.RoundJoin; capStyle: ShapePath.RoundCap
            PathSvg { path: molecule.enzyme ? molecule.pocketOutline() : "" }
        }
        ShapePath {
            fillColor: molecule.kind === "denatured" ? molecule.colours.denatured : "transparent"
            strokeColor: molecule.kind === "denatured" ? molecule.edge(molecule.colours.denatured) : "transparent"
            strokeWidth: molecule.line
            PathSvg { path: molecule.kind === "denatured" ? molecule.cloud() : "" }
        }
        ShapePath {
            strokeColor: molecule.charge !== 0 && molecule.enzyme ? molecule.colours.charge : "transparent"
            strokeWidth: 0.07 * molecule.u
            fillColor: "transparent"
            capStyle: ShapePath.RoundCap
            PathSvg { path: molecule.enzyme ? molecule.chargeMarks() : "" }
        }
        ShapePath {
            fillColor: molecule.residues && molecule.enzyme ? molecule.colours.residue : "transparent"
            strokeColor: molecule.residues && molecule.enzyme ? molecule.edge(molecule.colours.residue) : "transparent"
            strokeWidth: molecule.line
            PathSvg { path: molecule.enzyme ? molecule.residuePath(molecule.cuttingResidues) : "" }
        }
        ShapePath {
            fillColor: molecule.residues && molecule.enzyme ? molecule.colours.holding : "transparent"
            strokeColor: molecule.residues && molecule.enzyme ? molecule.edge(molecule.colours.holding) : "transparent"
            strokeWidth: molecule.line
            PathSvg { path: molecule.enzyme ? molecule.residuePath(molecule.holdingResidues) : "" }
        }

        // Sugars: the bridge under the rings, the knobs, the rings by colour.
        ShapePath {
            strokeColor: "#b02020"
            strokeWidth: 0.09 * molecule.u
            fillColor: "transparent"
            capStyle: ShapePath.FlatCap
            PathSvg { path: molecule.bridgePath() }
        }
        ShapePath {
            strokeColor: "#604040"; strokeWidth: 0.06 * molecule.u
            fillColor: "transparent"; capStyle: ShapePath.RoundCap
            PathSvg { path: molecule.knobsOf("", true) }
        }
        ShapePath {
            strokeColor: molecule.edge(molecule.colours.galactose); strokeWidth: 0.05 * molecule.u
            fillColor: molecule.colours.galactose
            PathSvg { path: molecule.knobsOf("galactose") }
        }
        ShapePath {
            strokeColor: molecule.edge(molecule.colours.glucose); strokeWidth: 0.05 * molecule.u
            fillColor: molecule.colours.glucose
            PathSvg { path: molecule.knobsOf("glucose") }
        }
        ShapePath {
            fillColor: molecule.colours.galactose; strokeColor: molecule.edge(molecule.colours.galactose)
            strokeWidth: molecule.line; joinStyle: ShapePath.RoundJoin
            PathSvg { path: molecule.ringsOf("galactose") }
        }
        ShapePath {
            fillColor: molecule.colours.glucose; strokeColor: molecule.edge(molecule.colours.glucose)
            strokeWidth: molecule.line; joinStyle: ShapePath.RoundJoin
            PathSvg { path: molecule.ringsOf("glucose") }
        }
        ShapePath {
            fillColor: molecule.colours.fructose; strokeColor: molecule.edge(molecule.colours.fructose)
            strokeWidth: molecule.line; joinStyle: ShapePath.RoundJoin
            PathSvg { path: molecule.ringsOf("fructose") }
        }
        ShapePath {
            fillColor: molecule.colours.amylose; strokeColor: molecule.edge(molecule.colours.amylose)
            strokeWidth: molecule.line; joinStyle: ShapePath.RoundJoin
            PathSvg { path: molecule.ringsOf("amylose") }
        }
        ShapePath {
            fillColor: molecule.parts.bead === "S" ? molecule.colours.sulphur : molecule.colours.oxygen
            strokeColor: molecule.parts.bead ? "#b02020" : "transparent"
            strokeWidth: molecule.line
            PathSvg { path: molecule.parts.bead ? molecule.circle(molecule.beadCentre.x, molecule.beadCentre.y, molecule.beadRadius) : "" }
        }
        ShapePath {
            fillColor: molecule.parts.tag ? molecule.colours.udp : "transparent"
            strokeColor: molecule.parts.tag ? molecule.edge(molecule.colours.udp) : "transparent"
            strokeWidth: molecule.line
            PathSvg { path: molecule.parts.tag ? molecule.roundedBox(molecule.tag.x, molecule.tag.y, molecule.tag.width, molecule.tag.height, 0.15 * molecule.u) : "" }
        }
    }
    // The letters: the bridging atom, and UDP.
    Text {
        visible: !!molecule.parts.bead
        x: molecule.beadCentre.x - width / 2; y: molecule.beadCentre.y - height / 2
        text: molecule.parts.bead || ""
        font.pixelSize: Math.max(8, 0.28 * molecule.u); font.bold: true
        color: molecule.parts.bead === "S" ? "#402000" : "#b02020"
    }
    Text {
        visible: !!molecule.parts.tag
        x: molecule.tag.x; y: molecule.tag.y
        width: molecule.tag.width; height: molecule.tag.height
        horizontalAlignment: Text.AlignHCenter; verticalAlignment: Text.AlignVCenter
        text: "UDP"
        font.pixelSize: Math.max(9, 0.36 * molecule.u); font.bold: true
        color: "white"
    }
}
