#!/usr/bin/env bash
# Drives the object inspector with real input (xdotool) under Xvfb: a sample component's integer,
# float, enumeration (by the pop-up's menu), boolean, set, string, wide string, colour, component
# reference and event (through a stand-in design environment) edited in place, the font through
# the Edit... button (the system's font dialog answered by a stand-in); a value that does
# not convert reported in a message box and the old value kept; Up and Down stepping through the
# rows while editing; a click on the shape followed, its Fill expanded and recoloured, the shape's
# pixels changing. The sample's values are printed at the end and checked. Screenshots stay in
# SHOT_DIR.
# Usage: inspector_test.sh WINEPREFIX DEMO_EXE PROBE_EXE SHOT_DIR WINE_RUN...
set -euo pipefail
. "$(dirname "$0")/../gallery/gallery_helpers.sh"

shot() { import -window root -crop 770x470+0+0 "$shot_dir/inspector_$1.png"; }
row_of() { place row "$1"; }
# A point on a row: its name, its value (where the editor covers it), its expander.
name_of_row() { local l t _; read -r l t _ <<<"$(row_of "$1")"; echo "$((l + 40)) $((t + 9))"; }
value_of_row() { local l t _; read -r l t _ <<<"$(row_of "$1")"; echo "$((l + 260)) $((t + 9))"; }
expander_of_row() { local l t _; read -r l t _ <<<"$(row_of "$1")"; echo "$((l + 7)) $((t + 9))"; }
row_listed() { [ -n "$(row_of "$1")" ] && [ "$(row_of "$1")" != hidden ]; }
printed() { output | grep -qxF -- "$1"; }
expect_logged() { wait_for 10 printed "$1" || fail "$2: no \"$1\""; }
# edit ROW TEXT: the row selected by a click on its name, its text replaced by typing, then Enter.
edit() {
  wait_for 10 row_listed "$1" || fail "no row $1"
  click $(name_of_row "$1")
  expect_logged "selected $1" "a click on the row $1"
  key ctrl+a
  typed "$2"
  key Return
}
# choose ROW INDEX COUNT: the row's pop-up opened by a click on it and the entry INDEX of its
# COUNT entries clicked in the menu that opens.
choose() {
  click $(name_of_row "$1")
  expect_logged "selected $1" "a click on the row $1"
  local before menu x y width height
  before=$(xdotool search --onlyvisible --name '' 2>/dev/null | sort)
  click $(value_of_row "$1")
  new_window() { comm -13 <(echo "$before") <(xdotool search --onlyvisible --name '' 2>/dev/null | sort) | head -n 1; }
  wait_for 10 eval '[ -n "$(new_window)" ]' || fail "a click on the pop-up of $1 opens no menu"
  sleep 0.5
  menu=$(new_window)
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  x=$((X + WIDTH / 2)) y=$((Y + 3 + (HEIGHT - 6) * (2 * $2 + 1) / (2 * $3)))
  click "$x" "$y"
}
# The message box: titled as the application, as the application's own (empty) window is too.
message_box_window() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Object inspector$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [ "$WIDTH" -gt 50 ] && { echo "$w"; return 0; }
  done
  return 1
}
message_box() { message_box_window >/dev/null; }
no_message_box() { ! message_box; }

start_gallery
expect_logged "inspecting Sample" "the start"
wait_for 10 row_listed Count || fail "the sample's rows are not listed"
sleep 1
shot start

edit Count 42
expect_logged "changed Count=42" "typing 42 into Count"
edit Ratio 2.5
expect_logged "changed Ratio=2.5" "typing 2.5 into Ratio"
choose Size 2 3
expect_logged "changed Size=isLarge" "choosing isLarge from the pop-up"
shot popup_chosen
choose Active 1 2
expect_logged "changed Active=True" "choosing True from the pop-up"
edit Flags "[ifRed,ifBlue]"
expect_logged "changed Flags=[ifRed,ifBlue]" "typing a set"
edit Caption second
expect_logged "changed Caption=second" "typing a string"
edit Title "Wide title"
expect_logged "changed Title=Wide title" "typing a wide string"
edit Color "#FF00FF00"
expect_logged "changed Color=#FF00FF00" "typing a colour"
edit Buddy shape
expect_logged "changed Buddy=Shape" "typing a component's name"
edit OnPing SamplePinged
expect_logged "changed OnPing=SamplePinged" "typing a handler's name"
click $(name_of_row Font)
expect_logged "selected Font" "a click on Font"
click $(value_of_row Font)
expect_logged "font dialog from Tahoma" "the Edit... button of Font"
expect_logged "changed Font=TvgFont" "the font dialog's answer"
click $(middle PingButton)
expect_logged pinged "the Ping button after the handler was set"
shot edited

# A value that does not convert: reported in a message box titled as the application (its OK
# button at the bottom middle), the old value kept, and the inspector goes on.
edit Count twelve
wait_for 10 message_box || fail "no message for a value that does not convert"
sleep 0.5
import -window root "$shot_dir/inspector_bad_value.png"
eval "$(xdotool getwindowgeometry --shell "$(message_box_window)")"
click $((X + WIDTH / 2)) $((Y + HEIGHT - 20))
wait_for 10 no_message_box || fail "the message box does not close"
[ "$(output | grep -c '^changed Count=')" = 1 ] || fail "a value that does not convert was told as a change"

# Up and Down step through the rows while the editor has the focus.
click $(name_of_row Count)
expect_logged "selected Count" "a click on Count"
key Down
expect_logged "selected Fill" "Down while editing Count"
key Up
key Up
expect_logged "selected Color" "Up twice while editing"

# A click on the shape is followed; its fill is expanded and recoloured.
click $(point Shape 30 30)
expect_logged "inspecting Shape" "a click on the shape"
wait_for 10 row_listed Fill || fail "the shape's Fill is not listed"
row_listed Fill.Color && fail "the shape's Fill starts expanded"
click $(expander_of_row Fill)
wait_for 10 row_listed Fill.Color || fail "the expander of Fill does not show the brush's properties"
edit Fill.Color "#FFFF0000"
expect_logged "changed Fill.Color=#FFFF0000" "typing the fill's colour"
red_shape() { [ "$(pixel $(point Shape 60 60))" = FF0000 ]; }
wait_for 10 red_shape || fail "the shape is not painted red: $(pixel $(point Shape 60 60))"
shot shape

click $(middle SampleButton)
expect_logged "inspecting Sample" "the sample again"
wait_for 10 row_listed Count || fail "the sample's rows are not listed again"

close_gallery frmInspectorDemo
for expected in Count=42 Ratio=2.5 Size=isLarge Active=True "Flags=[ifRed,ifBlue]" Caption=second \
                "Title=Wide title" Color=#FF00FF00 Buddy=Shape OnPing=SamplePinged "Font=Arial 20"; do
  printed "final $expected" || fail "the sample ends with $(output | grep "^final ${expected%%=*}="), not $expected"
done
echo "inspector real input: pass"
