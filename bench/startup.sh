#!/usr/bin/env bash
# How long the start window takes to appear, against a bare 800 x 600 Qt
# window started the same way: both under one Xvfb, in turns, five times
# each unless told; prints
# the medians of the time from start to the window's map and of the CPU time
# of the first two seconds, and the ratio of the map times.
# Usage: startup.sh <folder of the built program and korvinth_bare_window> [runs]
set -euo pipefail
bin=$(cd "$1" && pwd)
runs=${2:-5}
work=$(mktemp -d)
trap 'kill ${xev:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
unset QT_QPA_PLATFORM
# Top-level maps, as the server reports them, each line stamped on arrival.
mkfifo "$work/events"
stdbuf -oL xev -root -event substructure >"$work/events" 2>/dev/null &
xev=$!
exec 4<"$work/events"
sleep 0.3

# Starts a program, waits for its first top-level map; prints the ms to the
# map and the ms of CPU it used in its first two seconds.
measure() {
  while read -r -t 0.05 _ <&4; do :; done
  local start end line ticks
  start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 &
  local pid=$!
  while read -r -t 10 line <&4; do
    if [[ $line == MapNotify* ]]; then end=$EPOCHREALTIME; break; fi
  done
  sleep "$(awk -v s="$start" -v n="$EPOCHREALTIME" 'BEGIN {d = 2 - (n - s); print (d > 0 ? d : 0)}')"
  ticks=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  awk -v s="$start" -v e="$end" -v t="$ticks" -v hz="$(getconf CLK_TCK)" 'BEGIN {print (e - s) * 1000, t * 1000 / hz}'
}
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

# Taken in turns, so that a change in the machine's load touches both alike.
for _ in $(seq "$runs"); do
  measure "$bin/korvinth_bare_window" >>"$work/bare"
  measure "$bin/korvinth" >>"$work/korvinth"
done
bare_map=$(cut -d' ' -f1 "$work/bare" | median)
bare_cpu=$(cut -d' ' -f2 "$work/bare" | median)
map=$(cut -d' ' -f1 "$work/korvinth" | median)
cpu=$(cut -d' ' -f2 "$work/korvinth" | median)
printf 'bare window:  map %.1f ms, CPU in 2 s %d ms\n' "$bare_map" "$bare_cpu"
printf 'start window: map %.1f ms, CPU in 2 s %d ms\n' "$map" "$cpu"
awk -v m="$map" -v b="$bare_map" 'BEGIN {printf "ratio of map times: %.2f\n", m / b}'
