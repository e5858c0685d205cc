#!/usr/bin/env bash
# The scale on a pseudo-terminal through the real serial stack. The chosen port is not there at the
# start: the program says so once, then finds the scale plugged in later. tarvel-scale sends two
# weighings two seconds apart; the first lands in the new day's weight input, the second (another
# weight) falls in the quiet period and is ignored. When the scale goes away the port is closed,
# logged once, and the program stays idle; when a scale takes the port again, the program opens it
# again and logs that once.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11session.sh" "$1"
SCALE=$2

mkdir -p "$XDG_CONFIG_HOME/Tarvel"
printf '[CommSet]\nPort=13\n' >"$XDG_CONFIG_HOME/Tarvel/Tarvel.ini"
start_tarvel
main_pid=$LAST_PID
# "Cannot open communication port." comes before the main window shows; OK is its only button.
box=$(window_named '^Tarvel$')
focus "$box"
press Return
window_gone "$box"
main=$(window_named '^Tarvel')
focus "$main"

# The scale plugged in now is found by the tries every second; its first weighing arrives a second
# after it starts, the second two seconds later.
"$SCALE" --port 13 --interval 2000 --unstable 1 --count 2 65.4 70 >"$WORK/scale.out" 2>&1 &
scale=$!
TARVEL_PIDS+=("$scale")
wait_for 10 test -s "$WORK/scale.out" || fail "tarvel-scale did not start"
grep -q '^Com13 ' "$WORK/scale.out" || fail "unexpected: $(cat "$WORK/scale.out")"
wait_for 10 file_contains "$APP_FOLDER/ErrLog.txt" "(PortConnection-Reconnect 1) No.=0 Msg=Port open Port" ||
    fail "the port that appeared was not opened"

# The first weighing marks the page edited.
wait_for 10 bash -c "xdotool getwindowname $main | grep -q '\*$'" || fail "no weight arrived"
type_text "Ann"
press Tab Tab Tab Tab
type_text "170"
# Wait for the scale to finish (its second weighing fell in the quiet period), then save the day.
wait_for 10 bash -c "! kill -0 $scale 2>/dev/null" || fail "tarvel-scale did not end"
press Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space
wait_for 10 file_contains "$BACKUP" ",065.40,22.6," || fail "the day was not stored: $(cat -A "$BACKUP")"
! grep -q "070.00" "$BACKUP" || fail "a weighing in the quiet period was taken"

# The other end has closed: one log line, the port closed, and no busy loop.
wait_for 10 file_contains "$APP_FOLDER/ErrLog.txt" "(MainForm-MSComm_OnComm 1)" ||
    fail "the lost port was not logged"
[ "$(grep -c 'MSComm_OnComm' "$APP_FOLDER/ErrLog.txt")" -eq 1 ] || fail "logged more than once"
ticks() { awk '{print $14 + $15}' "/proc/$main_pid/stat"; }
before=$(ticks)
sleep 2
used=$(( $(ticks) - before ))
[ "$used" -le 20 ] || fail "busy after the port went away: $used ticks in 2 s"
# A scale on the same port again: tried every second, opened, logged once.
"$SCALE" --port 13 --interval 500 --count 4 70 >"$WORK/scale2.out" 2>&1 &
TARVEL_PIDS+=("$!")
wait_for 10 file_contains "$APP_FOLDER/ErrLog.txt" "Msg=Port open again" || fail "the port was not opened again"
sleep 1.5
[ "$(grep -c 'Port open again' "$APP_FOLDER/ErrLog.txt")" -eq 1 ] || fail "the return was logged more than once"
echo "weight stored: $(tr -d '\r' <"$BACKUP" | tail -n1); CPU after the scale left: $used ticks in 2 s"
