#!/usr/bin/env bash
# Shows scene_demo.exe in both modes under Xvfb and checks a root screenshot (imagemagick's
# import): the tree's pixels where the scene paints them, and in the layered mode the 10-pixel
# margin showing what lies beneath the window (compared with a screenshot taken before).
# Usage: scene_screenshot_test.sh WINEPREFIX DEMO_EXE WINE_RUN...
set -euo pipefail
prefix=$1; demo=$2; shift 2
wine_run=("$@")
source "$(dirname "$0")/../../support/screen_test.sh"
screen_test_setup "$prefix" import convert

work=$(mktemp -d)
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
ready() { tr -d '\r' <"$work/log" | grep -q '^ready'; }
expect_pixel() {  # SHOT X Y EXPECTED WHAT
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$5: pixel ($2,$3) is $got, expected $4"
}
# Each channel within 3 of the expected value (half-transparent pixels are blended on screen).
expect_near() {  # SHOT X Y R G B WHAT
  local got r g b
  got=$(pixel "$1" "$2" "$3")
  IFS=, read -r r g b <<<"$got"
  for pair in "$r:$4" "$g:$5" "$b:$6"; do
    local d=$(( ${pair%:*} - ${pair#*:} ))
    [ "${d#-}" -le 3 ] || fail "$7: pixel ($2,$3) is $got, expected about $4,$5,$6"
  done
}

# The screenshot is taken once the window shows its last corner (the X server may map and size
# a window a little after the program has painted it, when the machine is busy).
shows_corner() {  # MODE X Y EXPECTED
  import -window root "$work/$1.png"
  [ "$(pixel "$work/$1.png" "$2" "$3")" = "$4" ]
}
run_demo() {  # MODE LEFT TOP CORNER_X CORNER_Y CORNER_COLOUR
  rm -f "$work/stop" "$work/log"
  "${wine_run[@]}" "$demo" "$1" "$2" "$3" "Z:${work//\//\\}\\stop" >"$work/log" 2>&1 &
  demo_pid=$!
  wait_for 60 ready || fail "$1: the scene did not report itself on screen"
  sleep 0.3
  wait_for 5 shows_corner "$1" "$4" "$5" "$6" || true
  touch "$work/stop"
  wait "$demo_pid" || fail "$1: the demo ended with an error"
  demo_pid=
  tr -d '\r' <"$work/log" | grep -q '^paints ' || fail "$1: the demo did not end its loop"
}

# Layered: at (1020, 40). The card fills the root inside its 10-pixel margin.
x=1020; y=40
import -window root "$work/before.png"
run_demo layered $x $y $((x + 15)) $((y + 75)) "255,0,0"
shot="$work/layered.png"
expect_pixel "$shot" $((x + 15)) $((y + 75)) "255,0,0" "layered card"
expect_pixel "$shot" $((x + 10 + 30)) $((y + 10 + 30)) "0,0,255" "layered blue square"
# White at half opacity over the red card: premultiplied (255, 128, 128) on screen.
expect_near "$shot" $((x + 10 + 120)) $((y + 10 + 40)) 255 128 128 "layered veil"
for spot in "5 5" "195 5" "5 145" "195 145" "100 3" "3 75"; do
  set -- $spot
  expect_pixel "$shot" $((x + $1)) $((y + $2)) "$(pixel "$work/before.png" $((x + $1)) $((y + $2)))" \
    "the transparent margin at ($1,$2) does not show what is beneath"
done

# Ordinary window at (1020, 220): a 180 x 130 card centred on the green fill.
x=1020; y=220
run_demo window $x $y $((x + 196)) $((y + 146)) "0,255,0"
shot="$work/window.png"
expect_pixel "$shot" $((x + 3)) $((y + 3)) "0,255,0" "window fill"
expect_pixel "$shot" $((x + 196)) $((y + 146)) "0,255,0" "window fill"
expect_pixel "$shot" $((x + 12)) $((y + 12)) "255,0,0" "window card"
expect_pixel "$shot" $((x + 10 + 30)) $((y + 10 + 30)) "0,0,255" "window blue square"
expect_near "$shot" $((x + 10 + 120)) $((y + 10 + 40)) 255 128 128 "window veil"
echo "scene screenshot checks passed"
