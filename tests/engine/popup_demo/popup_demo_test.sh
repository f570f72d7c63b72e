#!/usr/bin/env bash
# Drives popup_demo.exe with real input under Xvfb (xdotool): a right click on the object that
# has a pop-up opens that pop-up at the pointer (its red shows there on a root screenshot, taken
# with imagemagick's import), in a modal run; Escape ends the run cancelled, and so does a click
# elsewhere, since a pop-up opened this way does not stay open. A right click on empty space
# opens nothing.
# Usage: popup_demo_test.sh WINEPREFIX DEMO_EXE WINE_RUN...
set -euo pipefail
prefix=$1; demo=$2; shift 2
wine_run=("$@")
source "$(dirname "$0")/../../support/screen_test.sh"
screen_test_setup "$prefix" xdotool import convert

work=$(mktemp -d)
log=$work/log
demo_pid=
cleanup() {
  touch "$work/stop"
  [ -n "$demo_pid" ] && { wait "$demo_pid" 2>/dev/null || kill "$demo_pid" 2>/dev/null || true; }
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/log" ] && { echo "--- demo output:" >&2; tr -d '\r' <"$work/log" >&2; }
  exit 1
}
count() { output | grep -c "$1" || true; }
shows_red_at() {
  import -window root "$work/shot.png"
  [ "$(pixel "$work/shot.png" "$1" "$2")" = "255,0,0" ]
}
shows_no_red_at() { ! shows_red_at "$@"; }
more_than() { [ "$(count "$1")" -gt "$2" ]; }  # PATTERN N: the demo said it more than N times
# Right-clicks at (X, Y) on the screen and checks that the pop-up opens there, red on screen.
open_at() {
  local opened
  opened=$(count '^open ')
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool click 3
  wait_for 10 more_than '^open ' "$opened" || fail "a right click at ($1,$2) opened no pop-up"
  output | grep '^open ' | tail -n 1 | grep -qx "open $1 $2" || fail "the pop-up opened away from the pointer ($1,$2)"
  wait_for 5 shows_red_at $(($1 + 40)) $(($2 + 20)) || fail "the pop-up's red is not on screen at the pointer"
}

x=620; y=420
"${wine_run[@]}" "$demo" $x $y "Z:${work//\//\\}\\stop" >"$work/log" 2>&1 &
demo_pid=$!
wait_for 60 logged ready || fail "the scene did not report itself on screen"
sleep 0.3

open_at $((x + 90)) $((y + 80))
xdotool key Escape
wait_for 10 more_than '^closed 2$' 0 || fail "Escape did not end the modal run cancelled"
wait_for 5 shows_no_red_at $((x + 130)) $((y + 100)) || fail "the pop-up stayed on screen after Escape"

open_at $((x + 60)) $((y + 60))
xdotool mousemove $((x + 250)) $((y + 170)) click 1
wait_for 10 more_than '^closed 2$' 1 || fail "a click elsewhere did not close the pop-up"

xdotool mousemove $((x + 250)) $((y + 30)) click 3
sleep 0.5
[ "$(count '^open ')" -eq 2 ] || fail "a right click on empty space opened the pop-up"

touch "$work/stop"
wait "$demo_pid" || fail "the demo ended with an error"
demo_pid=
logged done || fail "the demo did not end its loop"
echo "pop-up checks passed"
