#!/usr/bin/env bash
# A day stored with "Save data" survives a kill -9: the next start offers the backup. A second start
# while that question is up sends its diary, which waits until the question is answered and the
# settings are read; Yes recalls the day, and the diary sent opens after the question about the
# recalled diary that no file holds (Yes saves it under a name, the day intact). A later start
# brings the running window to the front and ends at once, touching neither backup nor settings.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11session.sh" "$1"

INI="$XDG_CONFIG_HOME/Tarvel/Tarvel.ini"
printf '[CommSet]\nPort=0\n\n[Goal]\nWeight=60\n\n[History]\nPath1=%s\n' "$WORK/old.ov1" >"$INI"
printf 'Other,160.0,2,,,,,,,,,,,\r\n2026/11/30,07:30,060.00,23.4,,,,,\r\n' >"$WORK/other.ov1"
start_tarvel
focus "$(window_named '^[*]*Tarvel')"
# The name input has the focus at start; Tab follows the page row by row: name, date and its button,
# sex, height, the times and their buttons, the morning weight, and on to Save data.
type_text "Ann"
press Tab Tab Tab Tab
type_text "170"
press Tab Tab Tab Tab Tab
type_text "65.4"
press Tab Tab Tab Tab Tab Tab Tab space
wait_for 10 file_contains "$BACKUP" ",065.40," || fail "the backup never held the day"
{ kill -9 "$LAST_PID" && wait "$LAST_PID"; } 2>/dev/null || true
grep -q "^Ann,170.0," "$BACKUP" || fail "the backup lost the profile"

start_tarvel
first=$LAST_PID
recall=$(window_named '^Tarvel$')
unchanged() { [ "$(cat "$BACKUP" "$INI" | md5sum)" = "$1" ]; }
# The second start ends at once; given a path relative to the folder it starts in, as a shell passes it.
second_start() {
    pushd "$WORK" >/dev/null
    start_tarvel "$@"
    popd >/dev/null
    wait_for 10 bash -c "! kill -0 $LAST_PID 2>/dev/null" || fail "the second start did not end"
    wait "$LAST_PID" || fail "the second start ended with status $?"
}
before=$(cat "$BACKUP" "$INI" | md5sum)
second_start other.ov1
sleep 1
unchanged "$before" || fail "backup or settings written during the recall question"
xwininfo -id "$recall" | grep -q IsViewable || fail "the recall question went away"
focus "$recall"
press Return # Yes, recall
window_gone "$recall"

# The recalled diary is in no file: the running window asks first (its question is the second
# window titled Tarvel, the one that belongs to another). Yes saves it, then the other diary opens.
two_windows() { [ "$(xdotool search --onlyvisible --name '^[*]*Tarvel' | wc -l)" -eq 2 ]; }
wait_for 10 two_windows || fail "the diary sent meanwhile did not ask about the recalled diary"
for id in $(xdotool search --onlyvisible --name '^[*]*Tarvel'); do
    xprop -id "$id" WM_TRANSIENT_FOR | grep -q 'window id' && question=$id || true
done
focus "$question"
press alt+y
focus "$(window_named '^Save as')"
type_text "$WORK/recalled.ov1"
press Return
window_named '^Tarvel \[other.ov1\]' >/dev/null
grep -q "^Ann,170.0,0," "$WORK/recalled.ov1" || fail "profile lost: $(cat "$WORK/recalled.ov1")"
grep -Eq "^[0-9]{4}/[0-9]{2}/[0-9]{2},[0-9]{2}:[0-9]{2},065.40,22.6,,,,,"$'\r'"?$" "$WORK/recalled.ov1" ||
    fail "day lost: $(cat -A "$WORK/recalled.ov1")"
# The goal waiting from before went with the recalled diary to its name; the other diary has none.
grep -q 'recalled.ov1=60.00$' "$INI" && ! grep -q 'other.ov1=' "$INI" && grep -q '^Port=0' "$INI" ||
    fail "settings lost: $(cat "$INI")"

# Covered by another program's window, a start without a diary brings it to the front. (Without a
# window manager the X server keeps the focus where it is, so being on top is what can be checked.)
xmessage -geometry 400x300+0+0 "cover" &
TARVEL_PIDS+=("$!")
wait_for 10 bash -c "xwininfo -root -children | grep -q '\"xmessage\"'" || fail "no covering window"
on_top() { xwininfo -root -children | grep -E '^ +0x[0-9a-f]+ "' | head -n1 | grep -q "\"$1\""; }
on_top xmessage || fail "the covering window is not on top"
before=$(cat "$BACKUP" "$INI" | md5sum)
second_start
wait_for 10 on_top 'Tarvel \[other.ov1\]' || fail "the running window did not come to the front"
unchanged "$before" || fail "the second start changed the backup or the settings"
[ "$(xdotool search --onlyvisible --name '^[*]*Tarvel' | wc -l)" -eq 1 ] || fail "a second window appeared"
kill -0 "$first" || fail "the first instance ended"
echo "recalled and saved: $(tr -d '\r' <"$WORK/recalled.ov1" | tail -n1); other.ov1 opened after it; a later start raised the window"
