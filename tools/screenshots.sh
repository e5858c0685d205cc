#!/usr/bin/env bash
# Takes the README's screenshots from the real program: a year of generated weighings, each tab
# shown on a private Xvfb display and captured with ImageMagick's import into docs/.
#
#   tools/screenshots.sh [build folder]      (needs xvfb, xdotool and imagemagick)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
out=$here/docs
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

number=$((200 + RANDOM % 800))
Xvfb ":$number" -screen 0 1280x1000x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=":$number"
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/run LC_ALL=C.UTF-8 QT_QPA_PLATFORMTHEME=
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Tarvel" && chmod 700 "$XDG_RUNTIME_DIR"
# No scale on these shots: the status bar says so, and no port message comes up.
printf '[CommSet]\nPort=0\n' >"$XDG_CONFIG_HOME/Tarvel/Tarvel.ini"

# A year of weighings ending today: a slow loss with day-to-day noise, a memo now and then.
awk -v end="$(date +%s)" 'BEGIN { srand(11); printf "Sample,170.0,2,,,,,,,,,,,\r\n"; w = 71.0;
    for (d = 364; d >= 0; d--) { t = end - d * 86400; w += (rand() - 0.56) * 0.5;
        m = (d % 11 == 0) ? "walked 6 km[CRLF]slept well" : "";
        printf "%s,07:%02d,%06.2f,%04.1f,%s,22:%02d,%06.2f,%04.1f,\r\n", strftime("%Y/%m/%d", t),
            5 + d % 50, w, w / 2.89, m, 2 + d % 55, w + 0.5, (w + 0.5) / 2.89 } }' >"$work/sample.ov1"

"$build/src/tarvel" "$work/sample.ov1" >/dev/null 2>&1 &
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Tarvel \[' 2>/dev/null | head -n1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "${window:-}" ] || { echo "tarvel did not show its window" >&2; exit 1; }
xdotool windowsize "$window" 960 720
xdotool windowfocus --sync "$window"
sleep 1
mkdir -p "$out"
for tab in diary list weight bmi; do
    import -window "$window" "$out/$tab.png"
    xdotool key ctrl+Tab
    sleep 0.7
done
echo "screenshots in $out: $(ls "$out")"
