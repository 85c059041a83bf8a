#!/usr/bin/env bash
# Builds the Linux console program and runs it: it prints how long ago this
# machine started, in the user's locale. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null
cmake -S . -B build/run -DCMAKE_BUILD_TYPE=Release -DBOOTSPAN_TESTS=OFF >/dev/null
cmake --build build/run -j "$(nproc)" --target bootspan >/dev/null
exec build/run/app/bootspan
