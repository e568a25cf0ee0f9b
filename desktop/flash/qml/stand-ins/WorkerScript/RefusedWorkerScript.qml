import QtQml

// What a movie gets for WorkerScript: its script would run on a thread of its own, where the
// program's watchdog cannot stop it, and no movie needs one. It has the members of the real one
// and runs nothing: no message ever comes back.
QtObject {
    property url source
    readonly property bool ready: false
    signal message(var messageObject)
    function sendMessage(messageObject) {}
    Component.onCompleted: console.warn("WorkerScript is not available to movies: its script does not run")
}
