# What the scripts driving the gallery's pages share: the gallery started on a page and ended by
# its close button, what it reports of its objects and values, real input through xdotool, and
# the screen's pixels. Source it first thing from a script called as
#   gallery_<page>_test.sh WINEPREFIX GALLERY_EXE PROBE_EXE SHOT_DIR WINE_RUN...
prefix=$1 gallery=$2 probe=$3 shot_dir=$4; shift 4
wine_run=("$@")
fail() {
  echo "FAIL: $*" >&2
  echo "--- gallery output (last lines):" >&2
  grep -v '^at ' "$log" | tail -n 20 >&2 || true
  exit 1
}
command -v xdotool >/dev/null || { echo "FAIL: xdotool is not installed" >&2; exit 1; }
command -v import >/dev/null || { echo "FAIL: import (imagemagick) is not installed" >&2; exit 1; }
[ -s "$prefix.display" ] || { echo "FAIL: no Xvfb display for $prefix" >&2; exit 1; }
export DISPLAY=$(cat "$prefix.display")

work=$(mktemp -d)
log=$work/gallery.log
gallery_pid=
cleanup() {
  [ -n "$gallery_pid" ] && kill "$gallery_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "${BASH_SOURCE[0]}")/../../support/script_helpers.sh"

# start_gallery [PAGE]: the gallery on the page (the first without one), the pointer out of its way.
start_gallery() {
  xdotool mousemove 1270 1010
  "${wine_run[@]}" "$gallery" "$@" >"$log" 2>&1 &
  gallery_pid=$!
  wait_for 60 logged ready || fail "the gallery did not show"
}
# close_gallery FORM: a release off the close button keeps the gallery; a click on it ends it.
close_gallery() {
  local x y
  read -r x y <<<"$(middle CloseButton)"
  drag "$x" "$y" $((x - 100)) $((y + 100))
  sleep 0.5
  kill -0 "$gallery_pid" 2>/dev/null && ! logged "closed $1" || fail "a release off the close button closed the gallery"
  click "$x" "$y"
  wait_for 10 logged "closed $1" || fail "the close button does not close the gallery"
  gallery_ended
}
# gallery_ended: the program started by start_gallery has ended, with 0.
gallery_ended() {
  local status=0
  wait "$gallery_pid" || status=$?
  gallery_pid=
  [ "$status" = 0 ] || fail "the program ended with $status"
}
# ended_with RESULT: the program reports "ended RESULT" and ends with 0 (the editors' demos).
ended_with() {
  wait_for 10 logged "ended $1" || fail "the program did not end with $1"
  gallery_ended
}

count() { output | grep -cx "$1" || true; }
# The last reported rect of a scene object or form: "LEFT TOP WIDTH HEIGHT" (or "hidden").
place() { output | grep "^$1 $2 " | tail -n 1 | cut -d' ' -f3-; }
rect_of() { place at "$1"; }
form_of() { place form "$1"; }
# The point DX, DY into an object's rect: "X Y" on the screen.
point() {
  local left top _
  read -r left top _ <<<"$(rect_of "$1")"
  echo "$((left + $2)) $((top + $3))"
}
middle() {
  local left top width height
  read -r left top width height <<<"$(rect_of "$1")"
  echo "$((left + width / 2)) $((top + height / 2))"
}
left_of() { rect_of "$1" | cut -d' ' -f1; }
top_of() { rect_of "$1" | cut -d' ' -f2; }
width_of() { rect_of "$1" | cut -d' ' -f3; }
height_of() { rect_of "$1" | cut -d' ' -f4; }
shown() { ! becomes hidden rect_of "$1"; }

move() { xdotool mousemove "$@"; sleep 0.2; }
click() { move "$@"; xdotool click 1; sleep 0.3; }
# drag FROM_X FROM_Y TO_X TO_Y: a press, a move in steps, a release.
drag() {
  move "$1" "$2"
  xdotool mousedown 1; sleep 0.2
  xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)); sleep 0.2
  xdotool mousemove "$3" "$4"; sleep 0.3
  xdotool mouseup 1; sleep 0.3
}
key() { xdotool key "$1"; sleep 0.3; }
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
typed() { xdotool type --delay 80 -- "$1"; sleep 0.3; }

