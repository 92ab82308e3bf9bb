# The driver of the end-to-end scenarios: starts the real program in its own
# folder, moves a real mouse and types on a real keyboard (xdotool), and after
# every step checks that the program still runs and that exactly the expected
# windows are visible. Sourced by run.sh, which sets: bin (the built program's
# folder), log (screenshots and logs), xwin (the window helper), gifcases
# (writes costly portrait files), tmp, fakebin.

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
  # The program notes the text of every message box it shows in its log.
  (cd / && PATH="$fakebin:$PATH" LINK_LOG="$tmp/links.log" QT_LOGGING_RULES="korvinth.boxes.info=true" \
    exec "$work/korvinth") >"$tmp/program.log" 2>&1 &
  app=$!
  expect_windows "$START"
  wait_loaded
}

# The portraits load behind the shown window; a second is plenty.
wait_loaded() { sleep 0.6; }

alive() { kill -0 "$app" 2>/dev/null || fail "the program has ended"; }

# Titles of the program's visible windows (not menus or tooltips), sorted.
windows_now() { "$xwin" list "$app" 2>/dev/null | awk '$6 == "window"' | cut -d' ' -f7- | LC_ALL=C sort; }

# Waits until exactly these windows are visible.
expect_windows() {
  local want
  want=$(printf '%s\n' "$@" | LC_ALL=C sort)
  for _ in $(seq 60); do
    alive
    [[ "$(windows_now)" == "$want" ]] && return 0
    sleep 0.1
  done
  fail "expected the visible windows [$(echo "$want" | paste -sd '|')]"
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
  xdotool windowraise "$id"
  xdotool mousemove --window "$id" $(($2 / 15)) $(($3 / 15))
  sleep 0.08
  xdotool click --repeat "${5:-1}" --delay 60 "${4:-1}"
  sleep 0.15
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
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  sleep 0.05
  xdotool key --delay 60 "$@"
  sleep 0.15
}
type_to() {  # TITLE TEXT
  local id
  id=$(window_id "$1")
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool type --delay 30 "$2"
}

# Closes a window as a window manager's close box does.
close_box() {  # TITLE
  "$xwin" close "$(window_id "$1")"
  sleep 0.2
}

# Waits for a popup menu and sets POPUP to its "x y width height".
wait_popup() {
  for _ in $(seq 30); do
    POPUP=$("$xwin" list "$app" | awk '$6 == "popup" && $5 > 40 { print $2, $3, $4, $5; exit }')
    [[ -n "$POPUP" ]] && return 0
    sleep 0.1
  done
  fail "no popup menu appeared"
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
  xdotool mousemove $((x + w / 2)) "$row"
  sleep 0.15
  xdotool click 1
  sleep 0.2
}
# Picks an item of the open popup menu by its access keys.
menu_keys() {
  wait_popup
  xdotool key --delay 80 "$@"
  sleep 0.2
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

# The bytes of an exported file against lines that each end in CR LF.
expect_export() {  # FILE LINE...
  local file=$work/$1
  shift
  [[ -f "$file" ]] || fail "no file $(basename "$file") was written"
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
export_lines() { tr -d '\r' <"$work/$1"; }

# Waits for the program to end by itself with status 0.
expect_ended() {
  for _ in $(seq 50); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$app" 2>/dev/null && fail "the program did not end"
  local status=0
  wait "$app" || status=$?
  [[ $status == 0 ]] || fail "the program ended with status $status"
}

# What a scenario starts beside the program (a display of another size, a
# window manager) ends with the scenario, whichever way it ends: commands
# run at its end, the last given first.
scenario_ends=()
end_scenario() {
  local i
  for ((i = ${#scenario_ends[@]} - 1; i >= 0; i--)); do eval "${scenario_ends[i]}"; done
  return 0
}
at_scenario_end() {  # COMMAND
  scenario_ends+=("$1")
  trap end_scenario EXIT
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
