.pragma library

// The model's figures that the lessons quote, each with the velmora2-batch options that give it.
// The lessons show them from here, and a test runs every line and compares, so that a change of
// the model that changes a figure is seen at once (the README of this folder says how).
//
// A row: `label` (what the lesson writes beside the figure, in French; the labels with words are
// marked for translation), `run` (the velmora2-batch options), `measure` and `value`:
// - "halfTime": the first second of the graph at which at most half of the substrate is left;
//   -1 when that never happens within the run;
// - "percentAt": the substrate left, in per cent of the starting quantity, at second `second`;
// - "goneAt": the substrate molecules transformed by second `second` (the starting quantity less
//   what is left).
// A run of N ticks draws the seconds 1 to N / 20 − 1 of the graph: 2420 ticks reach second 120.

var groups = {
    // Lactose hydrolysis, 20 lactase, 100 lactose, pH 8: the temperature.
    temperature: [
        { label: "0&nbsp;°C", run: "--reaction 1 --temperature 0 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: -1 },
        { label: "10&nbsp;°C", run: "--reaction 1 --temperature 10 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 32 },
        { label: "20&nbsp;°C", run: "--reaction 1 --temperature 20 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 18 },
        { label: "30&nbsp;°C", run: "--reaction 1 --temperature 30 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 14 },
        { label: "37&nbsp;°C", run: "--reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 11 },
        { label: "40&nbsp;°C", run: "--reaction 1 --temperature 40 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 9 },
        { label: "45&nbsp;°C", run: "--reaction 1 --temperature 45 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 10 },
        { label: "50&nbsp;°C", run: "--reaction 1 --temperature 50 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 10 },
        { label: "60&nbsp;°C", run: "--reaction 1 --temperature 60 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 16 },
        { label: "70&nbsp;°C", run: "--reaction 1 --temperature 70 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 23 },
        { label: "80&nbsp;°C", run: "--reaction 1 --temperature 80 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: -1 }
    ],
    // Lactose hydrolysis at 37 degrees C: the pH, read at 20 s.
    ph: [
        { label: "pH&nbsp;3", run: "--reaction 1 --temperature 37 --ph 3 --enzyme 20 --substrate 100 --ticks 420", measure: "percentAt", second: 20, value: 100 },
        { label: "pH&nbsp;4", run: "--reaction 1 --temperature 37 --ph 4 --enzyme 20 --substrate 100 --ticks 420", measure: "percentAt", second: 20, value: 89 },
        { label: "pH&nbsp;5", run: "--reaction 1 --temperature 37 --ph 5 --enzyme 20 --substrate 100 --ticks 420", measure: "percentAt", second: 20, value: 49 },
        { label: "pH&nbsp;6", run: "--reaction 1 --temperature 37 --ph 6 --enzyme 20 --substrate 100 --ticks 420", measure: "percentAt", second: 20, value: 37 },
        { label: "pH&nbsp;7", run: "--reaction 1 --temperature 37 --ph 7 --enzyme 20 --substrate 100 --ticks 420", measure: "percentAt", second: 20, value: 33 },
        { label: "pH&nbsp;8", run: "--reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 100 --ticks 420", measure: "percentAt", second: 20, value: 23 },
        { label: "pH&nbsp;9", run: "--reaction 1 --temperature 37 --ph 9 --enzyme 20 --substrate 100 --ticks 420", measure: "percentAt", second: 20, value: 33 },
        { label: "pH&nbsp;10", run: "--reaction 1 --temperature 37 --ph 10 --enzyme 20 --substrate 100 --ticks 420", measure: "percentAt", second: 20, value: 37 },
        { label: "pH&nbsp;11", run: "--reaction 1 --temperature 37 --ph 11 --enzyme 20 --substrate 100 --ticks 420", measure: "percentAt", second: 20, value: 49 },
        { label: "pH&nbsp;12", run: "--reaction 1 --temperature 37 --ph 12 --enzyme 20 --substrate 100 --ticks 420", measure: "percentAt", second: 20, value: 89 }
    ],
    // Lactose hydrolysis, 37 degrees C, pH 8, 100 lactose: the amount of enzyme.
    enzyme: [
        { label: QT_TR_NOOP("enzymes&nbsp;: 5"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 5 --substrate 100 --ticks 2420", measure: "halfTime", value: 40 },
        { label: QT_TR_NOOP("enzymes&nbsp;: 10"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 10 --substrate 100 --ticks 2420", measure: "halfTime", value: 22 },
        { label: QT_TR_NOOP("enzymes&nbsp;: 20"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 11 },
        { label: QT_TR_NOOP("enzymes&nbsp;: 40"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 40 --substrate 100 --ticks 2420", measure: "halfTime", value: 6 }
    ],
    // Lactose hydrolysis, 37 degrees C, pH 8, 10 lactase: the amount of substrate, read at 20 s.
    substrate: [
        { label: QT_TR_NOOP("lactose&nbsp;: 25"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 10 --substrate 25 --ticks 420", measure: "goneAt", second: 20, value: 12 },
        { label: QT_TR_NOOP("lactose&nbsp;: 50"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 10 --substrate 50 --ticks 420", measure: "goneAt", second: 20, value: 24 },
        { label: QT_TR_NOOP("lactose&nbsp;: 100"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 10 --substrate 100 --ticks 420", measure: "goneAt", second: 20, value: 48 },
        { label: QT_TR_NOOP("lactose&nbsp;: 125"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 10 --substrate 125 --ticks 420", measure: "goneAt", second: 20, value: 71 },
        { label: QT_TR_NOOP("lactose&nbsp;: 150"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 10 --substrate 150 --ticks 420", measure: "goneAt", second: 20, value: 72 },
        { label: QT_TR_NOOP("lactose&nbsp;: 200"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 10 --substrate 200 --ticks 420", measure: "goneAt", second: 20, value: 74 }
    ],
    // Lactose hydrolysis, 37 degrees C, pH 8, 20 lactase, 100 lactose: the amount of thiolactose.
    inhibitor: [
        { label: QT_TR_NOOP("sans thiolactose"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 100 --other 0 --ticks 2420", measure: "halfTime", value: 11 },
        { label: QT_TR_NOOP("thiolactose&nbsp;: 50"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 100 --other 50 --ticks 2420", measure: "halfTime", value: 13 },
        { label: QT_TR_NOOP("thiolactose&nbsp;: 100"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 100 --other 100 --ticks 2420", measure: "halfTime", value: 19 },
        { label: QT_TR_NOOP("thiolactose&nbsp;: 200"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 100 --other 200 --ticks 2420", measure: "halfTime", value: 24 }
    ],
    // The same, with 50 or 200 lactose, with and without 100 thiolactose: lactose cut in 10 s.
    competition: [
        { label: QT_TR_NOOP("lactose&nbsp;: 50, sans thiolactose"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 50 --other 0 --ticks 220", measure: "goneAt", second: 10, value: 29 },
        { label: QT_TR_NOOP("lactose&nbsp;: 50, thiolactose&nbsp;: 100"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 50 --other 100 --ticks 220", measure: "goneAt", second: 10, value: 15 },
        { label: QT_TR_NOOP("lactose&nbsp;: 200, sans thiolactose"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 200 --other 0 --ticks 220", measure: "goneAt", second: 10, value: 73 },
        { label: QT_TR_NOOP("lactose&nbsp;: 200, thiolactose&nbsp;: 100"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 200 --other 100 --ticks 220", measure: "goneAt", second: 10, value: 50 }
    ],
    // The four reactions at 37 degrees C, 20 enzymes, 100 substrate, each at its enzyme's optimum pH.
    reactions: [
        { label: QT_TR_NOOP("Hydrolyse du lactose (pH&nbsp;8)"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 11 },
        { label: QT_TR_NOOP("Synthèse du lactose (pH&nbsp;8)"), run: "--reaction 2 --temperature 37 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 14 },
        { label: QT_TR_NOOP("Hydrolyse du maltose (pH&nbsp;6)"), run: "--reaction 3 --temperature 37 --ph 6 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 12 },
        { label: QT_TR_NOOP("Hydrolyse de l’amylose (pH&nbsp;7)"), run: "--reaction 4 --temperature 37 --ph 7 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 34 }
    ],
    // Maltose hydrolysis away from the maltase's optimum pH.
    maltose: [
        { label: QT_TR_NOOP("maltase à pH&nbsp;6"), run: "--reaction 3 --temperature 37 --ph 6 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 12 },
        { label: QT_TR_NOOP("maltase à pH&nbsp;8"), run: "--reaction 3 --temperature 37 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "halfTime", value: 15 }
    ],
    // Lactose synthesis: what is left after two minutes.
    synthesis: [
        { label: QT_TR_NOOP("glucose restant après 120&nbsp;s"), run: "--reaction 2 --temperature 37 --ph 8 --enzyme 20 --substrate 100 --ticks 2420", measure: "percentAt", second: 120, value: 7 }
    ],
    // Without enzyme, 100 molecules, read at 100 s.
    acid: [
        { label: QT_TR_NOOP("lactose, pH&nbsp;0, 80&nbsp;°C"), run: "--reaction 1 --temperature 80 --ph 0 --enzyme 0 --substrate 100 --ticks 2020", measure: "percentAt", second: 100, value: 64 },
        { label: QT_TR_NOOP("lactose, pH&nbsp;1, 80&nbsp;°C"), run: "--reaction 1 --temperature 80 --ph 1 --enzyme 0 --substrate 100 --ticks 2020", measure: "percentAt", second: 100, value: 91 },
        { label: QT_TR_NOOP("lactose, pH&nbsp;0, 37&nbsp;°C"), run: "--reaction 1 --temperature 37 --ph 0 --enzyme 0 --substrate 100 --ticks 2020", measure: "percentAt", second: 100, value: 96 },
        { label: QT_TR_NOOP("lactose, pH&nbsp;8, 80&nbsp;°C"), run: "--reaction 1 --temperature 80 --ph 8 --enzyme 0 --substrate 100 --ticks 2020", measure: "percentAt", second: 100, value: 100 },
        { label: QT_TR_NOOP("maltose, pH&nbsp;0, 80&nbsp;°C"), run: "--reaction 3 --temperature 80 --ph 0 --enzyme 0 --substrate 100 --ticks 2020", measure: "percentAt", second: 100, value: 62 },
        { label: QT_TR_NOOP("lactose et lactase, pH&nbsp;8, 37&nbsp;°C"), run: "--reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 100 --ticks 2020", measure: "percentAt", second: 100, value: 0 }
    ],
    // Amylose hydrolysis, pH 7, 20 amylase, 100 units: heat, cold and the controls, read at 60 and 120 s.
    heatAndCold: [
        { label: QT_TR_NOOP("37&nbsp;°C, à 60&nbsp;s"), run: "--reaction 4 --temperature 37 --ph 7 --enzyme 20 --substrate 100 --ticks 2420", measure: "percentAt", second: 60, value: 12 },
        { label: QT_TR_NOOP("sans enzyme, 37&nbsp;°C, à 120&nbsp;s"), run: "--reaction 4 --temperature 37 --ph 7 --enzyme 0 --substrate 100 --ticks 2420", measure: "percentAt", second: 120, value: 100 },
        { label: QT_TR_NOOP("0&nbsp;°C, à 60&nbsp;s"), run: "--reaction 4 --temperature 0 --ph 7 --enzyme 20 --substrate 100 --ticks 2420 --event 1200:temperature=37", measure: "percentAt", second: 60, value: 100 },
        { label: QT_TR_NOOP("0&nbsp;°C puis 37&nbsp;°C, à 120&nbsp;s"), run: "--reaction 4 --temperature 0 --ph 7 --enzyme 20 --substrate 100 --ticks 2420 --event 1200:temperature=37", measure: "percentAt", second: 120, value: 12 },
        { label: QT_TR_NOOP("80&nbsp;°C puis 37&nbsp;°C, à 120&nbsp;s"), run: "--reaction 4 --temperature 80 --ph 7 --enzyme 20 --substrate 100 --ticks 2420 --event 20:temperature=37", measure: "percentAt", second: 120, value: 100 }
    ]
}

// Once loaded, every row shows its label in the language of the program and keeps the French one as
// `key`, by which the lessons name the row.
for (const name in groups) {
    for (const r of groups[name]) {
        r.key = r.label
        r.label = qsTr(r.label)
    }
}

// The row of `group` whose French label is `label`.
function row(group, label) {
    const rows = groups[group]
    for (let i = 0; i < rows.length; ++i) {
        if (rows[i].key === label)
            return rows[i]
    }
    return null
}

// A figure as the lessons write it: "11 s", "23 %", "48".
function shown(r) {
    if (!r)
        return "?"
    if (r.measure === "halfTime") {
        const ticks = Number(r.run.replace(/.*--ticks (\d+).*/, "$1"))
        return r.value < 0 ? qsTr("plus de %1&nbsp;s").arg(ticks / 20 - 1) : r.value + "&nbsp;s"
    }
    if (r.measure === "percentAt")
        return r.value + "&nbsp;%"
    return String(r.value)
}

// The figure of one row, by its group and label.
function figure(group, label) {
    return shown(row(group, label))
}

// The figure of a row as a number.
function mean(r) {
    return r ? r.value : NaN
}

// A number with `digits` decimals, with the decimal mark of the program's language: "1,8".
function decimal(x, digits) {
    const parts = Math.abs(x).toFixed(digits).split(".")
    //: A decimal number: its whole part, the decimal mark, its decimals.
    const number = parts.length > 1 ? qsTr("%1,%2").arg(parts[0]).arg(parts[1]) : parts[0]
    return (x < 0 ? "−" : "") + number
}
