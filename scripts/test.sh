#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests on Linux (debug, and
# under ASan + UBSan + LSan), the release sweeps, the Windows build's unit
# tests and whole-program tests under Wine and Xvfb, and each fuzz target for a
# short time. Installs what is missing first. Ends with "N passed, M failed"
# (and ", K skipped" when this machine cannot run some of them, with the
# reason above it).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

passed=0
failed=0
skipped=0
failures=()
skips=()
phases=()
log_dir=$root/build/test-logs
mkdir -p "$log_dir"

# Records how long the phase that started at $phase_start took.
phase_start=$SECONDS
end_phase() {
  phases+=("$(printf '%-28s %4d s' "$1" $((SECONDS - phase_start)))")
  phase_start=$SECONDS
}

# Wine runs the 32-bit Windows programs as 32-bit Linux processes; some
# kernels run no 32-bit code at all (execve answers "Exec format error").
can_run_32bit() {
  /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

scripts/setup.sh || exit 1
end_phase setup

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

# Adds the "<what> ok", "<what> FAILED" and "<what> skipped" lines of a log
# to the totals.
count_checks() {
  local name=$1 log=$2 ok bad skip
  ok=$(grep -cE '^[a-z]+ ok ' "$log")
  bad=$(grep -cE '^[a-z]+ FAILED' "$log")
  skip=$(grep -cE '^[a-z]+ skipped ' "$log")
  passed=$((passed + ok))
  failed=$((failed + bad))
  skipped=$((skipped + skip))
  [ "$bad" -gt 0 ] && failures+=("$name: $bad checks failed")
  [ "$skip" -gt 0 ] && skips+=("$name: $(grep -E '^[a-z]+ skipped ' "$log" | cut -d' ' -f3- | paste -sd';')")
  if [ "$ok" -eq 0 ] && [ "$bad" -eq 0 ]; then
    failed=$((failed + 1))
    failures+=("$name: no check ran")
  fi
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

# Runs the ctest entries of a preset, JOBS at a time (the host tests share
# nothing; the Wine tests share one display and one prefix, so they run one
# at a time).
test_preset() {
  local preset=$1 jobs=$2
  shift 2
  echo "=== test $preset"
  "$@" ctest --preset "$preset" -j "$jobs" 2>&1 | tee "$log_dir/$preset-ctest.log" | tail -25
  count_ctest "$preset" "$log_dir/$preset-ctest.log"
}

# Linux: debug, sanitizers, release (with the exhaustive sweeps).
for preset in host-debug host-asan host-release; do
  if build_preset "$preset"; then
    end_phase "build $preset"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      test_preset "$preset" "$(nproc)" env
    end_phase "test $preset"
  fi
done

# Windows: unit tests and whole-program tests under Wine, with a fresh prefix.
win32_built=0
if build_preset win32; then
  win32_built=1
  end_phase "build win32"
fi

# Fuzz targets, a short fixed time each, two at a time. They run beside the
# Wine tests and the packages, which mostly wait on Wine and on one tool at a
# time; niced, so those keep the processor when they need it.
fuzz_pid=
if [ -d fuzz ] && ls fuzz/*.cpp >/dev/null 2>&1; then
  if build_preset host-fuzz; then
    end_phase "build host-fuzz"
    fuzz_start=$SECONDS
    nice -n 10 scripts/fuzz.sh "${FUZZ_SECONDS:-20}" >"$log_dir/fuzz.log" 2>&1 &
    fuzz_pid=$!
  fi
fi

if [ "$win32_built" = 1 ]; then
  if can_run_32bit; then
    export WINEPREFIX=$root/build/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win32
    rm -rf "$WINEPREFIX"
    echo "=== wine prefix"
    xvfb-run -a wineboot -i >"$log_dir/wineboot.log" 2>&1
    wineserver -w
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >>"$log_dir/wineboot.log" 2>&1
    # Xvfb has no window manager: a managed window's closing waits 2 s for
    # one to answer before the program may end.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      >>"$log_dir/wineboot.log" 2>&1
    wineserver -w
    end_phase "wine prefix"
    test_preset win32 1 xvfb-run -a -s "-screen 0 1024x768x24" scripts/with_wine_server.sh
    end_phase "test win32 under Wine"
  else
    # Only the checks that read the program's file can run on this machine.
    echo "=== test win32: file checks only (this kernel runs no 32-bit code, so Wine cannot start)"
    ctest --preset win32 -L file 2>&1 | tee "$log_dir/win32-ctest.log" | tail -5
    count_ctest win32 "$log_dir/win32-ctest.log"
    wine_tests=$(ctest --preset win32 -N -LE file | grep -oE 'Total Tests: [0-9]+' | grep -oE '[0-9]+$')
    skipped=$((skipped + ${wine_tests:-0}))
    skips+=("win32: ${wine_tests:-0} tests need Wine, which needs a kernel that runs 32-bit code")
    end_phase "test win32 (file checks)"
  fi
fi

# Release: the two packages built, unpacked and run; the release built a
# second time to the same bytes; the Windows files signed with a throwaway
# certificate and given back unchanged without the signature.
if [ -x build/host-release/app/bootspan ] && [ -f build/win32/app/Bootspan.exe ]; then
  echo "=== packages"
  {
    if scripts/package.sh; then
      tests/packages/check_packages.sh
      tests/packages/check_reproducible.sh
    else
      echo "package FAILED build: scripts/package.sh stopped"
    fi
    tests/packages/check_signing.sh
  } 2>&1 | tee "$log_dir/packages.log" | grep -E '^(package|reproducible|signing)[ :]' | grep -v '^package: building'
  count_checks packages "$log_dir/packages.log"
  end_phase "packages"
fi

if [ -n "$fuzz_pid" ]; then
  echo "=== fuzz"
  wait "$fuzz_pid"
  phases+=("$(printf '%-28s %4d s' "fuzz (beside Wine, packages)" $((SECONDS - fuzz_start)))")
  end_phase "waiting for fuzz"
  tail -20 "$log_dir/fuzz.log"
  fuzz_ok=$(grep -c '^fuzz ok' "$log_dir/fuzz.log")
  fuzz_bad=$(grep -c '^fuzz FAILED' "$log_dir/fuzz.log")
  passed=$((passed + fuzz_ok))
  failed=$((failed + fuzz_bad))
  [ "$fuzz_bad" -gt 0 ] && failures+=("fuzz: $fuzz_bad targets failed")
  [ "$fuzz_ok" -eq 0 ] && [ "$fuzz_bad" -eq 0 ] && failures+=("fuzz: no target ran") && failed=$((failed + 1))
fi

echo
echo "Time per phase:"
for p in "${phases[@]}"; do echo "  $p"; done
printf '  %-28s %4d s\n' total "$SECONDS"
for s in "${skips[@]}"; do echo "SKIPPED: $s"; done
for f in "${failures[@]}"; do echo "FAILED: $f"; done
if [ "$skipped" -gt 0 ]; then
  echo "$passed passed, $failed failed, $skipped skipped"
else
  echo "$passed passed, $failed failed"
fi
[ "$failed" -eq 0 ]
