#!/usr/bin/env bash
# Drives design_demo.exe with the display's real pointer and keyboard (xdotool) under Xvfb: a
# press selects, dragging moves (snapped to a lined-up sibling, kept inside the parent), the
# design menu switches the grid on, a grip resizes on the grid and stops at the parent's edge,
# the menu orders, copies, pastes and deletes, a class is inserted by name, and the tab-order
# editor moves a button down. Screenshots of the designer and of the editor are kept in OUTDIR.
# Usage: design_demo_test.sh WINEPREFIX DEMO_EXE OUTDIR WINE_RUN...
set -euo pipefail
prefix=$1; demo=$2; outdir=$3; shift 3
wine_run=("$@")
source "$(dirname "$0")/../../support/screen_test.sh"
screen_test_setup "$prefix" xdotool import convert

work=$(mktemp -d)
demo_pid=
cleanup() {
  touch "$work/stop"
  [ -n "$demo_pid" ] && { wait "$demo_pid" 2>/dev/null || kill "$demo_pid" 2>/dev/null || true; }
  xdotool mouseup 1 mouseup 3 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/log" ] && { echo "--- demo output (last lines):" >&2; tr -d '\r' <"$work/log" | tail -n 15 >&2; }
  exit 1
}
last_state() { tr -d '\r' <"$work/log" | grep '^state ' | tail -n 1; }
state_has() { for part in "$@"; do last_state | grep -q -- " $part\( \|$\)" || return 1; done; }
expect_state() {  # WHAT PARTS...
  local what=$1; shift
  wait_for 10 state_has "$@" || fail "$what: expected $*, state is: $(last_state)"
}

X=80; Y=80  # the form's place; scene points below are taken to the screen by at()
at() { echo $((X + $1)) $((Y + $2)); }
move() { xdotool mousemove $(at "$1" "$2"); sleep 0.05; }
click() { move "$1" "$2"; xdotool click 1; sleep 0.2; }
# A left drag from one scene point to another in small steps.
drag() {  # X1 Y1 X2 Y2
  # A press within the double-click time of the last click at that place would be a double click.
  sleep 0.6
  move "$1" "$2"; xdotool mousedown 1; sleep 0.1
  for i in 1 2 3 4 5 6 7 8; do move $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8)); done
  sleep 0.1; xdotool mouseup 1; sleep 0.2
}
# A right press at a scene point opens the design menu; the keys choose in it.
menu() {  # X Y KEYS...
  move "$1" "$2"; shift 2
  xdotool click 3; sleep 0.6
  for key in "$@"; do xdotool key "$key"; sleep 0.15; done
  sleep 0.3
}
downs() { for _ in $(seq "$1"); do echo Down; done; }

"${wine_run[@]}" "$demo" $X $Y "Z:${work//\//\\}" >"$work/log" 2>&1 &
demo_pid=$!
wait_for 60 grep -q '^ready' "$work/log" || fail "the designed scene did not come up"
sleep 1

# Selecting by a press, then moving: A's left edge is dropped 1 short of B's and lines up.
click 70 60
expect_state "a press on A" sel=A
drag 70 60 209 60
expect_state "A moved next to B's left edge" sel=A A=160,20,60,40
# Dragged far right, A stays inside the panel.
drag 210 60 410 60
expect_state "A kept inside the panel" A=240,20,60,40 lines=1

# Grid > Snap to grid.
menu 290 60 $(downs 7) Right Down Return
expect_state "the menu's Snap to grid" grid=1 lines=0
# B's bottom-right grip to (263, 205): on the 8-unit grid (256, 200), (236, 180) in the panel.
click 210 160
expect_state "a press on B" sel=B
drag 240 180 263 205
expect_state "B resized on the grid" B=160,120,76,60
drag 256 200 430 290
expect_state "B's grip stops at the panel's corner" B=160,120,140,120

# Order > Bring to front; Edit > Copy to clipboard on A, Paste from clipboard into the panel;
# Delete object on the pasted copy.
menu 290 60 $(downs 5) Right Return
expect_state "Bring to front" sel=A kids=B,A
menu 290 60 $(downs 6) Right Return
menu 60 240 $(downs 6) Right Down Return
expect_state "Paste into the panel" sel=Panel kids=B,A,TvgRectangle
menu 290 60 $(downs 2) Return
expect_state "Delete object" kids=B,A

# A class inserted by name goes under the selection and is selected.
echo TvgEllipse >"$work/insert"
expect_state "an ellipse inserted into the panel" sel=TvgEllipse kids=B,A,TvgEllipse objects=3

# Add object > the first class of the first category, put under the ellipse.
menu 30 30 Down Right Right Return
expect_state "Add object under the ellipse" kids=B,A,TvgEllipse objects=4

# The selection's handles on screen.
click 210 160
expect_state "B selected again" sel=B
sleep 0.5
import -window root "$outdir/design_demo.png"
[ "$(pixel "$outdir/design_demo.png" $(at 180 140))" = "255,255,255" ] ||
  fail "no white corner handle on B's top-left corner"
[ "$(pixel "$outdir/design_demo.png" $(at 250 130))" = "255,255,255" ] ||
  fail "no rotation handle above B"

# Tab Order... on Button2, whose "Down" moves it after Button3.
click 380 74
expect_state "a press on Button2" sel=Button2 tab=Panel,Button1,Button2,Button3
menu 380 74 $(downs 7) Return
read -r sw sh < <(xdotool getdisplaygeometry)
ex=$(((sw - 400) / 2)); ey=$(((sh - 300) / 2))
sleep 1
xdotool mousemove $((ex + 355)) $((ey + 103)); sleep 0.1; xdotool click 1; sleep 0.5
import -window root "$outdir/design_demo_taborder.png"
xdotool key Escape
expect_state "the tab-order editor moved Button2 down" tab=Panel,Button1,Button3,Button2
echo "design demo checks passed"
