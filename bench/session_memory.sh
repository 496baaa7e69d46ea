#!/usr/bin/env bash
# Peak resident memory of whole student sessions: runs the first-road test
# program, which types every example problem through the screens, and reports
# the highest VmHWM it printed.
# Usage: bench/session_memory.sh [build directory]
set -euo pipefail
build=${1:-build}
binary=$build/tests/tst_first_road
if [[ ! -x $binary ]]; then
  echo "no $binary: build the tests first" >&2
  exit 1
fi
output=$(QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$binary" 2>&1) || {
  echo "$output" >&2
  echo "the first-road test failed" >&2
  exit 1
}
peak=$(echo "$output" | sed -n 's/.*peak resident memory: \([0-9]*\) kB.*/\1/p' | sort -n | tail -1)
if [[ -z $peak ]]; then
  echo "the test printed no peak resident memory" >&2
  exit 1
fi
echo "peak resident memory of a whole session: $((peak / 1024)) MB ($peak kB; goal: under 60 MB)"
