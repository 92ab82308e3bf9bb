# The driver of the end-to-end scenarios: starts the real program in its own
# folder, moves a real mouse and types on a real keyboard (xdotool), and after
# every step checks that the program still runs and that exactly the expected
# windows are visible. It never waits by the clock: each step waits until the
# program has handled its input (settle), and each check polls for its
# condition up to WAIT_LIMIT seconds. Sourced by run.sh, which sets: bin (the
# built program's folder), log (screenshots and logs), xwin (the window
# helper), gifcases (writes costly portrait files), tmp, fakebin.

# Window titles.
START="Diablo II Korvinth"
GENERATOR="Random Character Generator"
STATS="Skill Stats"
NAME_BOX="Character Name"
class_window() { echo "Diablo II Korvinth ($1)"; }

# Places, in twips, of the start window's controls by class: portrait
# (left top) and name label (left top width).
declare -A PORTRAIT=([Amazon]="435 3465" [Barbarian]="2805 4410" [Necromancer]="5085 4995"
  [Paladin]="7425 4425" [Sorceress]="9735 3465")
declare -A NAME_LABEL=([Amazon]="525 5730 1515" [Barbarian]="2805 6720 1845" [Necromancer]="4980 7110 2310"
  [Paladin]="7650 6720 1425" [Sorceress]="9795 5730 1695")
# Two skills of each class that open at level 1 (left top of their icons).
declare -A FIRST_SKILL=([Amazon]="1575 390" [Barbarian]="4380 390" [Necromancer]="5205 390"
  [Paladin]="6060 390" [Sorceress]="5205 390")
declare -A SECOND_SKILL=([Amazon]="7950 390" [Barbarian]="7950 390" [Necromancer]="6060 390"
  [Paladin]="7185 390" [Sorceress]="7935 390")
CLASSES=(Amazon Barbarian Necromancer Paladin Sorceress)

# The longest any wait may last; the sanitizer build runs the program several
# times slower.
WAIT_LIMIT=10
[[ -n ${KORVINTH_E2E_SANITIZED:-} ]] && WAIT_LIMIT=30

