#!/usr/bin/env bash
# Peak resident memory of whole student sessions: runs the first-road test
# program's typed sessions, which type every example problem through the
# screens, and reports the highest VmHWM they printed.
# Usage: bench/session_memory.sh [build directory]
set -euo pipefail
build=${1:-build}
binary=$build/tests/tst_first_road
# The windows open on the laptop screen the tests are written for, as ctest
# gives them; on another screen size the layout checks fail.
screen=$(cd "$(dirname "$0")/.." && pwd)/tests/support/laptop-screen.json
# Longer than the sessions ever take on a loaded machine; past it they hang.
session_limit=600
if [[ ! -x $binary ]]; then
  echo "no $binary: build the tests first" >&2
  exit 1
fi
status=0
output=$(QT_QPA_PLATFORM=offscreen:configfile=$screen LC_ALL=C.UTF-8 \
  timeout "$session_limit" "$binary" typedProblemShowsTheBatchResults 2>&1) || status=$?
if [[ $status -ne 0 ]]; then
  echo "$output" >&2
  [[ $status -eq 124 ]] && echo "the sessions did not end within $session_limit s" >&2
  echo "the first-road test failed" >&2
  exit 1
fi
peak=$(echo "$output" | sed -n 's/.*peak resident memory: \([0-9]*\) kB.*/\1/p' | sort -n | tail -1)
if [[ -z $peak ]]; then
  echo "the test printed no peak resident memory" >&2
  exit 1
fi
echo "peak resident memory of a whole session: $((peak / 1024)) MB ($peak kB; goal: under 60 MB)"
