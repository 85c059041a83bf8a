#!/usr/bin/env bash
# Builds Bootspan.exe a second time, in another build folder, and compares it
# byte for byte with the one of the win32 preset. Prints "reproducible ok" or
# "reproducible FAILED: why"; exits 1 on a difference.
#   tests/packages/check_reproducible.sh
set -uo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
first=build/win32/app/Bootspan.exe
again=build/win32-again
if [ ! -f "$first" ]; then
  echo "reproducible FAILED: no $first (build the win32 preset first)"
  exit 1
fi
rm -rf "$again"
if ! { cmake -S . -B "$again" -DCMAKE_BUILD_TYPE=MinSizeRel -DBOOTSPAN_TESTS=OFF \
  -DBOOTSPAN_FAULT_PROGRAM=OFF -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake" &&
  cmake --build "$again" -j "$(nproc)" --target Bootspan; } >"$root/build/reproducible.log" 2>&1; then
  echo "reproducible FAILED: the second build failed (build/reproducible.log)"
  exit 1
fi
if cmp -s "$first" "$again/app/Bootspan.exe"; then
  echo "reproducible ok Bootspan.exe $(sha256sum <"$first" | cut -c1-16)"
else
  echo "reproducible FAILED: the two builds differ: $(cmp "$first" "$again/app/Bootspan.exe" | head -1)"
  exit 1
fi
