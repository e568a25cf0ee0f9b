#!/bin/sh
# Experiment files, reports and workbooks from the runner, checked with the tools a teacher's
# machine has: pdftotext reads the report, LibreOffice opens the workbook.
#   scenario_test.sh VELMORA2_BATCH EXAMPLE_DIR SCHEMA
set -u
batch="$1"
examples="$2"
schema="$3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
example="$examples/chauffage.velmora"

# The README's example is the equivalent options, byte for byte; options after it override it.
"$batch" --scenario "$example" --csv "$work/file.csv" 2>"$work/err" || fail "the example does not run: $(cat "$work/err")"
[ -s "$work/err" ] && fail "the example gives warnings: $(cat "$work/err")"
"$batch" --reaction 1 --temperature 37 --ph 8 --enzyme 20 --substrate 100 --other 0 --scene 512x384 \
    --event 1200:temperature=60 --csv "$work/options.csv" || fail "the equivalent options do not run"
cmp -s "$work/file.csv" "$work/options.csv" || fail "the example and its options give different courses"
"$batch" --scenario "$example" --temperature 20 --ticks 400 --csv "$work/over.csv" || fail "an override fails"
"$batch" --reaction 1 --temperature 20 --ph 8 --ticks 400 --event 1200:temperature=60 --csv "$work/over2.csv"
cmp -s "$work/over.csv" "$work/over2.csv" || fail "an option after --scenario does not override the file"

