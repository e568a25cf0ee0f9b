import QtQuick

// The root item of every movie. Its main timeline has frames 1..frameCount and plays at frameRate
// frames a second; the program moves it with play, rewind and gotoFrame. Its string properties are
// the movie's variables. A movie talks to the program with command(name, args).
//
// With stageWidth and stageHeight set, the movie is drawn on a stage of that size, scaled as a
// whole to fit the player and centred in it; without them its children fill the player.
Item {
    id: movie

    property int currentFrame: 1
    property int frameCount: 1
    property real frameRate: 12
    property bool playing: true
    property bool loops: false // at the last frame: back to frame 1, or stop there

    property real stageWidth: 0
    property real stageHeight: 0
    property color backgroundColor: "transparent" // the whole player, around the stage too
    default property alias content: stage.data

    signal fsCommand(string command, string args)
    // The timeline went back to frame 1 from `fromFrame`; a movie may return there once it has
    // replayed its opening.
    signal rewound(int fromFrame)

    function play() {
        playing = true
    }

    function stop() {
        playing = false
    }

    function rewind() {
        const from = currentFrame
        gotoFrame(1)
        rewound(from)
    }

    // Shows the frame and stops there. Frames outside 1..frameCount go to the nearest one.
    function gotoFrame(frame) {
        currentFrame = Math.max(1, Math.min(Number(frame), frameCount))
        playing = false
    }

    function command(name, args) {
        fsCommand(String(name), args === undefined ? "" : String(args))
    }

    Rectangle {
        anchors.fill: parent
        color: movie.backgroundColor
    }

    Item {
        id: stage
        readonly property bool fixed: movie.stageWidth > 0 && movie.stageHeight > 0
        width: fixed ? movie.stageWidth : movie.width
        height: fixed ? movie.stageHeight : movie.height
        transformOrigin: Item.TopLeft
        scale: fixed ? Math.min(movie.width / movie.stageWidth, movie.height / movie.stageHeight) : 1
        // Centred on whole pixels, so that a stage at a whole scale draws exactly.
        x: Math.round((movie.width - width * scale) / 2)
        y: Math.round((movie.height - height * scale) / 2)

        // Qt Quick's software renderer draws a rounded or bordered rectangle under a plain scale in
        // pieces (corner pictures, edge and inner fills) that snap to the pixel grid each on its
        // own: unless every unit of the stage falls on whole device pixels, they leave hairline
        // gaps between them and stretch the corners pixel by pixel. Under any other transform it
        // draws each such rectangle whole and transforms the picture smoothly. A turn far too small
        // to move any pixel puts the stage on that path whenever its scale is not whole.
        readonly property real devicePixels: scale * Screen.devicePixelRatio
        rotation: Math.abs(devicePixels - Math.round(devicePixels)) < 1e-6 ? 0 : 1e-7
    }

    Timer {
        interval: Math.max(1, Math.round(1000 / movie.frameRate))
        repeat: true
        running: movie.playing && movie.frameCount > 1
        onTriggered: {
            if (movie.currentFrame < movie.frameCount)
                movie.currentFrame += 1
            else if (movie.loops)
                movie.currentFrame = 1
            else
                movie.playing = false
        }
    }
}
