#!/usr/bin/env bash
# Output that cannot be written is reported and never ends as success: the
# Linux program on a full device, on a closed standard output, with standard
# error closed too, and a failure report or run-error line that cannot be
# written. A pipe closed by its reader still ends the program by SIGPIPE.
#   write_errors.sh bootspan bootspan_faults
set -u
program=$1
faults=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check WHAT EXIT EXPECTED_EXIT [EXPECTED_STDERR]: the exit code, and what
# standard error held ($work/err) when an expectation is given.
check() {
  local what=$1 code=$2 want=$3
  if [ "$code" != "$want" ]; then
    echo "FAILED $what: exit code $code, expected $want"
    failures=$((failures + 1))
  fi
  if [ $# -ge 4 ] && [ "$(cat "$work/err")" != "$4" ]; then
    echo "FAILED $what: standard error [$(cat -A "$work/err")], expected [$4]"
    failures=$((failures + 1))
  fi
}

full=$'bootspan: write error: No space left on device\r'
closed=$'bootspan: write error: Bad file descriptor\r'

"$program" >"$work/out" 2>"$work/err"
check "a file" $? 0 ""
"$program" >/dev/full 2>"$work/err"
check "/dev/full" $? 1 "$full"
"$program" >&- 2>"$work/err"
check "closed standard output" $? 1 "$closed"
"$program" >&- 2>&-
check "standard output and error closed" $? 1
"$faults" convert >/dev/full 2>"$work/err"
check "a failure report on /dev/full" $? 1 "$full"
"$faults" run-error >/dev/full 2>"$work/err"
check "a run-error line on /dev/full" $? 216 "$full"
# The reader is gone before the program writes.
{
  sleep 0.3
  "$program"
} | true
check "a pipe without a reader" "${PIPESTATUS[0]}" 141

[ "$failures" -eq 0 ] && echo "write errors: every case as expected"
exit $((failures != 0))
