#!/bin/sh
# The batch runner's command line as a user meets it.
set -u
batch="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A faulty line: exit status 2, one line on stderr naming the option, no file written.
for args in "--colour blue" "--reaction 9" "--ticks" "--event 5:speed=2" "--scene 10" "--volume 30" \
    "--volume 100 --scene 512x384"; do
    # shellcheck disable=SC2086
    "$batch" $args --csv "$work/bad.csv" --dump "$work/bad.txt" 2>"$work/err"
    status=$?
    [ "$status" -eq 2 ] || fail "'$args' exits $status, not 2"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "'$args' does not print one line: $(cat "$work/err")"
    first=${args%% *}
    grep -q -- "$first" "$work/err" || fail "'$args': the error does not name $first"
    [ ! -e "$work/bad.csv" ] && [ ! -e "$work/bad.txt" ] || fail "'$args' wrote a file"
done

# A sound run writes both files; the same run again gives the same bytes.
"$batch" --reaction 3 --ticks 400 --event 200:ph=3 --csv "$work/a.csv" --dump "$work/a.txt" || fail "run 1 failed"
"$batch" --reaction 3 --ticks 400 --event 200:ph=3 --csv "$work/b.csv" --dump "$work/b.txt" || fail "run 2 failed"
cmp -s "$work/a.txt" "$work/b.txt" || fail "two runs give different dumps"
cmp -s "$work/a.csv" "$work/b.csv" || fail "two runs give different time courses"
[ "$(head -n 1 "$work/a.txt")" = "velmora-dump 1" ] || fail "the dump does not start with its format line"
[ "$(wc -l <"$work/a.csv")" -eq 21 ] || fail "400 ticks do not give a header and 20 rows"

# Two outputs naming one file, by name, through a link or a hard link: refused before writing.
ln -s a.txt "$work/link.txt"
ln "$work/a.txt" "$work/hard.txt"
cp "$work/a.txt" "$work/kept.txt"
for pair in "$work/n.csv $work/n.csv" "$work/link.txt $work/a.txt" "$work/hard.txt $work/a.txt"; do
    # shellcheck disable=SC2086
    set -- $pair
    "$batch" --ticks 40 --csv "$1" --dump "$2" 2>"$work/err"
    status=$?
    [ "$status" -eq 2 ] || fail "--csv $1 --dump $2 exits $status, not 2"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "--csv $1 --dump $2 does not print one line"
    cmp -s "$work/a.txt" "$work/kept.txt" && [ ! -e "$work/n.csv" ] || fail "--csv $1 --dump $2 wrote a file"
done
"$batch" --ticks 40 --csv /dev/null --dump /dev/null || fail "two outputs to /dev/null are refused"

# A failed run, on a full device or past the file size limit, leaves every earlier file as it was
# and no temporary file behind.
"$batch" --ticks 400 --csv /dev/full --dump "$work/a.txt" 2>"$work/err"
[ $? -eq 1 ] || fail "a full device does not exit 1"
(trap '' XFSZ; ulimit -f 8; "$batch" --ticks 2000 --csv "$work/a.csv" --dump "$work/a.txt") 2>"$work/err"
[ $? -eq 1 ] || fail "a file past the size limit does not exit 1"
cmp -s "$work/a.txt" "$work/kept.txt" || fail "a failed run changed an earlier dump"
cmp -s "$work/a.csv" "$work/b.csv" || fail "a failed run changed an earlier time course"
[ -z "$(find "$work" -name '.*')" ] || fail "a failed run left a temporary file: $(find "$work" -name '.*')"

# A sweep: the same table and picture whatever the jobs, nothing on a standard error that is not a
# terminal; faulty sweep options end at once.
sweep="--ph 8 --sweep substrate=0:200:50 --compare other=0,50 --repeat 2 --measure initial-rate --measure left"
# shellcheck disable=SC2086
"$batch" $sweep --jobs 1 --table "$work/s1.csv" --plot "$work/s1.png" >"$work/out1" 2>"$work/err" ||
    fail "a sweep fails"
[ ! -s "$work/err" ] || fail "a sweep writes on a standard error that is not a terminal: $(cat "$work/err")"
# shellcheck disable=SC2086
"$batch" $sweep --jobs 2 --table "$work/s2.csv" --plot "$work/s2.png" >"$work/out2" || fail "a sweep on 2 jobs fails"
cmp -s "$work/s1.csv" "$work/s2.csv" && cmp -s "$work/s1.png" "$work/s2.png" && cmp -s "$work/out1" "$work/out2" ||
    fail "1 and 2 jobs give different results"
