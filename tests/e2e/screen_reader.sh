#!/usr/bin/env bash
# The real tarvel on an accessibility bus, walked as a screen reader walks it (the system's pyatspi
# runs tools/screen_reader_walk.py) in German and in Japanese: each tab, and the Diary tab with the
# calendar open and closed again. Skipped (77) where pyatspi or the session bus is missing.
#
#   screen_reader.sh TARVEL
skip() {
    echo "SKIP: $*"
    exit 77
}
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "no pyatspi for /usr/bin/python3"
command -v dbus-launch >/dev/null || skip "no dbus-launch"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "no at-spi-bus-launcher"

source "$(dirname "$0")/x11session.sh"
WALK="$(dirname "$0")/../../tools/screen_reader_walk.py"
DIARY="$WORK/bea.ov1"
printf 'Bea,160.0,2,,,,,,,,,,,\r\n2004/05/06,07:30,055.00,21.5,,,,,\r\n2004/05/07,07:35,054.90,21.4,,21:10,055.40,21.6,\r\n' >"$DIARY"

eval "$(dbus-launch --sh-syntax)"
trap 'kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true; cleanup' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

walked=0
# Language, calendar name, date button name.
while read -r lang calendar date_button; do
    if ! locale -a 2>/dev/null | grep -qi "^${lang}\.utf-\?8$"; then
        # Not installed on this machine: compile it into the test's own folder.
        mkdir -p "$WORK/locales"
        localedef -i "$lang" -f UTF-8 "$WORK/locales/$lang.UTF-8" 2>/dev/null ||
            { echo "no locale $lang: not walked"; continue; }
        export LOCPATH="$WORK/locales"
    fi
    echo "=== $lang"
    LC_ALL="$lang.UTF-8" LANG="$lang.UTF-8" start_tarvel "$DIARY"
    pid=$LAST_PID
    # The window takes the keyboard focus (there is no window manager to give it), so that the
    # focus moving away closes the calendar as on a desktop.
    xdotool windowfocus --sync "$(window_named bea)"
    status=0
    /usr/bin/python3 "$WALK" "$calendar" "${date_button//_/ }" || status=$?
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
    [ "$status" -eq 77 ] && skip "tarvel did not appear on the accessibility bus"
    [ "$status" -eq 0 ] || fail "the walk in $lang found faults"
    walked=$((walked + 1))
done <<'EOF'
de_DE Kalender Datum_wählen
ja_JP カレンダー 日付を選択
EOF
[ "$walked" -gt 0 ] || skip "neither de_DE nor ja_JP is installed"
echo "walked $walked languages"
