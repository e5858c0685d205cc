#!/usr/bin/env bash
# kill -9 at random moments while tarvel writes: (a) right after Save data on a small diary (the
# backup write), (b) in the middle of File > Save of a diary of 100,000 days (CRASH_KILLS_DAYS),
# (c) during the backup write after Save data on that diary. After every kill the backup and the
# diary file must each be byte for byte the version before or the version after the change, never a
# mix or a cut file, and the next start must offer the recall exactly when the backup holds data.
# Recalls are answered Yes and No in turn; some recalled diaries are saved under a name and compared
# with the backup byte for byte.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11session.sh" "$1"

# The X server resets whenever its last client goes, and for that moment refuses the next one: a
# start right after a kill would find no display. A client that stays keeps the server up.
xprop -root -spy >/dev/null 2>&1 &
TARVEL_PIDS+=("$!")

KILLS_A=${CRASH_KILLS_A:-60}
KILLS_B=${CRASH_KILLS_B:-21}
KILLS_C=${CRASH_KILLS_C:-21}
BIG_DAYS=${CRASH_KILLS_DAYS:-100000}
EMPTY=$'-----,-----,-,,,,,,,,,,,,\r'
started=$SECONDS

# A diary of n consecutive days from 1450-01-01, laid out exactly as tarvel writes it.
make_diary() {
    awk -v n="$1" 'function leap(y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0 }
    BEGIN {
        split("31 28 31 30 31 30 31 31 30 31 30 31", len, " ")
        printf "Gen,170.0,1,,,,,,,,,,,\r\n"
        y = 1450; m = 1; d = 1
        for (i = 0; i < n; i++) {
            printf "%04d/%02d/%02d,07:30,0%d.%02d,22.6,%s,21:10,066.10,22.9,\r\n", y, m, d,
                60 + i % 30, i % 100, (i % 7 ? "" : "walk")
            if (++d > len[m] + (m == 2 && leap(y))) { d = 1; if (++m > 12) { m = 1; y++ } }
        }
    }'
}
make_diary 5 >"$WORK/small.ov1"
make_diary "$BIG_DAYS" >"$WORK/big.ov1"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
sleep_ms() { sleep "$(printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)))"; }
keys() { xdotool key --delay 6 "$@"; }
tabs() { for ((t = 0; t < $1; t++)); do echo Tab; done; }

# Polls a command every 20 ms for up to $1 seconds.
poll() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.02
    done
}
visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
hidden() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
titled() { xdotool getwindowname "$1" 2>/dev/null | grep -q -- "$2"; }
missing() { [ ! -e "$1" ]; }

# The process has nothing left to do: asleep, and no CPU used over 50 ms.
idle() {
    local before after
    for ((n = 0; n < 1200; n++)); do
        before=$(awk '{print $3, $14 + $15}' "/proc/$1/stat")
        sleep 0.05
        after=$(awk '{print $3, $14 + $15}' "/proc/$1/stat")
        [[ $before == S* && $before == "$after" ]] && return 0
    done
    fail "tarvel stayed busy"
}

# Gives a window the keyboard focus (there is no window manager to do it).
focus_on() {
    xdotool windowfocus --sync "$1"
    sleep 0.1
}

# The backup holds data to recall: present, not empty, not just the empty-diary line.
printf '%s\n' "$EMPTY" >"$WORK/empty-backup"
holds_data() { [ -s "$1" ] && ! cmp -s "$1" "$WORK/empty-backup"; }

# The first visible window whose title matches, waiting up to a minute (a big diary loads slowly).
first_window() {
    if ! poll 60 visible "$1"; then
        # What the start wrote, and whether it is still there, say where it stopped.
        tail -n 40 "$WORK/tarvel-$((${#TARVEL_PIDS[@]} - 1)).log" >&2
        kill -0 "$LAST_PID" 2>/dev/null && echo "tarvel $LAST_PID still runs" >&2
        fail "no window named $1"
    fi
    xdotool search --onlyvisible --name "$1" | head -n1
}

