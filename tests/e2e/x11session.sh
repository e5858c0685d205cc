# Shared by the end-to-end tests: a private X display, a private home, the real tarvel on it, and
# keyboard input through xdotool. Source it with the tarvel executable as $1.
set -euo pipefail

TARVEL=$1
WORK=$(mktemp -d)
TARVEL_PIDS=()
XVFB_PID=

cleanup() {
    for pid in "${TARVEL_PIDS[@]}"; do { kill -9 "$pid" && wait "$pid"; } 2>/dev/null || true; done
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for log in "$WORK"/tarvel-*.log; do
        [ -s "$log" ] && { echo "--- $log" >&2; cat "$log" >&2; }
    done
    exit 1
}

# Polls a command for up to $1 seconds.
wait_for() {
    local seconds=$1
    shift
    local end=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.1
    done
}

# A display of our own, at a random number so that tests running side by side (and their servers
# going away) never share one. A number that is taken fails to start and the next one is tried.
for attempt in 1 2 3 4 5 6 7 8 9 10; do
    number=$((200 + RANDOM % 800))
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1280x900x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    if wait_for 10 bash -c "xwininfo -root -display :$number >/dev/null 2>&1"; then
        export DISPLAY=":$number"
        break
    fi
    kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
done
[ -n "$XVFB_PID" ] || fail "Xvfb did not start"

export HOME="$WORK/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
# No scale: the program opens no serial device of this machine (a test that needs one says so).
mkdir -p "$XDG_CONFIG_HOME/Tarvel"
printf '[CommSet]\nPort=0\n' >"$XDG_CONFIG_HOME/Tarvel/Tarvel.ini"
chmod 700 "$XDG_RUNTIME_DIR"
export LC_ALL=C.UTF-8 LANGUAGE= TZ=UTC QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
APP_FOLDER="$XDG_DATA_HOME/Tarvel/Tarvel"
BACKUP="$APP_FOLDER/TV_Backup"

# Starts tarvel with the given arguments in the background; its pid goes to LAST_PID.
start_tarvel() {
    local n=${#TARVEL_PIDS[@]}
    "$TARVEL" "$@" >"$WORK/tarvel-$n.log" 2>&1 &
    LAST_PID=$!
    TARVEL_PIDS+=("$LAST_PID")
}

# The id of the visible window whose title matches the pattern, once there is one.
window_named() {
    local id
    wait_for 15 bash -c "xdotool search --onlyvisible --name '$1' >/dev/null 2>&1" ||
        fail "no window named $1"
    id=$(xdotool search --onlyvisible --name "$1" | head -n1)
    echo "$id"
}

# Gives a window the keyboard focus (there is no window manager to do it).
focus() {
    xdotool windowfocus --sync "$1"
    # Let the window finish what it queued on being shown (the cursor goes into the name input).
    sleep 0.6
}

press() { xdotool key --delay 40 "$@"; }
type_text() { xdotool type --delay 30 "$1"; }

file_contains() { [ -f "$1" ] && grep -q -- "$2" "$1"; }

# Waits until a window is no longer shown.
window_gone() {
    wait_for 10 bash -c "! xwininfo -id '$1' 2>/dev/null | grep -q IsViewable" || fail "window $1 stayed"
}
