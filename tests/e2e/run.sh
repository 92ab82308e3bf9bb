#!/usr/bin/env bash
# End to end: the built program in a real X server (Xvfb), driven by a real
# mouse and keyboard, one scenario after the other (scenarios.sh). Each
# scenario's screenshots go to the log folder.
# Usage: run.sh <folder of the built program> <log folder> <folder of the test tools> [scenario...]
set -uo pipefail
# As root, the run takes a mount namespace of its own, so that the file
# systems a scenario mounts end with it.
if [[ $EUID == 0 && -z ${KORVINTH_E2E_NAMESPACE:-} ]] && unshare --mount --propagation private true 2>/dev/null; then
  KORVINTH_E2E_NAMESPACE=1 exec unshare --mount --propagation private bash "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "$1" && pwd)
log=$2
xwin=$3/korvinth_xwin
gifcases=$3/korvinth_gifcases
shift 3
mkdir -p "$log"
rm -f "$log"/*.png
tmp=$(mktemp -d)
trap '[[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null; rm -rf "$tmp"' EXIT

# The desktop's link opener, replaced by one that notes what it was given.
fakebin=$tmp/bin
mkdir -p "$fakebin"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"$LINK_LOG"\n' >"$fakebin/xdg-open"
chmod +x "$fakebin/xdg-open"

# A display of our own: Xvfb names a free one. It must not reset when its
# last client leaves between two scenarios: a program starting then would
# find no display.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$log/xvfb.log" 2>&1 &
xvfb=$!
read -r -t 10 number <&"$displayfd" || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$number
unset QT_QPA_PLATFORM

source "$here/driver.sh"
source "$here/scenarios.sh"

# A sanitizer's report in what the scenario's programs wrote: a fault even
# when the program went on or ended with status 0.
sanitizer_report() {
  grep -E -A 40 'ERROR: [A-Za-z]+Sanitizer|runtime error:' "$tmp/program.log" 2>/dev/null
}

(($#)) && SCENARIOS=("$@")
passed=0
failed=0
for scenario in "${SCENARIOS[@]}"; do
  started=$SECONDS
  (
    set -e
    # Whatever the scenario left running ends with it: its programs first,
    # then what it started beside them.
    trap 'end_programs; end_scenario' EXIT
    "$scenario"
  )
  status=$?
  if report=$(sanitizer_report); then
    echo "FAIL [$scenario]: a sanitizer reported:" >&2
    echo "$report" >&2
    mkdir -p "$log/$scenario-files"
    cp "$tmp/program.log" "$log/$scenario-files/"
    status=1
  fi
  if ((status == 0)); then
    passed=$((passed + 1))
    echo "ok   $scenario ($((SECONDS - started)) s)"
  else
    failed=$((failed + 1))
    echo "FAIL $scenario ($((SECONDS - started)) s)"
  fi
  umount "$tmp"/*/ 2>/dev/null || true
  rm -f "$tmp"/*.log
done
echo "end to end: $passed passed, $failed failed"
((failed == 0))