# Faulty files: status 2, one French line naming the file and the place, nothing written.
printf '{"format": "velmora-experiment", "version": 1, "ph": 15}' >"$work/range.velmora"
printf '{"format": "velmora-experiment",\n "version": 1,,}' >"$work/syntax.velmora"
printf '{"format": "velmora-experiment", "version": 3}' >"$work/version.velmora"
head -c 1100000 /dev/zero | tr '\0' ' ' >"$work/big.velmora"
nb=$(printf '\302\240')
for case in "range.velmora:«${nb}ph${nb}»" "syntax.velmora:ligne 2" "version.velmora:version" \
    "big.velmora:1${nb}Mo" "missing.velmora:n’a pas pu être lu"; do
    file=${case%%:*}
    said=${case#*:}
    "$batch" --scenario "$work/$file" --csv "$work/bad.csv" 2>"$work/err"
    status=$?
    [ "$status" -eq 2 ] || fail "$file exits $status, not 2"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$file does not print one line: $(cat "$work/err")"
    grep -q "$file" "$work/err" || fail "$file: the message does not name the file: $(cat "$work/err")"
    grep -qF "$said" "$work/err" || fail "$file: the message does not say '$said': $(cat "$work/err")"
    [ ! -e "$work/bad.csv" ] || fail "$file: a file was written"
done

# Unknown keys are named in a warning and skipped.
printf '{"format": "velmora-experiment", "version": 1, "colour": "red"}' >"$work/unknown.velmora"
"$batch" --scenario "$work/unknown.velmora" --ticks 40 --csv "$work/u.csv" 2>"$work/err" || fail "an unknown key stops the run"
grep -q "colour" "$work/err" || fail "the unknown key is not named"

# The report holds every part, in French, with decimal commas.
cat >"$work/group.velmora" <<'EOF'
{"format": "velmora-experiment", "version": 1, "title": "Effet du pH", "instructions": "Comparez les deux courbes.",
 "ph": 5, "group": {"names": "Léa Martin et Sam Petit", "class": "1re B", "date": "12/03/2025"},
 "answer": "La réaction est plus lente à pH 5.",
 "kept": [{"ph": 8, "course": [[5, 80, 37, 8], [10, 60, 37, 8]]}],
 "curves": [{"variable": "substrate", "description": "37 °C, pH 8", "points": [[0, 0], [100, 4.5]], "km": 280.5, "vmax": 17.25}],
 "log": [{"time": "2025-03-12T10:04:05", "text": "Démarrage de l’expérience"}]}
EOF
# The files of this test and the example follow the published schema.
python3 - "$schema" "$example" "$work/group.velmora" <<'EOF' || fail "a file does not follow the schema"
import json, sys, jsonschema
schema = json.load(open(sys.argv[1], encoding="utf-8"))
jsonschema.Draft202012Validator.check_schema(schema)
for name in sys.argv[2:]:
    jsonschema.validate(json.load(open(name, encoding="utf-8")), schema)
EOF
"$batch" --scenario "$work/group.velmora" --report "$work/report.pdf" || fail "the report is not written"
pdftotext -layout "$work/report.pdf" "$work/report.txt" || fail "pdftotext cannot read the report"
for part in "Compte rendu" "Léa Martin et Sam Petit" "1re B" "12/03/2025" "Effet du pH" "Comparez les deux courbes" \
    "Réglages" "pH : 5" "Volume de la boîte : 100 %" "Substrat restant (%)" "Temps (s)" "Courbe gardée 1" \
    "Tableau des mesures" "Température (°C)" "Courbes d’activité" "Km = 280,5" \
    "Vmax = 17,25" "Réponse" "plus lente à pH 5" "Journal" "10:04:05" "Démarrage de l’expérience"; do
    grep -q "$part" "$work/report.txt" || fail "the report lacks '$part'"
done
grep -Eq "^ *5 +[0-9]+ +[0-9]+,[0-9] " "$work/report.txt" || fail "the table has no row at 5 s with a decimal comma"
grep -Eq "^ *6 +[0-9]+ " "$work/report.txt" && fail "the table has a row at 6 s"

# The workbook: its cells are numbers in the file's XML, and LibreOffice reads them as such.
"$batch" --scenario "$example" --xlsx "$work/course.xlsx" || fail "the workbook is not written"
python3 - "$work/course.xlsx" <<'EOF' || fail "the workbook's cells are not numbers"
import re, sys, zipfile
book = zipfile.ZipFile(sys.argv[1])
sheet = book.read("xl/worksheets/sheet1.xml").decode()
rows = re.findall(r'<row r="(\d+)"[^>]*>(.*?)</row>', sheet)
assert len(rows) == 101, len(rows)
assert all('t="s"' in cell for cell in re.findall(r"<c [^>]*>", rows[0][1])), "header not text"
for number, cells in rows[1:]:
    assert 't="' not in cells, "row %s holds text" % number
assert "<c:scatterChart>" in book.read("xl/charts/chart1.xml").decode(), "no native chart"
strings = book.read("xl/sharedStrings.xml").decode()
assert "Température (°C)" in strings and "Substrat (%)" in strings, strings
EOF
if command -v soffice >/dev/null 2>&1; then
    HOME="$work/home" soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):59,34,76' \
        --outdir "$work/lo" "$work/course.xlsx" >/dev/null 2>&1 || fail "LibreOffice cannot open the workbook"
    head -n 1 "$work/lo/course.csv" | grep -q "^Temps (s);Substrat (molécules);" || fail "LibreOffice reads other headers"
    sed -n 2p "$work/lo/course.csv" | grep -Eq '^1;[0-9]+;[0-9]+(\.0)?;37;8$' ||
        fail "LibreOffice reads the first row as $(sed -n 2p "$work/lo/course.csv")"
else
    echo "LibreOffice is missing: the workbook is checked by its XML only"
fi
"$batch" --sweep substrate=0:40:20 --compare other=0,50 --xlsx "$work/sweep.xlsx" >/dev/null || fail "the sweep workbook"
python3 -c "import zipfile,sys; s=zipfile.ZipFile(sys.argv[1]).read('xl/charts/chart1.xml').decode(); assert s.count('<c:ser>') == 2, s" \
    "$work/sweep.xlsx" || fail "the sweep workbook does not draw one line per compared value"

[ "$failures" -eq 0 ] || exit 1
echo "scenario, report and workbook: all checks passed"