# Polls a condition (a command) until it holds; the step fails when it has
# not held within WAIT_LIMIT seconds.
wait_for() {  # WHAT_FAILED COMMAND...
  local what=$1 until
  shift
  until=$((${EPOCHREALTIME//[!0-9]/} + WAIT_LIMIT * 1000000))
  until "$@"; do
    ((${EPOCHREALTIME//[!0-9]/} < until)) || fail "$what (waited $WAIT_LIMIT s)"
    sleep 0.03
  done
}

# Returns once the program has handled all input sent so far, and painted
# what it changed. Nothing to wait for while it shows no window.
settle() {
  local status=0
  "$xwin" sync "$app" "$WAIT_LIMIT" || status=$?
  ((status != 1)) || fail "the program did not answer"
}

shots=0
fail() {
  echo "FAIL [$scenario]: $*" >&2
  echo "  visible: $(windows_now | paste -sd '|')" >&2
  shot failure
  # What the program wrote and said stays beside the screenshots.
  mkdir -p "$log/$scenario-files"
  cp "${work:-/nonexistent}"/*.txt "$tmp"/*.log "$log/$scenario-files/" 2>/dev/null || true
  exit 1
}

shot() {
  shots=$((shots + 1))
  "$xwin" sync "${app:-0}" "$WAIT_LIMIT" >/dev/null 2>&1 || true
  import -window root "$log/$scenario-$(printf %02d $shots)-$1.png" 2>/dev/null || true
}

# Starts the program from a fresh folder of its own (or the one given).
start_program() {  # [FOLDER]: a folder of the scenario's own making
  work=${1:-$(mktemp -d "$tmp/$scenario.XXXX")}
  # The program and its portraits, but for files the scenario put there.
  local file
  for file in "$bin/korvinth" "$bin"/*.gif; do
    [[ -e "$work/${file##*/}" ]] || cp "$file" "$work/"
  done
  # The program notes the text of every message box it shows in its log; the
  # log holds every program of the scenario, for run.sh to look for
  # sanitizer reports.
  (cd / && PATH="$fakebin:$PATH" LINK_LOG="$tmp/links.log" QT_LOGGING_RULES="korvinth.boxes.info=true" \
    exec "$work/korvinth") >>"$tmp/program.log" 2>&1 &
  app=$!
  PROGRAMS[$app]=1
  expect_windows "$START" "${ALSO_AT_START[@]}"
  wait_loaded
}
# Windows the scenario expects beside the start window as the program starts
# (a message box of the load).
ALSO_AT_START=()
declare -A PROGRAMS=()

# Ends, by their ids, the programs of the scenario that still run: run.sh
# calls it as the scenario ends. They are this shell's children, so none of
# the ids can have gone to another process.
end_programs() {
  local pid
  for pid in $(jobs -rp); do
    [[ -n ${PROGRAMS[$pid]:-} ]] || continue
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}

# The portraits load behind the shown window, which says "Loading Images"
# meanwhile (in a spot clear of the portraits, given in twips).
LOADING_SPOT=(4650 4395 2750 555)
portraits_loaded() {
  settle
  local drawn=0
  spot_drawn "$START" "${LOADING_SPOT[@]}" 30000 || drawn=$?
  ((drawn == 1))
}
wait_loaded() { wait_for "the portraits did not load" portraits_loaded; }

# Whether a spot of a window (twips: left top width height) holds a pixel
# brighter than LEVEL (of 65535; 2000 tells anything from black). Status 2
# when the window cannot be read.
spot_drawn() {  # TITLE LEFT TOP WIDTH HEIGHT [LEVEL]
  local line max
  line=$(window_line "$1")
  [[ -n "$line" ]] || return 2
  max=$("$xwin" spot "${line%% *}" $(($2 / 15)) $(($3 / 15)) $(($4 / 15)) $(($5 / 15)) 2>/dev/null) || return 2
  ((max > ${6:-2000}))
}

# Waits until the program's CPU time has stayed still for 300 ms: whatever
# it was doing is done. Sets IDLE_MS to the milliseconds from FROM (an
# EPOCHREALTIME, now if not given) to the moment it last moved; the step
# fails when that has not come within WAIT_LIMIT seconds.
wait_idle() {  # [FROM]
  idle_within_limit "$@" || fail "the program was not idle within $WAIT_LIMIT s"
}
# The same wait, false when the program is still busy after WAIT_LIMIT s.
idle_within_limit() {  # [FROM]
  local from=${1:-$EPOCHREALTIME} stat ticks last=-1 moved now until
  from=${from//[!0-9]/}
  moved=$from
  until=$((from + WAIT_LIMIT * 1000000))
  while :; do
    alive
    now=${EPOCHREALTIME//[!0-9]/}
    stat=$(<"/proc/$app/stat")
    read -r -a stat <<<"${stat##*) }"
    ticks=$((stat[11] + stat[12]))  # utime + stime
    ((ticks != last)) && { last=$ticks; moved=$now; }
    ((now - moved >= 300000)) && break
    ((now < until)) || return 1
    sleep 0.02
  done
  IDLE_MS=$(((moved - from) / 1000))
}

alive() {
  kill -0 "$app" 2>/dev/null && return 0
  local status=0
  wait "$app" 2>/dev/null || status=$?
  fail "the program has ended (status $status)"
}

# Titles of the program's visible windows (not menus or tooltips), sorted.
windows_now() { "$xwin" titles "$app" 2>/dev/null; }

# Waits until exactly these windows are visible.
expect_windows() {
  local want shown
  want=$(printf '%s\n' "$@" | LC_ALL=C sort)
  printf -v shown '%s|' "$@"
  wait_for "expected the visible windows [${shown%|}]" windows_are "$want"
}
windows_are() {  # TITLES (a line each, sorted)
  alive
  [[ "$(windows_now)" == "$1" ]]
}

# The line of `xwin list` of a visible window by its title.
window_line() {
  local id x y w h kind title
  while read -r id x y w h kind title; do
    [[ $kind == window && $title == "$1" ]] && { echo "$id $x $y $w $h $kind $title"; return; }
  done < <("$xwin" list "$app")
}
window_id() {
  local line
  line=$(window_line "$1")
  [[ -n "$line" ]] || fail "no visible window '$1'"
  echo "${line%% *}"
}

# Clicks at a point of a window's client area given in twips, once or more.
click_at() {  # TITLE LEFT TOP [BUTTON [TIMES]]
  local id
  id=$(window_id "$1")
  # The window comes to the front first, as a click on it would bring it
  # under a window manager.
  xdotool windowraise "$id" mousemove --window "$id" $(($2 / 15)) $(($3 / 15)) \
    click --repeat "${5:-1}" --delay 60 "${4:-1}"
  settle
}
# Clicks the middle of a control given as left top width height in twips.
click_in() {  # TITLE LEFT TOP WIDTH HEIGHT [BUTTON]
  click_at "$1" $(($2 + $4 / 2)) $(($3 + $5 / 2)) "${6:-1}"
}
# A skill icon (540 x 555 twips) by its left and top.
click_skill() {  # TITLE LEFT TOP [BUTTON [TIMES]]
  click_at "$1" $(($2 + 270)) $(($3 + 277)) "${4:-1}" "${5:-1}"
}

# Keys to a window: it takes the focus first.
keys_to() {  # TITLE KEY...
  local id
  id=$(window_id "$1")
  shift
  xdotool windowfocus --sync "$id" key --delay 60 "$@" 2>/dev/null || xdotool key --delay 60 "$@"
  settle
}
type_to() {  # TITLE TEXT
  local id
  id=$(window_id "$1")
  xdotool windowfocus --sync "$id" type --delay 30 "$2" 2>/dev/null || xdotool type --delay 30 "$2"
  settle
}

# Keys as a user types them to a window: to whichever window holds the
# keyboard, none being given it first. Under a window manager the keyboard
# moves when the manager has moved it, apart from the program: the keys wait
# until the window has it, as a user would.
press() {  # TITLE KEY...
  [[ -z ${WINDOW_MANAGER:-} ]] || wait_for "the keyboard did not come to '$1'" holds_keyboard "$1"
  shift
  xdotool key --delay 60 "$@"
  settle
}
holds_keyboard() {  # TITLE
  local id
  id=$(window_line "$1")
  [[ -n $id && $(xdotool getwindowfocus 2>/dev/null) == "${id%% *}" ]]
}

# Closes a window as a window manager's close box does.
close_box() {  # TITLE
  "$xwin" close "$(window_id "$1")"
  settle
}

# The "x y width height" of the open popup menu (not a tooltip), if any.
menu_now() { "$xwin" list "$app" | awk '$6 == "popup" && $5 > 40 { print $2, $3, $4, $5; exit }'; }
menu_open() {
  POPUP=$(menu_now)
  [[ -n "$POPUP" ]]
}
menu_closed() { [[ -z $(menu_now) ]]; }
# Waits for a popup menu and sets POPUP to its "x y width height".
wait_popup() { wait_for "no popup menu appeared" menu_open; }
# Waits until the menu has closed and the program has done the item's work.
wait_menu_closed() {
  wait_for "the popup menu did not close" menu_closed
  settle
}
# Clicks an item of the open popup menu by mouse: `first`, `second` (the two
# items above the first separator) or `last`.
MENU_MARGIN=2
MENU_ITEM=21
click_menu_item() {  # first|second|last
  local x y w h row
  wait_popup
  read -r x y w h <<<"$POPUP"
  case $1 in
    first) row=$((y + MENU_MARGIN + MENU_ITEM / 2)) ;;
    second) row=$((y + MENU_MARGIN + MENU_ITEM + MENU_ITEM / 2)) ;;
    last) row=$((y + h - MENU_MARGIN - MENU_ITEM / 2)) ;;
  esac
  xdotool mousemove $((x + w / 2)) "$row" click 1
  wait_menu_closed
}
# Picks an item of the open popup menu by its access keys.
menu_keys() {
  wait_popup
  xdotool key --delay 80 "$@"
  wait_menu_closed
}

# Class window commands (left top of each 1995 x 315 label).
command_of() {
  case $1 in
    SAVE) echo "9810 1080" ;;
    RESET) echo "9795 1875" ;;
    CHANGE) echo "9765 2685" ;;
    UNDO) echo "9765 3525" ;;
    EXIT) echo "9765 4350" ;;
  esac
}
command() {  # CLASS COMMAND
  local left top
  read -r left top <<<"$(command_of "$2")"
  click_in "$(class_window "$1")" "$left" "$top" 1995 315
}

