import QtQuick

// A named part of a movie with a timeline of its own. The program finds it by its objectName and
// moves it with gotoFrame; it shows or hides it through its visibility.
Item {
    property int currentFrame: 1
    property int frameCount: 1

    // Frames outside 1..frameCount go to the nearest one.
    function gotoFrame(frame) {
        currentFrame = Math.max(1, Math.min(Number(frame), frameCount))
    }
}
