.pragma library

// The model's figures that the lessons quote, each the mean over 20 generator states with its range,
// from the velmora2-batch sweep that gives it. The lessons show them from here, and a test runs every
// sweep and compares means and ranges, so that a change of the model that changes a figure is seen at
// once (the README of this folder says how).
//
// A row: `label` (what the lesson writes beside the figure, in French; the labels with words are
// marked for translation), `run` (the velmora2-batch options: a sweep with --repeat 20 and one
// --measure), the point it reads (`x`, the swept value, and `series`, the compared value when there
// is one), and `mean`, `low`, `high`: the mean, minimum and maximum over the runs of that point, as
// the sweep's table gives them (null when no run gave the measure, a half-time never reached):
// - half-time: the first second of the graph at which at most half of the substrate is left;
// - left: the substrate left after the last tick, in per cent of the starting quantity (1200 ticks
//   are 60 s);
// - initial-rate:5: the substrate transformed in the first 5 seconds of the graph, divided by 5, in
//   molecules per second: the slope that a student reads on the graph.

var runs = {
    // the half-time along the temperature
    T: "--reaction 1 --ph 8 --enzyme 20 --substrate 100 --sweep temperature=0:80:10 --measure half-time --repeat 20 --ticks 2420",
    // lactose hydrolysis at 37 degrees C
    R1: "--reaction 1 --ph 8 --enzyme 20 --substrate 100 --sweep temperature=37:37:1 --measure half-time --repeat 20 --ticks 2420",
    // lactose synthesis at 37 degrees C
    R2: "--reaction 2 --ph 8 --enzyme 20 --substrate 100 --sweep temperature=37:37:1 --measure half-time --repeat 20 --ticks 2420",
    // maltose hydrolysis at 37 degrees C
    R3: "--reaction 3 --ph 6 --enzyme 20 --substrate 100 --sweep temperature=37:37:1 --measure half-time --repeat 20 --ticks 2420",
    // amylose hydrolysis at 37 degrees C
    R4: "--reaction 4 --ph 7 --enzyme 20 --substrate 100 --sweep temperature=37:37:1 --measure half-time --repeat 20 --ticks 2420",
    // maltose hydrolysis at pH 6 and 8
    M: "--reaction 3 --temperature 37 --enzyme 20 --substrate 100 --sweep ph=6:8:2 --measure half-time --repeat 20 --ticks 2420",
    // lactose synthesis: the glucose left at 120 s
    S: "--reaction 2 --ph 8 --enzyme 20 --substrate 100 --sweep temperature=37:37:1 --measure left --repeat 20 --ticks 2400",
    // without enzyme at 80 degrees C, pH 0 to 8, left at 100 s
    A80: "--reaction 1 --temperature 80 --enzyme 0 --substrate 100 --sweep ph=0:8:1 --measure left --repeat 20 --ticks 2000",
    // without enzyme at pH 0 and 37 degrees C
    A37: "--reaction 1 --ph 0 --enzyme 0 --substrate 100 --sweep temperature=37:37:1 --measure left --repeat 20 --ticks 2000",
    // maltose without enzyme
    AM: "--reaction 3 --temperature 80 --enzyme 0 --substrate 100 --sweep ph=0:0:1 --measure left --repeat 20 --ticks 2000",
    // with lactase, for comparison
    AL: "--reaction 1 --ph 8 --enzyme 20 --substrate 100 --sweep temperature=37:37:1 --measure left --repeat 20 --ticks 2000",
    // amylose at 0 and 37 degrees C, left at 60 s
    H60: "--reaction 4 --ph 7 --enzyme 20 --substrate 100 --sweep temperature=0:37:37 --measure left --repeat 20 --ticks 1200",
    // amylose without enzyme, left at 120 s
    H0: "--reaction 4 --temperature 37 --ph 7 --substrate 100 --sweep enzyme=0:0:1 --measure left --repeat 20 --ticks 2400",
    // amylose at 0 degrees C, warmed to 37 after 60 s
    HC: "--reaction 4 --ph 7 --enzyme 20 --substrate 100 --sweep temperature=0:0:1 --event 1200:temperature=37 --measure left --repeat 20 --ticks 2400",
    // amylose at 80 degrees C, cooled to 37 after 1 s
    HH: "--reaction 4 --ph 7 --enzyme 20 --substrate 100 --sweep temperature=80:80:1 --event 20:temperature=37 --measure left --repeat 20 --ticks 2400",
    // the initial rate along the pH
    VP: "--reaction 1 --temperature 37 --enzyme 20 --substrate 100 --sweep ph=3:12:1 --measure initial-rate:5 --repeat 20 --ticks 120",
    // the initial rate along the amount of enzyme
    VE: "--reaction 1 --temperature 37 --ph 8 --substrate 100 --sweep enzyme=5:40:5 --measure initial-rate:5 --repeat 20 --ticks 120",
    // the initial rate along the substrate, with and without thiolactose, in a box of 25 %
    VS: "--reaction 1 --temperature 37 --ph 8 --enzyme 10 --volume 25 --sweep substrate=0:200:10 --compare other=0,100 --measure initial-rate:5 --repeat 20 --ticks 120"
}

