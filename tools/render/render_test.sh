#!/bin/sh
# End-to-end checks of harborgast-render: its argument errors, the frames
# it writes with --every, and the shape of its trace.
set -u
RENDER=$1
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Bad arguments: exit status 2 and one line naming the argument.
while IFS='|' read -r args name; do
    # shellcheck disable=SC2086
    msg=$("$RENDER" $args 2>&1 >/dev/null); rc=$?
    [ "$rc" -eq 2 ] || fail "'$args' exited $rc, not 2"
    [ "$(printf '%s\n' "$msg" | wc -l)" -eq 1 ] || fail "'$args' printed more than one line: $msg"
    printf '%s' "$msg" | grep -q -- "$name" || fail "'$args': message does not name $name: $msg"
done <<CASES
--frames|--frames
--out $OUT --frames -3|--frames
--out $OUT --size 800by600|--size
--out $OUT --blood 2|--blood
--out $OUT --monitors 2|--monitors
--out $OUT --picture-size -1|--picture-size
--out $OUT --picture-size 3|--picture-size
--out $OUT --outputs 1024x768|--outputs
--out $OUT --outputs 400x600+0+0,|--outputs
--out $OUT --outputs 400x600+401+0|--outputs
--out $OUT --colour red|--colour
--frames 3|--out
stray|stray
CASES

# --help: the usage on standard output, exit status 0, nothing rendered.
usage=$("$RENDER" --help) || fail "--help exited $?"
printf '%s' "$usage" | grep -q -- '--out DIR' || fail "--help does not show the usage: $usage"
"$RENDER" --frames 3 --help >/dev/null || fail "--help after other options exited $?"

# Every 5th of 12 frames: frames 5 and 10 only, and 12 trace lines.
"$RENDER" --out "$OUT/f" --frames 12 --every 5 --trace --sheet "$OUT/sheet.png" >"$OUT/trace" \
    || fail "render of 12 frames failed"
[ "$(ls "$OUT/f")" = "$(printf 'frame-000005.png\nframe-000010.png')" ] || fail "frames written: $(ls "$OUT/f")"
[ -s "$OUT/sheet.png" ] || fail "no contact sheet"
[ "$(wc -l <"$OUT/trace")" -eq 12 ] || fail "trace has $(wc -l <"$OUT/trace") lines"
grep -Evq '^frame=[0-9]+ scene=[0-8] sceneframe=[0-9]+( cue=[0-9]+)?( music=(open1|open2|stop|close))*$' "$OUT/trace" \
    && fail "malformed trace line: $(grep -Ev '^frame=[0-9]+ scene=[0-8] sceneframe=[0-9]+( cue=[0-9]+)?( music=(open1|open2|stop|close))*$' "$OUT/trace" | head -1)"
head -1 "$OUT/trace" | grep -q '^frame=1 scene=1 sceneframe=1 .*music=open1' || fail "first frame: $(head -1 "$OUT/trace")"
# The settings the show leaves to the saver window are accepted in range.
"$RENDER" --out "$OUT/s" --frames 1 --monitors 1 --picture-size 2 || fail "--monitors 1 --picture-size 2 exited $?"
"$RENDER" --out "$OUT/m" --frames 2 --trace --music 0 | grep -q music= && fail "music played with --music 0"
# Two monitors in one window: the stage centred on each, the same pixels;
# with --monitors 1 the second stays black.
"$RENDER" --out "$OUT/two" --size 1700x600 --outputs 800x600+0+0,900x600+800+0 --frames 1 \
    || fail "render on two outputs failed"
"$RENDER" --out "$OUT/one" --size 1700x600 --outputs 800x600+0+0,900x600+800+0 --monitors 1 --frames 1 \
    || fail "render on the main output only failed"
if command -v convert >/dev/null; then
    left=$(convert "$OUT/two/frame-000001.png" -crop 800x600+0+0 +repage rgb:- | md5sum)
    right=$(convert "$OUT/two/frame-000001.png" -crop 800x600+850+0 +repage rgb:- | md5sum)
    [ "$left" = "$right" ] || fail "the two outputs show different pictures"
    [ "$(convert "$OUT/one/frame-000001.png" -crop 900x600+800+0 +repage -format '%[fx:maxima.r+maxima.g+maxima.b]' info:)" = 0 ] \
        || fail "--monitors 1 drew on the second output"
fi
echo "render tool: all checks passed"
