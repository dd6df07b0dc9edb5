#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times tarnwell as a user runs it: the whole process on the template job (start-up with every
# data file, the job, the summary), and one process typing 1,000 room temperatures, each of
# which runs the input check, the load calculation and the equipment selection.
#
#   bench/tarnwell_timing.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR defaults to build/, RUNS (processes per figure) to 20.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-20}
tarnwell="$build/bin/tarnwell"
[ -x "$tarnwell" ] || { echo "no $tarnwell: build the target tarnwell first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/settings" LC_ALL=C

# 1,000 edits: room temperatures from -20 °F to 45 °F and back, each one a valid room.
script="$work/edits.tws"
for i in $(seq 0 999); do
  echo "type 103 $(( (i % 130 < 65 ? i % 130 : 130 - i % 130) - 20 ))"
done > "$script"

now() { date +%s%N; }

# Milliseconds per process: the fastest and the mean of RUNS runs.
measure() {
  local best= total=0 start end ms
  for _ in $(seq "$runs"); do
    start=$(now)
    "$@" > "$work/out" 2> "$work/err"
    [ -s "$work/err" ] && { echo "tarnwell complained:" >&2; head -3 "$work/err" >&2; exit 1; }
    end=$(now)
    ms=$(( (end - start) / 1000 ))
    total=$(( total + ms ))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  echo "$best $(( total / runs ))"
}

read -r best mean < <(measure "$tarnwell" calc)
printf 'tarnwell calc, template job, whole process:   best %d.%03d ms, mean %d.%03d ms (%d runs)\n' \
  $((best / 1000)) $((best % 1000)) $((mean / 1000)) $((mean % 1000)) "$runs"

edits_runs=$(( runs < 5 ? runs : 5 ))
runs=$edits_runs
read -r best mean < <(measure "$tarnwell" calc --script "$script" --get 16)
printf 'tarnwell calc, 1,000 edits in one process:    best %d.%03d ms, mean %d.%03d ms (%d runs)\n' \
  $((best / 1000)) $((best % 1000)) $((mean / 1000)) $((mean % 1000)) "$runs"
printf '  per edit (start-up included):               best %d.%03d ms, mean %d.%03d ms\n' \
  $((best / 1000000)) $((best / 1000 % 1000)) $((mean / 1000000)) $((mean / 1000 % 1000))
# The window followed every edit: field 103 shows the last temperature typed.
echo "  last typed: $(tail -1 "$script" | cut -d' ' -f3), field 103 shows:" \
  "$("$tarnwell" calc --script "$script" --get 103 | cut -f3)"