var groups = {
    // Lactose hydrolysis, 20 lactase, 100 lactose, pH 8: the half-time along the temperature (never
    // reached at 0 and 80 degrees C within the run).
    temperature: [
        { label: "0&nbsp;°C", run: runs.T, x: 0, mean: null, low: null, high: null },
        { label: "10&nbsp;°C", run: runs.T, x: 10, mean: 39.15, low: 32, high: 57 },
        { label: "20&nbsp;°C", run: runs.T, x: 20, mean: 18.4, low: 16, high: 22 },
        { label: "30&nbsp;°C", run: runs.T, x: 30, mean: 13, low: 11, high: 15 },
        { label: "37&nbsp;°C", run: runs.R1, x: 37, mean: 11.45, low: 9, high: 14 },
        { label: "40&nbsp;°C", run: runs.T, x: 40, mean: 10.55, low: 9, high: 12 },
        { label: "50&nbsp;°C", run: runs.T, x: 50, mean: 10.7, low: 9, high: 13 },
        { label: "60&nbsp;°C", run: runs.T, x: 60, mean: 14.45, low: 13, high: 17 },
        { label: "70&nbsp;°C", run: runs.T, x: 70, mean: 24.85, low: 22, high: 29 },
        { label: "80&nbsp;°C", run: runs.T, x: 80, mean: null, low: null, high: null }
    ],
    // Lactose hydrolysis at 37 degrees C, 20 lactase, 100 lactose: the initial rate along the pH.
    ratePh: [
        { label: "pH&nbsp;3", run: runs.VP, x: 3, mean: 0, low: 0, high: 0 },
        { label: "pH&nbsp;4", run: runs.VP, x: 4, mean: 0.53, low: 0, high: 0.8 },
        { label: "pH&nbsp;5", run: runs.VP, x: 5, mean: 2.25, low: 1.2, high: 2.8 },
        { label: "pH&nbsp;6", run: runs.VP, x: 6, mean: 3.41, low: 2.6, high: 4 },
        { label: "pH&nbsp;7", run: runs.VP, x: 7, mean: 4.08, low: 3.2, high: 5.2 },
        { label: "pH&nbsp;8", run: runs.VP, x: 8, mean: 4.71, low: 4, high: 5.8 },
        { label: "pH&nbsp;9", run: runs.VP, x: 9, mean: 4.08, low: 3.2, high: 5.2 },
        { label: "pH&nbsp;10", run: runs.VP, x: 10, mean: 3.41, low: 2.6, high: 4 },
        { label: "pH&nbsp;11", run: runs.VP, x: 11, mean: 2.25, low: 1.2, high: 2.8 },
        { label: "pH&nbsp;12", run: runs.VP, x: 12, mean: 0.53, low: 0, high: 0.8 }
    ],
    // Lactose hydrolysis at 37 degrees C, pH 8, 100 lactose: the initial rate along the amount of enzyme.
    rateEnzyme: [
        { label: QT_TR_NOOP("enzymes&nbsp;: 5"), run: runs.VE, x: 5, mean: 1.11, low: 0.4, high: 1.6 },
        { label: QT_TR_NOOP("enzymes&nbsp;: 10"), run: runs.VE, x: 10, mean: 2.34, low: 1.6, high: 3.4 },
        { label: QT_TR_NOOP("enzymes&nbsp;: 20"), run: runs.VE, x: 20, mean: 4.71, low: 4, high: 5.8 },
        { label: QT_TR_NOOP("enzymes&nbsp;: 40"), run: runs.VE, x: 40, mean: 8.59, low: 7.4, high: 9.8 }
    ],
    // Lactose hydrolysis at 37 degrees C, pH 8, 10 lactase, a box of 25 % volume: the initial rate
    // along the amount of substrate, towards saturation.
    rateSubstrate: [
        { label: QT_TR_NOOP("lactose&nbsp;: 20"), run: runs.VS, x: 20, series: 0, mean: 2.07, low: 1.2, high: 2.6 },
        { label: QT_TR_NOOP("lactose&nbsp;: 50"), run: runs.VS, x: 50, series: 0, mean: 3.5, low: 3, high: 4.6 },
        { label: QT_TR_NOOP("lactose&nbsp;: 100"), run: runs.VS, x: 100, series: 0, mean: 4.64, low: 4, high: 5 },
        { label: QT_TR_NOOP("lactose&nbsp;: 150"), run: runs.VS, x: 150, series: 0, mean: 5.36, low: 4.8, high: 5.8 },
        { label: QT_TR_NOOP("lactose&nbsp;: 200"), run: runs.VS, x: 200, series: 0, mean: 5.69, low: 5.2, high: 6 }
    ],
    // The same with and without 100 thiolactose: the competition.
    competition: [
        { label: QT_TR_NOOP("lactose&nbsp;: 20, sans thiolactose"), run: runs.VS, x: 20, series: 0, mean: 2.07, low: 1.2, high: 2.6 },
        { label: QT_TR_NOOP("lactose&nbsp;: 20, thiolactose&nbsp;: 100"), run: runs.VS, x: 20, series: 100, mean: 0.69, low: 0.2, high: 1.2 },
        { label: QT_TR_NOOP("lactose&nbsp;: 50, sans thiolactose"), run: runs.VS, x: 50, series: 0, mean: 3.5, low: 3, high: 4.6 },
        { label: QT_TR_NOOP("lactose&nbsp;: 50, thiolactose&nbsp;: 100"), run: runs.VS, x: 50, series: 100, mean: 1.45, low: 0.6, high: 2 },
        { label: QT_TR_NOOP("lactose&nbsp;: 100, sans thiolactose"), run: runs.VS, x: 100, series: 0, mean: 4.64, low: 4, high: 5 },
        { label: QT_TR_NOOP("lactose&nbsp;: 100, thiolactose&nbsp;: 100"), run: runs.VS, x: 100, series: 100, mean: 2.02, low: 1.2, high: 2.8 },
        { label: QT_TR_NOOP("lactose&nbsp;: 200, sans thiolactose"), run: runs.VS, x: 200, series: 0, mean: 5.69, low: 5.2, high: 6 },
        { label: QT_TR_NOOP("lactose&nbsp;: 200, thiolactose&nbsp;: 100"), run: runs.VS, x: 200, series: 100, mean: 3.22, low: 2.2, high: 4.2 }
    ],
    // The whole saturation sweep, without (I 0) and with (I 100) thiolactose, for the activity curve's
    // drawing: S the lactose, I the thiolactose.
    curve: [
        { label: "S&nbsp;10, I&nbsp;0", run: runs.VS, x: 10, series: 0, mean: 1.12, low: 0.8, high: 1.4 },
        { label: "S&nbsp;20, I&nbsp;0", run: runs.VS, x: 20, series: 0, mean: 2.07, low: 1.2, high: 2.6 },
        { label: "S&nbsp;30, I&nbsp;0", run: runs.VS, x: 30, series: 0, mean: 2.74, low: 2, high: 3.4 },
        { label: "S&nbsp;40, I&nbsp;0", run: runs.VS, x: 40, series: 0, mean: 3.03, low: 2.4, high: 3.8 },
        { label: "S&nbsp;50, I&nbsp;0", run: runs.VS, x: 50, series: 0, mean: 3.5, low: 3, high: 4.6 },
        { label: "S&nbsp;60, I&nbsp;0", run: runs.VS, x: 60, series: 0, mean: 3.94, low: 3.4, high: 4.8 },
        { label: "S&nbsp;70, I&nbsp;0", run: runs.VS, x: 70, series: 0, mean: 4.32, low: 3.2, high: 4.8 },
        { label: "S&nbsp;80, I&nbsp;0", run: runs.VS, x: 80, series: 0, mean: 4.33, low: 3.6, high: 4.8 },
        { label: "S&nbsp;90, I&nbsp;0", run: runs.VS, x: 90, series: 0, mean: 4.52, low: 3.8, high: 5.2 },
        { label: "S&nbsp;100, I&nbsp;0", run: runs.VS, x: 100, series: 0, mean: 4.64, low: 4, high: 5 },
        { label: "S&nbsp;110, I&nbsp;0", run: runs.VS, x: 110, series: 0, mean: 4.74, low: 4.2, high: 5.2 },
        { label: "S&nbsp;120, I&nbsp;0", run: runs.VS, x: 120, series: 0, mean: 4.99, low: 4.2, high: 5.4 },
        { label: "S&nbsp;130, I&nbsp;0", run: runs.VS, x: 130, series: 0, mean: 5.12, low: 4.6, high: 5.6 },
        { label: "S&nbsp;140, I&nbsp;0", run: runs.VS, x: 140, series: 0, mean: 5.18, low: 4.4, high: 5.6 },
        { label: "S&nbsp;150, I&nbsp;0", run: runs.VS, x: 150, series: 0, mean: 5.36, low: 4.8, high: 5.8 },
        { label: "S&nbsp;160, I&nbsp;0", run: runs.VS, x: 160, series: 0, mean: 5.28, low: 4.8, high: 5.8 },
        { label: "S&nbsp;170, I&nbsp;0", run: runs.VS, x: 170, series: 0, mean: 5.5, low: 4.8, high: 5.8 },
        { label: "S&nbsp;180, I&nbsp;0", run: runs.VS, x: 180, series: 0, mean: 5.61, low: 5.2, high: 6 },
        { label: "S&nbsp;190, I&nbsp;0", run: runs.VS, x: 190, series: 0, mean: 5.58, low: 5.2, high: 5.8 },
        { label: "S&nbsp;200, I&nbsp;0", run: runs.VS, x: 200, series: 0, mean: 5.69, low: 5.2, high: 6 },
        { label: "S&nbsp;10, I&nbsp;100", run: runs.VS, x: 10, series: 100, mean: 0.3, low: 0, high: 1 },
        { label: "S&nbsp;20, I&nbsp;100", run: runs.VS, x: 20, series: 100, mean: 0.69, low: 0.2, high: 1.2 },
        { label: "S&nbsp;30, I&nbsp;100", run: runs.VS, x: 30, series: 100, mean: 0.8, low: 0.4, high: 1.4 },
        { label: "S&nbsp;40, I&nbsp;100", run: runs.VS, x: 40, series: 100, mean: 1.1, low: 0.4, high: 1.6 },
        { label: "S&nbsp;50, I&nbsp;100", run: runs.VS, x: 50, series: 100, mean: 1.45, low: 0.6, high: 2 },
        { label: "S&nbsp;60, I&nbsp;100", run: runs.VS, x: 60, series: 100, mean: 1.51, low: 0.8, high: 2.8 },
        { label: "S&nbsp;70, I&nbsp;100", run: runs.VS, x: 70, series: 100, mean: 1.6, low: 0.8, high: 2.2 },
        { label: "S&nbsp;80, I&nbsp;100", run: runs.VS, x: 80, series: 100, mean: 1.84, low: 1, high: 3.2 },
        { label: "S&nbsp;90, I&nbsp;100", run: runs.VS, x: 90, series: 100, mean: 1.75, low: 0.8, high: 2.6 },
        { label: "S&nbsp;100, I&nbsp;100", run: runs.VS, x: 100, series: 100, mean: 2.02, low: 1.2, high: 2.8 },
        { label: "S&nbsp;110, I&nbsp;100", run: runs.VS, x: 110, series: 100, mean: 2.08, low: 1.2, high: 3.4 },
        { label: "S&nbsp;120, I&nbsp;100", run: runs.VS, x: 120, series: 100, mean: 2.48, low: 1.6, high: 3.2 },
        { label: "S&nbsp;130, I&nbsp;100", run: runs.VS, x: 130, series: 100, mean: 2.84, low: 1.8, high: 3.8 },
        { label: "S&nbsp;140, I&nbsp;100", run: runs.VS, x: 140, series: 100, mean: 2.64, low: 1.8, high: 4 },
        { label: "S&nbsp;150, I&nbsp;100", run: runs.VS, x: 150, series: 100, mean: 2.77, low: 1.8, high: 4 },
        { label: "S&nbsp;160, I&nbsp;100", run: runs.VS, x: 160, series: 100, mean: 2.74, low: 1.8, high: 3.8 },
        { label: "S&nbsp;170, I&nbsp;100", run: runs.VS, x: 170, series: 100, mean: 3.13, low: 2.4, high: 4.4 },
        { label: "S&nbsp;180, I&nbsp;100", run: runs.VS, x: 180, series: 100, mean: 3.14, low: 2, high: 4.4 },
        { label: "S&nbsp;190, I&nbsp;100", run: runs.VS, x: 190, series: 100, mean: 3.3, low: 2.6, high: 4 },
        { label: "S&nbsp;200, I&nbsp;100", run: runs.VS, x: 200, series: 100, mean: 3.22, low: 2.2, high: 4.2 }
    ],
    // The four reactions at 37 degrees C, 20 enzymes, 100 substrate, each at its enzyme's optimum pH.
    reactions: [
        { label: QT_TR_NOOP("Hydrolyse du lactose (pH&nbsp;8)"), run: runs.R1, x: 37, mean: 11.45, low: 9, high: 14 },
        { label: QT_TR_NOOP("Synthèse du lactose (pH&nbsp;8)"), run: runs.R2, x: 37, mean: 15.7, low: 13, high: 18 },
        { label: QT_TR_NOOP("Hydrolyse du maltose (pH&nbsp;6)"), run: runs.R3, x: 37, mean: 10.9, low: 9, high: 13 },
        { label: QT_TR_NOOP("Hydrolyse de l’amylose (pH&nbsp;7)"), run: runs.R4, x: 37, mean: 32.3, low: 26, high: 38 }
    ],
    // Maltose hydrolysis away from the maltase's optimum pH.
    maltose: [
        { label: QT_TR_NOOP("maltase à pH&nbsp;6"), run: runs.M, x: 6, mean: 10.9, low: 9, high: 13 },
        { label: QT_TR_NOOP("maltase à pH&nbsp;8"), run: runs.M, x: 8, mean: 15.65, low: 14, high: 20 }
    ],
    // Lactose synthesis: the glucose left after two minutes, in per cent.
    synthesis: [
        { label: QT_TR_NOOP("glucose restant après 120&nbsp;s"), run: runs.S, x: 37, mean: 6.5, low: 5, high: 8 }
    ],
    // Without enzyme, 100 molecules: what is left at 100 s, in per cent.
    acid: [
        { label: QT_TR_NOOP("lactose, pH&nbsp;0, 80&nbsp;°C"), run: runs.A80, x: 0, mean: 70, low: 63, high: 76 },
        { label: QT_TR_NOOP("lactose, pH&nbsp;1, 80&nbsp;°C"), run: runs.A80, x: 1, mean: 93.25, low: 89, high: 96 },
        { label: QT_TR_NOOP("lactose, pH&nbsp;0, 37&nbsp;°C"), run: runs.A37, x: 37, mean: 95.35, low: 93, high: 98 },
        { label: QT_TR_NOOP("lactose, pH&nbsp;8, 80&nbsp;°C"), run: runs.A80, x: 8, mean: 100, low: 100, high: 100 },
        { label: QT_TR_NOOP("maltose, pH&nbsp;0, 80&nbsp;°C"), run: runs.AM, x: 0, mean: 69.15, low: 61, high: 76 },
        { label: QT_TR_NOOP("lactose et lactase, pH&nbsp;8, 37&nbsp;°C"), run: runs.AL, x: 37, mean: 0, low: 0, high: 0 }
    ],
    // Amylose hydrolysis, pH 7, 20 amylase, 100 units: heat, cold and the controls; units left, in
    // per cent.
    heatAndCold: [
        { label: QT_TR_NOOP("37&nbsp;°C, à 60&nbsp;s"), run: runs.H60, x: 37, mean: 18.2, low: 7, high: 34 },
        { label: QT_TR_NOOP("sans enzyme, 37&nbsp;°C, à 120&nbsp;s"), run: runs.H0, x: 0, mean: 100, low: 100, high: 100 },
        { label: QT_TR_NOOP("0&nbsp;°C, à 60&nbsp;s"), run: runs.H60, x: 0, mean: 100, low: 100, high: 100 },
        { label: QT_TR_NOOP("0&nbsp;°C puis 37&nbsp;°C, à 120&nbsp;s"), run: runs.HC, x: 0, mean: 15.7, low: 7, high: 26 },
        { label: QT_TR_NOOP("80&nbsp;°C puis 37&nbsp;°C, à 120&nbsp;s"), run: runs.HH, x: 80, mean: 100, low: 100, high: 100 }
    ]
}

