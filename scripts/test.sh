#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests on Linux (debug, and
# under ASan + UBSan + LSan), the release sweeps, the Windows build's unit
# tests and whole-program tests under Wine and Xvfb, and each fuzz target for a
# short time. Installs what is missing first. Ends with "N passed, M failed".
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup.sh || exit 1

passed=0
failed=0
failures=()
log_dir=$root/build/test-logs
mkdir -p "$log_dir"

# Runs ctest for a preset and adds its counts to the totals.
count_ctest() {
  local name=$1 log=$2
  local total fails
  total=$(grep -oE 'tests? failed out of [0-9]+' "$log" | grep -oE '[0-9]+$' | tail -1)
  fails=$(grep -oE '[0-9]+ tests? failed out of' "$log" | grep -oE '^[0-9]+' | tail -1)
  if [ -z "$total" ]; then
    failed=$((failed + 1))
    failures+=("$name: ctest did not run")
    return
  fi
  passed=$((passed + total - fails))
  failed=$((failed + fails))
  [ "$fails" -gt 0 ] && failures+=("$name: $fails of $total failed")
  return 0
}

build_preset() {
  local preset=$1
  echo "=== build $preset"
  if ! { cmake --preset "$preset" >"$log_dir/$preset-configure.log" 2>&1 &&
    cmake --build --preset "$preset" -j "$(nproc)" >"$log_dir/$preset-build.log" 2>&1; }; then
    tail -40 "$log_dir/$preset-configure.log" "$log_dir/$preset-build.log"
    failed=$((failed + 1))
    failures+=("$preset: build failed")
    return 1
  fi
}

test_preset() {
  local preset=$1
  shift
  echo "=== test $preset"
  "$@" ctest --preset "$preset" 2>&1 | tee "$log_dir/$preset-ctest.log" | tail -25
  count_ctest "$preset" "$log_dir/$preset-ctest.log"
}

# Linux: debug, sanitizers, release (with the exhaustive sweeps).
for preset in host-debug host-asan host-release; do
  if build_preset "$preset"; then
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      test_preset "$preset" env
  fi
done

# Windows: unit tests and whole-program tests under Wine, with a fresh prefix.
if build_preset win32; then
  export WINEPREFIX=$root/build/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win32
  rm -rf "$WINEPREFIX"
  echo "=== wine prefix"
  xvfb-run -a wineboot -i >"$log_dir/wineboot.log" 2>&1
  wineserver -w
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >>"$log_dir/wineboot.log" 2>&1
  wineserver -w
  test_preset win32 xvfb-run -a -s "-screen 0 1024x768x24"
  wineserver -k 2>/dev/null || true
fi

# Fuzz targets, a short fixed time each.
if [ -d fuzz ] && ls fuzz/*.cpp >/dev/null 2>&1; then
  if build_preset host-fuzz; then
    scripts/fuzz.sh "${FUZZ_SECONDS:-20}" 2>&1 | tee "$log_dir/fuzz.log" | tail -20
    fuzz_ok=$(grep -c '^fuzz ok' "$log_dir/fuzz.log")
    fuzz_bad=$(grep -c '^fuzz FAILED' "$log_dir/fuzz.log")
    passed=$((passed + fuzz_ok))
    failed=$((failed + fuzz_bad))
    [ "$fuzz_bad" -gt 0 ] && failures+=("fuzz: $fuzz_bad targets failed")
  fi
fi

echo
for f in "${failures[@]}"; do echo "FAILED: $f"; done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
