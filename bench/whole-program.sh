#!/bin/sh
# Whole-program cost of velmora2 on a 1920 x 1080 screen: CPU used while an experiment runs, peak
# resident memory, and the time from launch to the window on screen and to the first scene frame.
#
#   bench/whole-program.sh [build/velmora2] [seconds]
#
# Needs Xvfb, xdotool, x11-apps (xwd), imagemagick and bc from Debian. Measures two loads: the heaviest (lactose
# hydrolysis, 200 enzymes, 200 lactose, 200 thiolactose, 37 degrees C, pH 8) and a classroom one
# (20 enzymes, 100 lactose).
set -eu
program=$(readlink -f "${1:-build/velmora2}")
seconds=${2:-60}
anims=$(dirname "$program")/anims
work=$(mktemp -d)
display=:77
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT

Xvfb $display -screen 0 1920x1080x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$display

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
now() { date +%s.%N; }

measure() {
    name=$1 enzymes=$2 substrate=$3 other=$4
    mkdir -p "$work/$name"
    cp -r "$anims" "$work/$name/anims"
    printf '[temperature]\n37\n[ph]\n8\n[enzyme]\n%s\n[substrat]\n%s\n[autre]\n%s\n[taille]\n1\n' \
        "$enzymes" "$substrate" "$other" >"$work/$name/velmora.ini"
    cd "$work/$name"
    launched=$(now)
    "$program" >/dev/null 2>&1 &
    pid=$!
    xdotool search --sync --onlyvisible --name "Modélisation" >/dev/null
    shown=$(now)
    # The first picture: the control panel's green drawn in the bottom-right quarter.
    until xwd -root -silent | convert xwd:- -crop 1x1+1800+1000 -format '%[fx:int(255*g)]' info: | grep -q '^2[0-9][0-9]$'; do
        sleep 0.02
    done
    drawn=$(now)
    sleep 1
    hz=$(getconf CLK_TCK)
    idle=$(ticks "$pid")
    sleep 5
    idle=$(( $(ticks "$pid") - idle ))
    # "Démarrer / recommencer l'expérience" on the control panel, scaled to this screen.
    xdotool mousemove 1664 690 click 1
    sleep 2
    before=$(ticks "$pid")
    sleep "$seconds"
    after=$(ticks "$pid")
    peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    cd - >/dev/null
    percent() { echo "$1 * 100 / $hz / $2" | bc -l | xargs printf '%.1f'; }
    echo "$name: running $(percent $((after - before)) "$seconds")% of one core over ${seconds} s," \
         "idle before the start $(percent "$idle" 5)%, peak resident memory $((peak / 1024)) MB," \
         "window mapped $(echo "$shown - $launched" | bc -l | xargs printf '%.2f') s and first picture" \
         "$(echo "$drawn - $launched" | bc -l | xargs printf '%.2f') s after launch"
}

measure heaviest 200 200 200
measure classroom 20 100 0
