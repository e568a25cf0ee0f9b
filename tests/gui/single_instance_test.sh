#!/bin/sh
# One copy of the program per user: a second start ends at once with status 0, handing its file to
# the first; once the first copy is killed outright, the next start runs normally. Run as root, the
# test also makes a second user who tries to block the first: the guard of another user is ignored.
set -u
program="$1"
work=$(mktemp -d)
# A state folder of its own: no experiment left by another test's kill is offered here.
export XDG_STATE_HOME="$work/state"
chmod 755 "$work"
pids=""
other=velmora-guard-test
made_user=""
cleanup() {
    for pid in $pids $(cat "$work"/other-runtime/*.pid 2>/dev/null); do kill -9 "$pid" 2>/dev/null; done
    sleep 0.2
    [ -n "$made_user" ] && userdel "$other" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work" || exit 1
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

start() {
    "$program" "$@" >/dev/null 2>&1 &
    last=$!
    pids="$pids $last"
}

# Started from an empty folder, the first copy waits on its "File not found." box: it runs on.
start
first=$last
sleep 2
kill -0 "$first" 2>/dev/null || fail "the first copy did not keep running"
[ -S "$work/runtime/velmora2.socket" ] || fail "no socket in the runtime folder"
[ "$(stat -c %a "$work/runtime/velmora2.socket")" = 700 ] || [ "$(stat -c %a "$work/runtime/velmora2.socket")" = 600 ] ||
    fail "the socket is open to others: $(stat -c %a "$work/runtime/velmora2.socket")"

for args in "" "$work/absent.velmora"; do
    begin=$(date +%s)
    # shellcheck disable=SC2086
    timeout 20 "$program" $args >"$work/out" 2>&1
    status=$?
    elapsed=$(($(date +%s) - begin))
    [ "$status" -eq 0 ] || fail "a second copy ($args) ends with status $status, not 0"
    [ "$elapsed" -le 3 ] || fail "a second copy ($args) took $elapsed s to end"
    [ ! -s "$work/out" ] || fail "a second copy printed: $(cat "$work/out")"
done
kill -0 "$first" 2>/dev/null || fail "the first copy ended when a file was handed to it"

kill -9 "$first"
wait "$first" 2>/dev/null
start
sleep 2
kill -0 "$last" 2>/dev/null || fail "after the first copy was killed, a new one did not start"
kill -9 "$last"
wait "$last" 2>/dev/null

# Another user on the same machine cannot keep this one's program from starting.
if [ "$(id -u)" -eq 0 ] && command -v useradd >/dev/null && command -v runuser >/dev/null; then
    if ! id "$other" >/dev/null 2>&1; then
        useradd --system --no-create-home --shell /usr/sbin/nologin "$other" && made_user=yes
    fi
    me=$(id -u)
    mkdir -m 700 "$work/other-runtime"
    chown "$other" "$work/other-runtime"
    # The old guard's name, and the fallback folder of this user, taken by the other user.
    # Each process of the other user writes its id, so that the test ends it, and only it.
    runuser -u "$other" -- sh -c "echo \$\$ >'$work/other-runtime/socket.pid'; exec python3 -c \"
import socket, time
s = socket.socket(socket.AF_UNIX)
s.bind('\\0Brendole.$me')
s.listen()
time.sleep(12)\"" >/dev/null 2>&1 &
    fallback="/tmp/velmora2-$me"
    if [ ! -e "$fallback" ]; then
        runuser -u "$other" -- mkdir -m 777 "$fallback" && taken=yes
    fi
    # The other user runs the program too, with its own guard.
    runuser -u "$other" -- sh -c "echo \$\$ >'$work/other-runtime/program.pid'; exec env XDG_RUNTIME_DIR='$work/other-runtime' \
        QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software HOME='$work/other-runtime' '$program'" >/dev/null 2>&1 &
    sleep 2
    for runtime in "$work/runtime" "" "$work/other-runtime"; do
        if [ -n "$runtime" ]; then
            export XDG_RUNTIME_DIR="$runtime"
        else
            unset XDG_RUNTIME_DIR
        fi
        start
        sleep 2
        kill -0 "$last" 2>/dev/null || fail "another user's guard stopped the program (runtime '$runtime')"
        kill -9 "$last"
        wait "$last" 2>/dev/null
    done
    [ -n "${taken:-}" ] && rm -rf "$fallback"
    kill -0 "$(cat "$work/other-runtime/program.pid" 2>/dev/null)" 2>/dev/null || echo "note: the other user's copy did not run"
else
    echo "not root: the test with two users is skipped"
fi

[ "$failures" -eq 0 ] && echo "single-instance checks passed"
[ "$failures" -eq 0 ]
