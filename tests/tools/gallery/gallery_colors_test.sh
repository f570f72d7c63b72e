#!/usr/bin/env bash
# Drives the gallery's colours page with real input (xdotool) under Xvfb: dragging in the quad,
# beyond its edges, and along the hue strip changes the colour at every move; the colour panel's
# hue and alpha bars do the same; the hex box sets the panel's colour and shows it again for a text
# that is no colour; the gradient editor adds, drags and removes stops; the HUD ramp bars move. The
# screenshots stay in SHOT_DIR.
# Usage: gallery_colors_test.sh WINEPREFIX GALLERY_EXE PROBE_EXE SHOT_DIR WINE_RUN...
set -euo pipefail
. "$(dirname "$0")/gallery_helpers.sh"

# --- The page as it appears ---------------------------------------------------------------------
start_gallery colors
[ "$(form_of frmGalleryColors)" = "10 10 1000 384" ] ||
  fail "the colours page is not at (10,10) with 1000 x 384: $(form_of frmGalleryColors)"
dark_column_painted() { [ "$(pixel $(point DarkColumn 4 300))" = 363636 ]; }
wait_for 30 dark_column_painted || fail "the dark column is not painted"
sleep 1
import -window root -crop 1010x394+0+0 "$shot_dir/gallery_colors.png"

# The quad reports a rect 11 larger on every side (its marker may stand outside): its square's
# point DX, DY. The strip's rect is 5 wider on either side.
quad_at() { point DarkQuad $((11 + $1)) $((11 + $2)); }
picker_at() { point DarkPicker $((5 + 10)) "$1"; }
colors_of() { output | grep -c "^change $1 Color=" || true; }
# drag_steps FROM_X FROM_Y TO_X TO_Y STEPS: a press, STEPS moves on the way, a release.
drag_steps() {
  local i
  move "$1" "$2"
  xdotool mousedown 1; sleep 0.2
  for ((i = 1; i <= $5; ++i)); do
    xdotool mousemove $(($1 + ($3 - $1) * i / $5)) $(($2 + ($4 - $2) * i / $5)); sleep 0.15
  done
  xdotool mouseup 1; sleep 0.3
}
# The screen colour in the middle of a swatch.
swatch_is() { [ "$(pixel $(middle "$1"))" = "$2" ]; }
expect_swatch() { wait_for 5 swatch_is "$1" "$2" || fail "$3: $1 shows $(pixel $(middle "$1")), not $2"; }

# --- The quad and the hue strip ----------------------------------------------------------------------
before=$(colors_of DarkQuad)
read -r x1 y1 <<<"$(quad_at 10 100)"
read -r x2 y2 <<<"$(quad_at 110 20)"
drag_steps "$x1" "$y1" "$x2" "$y2" 6
after=$(colors_of DarkQuad)
[ $((after - before)) -ge 6 ] || fail "a drag of 6 moves in the quad reported $((after - before)) colours"
read -r x y <<<"$(quad_at 60 60)"
drag_steps "$x" "$y" $((x + 120)) $((y - 100)) 3
expect DarkQuad "#FFFFFFFF" "a drag beyond the quad's top right corner"
drag_steps "$x" "$y" $((x - 120)) $((y + 100)) 3
expect DarkQuad "#FF000000" "a drag beyond the quad's bottom left corner"
expect_swatch DarkQuadSwatch 000000 "the quad's colour box"
# Full saturation, half luminance. The gradient editor showed its first stop, black, in the strip
# and the quad at the start: hue 0, red; the strip's middle is cyan.
read -r x1 y1 <<<"$(quad_at 60 60)"
read -r x2 y2 <<<"$(quad_at 120 60)"
drag_steps "$x1" "$y1" "$x2" "$y2" 2
expect DarkQuad "#FFFF0000" "the quad's right edge at hue 0"
read -r x1 y1 <<<"$(picker_at 5)"
before=$(colors_of DarkQuad)
drag_steps "$x1" "$y1" "$x1" $((y1 + 55)) 4
[ $(($(colors_of DarkQuad) - before)) -ge 3 ] || fail "dragging along the strip does not recolour the quad as it goes"
expect DarkQuad "#FF00FFFF" "the strip dragged to its middle"
expect_swatch DarkQuadSwatch 00FFFF "the quad's colour box after the strip"
import -window root -crop 500x394+0+0 "$shot_dir/gallery_colors_quad.png"

