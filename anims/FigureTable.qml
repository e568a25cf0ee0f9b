import QtQuick
import "figures.js" as Figures

// Figures of the model from figures.js: one line a row of `group`, its label and its figure (the
// mean with the range of the runs), with a bar as long as the mean (`barMax` is a full bar) and a
// dark line across it from the smallest to the largest run. `skip` leaves rows out by their French
// label; `yours`, when given, marks a student's own mean on each bar (by French label).
Column {
    id: table
    property string group
    property string heading
    property real barMax: 100
    property int labelWidth: 260
    property int barWidth: 200
    property int figureWidth: 260
    property color barColour: "#3a9a4a"
    property var skip: [] // the French labels (keys) of rows left out
    property var yours: ({}) // French label -> a student's mean, shown as a mark on the bar
    // Above 0, a bar stands for this number divided by the figure: a half-time drawn as a rate
    // (50 / t½, the mean rate over the first half), so that a longer bar is a faster reaction.
    property real rateOf: 0
    property bool unitShown: true // false when the heading gives the unit
    readonly property var rows: (Figures.groups[group] || []).filter(r => skip.indexOf(r.key) < 0)
    spacing: 4

    Text { textFormat: Text.StyledText; visible: table.heading !== ""; width: table.labelWidth + table.barWidth + table.figureWidth + 24; text: table.heading; font.pixelSize: 19; font.bold: true; color: "#2f6b3a"; wrapMode: Text.WordWrap }
    Repeater {
        model: table.rows
        Row {
            id: line
            readonly property bool none: modelData.mean === null
            function bar(v) { return table.rateOf > 0 ? (v > 0 ? table.rateOf / v : 0) : v }
            function along(v) { return table.barWidth * Math.max(0, Math.min(1, bar(v) / table.barMax)) }
            spacing: 12
            Text { textFormat: Text.StyledText; anchors.verticalCenter: parent.verticalCenter; width: table.labelWidth; text: modelData.label; font.pixelSize: 18; color: "#303030"; wrapMode: Text.WordWrap }
            Rectangle {
                width: table.barWidth; height: 18
                anchors.verticalCenter: parent.verticalCenter
                color: "#ece6d6"
                Rectangle {
                    height: parent.height
                    width: line.none ? (table.rateOf > 0 ? 0 : parent.width) : line.along(modelData.mean)
                    color: line.none ? "#c8c0a8" : table.barColour
                }
                Rectangle { // the range of the runs
                    visible: !line.none && modelData.high > modelData.low
                    x: line.none ? 0 : Math.min(line.along(modelData.low), line.along(modelData.high))
                    width: line.none ? 0 : Math.max(2, Math.abs(line.along(modelData.high) - line.along(modelData.low)))
                    y: parent.height / 2 - 1; height: 3
                    color: "#1f3a24"
                }
                Rectangle { // a student's own mean
                    readonly property var mine: table.yours[modelData.key]
                    visible: mine !== undefined && mine !== null && !isNaN(mine)
                    x: visible ? line.along(mine) - 2 : 0
                    y: -4; width: 4; height: parent.height + 8
                    color: "#e07010"
                }
            }
            Text { textFormat: Text.StyledText; anchors.verticalCenter: parent.verticalCenter; width: table.figureWidth; text: Figures.shown(modelData, table.unitShown); font.pixelSize: 17; font.bold: true; color: "#1f3a24"; wrapMode: Text.WordWrap }
        }
    }
}