# Opens a class window from the start window by its portrait or name label.
open_class() {  # CLASS portrait|label
  local left top width
  if [[ $2 == portrait ]]; then
    read -r left top <<<"${PORTRAIT[$1]}"
    click_in "$START" "$left" "$top" 1830 2520
  else
    read -r left top width <<<"${NAME_LABEL[$1]}"
    click_in "$START" "$left" "$top" "$width" 285
  fi
  expect_windows "$(class_window "$1")"
}

# SAVE under a typed name; the name box must come and go.
save_as() {  # CLASS NAME
  command "$1" SAVE
  expect_windows "$(class_window "$1")" "$NAME_BOX"
  keys_to "$NAME_BOX" ctrl+a BackSpace
  [[ -n "$2" ]] && type_to "$NAME_BOX" "$2"
  keys_to "$NAME_BOX" Return
}

# Waits until an exported file is there and its size has stopped changing.
wait_file() {  # FILE (in the program's folder)
  FILE_SIZE=-1
  wait_for "no file $1 was written" file_written "$work/$1"
}
file_written() {  # PATH
  local size
  size=$(stat -c %s "$1" 2>/dev/null) || return 1
  [[ $size == "$FILE_SIZE" ]] && return 0
  FILE_SIZE=$size
  return 1
}

