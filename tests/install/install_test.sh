#!/bin/sh
# Installed into a temporary prefix, the program has its files where a Linux desktop looks for
# them, its desktop entry, AppStream data and manual pages are sound and agree on the version, and
# started from another folder it finds its movies and its settings.
set -u
build="$1"
work=$(mktemp -d)
# A state folder of its own: no experiment left by another test's kill is offered here.
export XDG_STATE_HOME="$work/state"
prefix="$work/prefix"
app=""
xvfb=""
cleanup() {
    [ -n "$app" ] && kill -9 "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }

for file in bin/velmora2 bin/velmora2-batch share/velmora2/velmora.ini share/velmora2/anims/panelbut.swf \
    share/velmora2/anims/panellegende.swf share/velmora2/anims/ensavoirplus.swf share/velmora2/anims/Lesson.qml \
    share/applications/fr.velmora.velmora2.desktop share/metainfo/fr.velmora.velmora2.metainfo.xml \
    share/icons/hicolor/48x48/apps/fr.velmora.velmora2.png share/icons/hicolor/256x256/apps/fr.velmora.velmora2.png \
    share/man/man1/velmora2.1.gz share/man/man1/velmora2-batch.1.gz share/doc/velmora2/copyright \
    share/velmora2/translations/velmora2_en.qm share/mime/packages/fr.velmora.velmora2.xml \
    share/velmora2/velmora-experiment.schema.json share/velmora2/exemples/chauffage.velmora \
    share/velmora2/exemples/tp-temperature.velmora share/velmora2/exemples/tp-ph.velmora \
    share/velmora2/exemples/tp-substrat-inhibiteur.velmora; do
    [ -e "$prefix/$file" ] || fail "$file is not installed"
done
# The teacher's guide and the practical sheets, where the build printed them.
for document in guide-enseignant tp-temperature tp-ph tp-substrat-inhibiteur; do
    [ ! -e "$build/docs/$document.pdf" ] || [ -s "$prefix/share/doc/velmora2/$document.pdf" ] ||
        fail "$document.pdf is not installed"
done
[ ! -e "$prefix/share/velmora2/anims/README.md" ] || fail "the movie authors' notes are installed"

# Both validators say nothing, pedantic hints included, but one: Debian 12's AppStream (0.16) does
# not know the <developer> element that later versions ask for in place of <developer_name>.
metainfo="$prefix/share/metainfo/fr.velmora.velmora2.metainfo.xml"
appstreamcli validate --pedantic --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    fail "the AppStream data do not validate"
grep -v -e ': unknown-tag developer$' \
    -e 'Validation was successful' -e '^$' "$work/appstream.log" >"$work/appstream.said" &&
    { cat "$work/appstream.said"; fail "the AppStream validator has something to say"; }
desktop-file-validate "$prefix/share/applications/fr.velmora.velmora2.desktop" >"$work/desktop.log" 2>&1 ||
    fail "the desktop entry does not validate"
[ -s "$work/desktop.log" ] && { cat "$work/desktop.log"; fail "the desktop entry validator has something to say"; }

# The kind of file of experiments: shared-mime-info takes it, and the desktop entry opens it with %f.
if command -v update-mime-database >/dev/null; then
    XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "the MIME type is refused"; }
    grep -q "\*.velmora" "$prefix/share/mime/globs2" 2>/dev/null || fail "the MIME database does not know *.velmora"
    [ -s "$work/mime.log" ] && { cat "$work/mime.log"; fail "update-mime-database has something to say"; }
fi
grep -q '^MimeType=application/x-velmora-experiment;$' "$prefix/share/applications/fr.velmora.velmora2.desktop" ||
    fail "the desktop entry does not open experiment files"
grep -q '^Exec=velmora2 %f$' "$prefix/share/applications/fr.velmora.velmora2.desktop" ||
    fail "the desktop entry does not pass the file"

# The manual pages render without a warning, and --help and --version answer without a screen.
for page in velmora2 velmora2-batch; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null |
        grep . && fail "the manual page of $page has faults"
done
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$(env -u DISPLAY "$prefix/bin/velmora2" --version)" = "velmora2 $release" ] ||
    fail "velmora2 --version does not give the newest release of the AppStream data, $release"
[ "$(gzip -dc "$prefix/share/doc/velmora2/changelog.gz" | sed -n '1s/^velmora2 (\([^)]*\)).*/\1/p')" = "$release" ] ||
    fail "the changelog's newest entry is not $release"
env -u DISPLAY "$prefix/bin/velmora2" --help | grep -q -- "--version" || fail "velmora2 --help does not list --version"
# The installed program finds its translations: in English, and in French by default.
env -u DISPLAY LANGUAGE=en "$prefix/bin/velmora2" --help | grep -q "Shows this help" ||
    fail "velmora2 --help is not in English under LANGUAGE=en"
env -u DISPLAY LANGUAGE= LC_ALL=C "$prefix/bin/velmora2" --help | grep -q "Affiche cette aide" ||
    fail "velmora2 --help is not in French under the C locale"

# The batch runner, installed, runs.
"$prefix/bin/velmora2-batch" --ticks 40 --dump "$work/dump.txt" || fail "the installed batch runner fails"
[ "$(head -n 1 "$work/dump.txt" 2>/dev/null)" = "velmora-dump 1" ] || fail "the installed batch runner wrote no dump"

# The program, from a folder that holds neither movies nor settings. Were the settings missing, its
# error box would hold the window back; were a movie missing, it would say so on stderr.
display=:$((90 + $$ % 9))
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
mkdir "$work/elsewhere"
cd "$work/elsewhere" || exit 1
DISPLAY=$display "$prefix/bin/velmora2" >"$work/out.log" 2>"$work/err.log" &
app=$!
if ! DISPLAY=$display timeout 15 xdotool search --sync --onlyvisible --name "Modélisation" >/dev/null; then
    if ! kill -0 "$app" 2>/dev/null && wait "$app"; then
        echo "SKIP: a copy of the program already runs for this user"
        exit 77
    fi
    fail "the installed program shows no window (an error box for its settings?)"
fi
DISPLAY=$display xdotool search --onlyvisible --name "^Velmora v2$" >/dev/null 2>&1 && fail "the installed program shows an error box"
sleep 1
grep -q "cannot be shown" "$work/err.log" && fail "the installed program misses a movie: $(cat "$work/err.log")"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the program wrote into the folder it was started from"

[ "$failures" -eq 0 ] && echo "installation checks passed"
[ "$failures" -eq 0 ]
