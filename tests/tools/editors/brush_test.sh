#!/usr/bin/env bash
# The brush designer with real input: brush_demo's shared designer edits a swatch's solid fill
# (the quad dragged, the hex typed), a gradient (a stop added and moved, the kind, the angle) and
# a bitmap brush (a picture loaded in the bitmap editor, the tile mode), makes resources of it
# (a refused name, a good one) and chooses one; the modal brush dialog is cancelled, then
# confirmed. The swatches' pixels on the screen are checked at each step.
# Usage: brush_test.sh WINEPREFIX BRUSH_DEMO_EXE PROBE_EXE SHOT_DIR WINE_RUN...
set -u
. "$(dirname "$0")/../gallery/gallery_helpers.sh"

D=vgBrushDesign
brush_of() { output | grep "^brush $1 " | tail -n 1 | cut -d' ' -f3-; }
brush_is() { [ "$(brush_of "$1")" = "$2" ]; }
brush_matches() { brush_of "$1" | grep -qE "$2"; }
expect_brush() { wait_for 10 brush_matches "$1" "$2" || fail "$3: $1 is \"$(brush_of "$1")\""; }
# resources_are " NAME...": the scene's brush objects (none before the first report).
resources_are() { local now; now=$(output | grep '^resources' | tail -n 1); [ "${now:-resources}" = "resources$1" ]; }
# The brightest, and the red, green and blue channels of a screen pixel.
channel() { local c; c=$(pixel "$1" "$2"); printf '%d' "0x${c:$(( $3 * 2 )):2}"; }
shot() { import -window root "$shot_dir/brush_$1.png"; }
# type_into FIELD TEXT: the text replaces a box's text and is confirmed with Return.
type_into() {
  click $(middle "$1")
  keys ctrl+a
  typed "$2"
  key Return
}
# menu_pick BOX N: the box's menu opens and its Nth entry (from 1) is chosen with the keys, the
# pointer moved off the menu so that it highlights nothing itself.
menu_pick() {
  local x y i
  read -r x y <<<"$(middle "$1")"
  click "$x" "$y"
  sleep 1
  move $((x - 150)) $((y + 150))
  key Home
  for i in $(seq 2 "$2"); do key Down; done
  key Return
}

fixture=$work/tile.png
convert -size 16x16 xc:'#2040FF' -fill '#FFD020' -draw 'rectangle 0,0 7,7' -draw 'rectangle 8,8 15,15' "$fixture" \
  || fail "the picture fixture cannot be made"
start_gallery "$fixture"
shot 1_opened
read -r sx sy sw sh <<<"$(rect_of frmBrushDemo.Swatch)"
centre_x=$((sx + sw / 2)) centre_y=$((sy + sh / 2))

# --- Solid: the Fill row, the quad dragged to full saturation, the hex typed -------------------
expect_brush Swatch.Fill '^solid #FF808080$' "the fixture"
click $(middle $D.brushList.1)
read -r qx qy qw qh <<<"$(rect_of $D.solidQuad)"
drag $((qx + qw / 2)) $((qy + qh / 2)) $((qx + qw - 6)) $((qy + qh / 2))
expect_brush Swatch.Fill '^solid #FF(E|F)' "dragging the quad to its right edge at half height"
[ "$(channel $centre_x $centre_y 0)" -gt 200 ] && [ "$(channel $centre_x $centre_y 1)" -lt 60 ] \
  || fail "the swatch shows $(pixel $centre_x $centre_y) after the drag, not red"
type_into $D.textSolidHex '#FF2060C0'
expect_brush Swatch.Fill '^solid #FF2060C0$' "typing the hex colour"
wait_for 5 becomes 2060C0 pixel $centre_x $centre_y || fail "the swatch shows $(pixel $centre_x $centre_y), not 2060C0"
brush_is Swatch.Stroke 'solid #FFFFFFFF' || fail "the stroke changed with the fill: $(brush_of Swatch.Stroke)"
shot 2_solid

# --- Gradient: the tab, a stop added and moved, the kind, the angle ----------------------------
click $(middle $D.tabGradient)
expect_brush Swatch.Fill '^gradient linear' "the Gradient tab"
read -r gx gy gw gh <<<"$(rect_of $D.gradEditor)"
click $((gx + gw / 2)) $((gy + 6))
expect_brush Swatch.Fill '@0\.50?,.*@|,[^,]*@0\.5' "a press on the gradient bar adds a stop"
[ "$(brush_of Swatch.Fill | tr ',' '\n' | grep -c '@')" = 3 ] || fail "a press on the bar gives $(brush_of Swatch.Fill)"
drag $((gx + gw / 2)) $((gy + gh - 4)) $((gx + 10 + (gw - 20) / 4)) $((gy + gh - 4))
expect_brush Swatch.Fill '@0\.2[3-7]' "dragging the new stop to a quarter"
menu_pick $D.gradKind 2
expect_brush Swatch.Fill '^gradient radial' "choosing Radial"
shown $D.gradAngle && fail "the angle knob shows for a radial gradient"
menu_pick $D.gradKind 1
expect_brush Swatch.Fill '^gradient linear' "choosing Linear again"
wait_for 5 shown $D.gradAngle || fail "the angle knob stays hidden for a linear gradient"
read -r ax ay aw ah <<<"$(rect_of $D.gradAngle)"
drag $((ax + aw / 2)) $((ay + ah / 2)) $((ax + aw + 30)) $((ay + ah / 2))
expect_brush Swatch.Fill '^gradient linear \(0\.00,0\.50\) \(1\.00,0\.50\)' "turning the knob to 0 degrees"
left=$(channel $((sx + 4)) $centre_y 0) right=$(channel $((sx + sw - 5)) $centre_y 0)
[ "$left" -lt 40 ] && [ "$right" -gt 215 ] || fail "the gradient runs from $left to $right, not black to white left to right"
shot 3_gradient

