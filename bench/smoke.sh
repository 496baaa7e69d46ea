#!/usr/bin/env bash
# Every benchmark once, briefly, so that one that no longer runs is noticed:
# a benchmark fails the smoke when it ends with a non-zero status, reports a
# case that erred, or is still running after its time limit. Nothing here
# judges a time; the measurements themselves are `make bench` and the
# scripts run on their own.
# Usage: bench/smoke.sh [build directory]
set -uo pipefail
build=${1:-build}
bench=$(cd "$(dirname "$0")" && pwd)
# Far above what each one takes on a loaded machine: past it, it hangs.
limit=${BENCH_SMOKE_LIMIT:-300}

# One brief run of each script: its arguments.
declare -A script_arguments=(
  [startup_time.sh]="$build/src/tarelin 1"
  [sweep_time.sh]="$build/src/tarelin 1"
  [session_memory.sh]="$build"
)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0

fail() {
  echo "FAIL  $1: $2"
  failed=$((failed + 1))
}

# Runs one benchmark under the time limit; its output is shown when it fails.
run() {
  local name=$1
  shift
  local status=0
  timeout "$limit" "$@" >"$scratch/output" 2>&1 || status=$?
  [[ $status -eq 0 ]] && return 0
  cat "$scratch/output"
  if [[ $status -eq 124 ]]; then
    fail "$name" "still running after $limit s"
  else
    fail "$name" "exit status $status"
  fi
  return 1
}

pass() {
  echo "ok    $1 ($((SECONDS - $2)) s)"
  passed=$((passed + 1))
}

# The Google Benchmark programs: one built for every source, each case run
# for a moment. A case that erred (SkipWithError) leaves the status at 0, so
# the JSON report is read for it.
for source in "$bench"/bench_*.cpp; do
  name=$(basename "$source" .cpp)
  binary=$build/bench/$name
  if [[ ! -x $binary ]]; then
    fail "$name" "not built (is Google Benchmark installed?)"
    continue
  fi
  started=$SECONDS
  report=$scratch/$name.json
  run "$name" "$binary" --benchmark_min_time=0.01 --benchmark_out="$report" \
    --benchmark_out_format=json || continue
  if grep -q '"error_occurred": true' "$report"; then
    sed -n 's/^ *"error_message": //p' "$report"
    fail "$name" "a case erred"
    continue
  fi
  pass "$name" "$started"
done

# The scripts, each with its own arguments for a single run.
for script in "$bench"/*.sh; do
  name=$(basename "$script")
  [[ $name == smoke.sh ]] && continue
  if [[ -z ${script_arguments[$name]+set} ]]; then
    fail "$name" "has no smoke run: give its arguments in bench/smoke.sh"
    continue
  fi
  started=$SECONDS
  # shellcheck disable=SC2086 # the arguments are split on purpose
  if run "$name" "$script" ${script_arguments[$name]}; then
    pass "$name" "$started"
    sed 's/^/      /' "$scratch/output"
  fi
done

echo "bench-smoke: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
