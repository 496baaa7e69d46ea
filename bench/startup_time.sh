#!/usr/bin/env bash
# Launch to first paint of the start screen, under a virtual display.
# Usage: bench/startup_time.sh [path/to/tarelin] [runs]
set -euo pipefail
binary=${1:-build/src/tarelin}
runs=${2:-10}
display=:97
Xvfb $display -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  DISPLAY=$display XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp} QT_QPA_PLATFORM=xcb TARELIN_EXIT_AFTER_FIRST_PAINT=1 "$binary" | grep -q first-paint
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "launch to first paint, ms: $(echo $sorted)"
echo "median: $(printf '%s\n' $sorted | sed -n "$(( (runs + 1) / 2 ))p") ms (goal: 250 ms)"