# --- Bitmap: the tab, a picture loaded in the bitmap editor, the tile mode ---------------------
click $(middle $D.tabBitmap)
expect_brush Swatch.Fill '^bitmap' "the Bitmap tab"
click $(middle $D.btnSelectBitmap)
editor_named() { output | grep -o '^at [A-Za-z_0-9]*\.Button1 ' | tail -n 1 | cut -d' ' -f2 | cut -d. -f1; }
editor_shown() { [ -n "$(editor_named)" ]; }
wait_for 10 editor_shown || fail "Select... opens no bitmap editor"
editor=$(editor_named)
click $(middle "$editor.Button1")
sleep 1
shot 4_bitmap_editor
click $(middle "$editor.btnOk")
expect_brush Swatch.Fill '^bitmap 16x16 vgWrapTile$' "OK in the bitmap editor"
menu_pick $D.tileModeList 3
expect_brush Swatch.Fill '^bitmap 16x16 vgWrapTileStretch$' "choosing the stretching tile mode"
# Stretched, the picture's top left quarter (yellow) fills the swatch's top left quarter.
wait_for 5 becomes FFD020 pixel $((sx + sw / 4)) $((sy + sh / 4)) \
  || fail "the stretched picture shows $(pixel $((sx + sw / 4)) $((sy + sh / 4))) at the top left, not FFD020"
[ "$(pixel $((sx + sw * 3 / 4)) $((sy + sh / 4)))" = 2040FF ] || fail "the top right quarter is not blue"
shot 5_bitmap

# --- Resources: a refused name, a good one, choosing it ----------------------------------------
click $(middle $D.btnMakeRes)
sleep 1
typed 'no good'
key Return
sleep 1
shot 6_refused_name
key Return
sleep 0.5
resources_are "" || fail "a refused name made a resource: $(output | grep '^resources' | tail -n 1)"
click $(middle $D.btnMakeRes)
sleep 1
typed 'Tiles'
key Return
wait_for 10 resources_are " Tiles" || fail "Make a Resource gives $(output | grep '^resources' | tail -n 1)"
click $(middle $D.tabRes)
wait_for 10 rect_of $D.resList.0 >/dev/null && wait_for 5 shown $D.resList.0 || fail "the resource list shows no row"
click $(middle $D.resList.0)
expect_brush Swatch.Fill '^resource Tiles$' "choosing the resource"
wait_for 5 becomes FFD020 pixel $((sx + sw / 4)) $((sy + sh / 4)) || fail "the resource brush paints $(pixel $((sx + sw / 4)) $((sy + sh / 4)))"
shot 7_resource

# --- The modal dialog: Cancel puts the brush back, OK keeps it ---------------------------------
dialog_reports() { output | grep -c '^at vgBrushDesign_1\.btnOK '; }
dialog_reported_again() { [ "$(dialog_reports)" -gt "$reports" ]; }
read -r dx dy dw dh <<<"$(rect_of frmBrushDemo.DialogSwatch)"
dcx=$((dx + dw / 2)) dcy=$((dy + dh / 2))
for answer in Cancel OK; do
  reports=$(dialog_reports)
  click $(middle frmBrushDemo.DialogButton)
  wait_for 10 dialog_reported_again || fail "the brush dialog does not open"
  type_into vgBrushDesign_1.textSolidHex '#FF10A010'
  shot "8_dialog_$answer"
  button=btnCancel; [ "$answer" = OK ] && button=btnOK
  click $(middle vgBrushDesign_1.$button)
  if [ "$answer" = OK ]; then
    wait_for 10 logged 'dialog ok solid #FF10A010' || fail "OK gives: $(output | grep '^dialog' | tail -n 1)"
    wait_for 5 becomes 10A010 pixel $dcx $dcy || fail "the dialog's swatch shows $(pixel $dcx $dcy) after OK"
  else
    wait_for 10 logged 'dialog cancel solid #FF808080' || fail "Cancel gives: $(output | grep '^dialog' | tail -n 1)"
    [ "$(pixel $dcx $dcy)" = 808080 ] || fail "the dialog's swatch shows $(pixel $dcx $dcy) after Cancel"
  fi
done

click $(middle frmBrushDemo.CloseButton)
wait_for 10 logged closed || fail "Close does not end the demo"
gallery_ended
echo "brush designer: solid, gradient, bitmap, resources and the dialog driven with real input"
