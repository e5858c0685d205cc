#!/usr/bin/env bash
# A second start while Tarvel runs brings the running window to the front and ends at once,
# without touching the backup of the running diary; the diary it was given opens in the running
# window as File > Open opens it: after the question about the unsaved diary.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11session.sh" "$1"

start_tarvel
first=$LAST_PID
main=$(window_named '^Tarvel')
focus "$main"
# Store a day so the backup holds data the second start must leave alone.
type_text "Ann"
press Tab
type_text "170"
press Tab Tab Tab Tab Tab Tab
type_text "65.4"
press Tab Tab Tab Tab Tab Tab Tab Tab Tab space
wait_for 10 file_contains "$BACKUP" ",065.40," || fail "the backup never held the day"
before=$(md5sum <"$BACKUP")

# Cover the window with another program's window, then start again. (Without a window manager
# the X server keeps the focus where it is, so being raised on top is what can be checked here.)
xmessage -geometry 400x300+0+0 "cover" &
cover=$!
TARVEL_PIDS+=("$cover")
wait_for 10 bash -c "xwininfo -root -children | grep -q '\"xmessage\"'" || fail "no covering window"
on_top() { xwininfo -root -children | grep -E '^ +0x[0-9a-f]+ "' | head -n1 | grep -q "\"$1\""; }
on_top xmessage || fail "the covering window is not on top"

printf 'Other,160.0,2,,,,,,,,,,,\r\n2026/11/30,07:30,060.00,23.4,,,,,\r\n' >"$WORK/other.ov1"
# Given a path relative to the folder it starts in, as a shell passes it.
pushd "$WORK" >/dev/null
start_tarvel other.ov1
popd >/dev/null
second=$LAST_PID
wait_for 10 bash -c "! kill -0 $second 2>/dev/null" || fail "the second start did not end"
wait "$second" || fail "the second start ended with status $?"

wait_for 10 on_top Tarvel || fail "the running window did not come to the front"
xwininfo -id "$main" | grep -q IsViewable || fail "the running window is not shown"
[ "$(md5sum <"$BACKUP")" = "$before" ] || fail "the second start changed the backup"
kill -0 "$first" || fail "the first instance ended"

# The stored day is in no file yet: the running window asks first (its question is the second
# window titled Tarvel). No gives up that diary and opens the other one.
two_windows() { [ "$(xdotool search --onlyvisible --name '^Tarvel' | wc -l)" -eq 2 ]; }
wait_for 10 two_windows || fail "the running window did not ask about the unsaved diary"
question=$(xdotool search --onlyvisible --name '^Tarvel' | grep -vx "$main" | head -n1)
focus "$question"
press alt+n
window_gone "$question"
window_named '^Tarvel \[other.ov1\]' >/dev/null
[ "$(xdotool search --onlyvisible --name '^Tarvel' | wc -l)" -eq 1 ] || fail "a second window appeared"
kill -0 "$first" || fail "the first instance ended"
echo "second start ended; the first window came to the front and opened other.ov1"

# A second start while the first one still asks whether to recall the backup: the diary it sends
# waits until the question is answered and the settings are read, then opens through the question
# about the recalled diary that no file holds. Nothing is written before that.
{ kill -9 "$first" && wait "$first"; } 2>/dev/null || true
printf 'Ann,170.0,1,,,,,,,,,,,\r\n2026/12/05,07:30,065.40,22.6,,,,,\r\n' >"$BACKUP"
INI="$XDG_CONFIG_HOME/Tarvel/Tarvel.ini"
printf '[CommSet]\nPort=0\n\n[Goal]\nWeight=60\n\n[History]\nPath1=%s\n' "$WORK/old.ov1" >"$INI"
start_tarvel
third=$LAST_PID
recall=$(window_named '^Tarvel$')
before=$(cat "$BACKUP" "$INI" | md5sum)
start_tarvel "$WORK/other.ov1"
fourth=$LAST_PID
wait_for 10 bash -c "! kill -0 $fourth 2>/dev/null" || fail "the start during the recall question did not end"
wait "$fourth" || fail "the start during the recall question ended with status $?"
sleep 1
[ "$(cat "$BACKUP" "$INI" | md5sum)" = "$before" ] || fail "backup or settings written during the recall question"
xwininfo -id "$recall" | grep -q IsViewable || fail "the recall question went away"
focus "$recall"
press Return # Yes, recall
window_gone "$recall"
wait_for 10 two_windows || fail "the diary sent meanwhile did not ask about the recalled diary"
# The question is the one of the two that belongs to another window.
for id in $(xdotool search --onlyvisible --name '^Tarvel'); do
    xprop -id "$id" WM_TRANSIENT_FOR | grep -q 'window id' && question=$id
done
focus "$question"
press alt+y # save the recalled diary first
focus "$(window_named '^Save as')"
type_text "$WORK/recalled.ov1"
press Return
window_named '^Tarvel \[other.ov1\]' >/dev/null
grep -q ",065.40," "$WORK/recalled.ov1" || fail "the recalled day was not saved: $(cat "$WORK/recalled.ov1")"
grep -q '^Weight=60' "$INI" && grep -q '^Port=0' "$INI" || fail "settings lost: $(cat "$INI")"
kill -0 "$third" || fail "the first instance ended"
echo "a diary sent during the recall question opened after it, and the recalled diary was saved first"
