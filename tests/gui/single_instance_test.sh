#!/bin/sh
# One copy of the program per user: a second start ends at once with status 0; once the first copy
# is killed outright, the next start runs normally.
set -u
program="$1"
work=$(mktemp -d)
first=""
second=""
cleanup() {
    for pid in $first $second; do kill -9 "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work" || exit 1
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Started from an empty folder, the first copy waits on its "File not found." box: it runs on.
"$program" >/dev/null 2>&1 &
first=$!
sleep 2
if ! kill -0 "$first" 2>/dev/null; then
    wait "$first"
    if [ $? -eq 0 ]; then
        echo "SKIP: a copy of the program already runs for this user"
        exit 77
    fi
    fail "the first copy did not keep running"
fi

begin=$(date +%s)
timeout 20 "$program" >"$work/out" 2>&1
status=$?
elapsed=$(( $(date +%s) - begin ))
[ "$status" -eq 0 ] || fail "a second copy ends with status $status, not 0"
[ "$elapsed" -le 3 ] || fail "a second copy took $elapsed s to end"
[ ! -s "$work/out" ] || fail "a second copy printed: $(cat "$work/out")"

kill -9 "$first"
wait "$first" 2>/dev/null
first=""

"$program" >/dev/null 2>&1 &
second=$!
sleep 2
kill -0 "$second" 2>/dev/null || fail "after the first copy was killed, a new one did not start"

[ "$failures" -eq 0 ] && echo "single-instance checks passed"
[ "$failures" -eq 0 ]
