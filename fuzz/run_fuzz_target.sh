#!/bin/sh
# Runs one fuzz target for HARBORGAST_FUZZ_SECONDS seconds (3 by default)
# from its seeds and the inputs that earlier runs kept, and prints
# libFuzzer's closing figures. New inputs, the log and any crashing input go
# into RUN_DIR.
#   run_fuzz_target.sh TARGET SEED_DIR RUN_DIR
set -eu
target=$1 seeds=$2 run=$3
mkdir -p "$run/corpus"
rm -f "$run"/crash-* "$run"/leak-* "$run"/timeout-* "$run"/oom-*
status=0
"$target" -max_total_time="${HARBORGAST_FUZZ_SECONDS:-3}" -timeout=30 -print_final_stats=1 \
  -artifact_prefix="$run/" "$run/corpus" "$seeds" >"$run/log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  tail -n 60 "$run/log"
  echo "$(basename "$target") failed; its input is kept in $run/ and its log in $run/log"
  exit "$status"
fi
grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' "$run/log"
