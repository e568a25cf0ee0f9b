.pragma library

// Sugar rings in Haworth projection: the ring seen in perspective, its front edges thick, each
// carbon's groups drawn above or below the ring. The hydrogens on the carbons are left out.

// The corners of a ring centred at (x, y), `size` wide: the ring oxygen at the back right.
function corners(x, y, size) {
    return {
        O5: [x + 0.33 * size, y - 0.3 * size],
        C1: [x + 0.72 * size, y],
        C2: [x + 0.38 * size, y + 0.34 * size],
        C3: [x - 0.38 * size, y + 0.34 * size],
        C4: [x - 0.72 * size, y],
        C5: [x - 0.33 * size, y - 0.3 * size]
    }
}

// The end of the bond of `carbon` going up (+1) or down (-1).
function bondEnd(x, y, size, carbon, side) {
    const p = corners(x, y, size)[carbon]
    return [p[0], p[1] - side * 0.36 * size]
}

// Draws one ring. `groups` gives, for C1..C5, the group above and below: { C1: ["OH", ""], ... };
// an empty text draws no bond. `fill` colours the ring. `marked`, if given, lists carbons (["C4"])
// whose groups are drawn in orange, thicker.
function ring(c, x, y, size, groups, fill, numbers, marked) {
    const p = corners(x, y, size)
    const order = ["O5", "C1", "C2", "C3", "C4", "C5"]
    c.beginPath()
    c.moveTo(p.O5[0], p.O5[1])
    for (const k of order.slice(1))
        c.lineTo(p[k][0], p[k][1])
    c.closePath()
    c.fillStyle = fill
    c.fill()
    // Back edges thin, front edges thick.
    const edge = function(a, b, width) {
        c.lineWidth = width
        c.beginPath(); c.moveTo(p[a][0], p[a][1]); c.lineTo(p[b][0], p[b][1]); c.stroke()
    }
    c.strokeStyle = "#202020"
    c.lineCap = "round"
    edge("C5", "O5", 3); edge("O5", "C1", 3); edge("C4", "C5", 3)
    edge("C1", "C2", 7); edge("C2", "C3", 9); edge("C3", "C4", 7)
    // The ring oxygen.
    c.fillStyle = fill
    c.beginPath(); c.arc(p.O5[0], p.O5[1], 0.085 * size, 0, 2 * Math.PI); c.fill()
    text(c, "O", p.O5[0], p.O5[1], 0.13 * size, "#c02010")
    for (const carbon of ["C1", "C2", "C3", "C4", "C5"]) {
        const g = groups[carbon] || ["", ""]
        for (const side of [1, -1]) {
            const label = side === 1 ? g[0] : g[1]
            if (label === "")
                continue
            const end = bondEnd(x, y, size, carbon, side)
            const mark = marked !== undefined && marked.indexOf(carbon) >= 0
            c.lineWidth = mark ? 6 : 3
            c.strokeStyle = mark ? "#e07010" : "#202020"
            c.beginPath(); c.moveTo(p[carbon][0], p[carbon][1]); c.lineTo(end[0], end[1]); c.stroke()
            c.strokeStyle = "#202020"
            if (label !== "-")
                text(c, label, end[0], end[1] - side * 0.1 * size, 0.11 * size,
                     mark ? "#e07010" : label.indexOf("O") >= 0 ? "#c02010" : "#202020")
        }
        if (numbers)
            // Beside the carbon, clear of its bonds (C2's OH goes straight down through where a
            // label below it would be).
            text(c, carbon.substring(1), p[carbon][0] + (carbon === "C1" ? 0.09 : carbon === "C4" ? -0.09 : carbon === "C5" ? -0.06 : carbon === "C2" ? 0.07 : 0) * size,
                 p[carbon][1] + (carbon === "C2" || carbon === "C3" ? 0.1 : carbon === "C5" ? -0.06 : 0.07) * size,
                 0.075 * size, "#2060c0")
    }
}

function text(c, label, x, y, height, colour) {
    c.fillStyle = colour
    c.font = "bold " + Math.round(height) + "px sans-serif"
    c.textAlign = "center"
    c.textBaseline = "middle"
    c.fillText(label, x, y)
}

// The groups of the two sugars of lactose, as β anomers (the OH of C1 up).
function galactose() {
    return { C1: ["OH", ""], C2: ["", "OH"], C3: ["OH", ""], C4: ["OH", ""], C5: ["CH₂OH", ""] }
}

function glucose() {
    return { C1: ["OH", ""], C2: ["", "OH"], C3: ["OH", ""], C4: ["", "OH"], C5: ["CH₂OH", ""] }
}

// Lactose: the galactose's C1 bound through an oxygen to the glucose's C4, the β(1→4) bond. The
// link leaves C1 upward and reaches C4 from below, as the two carbons hold it.
function lactose(c, x, y, size, highlight) {
    const gal = galactose(); gal.C1 = ["-", ""]
    const glc = glucose(); glc.C4 = ["", "-"]
    const galX = x - 0.95 * size, glcX = x + 0.95 * size
    ring(c, galX, y, size, gal, "#ffe0e6", true)
    ring(c, glcX, y, size, glc, "#ffedc8", true)
    const from = bondEnd(galX, y, size, "C1", 1)
    const to = bondEnd(glcX, y, size, "C4", -1)
    const o = [(from[0] + to[0]) / 2, y]
    // The whole bridge, from C1 of the galactose to C4 of the glucose, in one colour.
    const c1 = corners(galX, y, size).C1, c4 = corners(glcX, y, size).C4
    c.strokeStyle = highlight ? "#e02020" : "#202020"
    c.lineWidth = highlight ? 6 : 3
    c.beginPath(); c.moveTo(c1[0], c1[1]); c.lineTo(from[0], from[1]); c.lineTo(o[0], o[1])
    c.lineTo(to[0], to[1]); c.lineTo(c4[0], c4[1]); c.stroke()
    c.fillStyle = "#fbfaf5"
    c.beginPath(); c.arc(o[0], o[1], 0.09 * size, 0, 2 * Math.PI); c.fill()
    text(c, "O", o[0], o[1], 0.13 * size, highlight ? "#e02020" : "#c02010")
    return o
}
