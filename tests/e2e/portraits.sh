#!/usr/bin/env bash
# End to end: the real program in a real X window (Xvfb) with costly portrait
# files beside it. For each case it measures the time from start until the
# program is idle (the start window mapped and the portraits loaded: its CPU
# time has not moved for 300 ms) and its peak resident memory (VmHWM), then
# checks that it still answers: Escape in the start window ends it.
# Each portrait file must load or be refused within 1 s of its own, and the
# whole program must stay under 256 MB.
# Usage: portraits.sh <folder of the built program> <gifcases tool> <log folder>
set -euo pipefail
bin=$1
cases=$2
log=$3
mkdir -p "$log"
work=$(mktemp -d)
trap 'kill ${app:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
"$cases" "$work/files"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
unset QT_QPA_PLATFORM

portraits=(amazonmove.gif barbarianmove.gif necromancermove.gif paladinmove.gif sorceressmove.gif)
ticks_per_second=$(getconf CLK_TCK)
limit_kb=$((256 * 1024))
passed=0
failed=0
printf '%-34s %10s %10s\n' "portrait files" "idle (ms)" "peak (MB)" | tee "$log/portraits.txt"

# Runs the program with the given files in place of portraits (name=file
# pairs) and checks it; the files are linked, not copied.
check() {
  local name=$1 hostile=$2
  shift 2
  local dir=$work/$name
  mkdir -p "$dir"
  cp "$bin/korvinth" "$dir/"
  for p in "${portraits[@]}"; do cp "$bin/$p" "$dir/"; done
  for pair in "$@"; do ln -sf "$work/files/${pair#*=}" "$dir/${pair%%=*}"; done

  local start now window="" ticks last=-1 moved idle="" hwm=0 problem=""
  start=$EPOCHREALTIME
  "$dir/korvinth" >"$log/$name.log" 2>&1 &
  app=$!
  moved=$start
  while :; do
    now=$EPOCHREALTIME
    if ! kill -0 "$app" 2>/dev/null; then problem="the program ended"; break; fi
    ticks=$(awk '{print $14 + $15}' "/proc/$app/stat")
    hwm=$(awk '/^VmHWM/ {print $2}' "/proc/$app/status")
    if ((ticks != last)); then last=$ticks; moved=$now; fi
    [[ -z $window ]] && window=$(xdotool search --onlyvisible --name '^Diablo II Korvinth$' 2>/dev/null | head -n 1 || true)
    if [[ -n $window ]] && awk -v n="$now" -v m="$moved" 'BEGIN {exit !(n - m >= 0.3)}'; then
      idle=$(awk -v m="$moved" -v s="$start" 'BEGIN {printf "%d", (m - s) * 1000}')
      break
    fi
    if awk -v n="$now" -v s="$start" 'BEGIN {exit !(n - s > 10)}'; then problem="not idle after 10 s"; break; fi
    ((hwm > 4 * limit_kb)) && { problem="over 1 GB"; break; }
    sleep 0.02
  done

  if [[ -z $problem ]]; then
    ((idle > 1000 * hostile)) && problem="idle after ${idle} ms, over $hostile s"
    ((hwm > limit_kb)) && problem="${problem:+$problem; }peak $((hwm / 1024)) MB"
    # It still answers: Escape in the start window ends the program.
    xdotool windowfocus --sync "$window" key Escape 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$app" 2>/dev/null && problem="${problem:+$problem; }no answer to Escape"
  fi
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=""
  printf '%-34s %10s %10s  %s\n' "$name" "${idle:--}" "$((hwm / 1024))" "${problem:-ok}" | tee -a "$log/portraits.txt"
  if [[ -z $problem ]]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
}

check "own portraits" 1
check "200 frames on a 2000 x 2000 screen" 1 amazonmove.gif=screen2000.gif
check "50,000 tiny frames" 1 amazonmove.gif=frames50000.gif
check "5,000 frames in each portrait" 5 "${portraits[@]/%/=frames5000.gif}"
check "900 KB of markers" 1 amazonmove.gif=markers900k.gif
check "200 MB of markers" 1 amazonmove.gif=markers200m.gif

echo "portraits: $passed passed, $failed failed"
((failed == 0))