# Whether file $1 is the version $2 with the last day's morning weight made $3 (BMI computed anew).
is_changed_version() {
    local file=$1 base=$2 weight=$3 last date rest
    [ -f "$file" ] || return 1
    tail -c 100 "$file" | grep -q ",07:30,$weight," || return 1
    [ "$(wc -l <"$file")" = "$(wc -l <"$base")" ] || return 1
    cmp -s <(head -n -1 "$file") <(head -n -1 "$base") || return 1
    last=$(tail -n 1 "$base")
    date=${last%%,*}
    rest=$(cut -d, -f5- <<<"$last")
    [[ "$(tail -n 1 "$file")" == "$date,07:30,$weight,"[0-9][0-9].[0-9]",$rest" ]] || return 1
    [ "$(tail -c 2 "$file" | od -An -c | tr -d ' ')" = '\r\n' ]
}

# old / new / gone: which version a file is; anything else fails the test.
version() {
    local file=$1 old=$2 base=$3 weight=$4 what=$5
    if [ ! -e "$file" ]; then
        [ "$old" = none ] && { echo old; return; }
        echo gone
    elif [ "$old" != none ] && cmp -s "$file" "$old"; then
        echo old
    elif is_changed_version "$file" "$base" "$weight"; then
        echo new
    else
        fail "$what is neither the old nor the new version ($(stat -c %s "$file") bytes):" \
            "$(tail -c 120 "$file" | cat -A)"
    fi
}

temp_files() { find "$APP_FOLDER" "$WORK" -maxdepth 1 -name '*.??????' -newer "$WORK/small.ov1" | wc -l; }

declare -A outcome
count() { outcome[$1]=$((${outcome[$1]:-0} + 1)); }
answer_turn=0
verify_turn=0
weight_step=0
tmp_left=0
declare -A calibrated