// The Michaelis-Menten fits (v = Vmax S / (Km + S)) of the saturation sweep, without and with
// thiolactose, as velmora2-batch prints them for `run`: Km in molecules, Vmax in molecules per
// second, each with its standard error.
var fits = {
    saturation: { run: runs.VS, series: 0, km: 49.6, kmError: 1.6, vmax: 7.055, vmaxError: 0.072 },
    inhibited: { run: runs.VS, series: 100, km: 232, kmError: 31, vmax: 7.11, vmaxError: 0.60 }
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

// What a row measures: "half-time", "left" or "initial-rate:5".
function measure(r) {
    return r.run.replace(/.*--measure (\S+).*/, "$1")
}

// A number with `digits` decimals, with the decimal mark of the program's language: "1,8".
function decimal(x, digits) {
    const parts = Math.abs(x).toFixed(digits).split(".")
    //: A decimal number: its whole part, the decimal mark, its decimals.
    const number = parts.length > 1 ? qsTr("%1,%2").arg(parts[0]).arg(parts[1]) : parts[0]
    return (x < 0 && Number(x.toFixed(digits)) !== 0 ? "−" : "") + number
}

// The decimals that a measure's mean is written with: a tenth of a second shows that 40 °C is faster
// than 37 °C even when both round to 11 s.
function digits(r) {
    return measure(r) === "left" ? 0 : 1
}

// The decimals of a measure's range: one run's half-time is a whole second, its per cent whole.
function rangeDigits(r) {
    return measure(r).indexOf("initial-rate") === 0 ? 1 : 0
}

// The unit after a figure, with its non-breaking space: " s", " %", " molécules/s".
function unit(r) {
    const m = measure(r)
    if (m === "half-time")
        return "&nbsp;s"
    if (m === "left")
        return "&nbsp;%"
    return qsTr("&nbsp;molécules/s")
}

// The figure of a row as a number: its mean (NaN when no run gave it).
function mean(r) {
    return r && r.mean !== null ? r.mean : NaN
}

// The mean alone, as the lessons write it: "11 s", "4,7 molécules/s" ("4,7" without `withUnit`);
// a half-time never reached within the run: "plus de 120 s".
function value(r, withUnit) {
    if (!r)
        return "?"
    if (r.mean === null) {
        const ticks = Number(r.run.replace(/.*--ticks (\d+).*/, "$1"))
        return qsTr("plus de %1&nbsp;s").arg(ticks / 20 - 1)
    }
    return decimal(r.mean, digits(r)) + (withUnit === false ? "" : unit(r))
}

// The range of the runs: "de 9 à 14 s"; empty when they all gave the same figure, or none.
function range(r, withUnit) {
    if (!r || r.mean === null || r.low === r.high)
        return ""
    return qsTr("de %1 à %2").arg(decimal(r.low, rangeDigits(r))).arg(decimal(r.high, rangeDigits(r)))
        + (withUnit === false || measure(r).indexOf("initial-rate") === 0 ? "" : unit(r))
}

// A figure as the lessons quote it: the mean with its range, "11 s (de 9 à 14 s)"; without
// `withUnit` (a table whose heading says it), "4,7 (de 4,0 à 5,8)".
function shown(r, withUnit) {
    const spread = range(r, withUnit)
    return spread === "" ? value(r, withUnit) : value(r, withUnit) + " (" + spread + ")"
}

// The figure of one row, by its group and label.
function figure(group, label) {
    return shown(row(group, label))
}
