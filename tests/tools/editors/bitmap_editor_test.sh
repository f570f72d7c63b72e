#!/usr/bin/env bash
# Drives the bitmap editor with real input (xdotool) under Xvfb: it loads a PNG through Load...,
# saves it unchanged, crops with its frame dragged by the mouse, resizes through the panel with a
# typed width, pastes a picture another program put on the clipboard, and saves; every saved file
# is decoded and compared pixel by pixel. The screenshots stay in SHOT_DIR.
# Usage: bitmap_editor_test.sh WINEPREFIX DEMO_EXE PROBE_EXE SHOT_DIR WINE_RUN...
set -euo pipefail
. "$(dirname "$0")/../gallery/gallery_helpers.sh"
demo=$gallery
command -v compare >/dev/null || fail "compare (imagemagick) is not installed"

winpath() { echo "Z:${1//\//\\}"; }
# The picture: a blue field with an orange block, crisp edges, opaque.
source_png=$work/picture.png
convert -size 160x120 xc:'#3060C0' -fill '#E0A020' -draw 'rectangle 40,30 119,89' "PNG32:$source_png"
pasted_png=$work/pasted.png
convert -size 30x20 xc:'#20A040' -fill '#F0F0F0' -draw 'rectangle 0,0 9,19' "PNG32:$pasted_png"
saved=$work/saved.png
result=$work/result.png

# same_pixels A B: the two pictures have the same size and every pixel alike.
same_pixels() {
  [ "$(identify -format '%wx%h' "$1")" = "$(identify -format '%wx%h' "$2")" ] || return 1
  [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]
}
start_editor() {
  rm -f "$saved" "$result"
  start_gallery "$(winpath "$source_png")" "$(winpath "$saved")" "$(winpath "$result")"
  sleep 0.5
}
press() { click $(middle "$1"); }
shot() { import -window root -crop 620x560+$((form_left - 10))+$((form_top - 30)) "$shot_dir/$1.png"; }

# --- Load and save unchanged ---------------------------------------------------------------------
start_editor
read -r form_left form_top _ <<<"$(rect_of Root1)"
logged "bitmap 1 1" || fail "the editor does not start on a 1 x 1 bitmap"
shot bitmap_editor_empty
press Button1
wait_for 10 logged "bitmap 160 120" || fail "Load... did not load the PNG"
wait_for 10 logged "scale 100" || fail "the loaded picture is not shown at 100%"
sleep 0.5
# The preview shows the picture at 1:1: the orange block 50 pixels in.
orange_at_preview() { [ "$(pixel $(point Preview 50 50))" = E0A020 ] && [ "$(pixel $(point Preview 10 10))" = 3060C0 ]; }
wait_for 10 orange_at_preview || fail "the preview does not show the loaded picture: $(pixel $(point Preview 50 50))"
shot bitmap_editor_loaded
press btnSave
offered() { output | grep -qxF "save offered $(winpath "$source_png")"; }
wait_for 10 offered || fail "the save dialog does not start with the loaded file's name"
wait_for 10 test -s "$saved" || fail "Save... wrote nothing"
same_pixels "$saved" "$source_png" || fail "the saved file differs from the loaded picture"

# --- Crop with the frame dragged ---------------------------------------------------------------------
press cropButton
wait_for 10 shown CropFrame || fail "Crop shows no frame"
read -r fl ft fw fh <<<"$(rect_of CropFrame)"
read -r pl pt pw ph <<<"$(rect_of Preview)"
shot bitmap_editor_crop
# Dragged by its inside 30 pixels right and 20 down, the frame moves with the pointer.
drag $((fl + fw / 2)) $((ft + fh / 2)) $((fl + fw / 2 + 30)) $((ft + fh / 2 + 20))
moved() { read -r nl nt _ <<<"$(rect_of CropFrame)"; [ $((nl - fl)) -ge 25 ] && [ $((nt - ft)) -ge 15 ]; }
wait_for 10 moved || fail "the frame did not follow the drag: $(rect_of CropFrame), was $fl $ft $fw $fh"
read -r fl ft fw fh <<<"$(rect_of CropFrame)"
shot bitmap_editor_cropped
press btnOk
ended_with OK
scale=$(awk -v w="$pw" 'BEGIN { print w / 160 }')
# The result is the source's pixels under the frame; its edges may fall a pixel either way.
read -r rw rh <<<"$(identify -format '%w %h' "$result")"
x0=$(awk -v a="$fl" -v p="$pl" -v s="$scale" 'BEGIN { printf "%d", (a - p) / s }')
y0=$(awk -v a="$ft" -v p="$pt" -v s="$scale" 'BEGIN { printf "%d", (a - p) / s }')
matched=
for dx in -1 0 1; do for dy in -1 0 1; do
  x=$((x0 + dx)) y=$((y0 + dy))
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] || continue
  convert "$source_png" -crop "${rw}x${rh}+$x+$y" +repage "PNG32:$work/expected.png"
  same_pixels "$result" "$work/expected.png" && matched="$x $y"
done; done
[ -n "$matched" ] || fail "the cropped result ($rw x $rh) is no part of the source near ($x0, $y0)"
expected_w=$(awk -v w="$fw" -v s="$scale" 'BEGIN { printf "%d", w / s }')
[ $((rw - expected_w)) -le 1 ] && [ $((expected_w - rw)) -le 1 ] || fail "the result is $rw wide, the frame $expected_w"
echo "crop: $rw x $rh from ($matched)"

# --- Resize by a typed width, paste, save -------------------------------------------------------------
start_editor
read -r form_left form_top _ <<<"$(rect_of Root1)"
press Button1
wait_for 10 logged "bitmap 160 120" || fail "Load... did not load the PNG"
press btnResize
wait_for 10 shown newWidth || fail "Resize... shows no panel"
sleep 0.6
shot bitmap_editor_resize
click $(middle newWidth)
keys ctrl+a
typed 80
key Tab
sleep 0.3
shot bitmap_editor_resize_typed
press Button4
wait_for 10 logged "bitmap 80 60" || fail "the typed width 80 did not resize the picture to 80 x 60"
wait_for 10 becomes hidden rect_of resizeLayout || fail "the resize panel stays"
press btnSave
wait_for 10 test -s "$saved" || fail "Save... wrote nothing"
[ "$(identify -format '%wx%h' "$saved")" = 80x60 ] || fail "the saved picture is $(identify -format '%wx%h' "$saved")"
# Stretched to half: the block's middle stays orange, the corners blue.
[ "$(convert "$saved" -format '%[hex:p{40,30}]' info:)" = E0A020FF ] || fail "the resized picture lost its block"
[ "$(convert "$saved" -format '%[hex:p{2,2}]' info:)" = 3060C0FF ] || fail "the resized picture lost its field"
rm -f "$saved"
"${wine_run[@]}" "$demo" putpicture "$(winpath "$pasted_png")" || fail "the picture could not be put on the clipboard"
press btnPaste
wait_for 10 logged "bitmap 30 20" || fail "Paste did not take the clipboard's picture"
sleep 0.5
shot bitmap_editor_pasted
press btnSave
wait_for 10 test -s "$saved" || fail "Save... wrote nothing"
same_pixels "$saved" "$pasted_png" || fail "the saved pasted picture differs from the one on the clipboard"
press Button2
ended_with Cancel
[ ! -e "$result" ] || fail "Cancel gave a result"
echo "PASS"