# The bytes of an exported file against lines that each end in CR LF.
expect_export() {  # FILE LINE...
  local file=$work/$1
  wait_file "$1"
  shift
  if ! cmp -s "$file" <(printf '%s\r\n' "$@"); then
    echo "--- $(basename "$file") as written:" >&2
    cat -A "$file" >&2
    fail "the exported file differs"
  fi
}

# A message box with this title is shown and says this text (its lines
# joined by " | "); Return closes it.
expect_box() {  # TITLE TEXT [OTHER VISIBLE WINDOWS...]
  local title=$1 text=$2 said
  shift 2
  expect_windows "$title" "$@"
  said=$(grep '^korvinth.boxes: ' "$tmp/program.log" | tail -n 1)
  [[ $said == "korvinth.boxes: $title: $text" ]] || fail "the box says '${said#korvinth.boxes: }'"
}

# Lines of an exported file.
export_lines() {
  wait_file "$1"
  tr -d '\r' <"$work/$1"
}

# Waits for the program to end by itself with status 0.
expect_ended() {
  wait_for "the program did not end" program_ended
  local status=0
  wait "$app" || status=$?
  [[ $status == 0 ]] || fail "the program ended with status $status"
}
program_ended() { ! kill -0 "$app" 2>/dev/null; }

# What a scenario starts beside the program (a display of another size, a
# window manager) ends with the scenario, whichever way it ends, after its
# programs (run.sh calls end_scenario): commands run at its end, the last
# given first.
scenario_ends=()
end_scenario() {
  local i
  for ((i = ${#scenario_ends[@]} - 1; i >= 0; i--)); do eval "${scenario_ends[i]}"; done
  return 0
}
at_scenario_end() {  # COMMAND
  scenario_ends+=("$1")
}

# The names of the root window's properties on this display.
root_properties() { xprop -display "$1" -root | sed -n 's/^\([A-Z_a-z0-9]*\)[(:].*/\1/p' | LC_ALL=C sort -u; }

# Moves the rest of the scenario to a display of its own of this size.
own_display() {  # WIDTHxHEIGHT
  local fd number
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 "$1x24" -nolisten tcp -noreset >"$log/$scenario-xvfb.log" 2>&1 &
  at_scenario_end "kill $! 2>/dev/null && wait $! 2>/dev/null"
  read -r -t 10 number <&"$fd" || fail "no display of $1 started"
  exec {fd}>&-
  export DISPLAY=:$number
}

# Runs openbox, in its own settings, on the display for the rest of the
# scenario: frames with a title bar to drag, and the focus given by a click.
# At the end the marks it leaves on the screen go too: the next program
# must not take them for a window manager's.
with_window_manager() {
  local before id
  WINDOW_MANAGER=openbox
  before=$(root_properties "$DISPLAY")
  mkdir -p "$tmp/$scenario-config"
  XDG_CONFIG_HOME=$tmp/$scenario-config openbox --sm-disable >"$log/$scenario-openbox.log" 2>&1 &
  at_scenario_end "kill $! 2>/dev/null && wait $! 2>/dev/null
    comm -13 <(echo '$before') <(root_properties $DISPLAY) | xargs -r -n 1 xprop -display $DISPLAY -root -remove"
  for _ in $(seq 50); do
    id=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | awk '/window id/ { print $NF }')
    [[ -n $id ]] && xwininfo -id "$id" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "openbox did not take the display"
}

# The client area of a visible window on the screen: "x y width height".
window_box() {  # TITLE
  local line
  line=$(window_line "$1")
  [[ -n "$line" ]] || fail "no visible window '$1'"
  cut -d' ' -f2-5 <<<"$line"
}
# Its frame (the window itself when no window manager runs).
frame_box() {  # TITLE
  "$xwin" frame "$(window_id "$1")"
}
