#!/usr/bin/env bash
# Runs every fuzz target of build/host-fuzz for SECONDS (default 20) on a copy
# of its committed seed corpus, FUZZ_JOBS targets at a time (default 2, one a
# core). Prints "fuzz ok NAME execs=N rate=N/s" or "fuzz FAILED NAME" a
# target, in the targets' order. A crash input is kept in build/fuzz-crashes/.
#   scripts/fuzz.sh 600     # the longer run
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
jobs=${FUZZ_JOBS:-2}
results=build/fuzz-crashes
mkdir -p "$results"

# Runs one target and writes its result line to $results/NAME.result.
run_target() {
  local target=$1 name work log
  name=$(basename "$target")
  work=$(mktemp -d)
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$work/"
  log=$results/$name.log
  if "$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$results/$name-" "$work" >"$log" 2>&1; then
    local execs rate
    execs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$')
    rate=$(grep -oE 'stat::average_exec_per_sec: *[0-9]+' "$log" | grep -oE '[0-9]+$')
    echo "fuzz ok $name execs=${execs:-?} rate=${rate:-?}/s" >"$results/$name.result"
  else
    echo "fuzz FAILED $name (see $log)" >"$results/$name.result"
  fi
  rm -rf "$work"
}

targets=()
for target in build/host-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] && targets+=("$target")
done

running=0
for target in "${targets[@]}"; do
  rm -f "$results/$(basename "$target").result"
  run_target "$target" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait

status=0
for target in "${targets[@]}"; do
  name=$(basename "$target")
  line=$(cat "$results/$name.result" 2>/dev/null || echo "fuzz FAILED $name (no result)")
  echo "$line"
  if [[ $line != "fuzz ok"* ]]; then
    tail -30 "$results/$name.log"
    status=1
  fi
done
exit $status
