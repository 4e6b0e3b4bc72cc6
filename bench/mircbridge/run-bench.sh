#!/bin/sh
# The sync dock's refresh through the Wine helper: sets up a Wine session
# (Xvfb and a throw-away prefix), runs bench-mirc-bridge in it, and always
# tears it down. Prints figures; it passes or fails nothing.
#
#   bench/mircbridge/run-bench.sh [build-dir]
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
session=$(mktemp -d "${TMPDIR:-/tmp}/korvel-bench-session.XXXXXX")
harness="$here/../../tests/mircwine/wine-session.sh"
trap 'sh "$harness" stop "$session"' EXIT INT TERM
sh "$harness" start "$session" "$build/bin/fake-mirc.exe" "$build/bin/mirc-bridge.exe" || exit $?
sh "$harness" run "$session" "$build/bin/bench-mirc-bridge" -platform offscreen \
    "$build/bin/fake-mirc.exe" "$build/bin/mirc-bridge.exe"