# The screen pixel at X, Y as RRGGBB.
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -n 1 | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p'; }
# The brightest channel of the pixel (0-255).
brightness() {
  local c; c=$(pixel "$1" "$2")
  echo $(( $(printf '%d' 0x${c:0:2}) > $(printf '%d' 0x${c:4:2}) ? $(printf '%d' 0x${c:0:2}) : $(printf '%d' 0x${c:4:2}) ))
}
# The gallery's own probe samples a pixel for a while faster than screenshots can.
sample() { "${wine_run[@]}" "$probe" sample "$@" | tr -d '\r'; }
# painted_slowly SAMPLES: the display took more than 200 ms for a frame between two samples (or
# gave too few to tell), too slowly to show a 0.2 s animation in between: that is noted, not failed.
painted_slowly() {
  local slowest
  slowest=$(awk 'NR > 1 { gap = $1 - previous; if (gap > max) max = gap } { previous = $1 }
                 END { if (NR < 3) max = 9999; print int(max) }' "$1")
  [ "$slowest" -gt 200 ] || return 1
  echo "note: the display painted a frame in $slowest ms, too slowly to show a 0.2 s animation in between" >&2
}
# animated SAMPLES: the sampled pixel passed through a blend of the dark box (or button) and the
# light mark that the styles draw, as a 0.2 s fade shows in a frame or more.
animated() {
  local between
  between=$(cut -d' ' -f2 "$1" | while read -r c; do
    r=$((16#${c:0:2})); [ "$r" -gt 96 ] && [ "$r" -lt 216 ] && echo "$c"; done | wc -l)
  [ "$between" -ge 1 ] || painted_slowly "$1"
}
# turned SHAPES: the light pixels took a shape other than the first and the last, as the frames of
# a 0.2 s turn show. (A turn cannot be watched on one pixel: Wine's GDI+ fills shapes without
# smoothing their edges, so a pixel flips from the button's colour to the arrow's in one frame.)
turned() {
  local first last
  first=$(head -n 1 "$1" | cut -d' ' -f2)
  last=$(tail -n 1 "$1" | cut -d' ' -f2)
  cut -d' ' -f2 "$1" | grep -qvx -e "$first" -e "$last" || painted_slowly "$1"
}
# shapes X Y W H MS: the light pixels of the W x H rect at (X, Y), read for MS ms: "T MASK" at each change.
shapes() { "${wine_run[@]}" "$probe" shape "$@" | tr -d '\r'; }

value_of() { output | grep "^change $1 " | tail -n 1 | sed 's/.*=//'; }
value_is() { [ "$(value_of "$1")" = "$2" ]; }
# becomes VALUE COMMAND...: the command prints the value now; below LIMIT COMMAND...: a number under it.
becomes() { local want=$1; shift; [ "$("$@")" = "$want" ]; }
below() { local limit=$1; shift; [ "$("$@")" -lt "$limit" ]; }
# expect NAME VALUE WHAT: the control reports the value within a few seconds.
expect() { wait_for 10 value_is "$1" "$2" || fail "$3 gives $(value_of "$1"), not $2"; }
# The text a control last reported (all of it, "=" included).
text_of() { output | grep "^change $1 Text=" | tail -n 1 | sed 's/^[^=]*=//'; }
has_text() { [ "$(text_of "$1")" = "$2" ]; }
expect_text() { wait_for 10 has_text "$1" "$2" || fail "$3 gives \"$(text_of "$1")\", not \"$2\""; }

# The clipboard as a program of its own reads it.
clipboard() { "${wine_run[@]}" "$probe" clipboard | tr -d '\r'; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }
expect_clipboard() { wait_for 5 clipboard_is "$1" || fail "$2 leaves \"$(clipboard)\" on the clipboard, not \"$1\""; }
