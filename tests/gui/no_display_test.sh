#!/bin/sh
# Without a graphical screen the program says so in one French line on the standard error output
# and ends with status 1: when nothing names a screen, and when the display named does not answer.
set -u
program="$1"
work=$(mktemp -d)
# A state folder of its own: no experiment left by another test's kill is offered here.
export XDG_STATE_HOME="$work/state"
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs the program with the environment given, and checks what it said and its status.
check() {
    what="$1"
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 20 "$program" >"$work/out" 2>"$work/err"
    status=$?
    if [ "$status" -eq 0 ] && [ ! -s "$work/err" ]; then
        echo "$what: not checked, a copy of the program already runs for this user"
        return
    fi
    [ "$status" -eq 1 ] || fail "$what: status $status, not 1"
    [ ! -s "$work/out" ] || fail "$what: printed on the standard output: $(cat "$work/out")"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$what: not one line: $(cat "$work/err")"
    grep -q "a besoin d’un écran graphique" "$work/err" || fail "$what: said $(cat "$work/err")"
}

check "no display"
check "a display that does not answer" DISPLAY=:987

[ "$failures" -eq 0 ] && echo "no-display checks passed"
[ "$failures" -eq 0 ]
