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
