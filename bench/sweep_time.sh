#!/usr/bin/env bash
# A 10,000-point reflux sweep of the benzene–toluene example as one whole
# process, start included, with the JSON and with the table.
# Usage: bench/sweep_time.sh [path/to/tarelin] [runs]
set -euo pipefail
binary=${1:-build/src/tarelin}
runs=${2:-11}
problem=$(dirname "$0")/../examples/benzene-toluene.json
measure() {
  local times=()
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$binary" --batch "$problem" --sweep-reflux 1.6:8:10000 "$@" >/dev/null
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
  done
  sorted=$(printf '%s\n' "${times[@]}" | sort -n)
  echo "sweep of 10000 ratios $*, ms: $(echo $sorted)"
  echo "median: $(printf '%s\n' $sorted | sed -n "$(( (runs + 1) / 2 ))p") ms (goal: 100 ms)"
}
measure --json
measure
