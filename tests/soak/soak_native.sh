#!/bin/sh
# The native soak: the show in every window size of the list, with blood
# on and off and in all three sound modes, CYCLES cycles each (6 unless
# given), one process per run so that each ends with the leak check.
#   soak_native.sh SOAK_PROGRAM [CYCLES]
set -u
soak=$1 cycles=${2:-6}
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
failed=0 runs=0
for size in 640x480 800x600 1023x767 1024x768 1920x1080 3840x2160; do
  for blood in 0 1; do
    for sound in 1035 1036 1037; do
      runs=$((runs + 1))
      "$soak" "$size" "$blood" "$sound" "$cycles" || { failed=$((failed + 1)); echo "FAILED: $size blood=$blood sound=$sound"; }
    done
  done
done
echo "soak: $((runs - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
