# The report lines of the package checks, sourced by each after it sets
# `check` to its kind: "KIND ok NAME" and "KIND FAILED NAME: why", which the
# test command counts. `status` becomes 1 at the first failure.
# shellcheck shell=bash
status=0
ok() { echo "$check ok $1"; }
bad() {
  echo "$check FAILED $1: $2"
  status=1
}
