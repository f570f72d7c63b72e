#!/usr/bin/env bash
# Drives desktop_demo.exe with real input under Xvfb (xdotool) and checks what a user and the
# registry see: the streamed form at its place and size (a corner of the screen that the other
# tests' windows leave free, on top of them), its creation, the timer's three ticks and
# its stop, the pop-up menu, the message box of a failing handler (the program goes on), and the
# end of the program when its main form closes.
# Usage: desktop_demo_test.sh WINEPREFIX DEMO_EXE WINE_RUN...
set -euo pipefail
prefix=$1; demo=$2; shift 2
wine_run=("$@")
command -v xdotool >/dev/null || { echo "FAIL: xdotool is not installed" >&2; exit 1; }
[ -s "$prefix.display" ] || { echo "FAIL: no Xvfb display for $prefix" >&2; exit 1; }
export DISPLAY=$(cat "$prefix.display")

token="t$$r$RANDOM"
key="HKCU\\Software\\KestTests\\desktop-demo-$token"
log=$(mktemp)
demo_pid=
cleanup() {
  [ -n "$demo_pid" ] && kill "$demo_pid" 2>/dev/null || true
  "${wine_run[@]}" reg delete "$key" /f >/dev/null 2>&1 || true
  rm -f "$log"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  echo "--- demo output:" >&2
  output >&2
  exit 1
}
. "$(dirname "$0")/../../../support/script_helpers.sh"
popups() { output | grep -c '^popup ' || true; }
# The visible window with this exact name that is not the zero-size application window.
visible_window() {
  local w
  for w in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q 'Geometry: 1x1' || { echo "$w"; return 0; }
  done
  return 1
}
has_window() { visible_window "$1" >/dev/null; }
no_window() { ! has_window "$1"; }
height_of() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p'; }
# Right-clicks into the form and clicks item INDEX of COUNT of the menu that pops up.
choose_menu_item() {
  local index=$1 count=$2 before at menu height
  before=$(popups)
  xdotool mousemove 950 650 click 3
  wait_for 10 test_more_popups "$before" || fail "no pop-up after the right click"
  at=$(output | grep '^popup ' | tail -n 1 | cut -d' ' -f2)
  wait_for 10 window_at "${at%,*}" "${at#*,}" || fail "no menu window at $at"
  menu=$(window_at "${at%,*}" "${at#*,}")
  height=$(height_of "$menu")
  # Items share the menu's height evenly; aim at the middle of the wanted one.
  xdotool mousemove $((${at%,*} + 20)) $((${at#*,} + height * (2 * index + 1) / (2 * count))) click 1
}
test_more_popups() { [ "$(popups)" -gt "$1" ]; }

"${wine_run[@]}" "$demo" "$token" >"$log" 2>&1 &
demo_pid=$!

wait_for 30 has_window "demo $token" || fail "the form did not appear"
form=$(visible_window "demo $token")
geometry=$(xdotool getwindowgeometry "$form" | tr -s ' \n' ' ')
[[ "$geometry" == *"Position: 880,600 "* && "$geometry" == *"Geometry: 320x240"* ]] ||
  fail "the form is not at (880,600) with 320x240: $geometry"
logged created || fail "OnCreate did not run"

wait_for 10 logged "timer stopped" || fail "the timer did not tick three times"
sleep 0.5
[ "$(output | grep -c '^tick ')" = 3 ] || fail "the timer went on after it was disabled"

choose_menu_item 0 2
wait_for 10 logged raising || fail "the menu item's handler did not run"
wait_for 10 has_window "demo title $token" || fail "no message box titled with the application's title"
box=$(visible_window "demo title $token")
xdotool windowfocus --sync "$box" key Return
wait_for 10 no_window "demo title $token" || fail "the message box did not close"

# The program goes on: the menu still works, and closing the main form ends it.
choose_menu_item 1 2
wait_for 10 logged "exit chosen" || fail "the second menu item's handler did not run"
status=0
wait "$demo_pid" || status=$?
demo_pid=
[ "$status" = 0 ] || fail "the program ended with $status"
logged "run ended" || fail "Run did not return"

query=$("${wine_run[@]}" reg query "$key" | tr -d '\r')
grep -Eq '^ +state +REG_SZ +created$' <<<"$query" || fail "registry string not seen from outside: $query"
grep -Eq '^ +ticks +REG_DWORD +0x3$' <<<"$query" || fail "registry number not seen from outside: $query"
echo "desktop demo checks passed"
