#!/usr/bin/env bash
# Runs a command with one Wine server kept up for all of it, its system
# processes already started, so that each Wine program the command starts
# neither starts them again nor leaves them holding its output open (a test
# runner would wait for them to linger out, 3 s a program).
#   scripts/with_wine_server.sh ctest --preset win32
set -uo pipefail
wineserver -p || exit 1
wine cmd /c exit </dev/null >/dev/null 2>&1
"$@"
status=$?
wineserver -k 2>/dev/null
exit $status
