#!/usr/bin/env bash
# End to end: SAVE of the real program (Xvfb, xdotool) where the file system
# gets in the way.
#  - full disk: the program runs from a small tmpfs that is then filled; SAVE
#    over an existing file must show the "61 Disk full" box and leave the file
#    byte for byte, with no temporary file beside it. Needs root to mount; the
#    script runs itself in a private mount namespace so the mount ends with it.
#    Without mount permission this scenario is skipped (and says so).
#  - links: SAVE under a name whose file is a symbolic link, to an existing
#    file elsewhere and a dangling one, must show the "75 Path/File access
#    error" box and write nothing anywhere. Runs everywhere.
# The program logs the text of each message box it shows (korvinth.boxes);
# the box itself is found on the screen by its title.
# Usage: export_fs.sh <folder of the built program> <log folder>
set -euo pipefail
bin=$(realpath "$1")
log=$(realpath -m "$2")

if [[ $EUID -eq 0 && -z ${KORVINTH_E2E_PRIVATE_MOUNTS:-} ]] &&
  unshare --mount --propagation private true 2>/dev/null; then
  KORVINTH_E2E_PRIVATE_MOUNTS=1 exec unshare --mount --propagation private bash "$0" "$@"
fi

mkdir -p "$log"
rm -f "$log"/*.log "$log"/*.png
work=$(mktemp -d)
pids=()
mounted=
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [[ -n $mounted ]]; then umount "$mounted" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$work/display")
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
unset QT_QPA_PLATFORM
export QT_LOGGING_RULES="korvinth.boxes.info=true"

failed=0
fail() {
  echo "FAIL ($scenario): $*"
  failed=$((failed + 1))
}
find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
shot() { import -window root "$log/$1.png" 2>/dev/null || true; }
# Clicks at a place given in twips inside a window's client area.
click() {
  xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15))
  sleep 0.15
  xdotool click 1
  sleep 0.25
}

# Starts the program copied into folder $1 and opens the Necromancer window.
start_program() {
  cp "$bin"/korvinth "$bin"/*.gif "$1"/
  "$1"/korvinth >"$log/$scenario.log" 2>&1 &
  app=$!
  pids+=("$app")
  local start
  start=$(find_window '^Diablo II Korvinth$')
  sleep 1
  click "$start" $((5085 + 915)) $((4995 + 1260)) # the Necromancer's portrait
  necro=$(find_window '^Diablo II Korvinth \(Necromancer\)$')
  sleep 0.5
  click "$necro" 5475 665 # a point in Teeth, so the plan has a line
}

# SAVE under the name $1; expects the error box with text $2 and closes it.
save_expecting_box() {
  click "$necro" $((9810 + 997)) $((1080 + 157)) # SAVE
  local dialog
  dialog=$(find_window '^Character Name$')
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  sleep 0.3
  xdotool key ctrl+a
  xdotool type --delay 40 "$1"
  xdotool key Return
  local box
  box=$(find_window '^Korvinth$') || true
  if [[ -z $box ]]; then
    fail "no message box after SAVE \"$1\""
    return
  fi
  shot "$scenario-$1"
  sleep 0.3
  local said
  said=$(grep '^korvinth.boxes: ' "$log/$scenario.log" | tail -n 1 || true)
  [[ $said == "korvinth.boxes: Korvinth: $2" ]] || fail "SAVE \"$1\": the last box logged is \"$said\", not \"$2\""
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return
  for _ in $(seq 50); do
    [[ -z $(xdotool search --onlyvisible --name '^Korvinth$' 2>/dev/null) ]] && break
    sleep 0.1
  done
}

stop_program() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
}

# The names in folder $1, hidden ones included, one a line.
entries() { (cd "$1" && LC_ALL=C ls -A); }
# Fails when folder $1 holds anything besides the program and the names $2 (a
# regular expression).
expect_no_strays() {
  local strays
  strays=$(entries "$1" | grep -vE "^(korvinth|.*\.gif|$2)\$" | tr '\n' ' ' || true)
  [[ -z $strays ]] || fail "stray files: $strays"
}

scenario=full_disk
disk=$work/disk
mkdir -p "$disk"
size=$(($(du -ck "$bin"/korvinth "$bin"/*.gif | tail -n 1 | cut -f 1) + 256))
if mount -t tmpfs -o size="${size}k" tmpfs "$disk" 2>/dev/null; then
  mounted=$disk
  printf 'Old\r\nan earlier plan\r\n' >"$disk/Old.txt"
  cp "$disk/Old.txt" "$work/Old.before"
  start_program "$disk"
  dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null || true # the disk is full now
  save_expecting_box Old "61 | Disk full"
  cmp -s "$disk/Old.txt" "$work/Old.before" || fail "Old.txt was changed"
  expect_no_strays "$disk" 'Old\.txt|filler'
  stop_program
else
  echo "skipped: full disk (no permission to mount a tmpfs here; the window tests cover it with /dev/full)"
fi

scenario=links
program=$work/program
outside=$work/outside
mkdir -p "$program" "$outside"
printf 'kept\r\n' >"$outside/precious.txt"
cp "$outside/precious.txt" "$work/precious.before"
ln -s "$outside/precious.txt" "$program/Linked.txt"
ln -s "$outside/new.txt" "$program/Dangling.txt"
start_program "$program"
save_expecting_box Linked "75 | Path/File access error"
save_expecting_box Dangling "75 | Path/File access error"
cmp -s "$outside/precious.txt" "$work/precious.before" || fail "the linked file was changed"
[[ $(entries "$outside") == precious.txt ]] || fail "a file was written outside: $(entries "$outside" | tr '\n' ' ')"
[[ $(readlink "$program/Linked.txt") == "$outside/precious.txt" ]] || fail "Linked.txt is no longer the link"
[[ $(readlink "$program/Dangling.txt") == "$outside/new.txt" ]] || fail "Dangling.txt is no longer the link"
expect_no_strays "$program" 'Linked\.txt|Dangling\.txt'
stop_program

if ((failed)); then
  echo "export file system: $failed failed"
  exit 1
fi
echo "export file system: passed"
