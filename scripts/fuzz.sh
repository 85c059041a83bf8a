#!/usr/bin/env bash
# Runs every fuzz target of build/host-fuzz for SECONDS (default 20) on a copy
# of its committed seed corpus. Prints "fuzz ok NAME execs=N rate=N/s" or
# "fuzz FAILED NAME". A crash input is kept in build/fuzz-crashes/.
#   scripts/fuzz.sh 600     # the longer run
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
status=0
mkdir -p build/fuzz-crashes
for target in build/host-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  work=$(mktemp -d)
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$work/"
  log=build/fuzz-crashes/$name.log
  if "$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz-crashes/"$name"- "$work" >"$log" 2>&1; then
    execs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$')
    rate=$(grep -oE 'stat::average_exec_per_sec: *[0-9]+' "$log" | grep -oE '[0-9]+$')
    echo "fuzz ok $name execs=${execs:-?} rate=${rate:-?}/s"
  else
    echo "fuzz FAILED $name (see $log)"
    tail -30 "$log"
    status=1
  fi
  rm -rf "$work"
done
exit $status
