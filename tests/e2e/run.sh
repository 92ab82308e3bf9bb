#!/usr/bin/env bash
# End to end: the real program in a real X window (Xvfb), driven with a real
# mouse and keyboard (xdotool). Picks the Necromancer by its portrait, takes
# points with clicks, takes a Den Of Evil point from the right-click menu,
# saves under a typed name and compares the file. Screenshots of every window
# go to the test's log folder.
# Usage: run.sh <folder of the built program> <log folder>
set -euo pipefail
bin=$1
log=$2
mkdir -p "$log"
work=$(mktemp -d)
trap 'kill "${app:-0}" "${xvfb:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$bin"/korvinth "$bin"/*.gif "$work"/

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
unset QT_QPA_PLATFORM

"$work"/korvinth >"$log"/program.log 2>&1 &
app=$!

find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
shot() { import -window root "$log/$1.png" 2>/dev/null || true; }
# Clicks at a place given in twips inside a window's client area.
click() {
  xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15))
  sleep 0.15
  xdotool click "${4:-1}"
  sleep 0.25
}

start=$(find_window '^Diablo II Korvinth$')
sleep 1
shot start
click "$start" $((5085 + 915)) $((4995 + 1260))   # the Necromancer's portrait

necro=$(find_window '^Diablo II Korvinth \(Necromancer\)$')
sleep 0.5
teeth=(5475 665)
click "$necro" "${teeth[@]}"
click "$necro" "${teeth[@]}"
click "$necro" $((6060 + 270)) $((390 + 277))      # Bone Armor
click "$necro" "${teeth[@]}" 3                      # right click: the popup
shot popup
xdotool key d                                       # &Den Of Evil (Normal)
sleep 0.3
shot necromancer
click "$necro" $((9810 + 997)) $((1080 + 157))     # SAVE
sleep 0.7
shot name_dialog
xdotool key ctrl+a
xdotool type --delay 40 "Hero"
xdotool key Return
sleep 0.7

expected=$(printf '%s\r\n' "Hero" "Class: Necromancer" "Level: 4" \
  "---------------------------------------------" "" "Clvl 1 Slvl 0: Starting Level" \
  "Clvl 2 Slvl 1: Teeth" "Clvl 3 Slvl 2: Teeth" "Clvl 4 Slvl 1: Bone Armor" \
  "Den Of Evil: Normal Slvl 3: Teeth" "" "---------------------------------------------" | od -c)
actual=$(od -c "$work"/Hero.txt 2>/dev/null || echo "no file")
if [[ "$expected" != "$actual" ]]; then
  echo "the exported file differs:"; cat -A "$work"/Hero.txt 2>/dev/null || true
  exit 1
fi

click "$necro" $((9765 + 997)) $((4350 + 157))     # EXIT
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "the program did not end on EXIT"; exit 1; fi
wait "$app"
echo "end to end: 1 passed, 0 failed"
