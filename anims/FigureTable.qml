import QtQuick
import "figures.js" as Figures

// Figures of the model from figures.js: one line a row of `group`, its label and its figure, with a
// bar as long as the figure (`barMax` is a full bar).
Column {
    id: table
    property string group
    property string heading
    property real barMax: 100
    property int labelWidth: 260
    property int barWidth: 200
    property color barColour: "#3a9a4a"
    property var skip: [] // the French labels (keys) of rows left out
    readonly property var rows: (Figures.groups[group] || []).filter(r => skip.indexOf(r.key) < 0)
    spacing: 4

    Text { textFormat: Text.StyledText; visible: table.heading !== ""; text: table.heading; font.pixelSize: 19; font.bold: true; color: "#2f6b3a" }
    Repeater {
        model: table.rows
        Row {
            spacing: 12
            Text { textFormat: Text.StyledText; width: table.labelWidth; text: modelData.label; font.pixelSize: 18; color: "#303030"; wrapMode: Text.WordWrap }
            Rectangle {
                width: table.barWidth; height: 18
                anchors.verticalCenter: parent.verticalCenter
                color: "#ece6d6"
                Rectangle {
                    height: parent.height
                    width: modelData.value < 0 ? parent.width : parent.width * Math.min(1, modelData.value / table.barMax)
                    color: modelData.value < 0 ? "#c8c0a8" : table.barColour
                }
            }
            Text { textFormat: Text.StyledText; text: Figures.shown(modelData); font.pixelSize: 18; font.bold: true; color: "#1f3a24" }
        }
    }
}
