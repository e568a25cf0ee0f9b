#!/bin/sh
# The window as a screen reader meets it on the accessibility bus: a private D-Bus session with its
# own accessibility bus, the program on a virtual screen, and a client that reads the bus as Orca
# does (bus_test.py). Usage: bus_test.sh VELMORA2 SOURCE_FOLDER (whose movies and settings it uses)
# Skipped (77) where the bus, the virtual screen or the client is not installed.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher

if [ "$1" != "--inside" ]; then
    for tool in dbus-run-session Xvfb xdotool; do
        command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }
    done
    [ -x "$launcher" ] || { echo "skipped: no at-spi-bus-launcher (at-spi2-core)"; exit 77; }
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: no pyatspi (python3-pyatspi)"; exit 77; }
    exec dbus-run-session -- "$0" --inside "$1" "$2"
fi
program=$2
source=$3

# Inside the private session: a screen, the accessibility bus, the program, then the client.
scratch=$(mktemp -d)
# A state folder of its own: no experiment left by another test's kill is offered here.
export XDG_STATE_HOME="$scratch/state"
started=""
cleanup() {
    for pid in $started; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
started="$!"
for _ in $(seq 50); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
DISPLAY=:$(cat "$scratch/display")
export DISPLAY

"$launcher" --launch-immediately >"$scratch/launcher.log" 2>&1 &
started="$! $started"

mkdir -m 700 "$scratch/runtime"
(cd "$source" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime" \
    exec "$program" >"$scratch/program.log" 2>&1) &
started="$! $started"

status=0
/usr/bin/python3 "$here/bus_test.py" || status=$?
if [ "$status" -ne 0 ]; then
    echo "--- the program's output:"
    cat "$scratch/program.log"
fi
exit "$status"
