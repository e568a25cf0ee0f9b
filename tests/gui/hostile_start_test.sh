#!/bin/sh
# How the window starts under hostile conditions: with its standard streams closed, under a limit
# on processes, and on a kernel without Landlock.
set -u
program="$1"
build="$2"
without_landlock="$3"
fixtures="$4"
work=$(mktemp -d)
# A state folder of its own: no experiment left by another test's kill is offered here.
export XDG_STATE_HOME="$work/state"
app=""
cleanup() {
    [ -n "$app" ] && kill -9 "$app" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Ends the copy started in the background.
stop() {
    kill -9 "$app" 2>/dev/null
    wait "$app" 2>/dev/null
    app=""
}

# Started with its standard streams closed, the program has /dev/null in their place: neither the
# writer's channel nor the display's connection takes their numbers, and it runs on.
mkdir "$work/empty"
cd "$work/empty" || exit 1
"$program" <&- >&- 2>&- &
app=$!
sleep 3
if ! kill -0 "$app" 2>/dev/null; then
    wait "$app"
    [ $? -eq 0 ] && { echo "SKIP: a copy of the program already runs for this user"; exit 77; }
    fail "started with its standard streams closed, the program ended"
else
    for descriptor in 0 1 2; do
        target=$(readlink "/proc/$app/fd/$descriptor")
        [ "$target" = /dev/null ] || fail "descriptor $descriptor is $target, not /dev/null"
    done
fi
stop

# Without Landlock (its system calls refused, as on an older kernel), the movies come only from the
# installation, which only the administrator can change, never from the current folder; one line
# says so, and the rest goes on.
chmod 755 "$work"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
mkdir -p "$work/here/anims"
cp "$fixtures/hostile-panel/panelbut.swf" "$work/here/anims/panelbut.swf"
echo "à garder" >"$work/here/anims/victim.txt"
cd "$work/here" || exit 1
"$without_landlock" "$work/prefix/bin/velmora2" >"$work/out" 2>"$work/err" &
app=$!
sleep 4
kill -0 "$app" 2>/dev/null || fail "without Landlock, the program ended: $(cat "$work/err")"
stop
grep -q "HOSTILE PANEL SHOWN" "$work/err" && fail "without Landlock, a movie of the current folder was shown"
[ "$(cat "$work/here/anims/victim.txt")" = "à garder" ] || fail "without Landlock, a movie changed a file"
[ "$(grep -c "offers no Landlock" "$work/err")" -eq 1 ] || fail "without Landlock, not one line: $(cat "$work/err")"
if [ "$(id -u)" -eq 0 ]; then
    grep -q "movies are taken only from the installation, $work/prefix/share/velmora2" "$work/err" ||
        fail "without Landlock, the installation's movies are not the ones shown: $(cat "$work/err")"
    grep -q "cannot be shown" "$work/err" && fail "without Landlock, an installed movie is missing: $(cat "$work/err")"
else
    # An installation of the user's own is no safer than the current folder.
    grep -q "no installation holds movies that only the administrator can change" "$work/err" ||
        fail "an installation of the user's own is trusted: $(cat "$work/err")"
fi

# Under a limit on processes that leaves no thread to start, the program says so in French, in one
# line, and ends with status 1 (not invisibly, nor aborting). The limit is counted per user: checked
# as a user of no other process, when run as root.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && command -v prlimit >/dev/null; then
    setpriv --reuid=65533 --regid=65533 --clear-groups env HOME="$work" LC_ALL=C.UTF-8 LANGUAGE= \
        prlimit --nproc=2 timeout 20 "$program" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 1 ] || fail "under a limit on processes, status $status, not 1: $(cat "$work/err")"
    [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q "Le logiciel ne peut pas démarrer" "$work/err" ||
        fail "under a limit on processes, not one French line: $(cat "$work/err")"
else
    echo "limit on processes: not checked, needs root to act as a user of no other process"
fi

[ "$failures" -eq 0 ] && echo "hostile start checks passed"
[ "$failures" -eq 0 ]
