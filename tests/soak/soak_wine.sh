#!/bin/bash
# The soak of the real saver under Wine: on the 8-bit and the 24-bit screen
# at once, each in a bed of its own (a private Xvfb screen and Wine prefix,
# since one prefix plays one full-screen saver at a time), the saver at the
# shortest frame period for MINUTES minutes with a sound server whose only
# output is a null sink, so that the sound effects play. saver_soak watches
# each run; its reports land in OUT_DIR/report-8.txt and report-24.txt.
# Settings given as KEY=VALUE go into the saver's profile section.
#   soak_wine.sh WINDOWS_BUILD_DIR OUT_DIR MINUTES [MARGIN_KIB [KEY=VALUE...]]
set -u

die() { echo "soak_wine: $*" >&2; exit 1; }

[ $# -ge 3 ] || die "usage: soak_wine.sh WINDOWS_BUILD_DIR OUT_DIR MINUTES [MARGIN_KIB [KEY=VALUE...]]"
build=$(cd "$1" && pwd) || die "no build directory $1"
mkdir -p "$2" && out=$(cd "$2" && pwd) || die "cannot make $2"
minutes=$3
margin=${4:-1024}
shift $(($# < 4 ? $# : 4))
settings=("$@")
bed=$(cd "$(dirname "$0")/../wine" && pwd)/bed
# The saver, the watcher and its probe, copied so that a build meanwhile
# does not change the files that run.
mkdir -p "$out/bin" || die "cannot make $out/bin"
cp "$build/SSHarborgast.scr" "$build/tests/soak/wine/saver_soak.exe" "$build/tests/soak/wine/soak_probe.dll" \
    "$out/bin/" || die "build the windows preset first"
watcher=$out/bin/saver_soak.exe
pulse_pid=

stop_all() {
    local depth
    [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null
    for depth in 8 24; do
        "$bed" prefix-down "$out/bed$depth"
        "$bed" display-down "$out/bed$depth" "$depth"
    done
}
trap stop_all EXIT
trap 'exit 143' TERM INT

# The sound server: private runtime and home directories, a null sink as its
# only (and so default) output, no X display so it starts no session bus.
rm -rf "$out/pulse" && mkdir -m 700 -p "$out/pulse/run" "$out/pulse/home"
env -u DISPLAY HOME="$out/pulse/home" XDG_RUNTIME_DIR="$out/pulse/run" \
    pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 \
    -L "module-null-sink sink_name=harborgast" \
    -L "module-native-protocol-unix socket=$out/pulse/run/native auth-anonymous=1" \
    </dev/null >"$out/pulse.log" 2>&1 &
pulse_pid=$!
export PULSE_SERVER=unix:$out/pulse/run/native PULSE_COOKIE=$out/pulse/home/.config/pulse/cookie
for _ in $(seq 300); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { cat "$out/pulse.log" >&2; die "the sound server did not start"; }

# One screen's run; its status is the watcher's.
soak_on() {
    local depth=$1 state=$out/bed$1
    "$bed" display-up "$state" "$depth" >/dev/null || return 1
    "$bed" prefix-up "$state" || return 1
    HARBORGAST_BED_TIMEOUT=$(((minutes + 15) * 60)) \
        "$bed" run "$state" "$depth" wine "$watcher" "$minutes" "$out/probe-$depth.txt" "$margin" "${settings[@]}" \
        >"$out/report-$depth.txt" 2>"$out/watcher-$depth.log"
}

echo "soak_wine: $minutes minutes on the 8-bit and the 24-bit screen; reports in $out"
soak_on 8 & run8=$!
soak_on 24 & run24=$!
wait "$run8"; status8=$?
wait "$run24"; status24=$?
for depth in 8 24; do
    echo "== the ${depth}-bit screen"
    cat "$out/report-$depth.txt"
done
[ "$status8" -eq 0 ] && [ "$status24" -eq 0 ]
