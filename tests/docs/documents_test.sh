#!/bin/sh
# The teacher's guide and the practical sheets are printed whole, on A4, with the model's figures in
# place; a figure the lessons do not have stops their build; the sheets' experiment files follow the
# schema and run without a warning.
#   documents_test.sh BUILD_DIR EXAMPLES_DIR SCHEMA VELMORA2_BATCH VELMORA_DOC_FIGURES FIGURES_JS
set -u
build="$1"
examples="$2"
schema="$3"
batch="$4"
figures_tool="$5"
figures="$6"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for case in "guide-enseignant:Guide de l’enseignant:Km" "tp-temperature:TP 1:tp-temperature.velmora" \
    "tp-ph:TP 2:tp-ph.velmora" "tp-substrat-inhibiteur:TP 3:tp-substrat-inhibiteur.velmora"; do
    doc=${case%%:*}
    rest=${case#*:}
    title=${rest%%:*}
    said=${rest#*:}
    pdf="$build/docs/$doc.pdf"
    [ -s "$pdf" ] || { fail "$doc.pdf is not built"; continue; }
    pdfinfo "$pdf" >"$work/info" 2>&1 || { fail "$doc.pdf does not open: $(cat "$work/info")"; continue; }
    grep -q '^Page size:.*(A4)' "$work/info" || fail "$doc.pdf is not on A4: $(grep 'Page size' "$work/info")"
    pages=$(awk '/^Pages:/ {print $2}' "$work/info")
    [ "$pages" -ge 2 ] && [ "$pages" -le 6 ] || fail "$doc.pdf has $pages pages"
    pdftotext -enc UTF-8 "$pdf" "$work/$doc.txt" || fail "$doc.pdf has no text"
    # The title (its spaces may be non-breaking), what the document must name, no token left, and the
    # model's figures as the lessons write them: a mean with its range, decimal commas.
    tr '\302\240' '  ' <"$work/$doc.txt" | sed 's/  */ /g' >"$work/$doc.plain"
    grep -qF "$title" "$work/$doc.plain" || fail "$doc.pdf does not say '$title'"
    grep -qF "$said" "$work/$doc.plain" || fail "$doc.pdf does not say '$said'"
    grep -q '{{' "$work/$doc.plain" && fail "$doc.pdf keeps a figure's token"
    grep -Eq '[0-9],[0-9] (s|molécules/s) \(de [0-9]' "$work/$doc.plain" || fail "$doc.pdf quotes no figure with its range"
done

# A document that names a figure the lessons do not have is refused, with the token named.
printf 'Le temps : {{temperature|42&nbsp;°C}}.\n' >"$work/faulty.md"
if "$figures_tool" "$figures" "$work/faulty.md" "$work/out.md" 2>"$work/err"; then
    fail "a figure that does not exist is accepted"
fi
grep -qF '{{temperature|42&nbsp;°C}}' "$work/err" || fail "the refused figure is not named: $(cat "$work/err")"
[ ! -e "$work/out.md" ] || fail "a document with a missing figure is written"

# The practical sheets' experiment files: valid, and they run as they are.
for file in "$examples"/tp-*.velmora; do
    python3 -c 'import json, sys, jsonschema
jsonschema.validate(json.load(open(sys.argv[1], encoding="utf-8")), json.load(open(sys.argv[2], encoding="utf-8")))' \
        "$file" "$schema" 2>"$work/err" || fail "$(basename "$file") does not follow the schema: $(tail -1 "$work/err")"
    "$batch" --scenario "$file" --ticks 100 --csv "$work/run.csv" 2>"$work/err" ||
        fail "$(basename "$file") does not run: $(cat "$work/err")"
    [ -s "$work/err" ] && fail "$(basename "$file") gives warnings: $(cat "$work/err")"
done

[ "$failures" -eq 0 ]
