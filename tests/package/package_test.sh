#!/bin/sh
# The Debian package as a school technician meets it: built with cpack and accepted by lintian,
# installed with apt, both programs started from where the package puts them, then removed and
# purged with nothing of it left behind. It installs into the system, so it needs root and apt, as
# in the continuous integration; elsewhere it is skipped.
set -u
build="$1"
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null 2>&1; then
    echo "SKIP: installing the package needs root and apt-get"
    exit 77
fi
work=$(mktemp -d)
installed=""
app=""
xvfb=""
cleanup() {
    [ -n "$app" ] && kill -9 "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    [ -n "$installed" ] && apt-get purge -y -o DPkg::Lock::Timeout=300 velmora2 >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -o DPkg::Lock::Timeout=300 "$@" >>"$work/apt.log" 2>&1; }

# One run at a time on a machine, whichever build folder it comes from; never over a real install.
mkdir -p /run/lock
exec 9>>/run/lock/velmora2-package-test.lock
flock -w 600 9 || { echo "FAIL: another package test holds the lock"; exit 1; }
state=$(dpkg-query -W -f='${db:Status-Status}' velmora2 2>/dev/null)
if [ -n "$state" ] && [ "$state" != "not-installed" ]; then
    echo "SKIP: a velmora2 package is already on this machine ($state); the test would replace it"
    exit 77
fi

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; echo "FAIL: cpack builds no package"; exit 1; }
deb=$(ls "$work"/deb/velmora2_*.deb)
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || fail "lintian finds errors or warnings"
grep -v "running with root privileges" "$work/lintian.log" # the tags, if any, for the log

# The paths the package brings that the system already has (/usr, /usr/bin, ...) stay after it.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^/*$' >"$work/packed"
while read -r path; do [ -e "$path" ] && echo "$path"; done <"$work/packed" >"$work/there-before"

installed=yes
apt_get install "$deb" || { cat "$work/apt.log"; echo "FAIL: apt cannot install the package"; exit 1; }
dpkg -L velmora2 | grep -vx '/\.' >"$work/listed"
version=$(dpkg-query -W -f='${Version}' velmora2)

# The batch runner, from its installed path and another folder.
mkdir "$work/elsewhere" "$work/out"
cd "$work/elsewhere" || exit 1
/usr/bin/velmora2-batch --ticks 40 --dump "$work/out/dump.txt" || fail "the installed batch runner fails"
[ "$(head -n 1 "$work/out/dump.txt" 2>/dev/null)" = "velmora-dump 1" ] || fail "the batch runner wrote no dump"
[ "$(/usr/bin/velmora2 --version)" = "velmora2 $version" ] || fail "velmora2 --version does not say $version"
LANGUAGE=en /usr/bin/velmora2 --help | grep -q "Shows this help" || fail "the package's English translation is not found"
for page in velmora2 velmora2-batch; do
    [ "$(man -w "$page" 2>/dev/null)" = "/usr/share/man/man1/$page.1.gz" ] || fail "man $page finds no page"
done

# The window, in its own network namespace when possible, so that no other copy stands in its way.
Xvfb -displayfd 3 -screen 0 1024x768x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(cat "$work/display")
isolate=""
unshare -n true 2>/dev/null && isolate="unshare -n"
DISPLAY=$display QML_IMPORT_TRACE=1 $isolate /usr/bin/velmora2 >/dev/null 2>"$work/err.log" &
app=$!
window=$(DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --name "Modélisation" | head -n 1)
if [ -z "$window" ]; then
    if [ -z "$isolate" ] && ! kill -0 "$app" 2>/dev/null && wait "$app"; then
        echo "SKIP: a copy of the program already runs for this user"
        exit 77
    fi
    fail "the installed program shows no window"
else
    # What task bars read: the class the desktop entry names, and the icon.
    properties=$(DISPLAY=$display xprop -id "$window" WM_CLASS _NET_WM_ICON 2>&1)
    echo "$properties" | grep -q 'WM_CLASS(STRING) = "velmora2", "velmora2"' || fail "the window's class is not velmora2"
    echo "$properties" | grep -q 'Icon (48 x 48)' || fail "the window carries no icon"
fi
sleep 1
grep -q "cannot be shown" "$work/err.log" && fail "the installed program misses a movie"

# Every QML module the movies load, and every one they import, comes from a package it depends on.
dpkg-query -W -f='${Depends}' velmora2 | tr ',' '\n' | sed 's/^ *//; s/[ (].*//' >"$work/depends"
{
    grep -o 'loaded "/[^"]*/qmldir"' "$work/err.log" | cut -d'"' -f2
    sed -n 's/^ *import \([A-Z][A-Za-z.]*\).*/\1/p' /usr/share/velmora2/anims/* | grep -v '^Velmora\.' |
        sed 's|\.|/|g; s|.*|*/qt6/qml/&/qmldir|'
} | sort -u >"$work/modules"
[ -s "$work/modules" ] || fail "no QML module was seen loading"
while read -r module; do
    owner=$(dpkg -S "$module" 2>/dev/null | head -n 1 | cut -d: -f1)
    [ -z "$owner" ] || grep -qx "$owner" "$work/depends" || fail "$module comes from $owner, not a dependency"
done <"$work/modules"
kill -9 "$app" 2>/dev/null
app=""

apt_get remove velmora2 || fail "apt cannot remove the package"
# Without configuration files, a removed package is gone from dpkg's records; a purge is then a no-op.
dpkg --purge velmora2 >>"$work/apt.log" 2>&1 || fail "dpkg cannot purge the package"
installed=""
state=$(dpkg-query -W -f='${db:Status-Status}' velmora2 2>/dev/null)
[ -z "$state" ] || [ "$state" = "not-installed" ] || fail "the package is still $state"
while read -r path; do
    [ -e "$path" ] && ! grep -qxF "$path" "$work/there-before" && fail "$path is left behind"
done <"$work/listed"

[ "$failures" -eq 0 ] && echo "package checks passed ($(basename "$deb"))"
[ "$failures" -eq 0 ]
