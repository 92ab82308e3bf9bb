#!/usr/bin/env bash
# How long the start window takes to appear, against a bare 800 x 600 Qt
# window started the same way: both under one Xvfb, in turns. Prints the
# medians of the time from start to the window's map and of the CPU time of
# the first two seconds, and the ratio of the map times.
# Usage: startup.sh <folder of korvinth and korvinth_bare_window> [runs] [most ratio]
# With a most ratio it measures the map times only and fails unless one of
# three rounds of runs comes out within it (the machine's other work moves
# single rounds).
set -euo pipefail
bin=$(cd "$1" && pwd)
runs=${2:-5}
most=${3:-}
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

# Starts a program and waits for its first top-level map; prints the ms to
# the map and, unless only the map is asked for, the ms of CPU it used in its
# first two seconds.
measure() {
  while read -r -t 0.05 _ <&4; do :; done
  local start end="" line ticks=0
  start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 &
  local pid=$!
  while read -r -t 10 line <&4; do
    if [[ $line == MapNotify* ]]; then end=$EPOCHREALTIME; break; fi
  done
  if [[ -z $most ]]; then
    sleep "$(awk -v s="$start" -v n="$EPOCHREALTIME" 'BEGIN {d = 2 - (n - s); print (d > 0 ? d : 0)}')"
    ticks=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  [[ -n $end ]] || { echo "no window appeared: $*" >&2; exit 1; }
  awk -v s="$start" -v e="$end" -v t="$ticks" -v hz="$(getconf CLK_TCK)" 'BEGIN {print (e - s) * 1000, t * 1000 / hz}'
}
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

# One round: the two programs in turns, so that a change in the machine's
# load touches both alike. Prints the ratio of the median map times.
round() {
  : >"$work/bare"
  : >"$work/korvinth"
  for _ in $(seq "$runs"); do
    measure "$bin/korvinth_bare_window" >>"$work/bare"
    measure "$bin/korvinth" >>"$work/korvinth"
  done
  local bare_map map
  bare_map=$(cut -d' ' -f1 "$work/bare" | median)
  map=$(cut -d' ' -f1 "$work/korvinth" | median)
  printf 'bare window:  map %.1f ms' "$bare_map" >&2
  [[ -z $most ]] && printf ', CPU in 2 s %d ms' "$(cut -d' ' -f2 "$work/bare" | median)" >&2
  printf '\nstart window: map %.1f ms' "$map" >&2
  [[ -z $most ]] && printf ', CPU in 2 s %d ms' "$(cut -d' ' -f2 "$work/korvinth" | median)" >&2
  awk -v m="$map" -v b="$bare_map" 'BEGIN {printf "\nratio of map times: %.2f\n", m / b > "/dev/stderr"; print m / b}'
}

if [[ -z $most ]]; then
  round >/dev/null
  exit 0
fi
for _ in 1 2 3; do
  ratio=$(round)
  if awk -v r="$ratio" -v m="$most" 'BEGIN {exit !(r <= m)}'; then
    echo "startup: 1 passed, 0 failed"
    exit 0
  fi
done
echo "startup: 0 passed, 1 failed (the start window took over $most times the bare window's time)"
exit 1
