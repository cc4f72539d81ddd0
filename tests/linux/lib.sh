# Shared by the player's tests: a private Xvfb screen, waiting on events,
# and stopping what a test started. Source it; call `bed_start WxHxD`.
set -u
work=$(mktemp -d "${TMPDIR:-/tmp}/harborgast-linux.XXXXXX")
children=""
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
die() { echo "FAIL: $*"; exit 1; }

running() {
    local stat
    [ -n "$1" ] && stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    [ "$(echo "${stat##*) }" | cut -d' ' -f1)" != Z ]
}
# Waits up to $1 tenths of a second for the command in the other arguments.
wait_for() {
    local tenths=$1
    shift
    while ! "$@"; do
        [ "$tenths" -gt 0 ] || return 1
        tenths=$((tenths - 1))
        sleep 0.1
    done
}
not_running() { ! running "$1"; }
stop() {
    running "$1" || return 0
    kill "$1" 2>/dev/null
    wait_for 100 not_running "$1" || kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}
bed_cleanup() {
    for pid in $children; do stop "$pid"; done
    rm -rf "$work"
}
trap bed_cleanup EXIT

# A private X screen; Xvfb names its display once it is ready.
bed_start() {
    mkfifo "$work/displayfd"
    exec 5<>"$work/displayfd"
    Xvfb -displayfd 5 -screen 0 "$1" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    children="$children $xvfb_pid"
    local number
    read -r -t 60 number <&5 || die "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$number"
}

# Starts the player with a trace into a pipe; sets player_pid and opens the
# trace on descriptor 6.
player_start() {
    rm -f "$work/trace"
    mkfifo "$work/trace"
    "$PLAYER" --trace "$@" >"$work/trace" 2>"$work/player.err" &
    player_pid=$!
    children="$children $player_pid"
    exec 6<"$work/trace"
}
# Reads the trace until a line ends with $1; the line in trace_line.
trace_until() {
    while read -r -t 300 trace_line <&6; do
        case "$trace_line" in *"$1") return 0 ;; esac
    done
    return 1
}