[ "$(wc -l <"$work/s1.csv")" -eq 11 ] || fail "the table does not have a header and 10 rows"
[ "$(head -c 4 "$work/s1.png" | tail -c 3)" = "PNG" ] || fail "the plot is not a PNG picture"
grep -q "Michaelis-Menten fit (other 50)" "$work/out1" || fail "the fit of each curve is not reported"
grep -q "^Competitive fit (one Vmax" "$work/out1" || fail "the competitive fit is not reported"
for args in "--sweep ph=0:15:1" "--sweep ph=0:14:1 --plot a.gif" "--table t.csv" \
    "--sweep ph=0:14:1 --measure initial-rate@0" "--sweep ph=0:14:1 --measure initial-rate@51"; do
    # shellcheck disable=SC2086
    "$batch" $args 2>"$work/err" >/dev/null
    [ $? -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 1 ] || fail "'$args' is not refused with one line and status 2"
done

# Every message is one line: a value holding a line feed or other control characters is escaped,
# so that no second line can be forged.
"$batch" --ticks "$(printf '1\nvelmora2-batch: all experiments done\033[2J')" 2>"$work/err"
[ $? -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 1 ] || fail "a value with a line feed does not give one line"
grep -q '\\n' "$work/err" && grep -q '\\x1B' "$work/err" || fail "control characters are not escaped: $(cat "$work/err")"
"$batch" --csv "$(printf 'a\nb.csv')" --dump "$(printf 'a\nb.csv')" 2>"$work/err"
[ $? -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 1 ] || fail "a file name with a line feed does not give one line"
"$batch" --scenario "$(printf '%s/no\nvelmora2-batch: done.velmora' "$work")" 2>"$work/err"
[ $? -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 1 ] || fail "a scenario's name with a line feed does not give one line"

