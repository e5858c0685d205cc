#!/usr/bin/env bash
# A day stored with "Save data" survives a kill -9: the next start offers the backup, Yes recalls
# the day, and saving the recalled diary under a name writes the day intact.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11session.sh" "$1"

start_tarvel
first=$LAST_PID
focus "$(window_named '^[*]*Tarvel')"

# The name input has the focus at start. Tab walks the page row by row: name, the date, its button
# and the sex choice, the height, the two times and their buttons, the weights, then on to Save data.
type_text "Ann"
press Tab Tab Tab Tab
type_text "170"
press Tab Tab Tab Tab Tab
type_text "65.4"
press Tab Tab Tab Tab Tab Tab Tab space

wait_for 10 file_contains "$BACKUP" ",065.40," || fail "the backup never held the day"
{ kill -9 "$first" && wait "$first"; } 2>/dev/null || true
grep -q "^Ann,170.0," "$BACKUP" || fail "the backup lost the profile"

start_tarvel
second=$LAST_PID
question=$(window_named '^Tarvel$')
focus "$question"
# Yes is the question's default button.
press Return
window_gone "$question"
focus "$(window_named '^[*]*Tarvel')"
press ctrl+s
focus "$(window_named '^Save as')"
type_text "$WORK/recalled.ov1"
press Return

wait_for 10 test -s "$WORK/recalled.ov1" || fail "the recalled diary was not saved"
window_named '^Tarvel \[recalled.ov1\]' >/dev/null
grep -q "^Ann,170.0,0," "$WORK/recalled.ov1" || fail "profile lost: $(cat "$WORK/recalled.ov1")"
grep -Eq "^[0-9]{4}/[0-9]{2}/[0-9]{2},[0-9]{2}:[0-9]{2},065.40,22.6,,,,,"$'\r'"?$" "$WORK/recalled.ov1" ||
    fail "day lost: $(cat -A "$WORK/recalled.ov1")"
[ ! -e "$BACKUP" ] || fail "saving under a name left the backup behind"
echo "recalled and saved: $(tr -d '\r' <"$WORK/recalled.ov1" | tail -n1)"
