#!/usr/bin/env bash
# What one whole run of the Linux program costs beside `uptime -p`, which
# prints the uptime too: both run in turn, PAIRS times (at least 20), and the
# script prints the median wall time of each, the instructions of one run
# (valgrind's callgrind, where valgrind is installed) and bootspan's share of
# uptime's. The goal: at most 0.35 of the instructions and at most 1.0 of the
# wall time.
#   bench/process_bench.sh [PROGRAM [PAIRS]]
# PROGRAM defaults to the packaged build (build/release-linux/app/bootspan,
# left by scripts/package.sh). Runs in en_US.UTF-8, output to /dev/null.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release-linux/app/bootspan}")
pairs=${2:-25}
[ -x "$program" ] || {
  echo "process_bench: no $program; run scripts/package.sh first or name a program" >&2
  exit 1
}
[ "$pairs" -ge 20 ] || {
  echo "process_bench: at least 20 pairs" >&2
  exit 1
}
command -v uptime >/dev/null || {
  echo "process_bench: uptime is missing; install the package procps" >&2
  exit 1
}
export LC_ALL=en_US.UTF-8

# median: the middle of the numbers on standard input.
median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Wall time in microseconds of one run, the fork and exec of the shell included
# for both programs alike.
wall() {
  local start=${EPOCHREALTIME/./}
  "$@" >/dev/null
  echo $((${EPOCHREALTIME/./} - start))
}

# Instructions of one whole run, the dynamic loader included.
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
}

"$program" >/dev/null && uptime -p >/dev/null # warm the page cache
tmp=$(mktemp)
trap 'rm -f "$tmp" "$tmp.u"' EXIT
for _ in $(seq "$pairs"); do
  wall "$program" >>"$tmp"
  wall uptime -p >>"$tmp.u"
done
bootspan_us=$(median <"$tmp")
uptime_us=$(median <"$tmp.u")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v g="$2" 'BEGIN { print (r <= g) ? "goal met" : "goal missed" }'; }

echo "$pairs pairs, $LC_ALL, $program"
printf '%-14s %16s %18s\n' program "median wall us" "instructions/run"
if command -v valgrind >/dev/null; then
  bootspan_ir=$(instructions "$program")
  uptime_ir=$(instructions uptime -p)
  printf '%-14s %16s %18s\n' bootspan "$bootspan_us" "$bootspan_ir" "uptime -p" "$uptime_us" "$uptime_ir"
  printf '%-14s %16s %18s\n' ratio "$(ratio "$bootspan_us" "$uptime_us")" "$(ratio "$bootspan_ir" "$uptime_ir")"
  echo "instructions: $(ratio "$bootspan_ir" "$uptime_ir") of uptime -p ($(verdict "$(ratio "$bootspan_ir" "$uptime_ir")" 0.35), at most 0.35)"
else
  printf '%-14s %16s %18s\n' bootspan "$bootspan_us" - "uptime -p" "$uptime_us" -
  printf '%-14s %16s %18s\n' ratio "$(ratio "$bootspan_us" "$uptime_us")" -
  echo "instructions: not counted (valgrind is not installed)"
fi
echo "wall time: $(ratio "$bootspan_us" "$uptime_us") of uptime -p ($(verdict "$(ratio "$bootspan_us" "$uptime_us")" 1.0), at most 1.0)"