# --- The colour panel: its hue bar (the right 15), its alpha bar (the bottom 15) -------------------
expect_swatch DarkSwatch 3080C0 "the panel's colour box at the start"
read -r pl pt pw ph <<<"$(rect_of DarkPanel)"
# thumb_drag FROM_X FROM_Y TO_X TO_Y STEPS: a press on the trough brings the thumb there; then
# the thumb is dragged.
thumb_drag() {
  click "$1" "$2"
  sleep 0.6  # past the double-click time
  drag_steps "$@"
}
before=$(colors_of DarkPanel)
thumb_drag $((pl + pw - 7)) $((pt + 10)) $((pl + pw - 7)) $((pt + ph - 40)) 5
[ $(($(colors_of DarkPanel) - before)) -ge 5 ] || fail "dragging the panel's hue bar does not change its colour at every move"
thumb_drag $((pl + 60)) $((pt + ph - 7)) $((pl - 25)) $((pt + ph - 7)) 3
wait_for 5 eval '[[ "$(value_of DarkPanel)" == "#00"* ]]' || fail "the alpha bar at its left end gives $(value_of DarkPanel)"
import -window root -crop 500x394+0+0 "$shot_dir/gallery_colors_panel.png"
thumb_drag $((pl + 30)) $((pt + ph - 7)) $((pl + pw + 100)) $((pt + ph - 7)) 3
wait_for 5 eval '[[ "$(value_of DarkPanel)" == "#FF"* ]]' || fail "the alpha bar at its right end gives $(value_of DarkPanel)"

# --- The hex box -------------------------------------------------------------------------------------
click $(middle DarkHexBox)
key ctrl+a
typed "#FF00FF00"
key Return
expect DarkPanel "#FF00FF00" "the hex box's #FF00FF00"
expect_swatch DarkSwatch 00FF00 "the panel's colour box after the hex box"
key ctrl+a
typed "#1#2"
key Return
expect_text DarkHexBox "#FF00FF00" "a hex text that is no colour"
[ "$(value_of DarkPanel)" = "#FF00FF00" ] || fail "a hex text that is no colour changed the panel to $(value_of DarkPanel)"
expect_swatch DarkSwatch 00FF00 "the panel's colour box after a text that is no colour"

# --- The gradient editor: the bar x 10..450 (offset 0..1), y 0..20; the markers y 20..30 ----------------
at_offset() { point DarkGradient $((10 + $1 * 440 / 100)) "$2"; }
stops_are() { [ "$(value_of DarkGradient)" = "$1" ]; }
expect_stops() { wait_for 5 stops_are "$1" || fail "$2 gives the stops $(value_of DarkGradient), not $1"; }
click $(at_offset 50 10)
expect_stops "0.00:#FF000000,0.50:#FF7F7F7F,1.00:#FFFFFFFF" "a click on the middle of the bar"
expect DarkGradientCurrent 1 "the added stop"
read -r x1 y1 <<<"$(at_offset 50 25)"
read -r x2 y2 <<<"$(at_offset 25 25)"
drag_steps "$x1" "$y1" "$x2" "$y2" 3
expect_stops "0.00:#FF000000,0.25:#FF7F7F7F,1.00:#FFFFFFFF" "the new stop dragged to a quarter"
import -window root -crop 500x394+0+0 "$shot_dir/gallery_colors_gradient.png"
sleep 0.6
read -r x1 y1 <<<"$(at_offset 25 25)"
drag_steps "$x1" "$y1" "$x1" $((y1 + 40)) 3
expect_stops "0.00:#FF000000,1.00:#FFFFFFFF" "the stop dropped below the editor"
expect DarkGradientCurrent 0 "the stop before the removed one"

# --- The HUD ramp bars ---------------------------------------------------------------------------------
read -r x y <<<"$(point HudHueBar 150 10)"
drag_steps "$x" "$y" $((x + 400)) "$y" 3
expect HudHueBar 1 "the HUD hue bar dragged to its end"
read -r x y <<<"$(point HudGreyBar 150 10)"
thumb_drag "$x" "$y" $((x - 400)) "$y" 3
expect HudGreyBar 0 "the HUD grey bar dragged to its start"
import -window root -crop 1010x394+0+0 "$shot_dir/gallery_colors_end.png"

# --- The gallery's own close button ends it -------------------------------------------------------------
close_gallery frmGalleryColors
echo "gallery colours page checks passed"
