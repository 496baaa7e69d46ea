#!/usr/bin/env bash
# Launch to first paint of the start screen, under a virtual display.
# Usage: bench/startup_time.sh [path/to/tarelin] [runs]
set -euo pipefail
binary=${1:-build/src/tarelin}
runs=${2:-10}
# A launch that has not painted by then is stuck, not slow.
launch_limit=30
if [[ ! -x $binary ]]; then
  echo "no $binary: build the program first" >&2
  exit 1
fi

# The program starts with no problems of the user's to offer and keeps none.
scratch=$(mktemp -d)
chmod 700 "$scratch"
xvfb=
cleanup() {
  if [[ -n $xvfb ]]; then
    kill "$xvfb" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [[ -s $scratch/display ]] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
display=:$(head -n1 "$scratch/display")
if [[ $display == : ]]; then
  echo "Xvfb gave no display" >&2
  exit 1
fi

times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  status=0
  output=$(DISPLAY=$display XDG_RUNTIME_DIR=$scratch XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config \
    QT_QPA_PLATFORM=xcb TARELIN_EXIT_AFTER_FIRST_PAINT=1 timeout "$launch_limit" "$binary") || status=$?
  end=$(date +%s%N)
  if [[ $status -eq 124 ]]; then
    echo "the program did not leave within $launch_limit s of its launch" >&2
    exit 1
  fi
  if [[ $status -ne 0 || $output != *first-paint* ]]; then
    echo "the program left with status $status without reporting its first paint" >&2
    exit 1
  fi
  times+=($(( (end - start) / 1000000 )))
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "launch to first paint, ms: $(echo $sorted)"
echo "median: $(printf '%s\n' $sorted | sed -n "$(( (runs + 1) / 2 ))p") ms (goal: 250 ms)"