# One start, one change, one kill. $1: a, b or c.
run_once() {
    local kind=$1 diary base question=0 recalled=0 pid main old delay limit elapsed weight start result
    local began ready
    began=$(now_ms)
    [ "$kind" = a ] && diary="$WORK/small.ov1" || diary="$WORK/big.ov1"
    cp "$BACKUP" "$WORK/snap-backup" 2>/dev/null || rm -f "$WORK/snap-backup"
    cp "$diary" "$WORK/snap-diary"

    start_tarvel "$diary"
    pid=$LAST_PID
    main=$(first_window '^[*]*Tarvel')
    xprop -id "$main" _NET_WM_WINDOW_TYPE | grep -q DIALOG && question=1
    if holds_data "$WORK/snap-backup"; then
        [ $question = 1 ] || fail "the backup held data but no recall was offered"
    else
        [ $question = 0 ] || fail "a recall was offered for a backup without data"
    fi
    if [ $question = 1 ]; then
        count "$kind: recall offered"
        focus_on "$main"
        # Yes in turn, but File > Save needs the named diary: that one always declines.
        if [ "$kind" != b ] && ((answer_turn++ % 2 == 0)); then
            keys y
            recalled=1
        else
            keys n
        fi
        poll 10 hidden "$main" || fail "the question stayed"
        main=$(first_window '^[*]*Tarvel')
    fi
    if [ $recalled = 1 ]; then
        base="$WORK/snap-backup"
        old="$WORK/snap-backup"
        poll 60 titled "$main" '^[*]*Tarvel$' || fail "the recalled diary is not shown"
    else
        base="$WORK/snap-diary"
        old="$WORK/empty-backup"
        poll 60 titled "$main" "\[$(basename "$diary")\]" || fail "the diary was not opened"
    fi
    idle "$pid"
    ready=$(now_ms)
    focus_on "$main"

    # Every third recalled diary is saved under a name: it must be the backup, byte for byte.
    if [ $recalled = 1 ] && ((verify_turn++ % 3 == 0)); then
        keys ctrl+s
        local dialog saved="$WORK/recalled-$verify_turn.ov1"
        dialog=$(first_window '^Save as')
        focus_on "$dialog"
        xdotool type --delay 5 "$saved"
        keys Return
        poll 60 missing "$BACKUP" || fail "Save as did not finish"
        cmp -s "$saved" "$WORK/snap-backup" || fail "the recalled diary saved differs from the backup"
        count "$kind: recalled diary saved whole"
        old=none
        idle "$pid"
        focus_on "$main"
    fi

    # The last day's morning weight, then Save data.
    weight=$(printf '%d.%02d' $((90 + weight_step / 100)) $((weight_step % 100)))
    weight_step=$((weight_step + 1))
    keys $(tabs 9)
    xdotool type --delay 6 "$weight"
    keys $(tabs 9)
    local file3
    file3="0$weight"

    if [ "$kind" = b ]; then
        keys space
        poll 60 is_changed_version "$BACKUP" "$base" "$file3" ||
            fail "Save data did not reach the backup: $(xdotool getwindowname "$main");" \
                "$(tail -n 1 "$BACKUP" | cat -A)"
        idle "$pid"
        start=$(now_ms)
        keys ctrl+s
    else
        start=$(now_ms)
        keys space
    fi

    if [ -z "${calibrated[$kind]:-}" ]; then
        # The first kill of a kind comes once the write is done; it times the write for the others.
        if [ "$kind" = b ]; then
            poll 60 missing "$BACKUP" || fail "File > Save did not finish"
        else
            poll 60 is_changed_version "$BACKUP" "$base" "$file3" || fail "the backup was not written"
        fi
        elapsed=$(($(now_ms) - start))
        case $kind in
        a) limit=$((elapsed / 2 > 10 ? elapsed / 2 : 10)) ;;
        b) limit=$((elapsed * 5 / 4 > 300 ? elapsed * 5 / 4 : 300)) ;;
        c) limit=$((elapsed * 3 / 2)) ;;
        esac
        calibrated[$kind]=$limit
        echo "kind $kind: the write took $elapsed ms; kills within 0-$limit ms"
    else
        delay=$((RANDOM * 32768 + RANDOM))
        delay=$((delay % (calibrated[$kind] + 1)))
        [ $delay = 0 ] || sleep_ms $delay
    fi
    { kill -9 "$pid" && wait "$pid"; } 2>/dev/null || true

    if [ "$kind" = b ]; then
        local d b
        d=$(version "$diary" "$WORK/snap-diary" "$base" "$file3" "the diary")
        # The backup holds the change until the diary file does; the finished save deletes it.
        b=$(version "$BACKUP" none "$base" "$file3" "the backup")
        [ "$b" = new ] || [ "$d" = new ] || fail "the backup of the change went away before the diary held it"
        [ "$d" != gone ] || fail "the diary file went away"
        [ "$b" = new ] && b=kept || b=deleted
        result="diary $d, backup $b"
        count "b: diary $d, backup $b"
    else
        local b
        b=$(version "$BACKUP" "$old" "$base" "$file3" "the backup")
        [ "$b" != gone ] || fail "the backup went away"
        result="backup $b"
        count "$kind: backup $b"
    fi
    count "kills"
    count "kills $kind"
    echo "kill ${outcome[kills]} ($kind, question $question, recalled $recalled):" \
        "ready in $((ready - began)) ms, killed $((start - began)) + ${delay:-0} ms; $result;" \
        "$(($(now_ms) - began)) ms in all"
    tmp_left=$((tmp_left + $(temp_files)))
    find "$APP_FOLDER" "$WORK" -maxdepth 1 -name '*.??????' -newer "$WORK/small.ov1" -delete
}

for ((i = 0; i < KILLS_A; i++)); do run_once a; done
for ((i = 0; i < KILLS_B + KILLS_C; i++)); do
    # (b) and (c) in turn while both have kills left.
    if ((i % 2 == 0 && ${outcome[kills b]:-0} < KILLS_B)) || ((${outcome[kills c]:-0} >= KILLS_C)); then
        run_once b
    else
        run_once c
    fi
done

printf '%s\n' "${!outcome[@]}" | sort | while read -r key; do
    printf '  %-34s %s\n' "$key" "${outcome[$key]}"
done
echo "temporary files left by the kills: $tmp_left"
echo "$((outcome[kills])) kills in $((SECONDS - started)) s"
[ "${outcome[kills]}" -ge $((KILLS_A + KILLS_B + KILLS_C)) ] || fail "fewer kills than planned"