# An option given twice is refused, except those that add up.
for args in "--ticks 3 --ticks 4" "--csv $work/x.csv --csv $work/y.csv" "--sweep ph=0:14:1 --repeat 2 --repeat 3"; do
    # shellcheck disable=SC2086
    "$batch" $args 2>"$work/err" >/dev/null
    [ $? -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q "given twice" "$work/err" ||
        fail "'$args' is not refused as given twice"
done
"$batch" --ticks 40 --event 1:ph=3 --event 2:ph=4 --csv /dev/null || fail "two --event are refused"
"$batch" --sweep ph=0:14:7 --sweep enzyme=0:20:10 --measure left --measure half-time >/dev/null ||
    fail "two --sweep or two --measure are refused"

# A plan beyond the limit is refused before it starts, with its size and the time it would take.
"$batch" --sweep temperature=-10:90:1 --sweep substrate=0:200:1 --repeat 10000 --table "$work/big.csv" 2>"$work/err"
[ $? -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 1 ] || fail "a plan too big is not refused with one line"
grep -q "203010000 experiments.*would take about" "$work/err" || fail "a plan too big: $(cat "$work/err")"
[ ! -e "$work/big.csv" ] || fail "a plan too big wrote its table"

# A name as long as the file system allows is written: the temporary file's name is shortened.
long=$(printf 'n%.0s' $(seq 250)).csv
"$batch" --ticks 40 --csv "$work/$long" || fail "a 254-byte file name cannot be written"
[ -s "$work/$long" ] || fail "the file with a 254-byte name is missing"
rm -f "$work/$long"

# Whatever ends the run, its temporary files go; a signal ends it with that signal's usual status.
# (A background job of a script ignores SIGINT and SIGQUIT: env gives them back their usual action.)
ulimit -c 0
endless="--sweep temperature=-10:90:1 --repeat 400 --measure left --ticks 4000 --jobs 1"
for pair in INT:2 TERM:15 HUP:1 QUIT:3 USR1:10 ALRM:14 XFSZ:25 XCPU:24; do
    signal=${pair%:*}
    # shellcheck disable=SC2086
    env --default-signal "$batch" $endless --table "$work/sig.csv" --plot "$work/sig.svg" 2>/dev/null &
    pid=$!
    for _ in $(seq 200); do
        [ "$(find "$work" -name '.sig.*' | wc -l)" -eq 2 ] && break
        sleep 0.05
    done
    kill -s "$signal" "$pid"
    wait "$pid"
    status=$?
    [ "$status" -eq $((128 + ${pair#*:})) ] || fail "SIG$signal ends the run with status $status"
    [ -z "$(find "$work" -name '.sig.*')" ] || fail "SIG$signal leaves a temporary file: $(find "$work" -name '.sig.*')"
done
(ulimit -f 8; "$batch" --ticks 2000 --csv "$work/a.csv" --dump "$work/a.txt") 2>/dev/null
[ $? -eq $((128 + 25)) ] || fail "the file size limit does not end the run by SIGXFSZ"
[ -z "$(find "$work" -name '.*')" ] || fail "SIGXFSZ leaves a temporary file"
cmp -s "$work/a.txt" "$work/kept.txt" || fail "SIGXFSZ changed an earlier dump"

# A reader of the standard output that goes away: a write error, status 1, no temporary file.
( "$batch" --sweep substrate=0:200:10 --repeat 4 --plot "$work/pipe.svg" 2>"$work/err"; echo $? >"$work/status" ) | true
[ "$(cat "$work/status")" -eq 1 ] || fail "a reader gone away gives status $(cat "$work/status")"
grep -q "cannot write the standard output: the reader has gone" "$work/err" || fail "a reader gone: $(cat "$work/err")"
[ ! -e "$work/pipe.svg" ] && [ -z "$(find "$work" -name '.*')" ] || fail "a reader gone away leaves files"

# Started with its standard output closed, the run writes its table to the file, and nothing else.
"$batch" --sweep substrate=0:200:50 --table "$work/closed.csv" >&- || fail "a closed standard output fails the run"
[ "$(wc -l <"$work/closed.csv")" -eq 6 ] && ! grep -q "Michaelis" "$work/closed.csv" ||
    fail "with the standard output closed, the report went into the table"
"$batch" --sweep substrate=0:200:50 >&- 2>&- || fail "closed standard streams fail the run"

# The same file through a bind mount is seen, and a full disk is said as such (a private mount
# namespace of a user namespace: no rights needed, nothing left mounted).
if unshare -rm true 2>/dev/null; then
    mkdir "$work/real" "$work/bound" "$work/small"
    unshare -rm sh -c "
        mount --bind '$work/real' '$work/bound' &&
        '$batch' --ticks 40 --csv '$work/real/x.txt' --dump '$work/bound/x.txt' 2>'$work/err'
        echo \$? >'$work/status'
        mount -t tmpfs -o size=16k tmpfs '$work/small' &&
        head -c 12288 /dev/zero >'$work/small/filler' &&
        '$batch' --sweep substrate=0:200:10 --plot '$work/small/c.svg' 2>'$work/full' >/dev/null
        echo \$? >>'$work/status'
        ls -A '$work/small' >'$work/left'"
    [ "$(sed -n 1p "$work/status")" -eq 2 ] && grep -q "is the same file as" "$work/err" ||
        fail "two names of one file through a bind mount are not refused: $(cat "$work/err")"
    [ ! -e "$work/real/x.txt" ] || fail "the bind-mount case wrote a file"
    [ "$(sed -n 2p "$work/status")" -eq 1 ] && grep -q "c.svg': the disk is full" "$work/full" ||
        fail "a full disk is not said as such: $(cat "$work/full")"
    [ "$(cat "$work/left")" = "filler" ] || fail "a full disk leaves files: $(cat "$work/left")"
else
    echo "bind mount and full disk: not checked, no user namespaces here"
fi

# When threads cannot all start (a limit on processes), the sweep runs on those it has and says so
# in one line. The limit is counted per user: checked as an unprivileged user when run as root.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && command -v prlimit >/dev/null; then
    chmod 755 "$work" && mkdir "$work/nobody" && chmod 777 "$work/nobody"
    # shellcheck disable=SC2086
    setpriv --reuid=65534 --regid=65534 --clear-groups prlimit --nproc=3 \
        "$batch" $sweep --jobs 1024 --table "$work/nobody/t.csv" >/dev/null 2>"$work/err"
    status=$?
    [ "$status" -eq 0 ] || fail "a sweep under a process limit ends with status $status: $(cat "$work/err")"
    cmp -s "$work/nobody/t.csv" "$work/s1.csv" || fail "a sweep under a process limit gives another table"
    [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q "only [0-9]* of [0-9]* jobs could start" "$work/err" ||
        fail "a sweep under a process limit does not say so in one line: $(cat "$work/err")"
else
    echo "process limit: not checked, needs root to act as another user"
fi

# A file that cannot be written is told, with a failure status.
"$batch" --ticks 1 --dump "$work/no/such/folder/d.txt" 2>"$work/err"
[ $? -eq 1 ] || fail "an unwritable dump does not exit 1"
grep -q "cannot write" "$work/err" || fail "an unwritable dump is not told"

"$batch" --help >"$work/help" || fail "--help fails"
grep -q -- "--event" "$work/help" || fail "--help does not list the options"

# --volume is the box of --scene of that size, byte for byte.
"$batch" --volume 25 --ticks 200 --dump "$work/v.txt" && "$batch" --scene 256x192 --ticks 200 --dump "$work/s.txt" &&
    cmp -s "$work/v.txt" "$work/s.txt" || fail "--volume 25 is not --scene 256x192"

[ "$failures" -eq 0 ] && echo "all command-line checks passed"
[ "$failures" -eq 0 ]
