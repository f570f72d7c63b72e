#!/usr/bin/env bash
# Drives the gallery's extras page with real input (xdotool) under Xvfb: the switch buttons
# toggled by clicks; files dropped on the drop target by a real OLE drag from another program
# (the probe, handing over the shell's own data object for the files); the plot grid painted; the
# image viewer zoomed by the wheel and scrolled; the compound labelled controls edited; the colour
# combo box dropped down, its colour chosen in the pop-up's panel and by its hex text, a text that
# is no colour keeping it. The screenshots stay in SHOT_DIR.
# Usage: gallery_extras_test.sh WINEPREFIX GALLERY_EXE PROBE_EXE SHOT_DIR WINE_RUN...
set -euo pipefail
. "$(dirname "$0")/gallery_helpers.sh"

# --- The page as it appears ---------------------------------------------------------------------
start_gallery extras
[ "$(form_of frmGalleryExtras)" = "10 10 1000 452" ] ||
  fail "the extras page is not at (10,10) with 1000 x 452: $(form_of frmGalleryExtras)"
dark_column_painted() { [ "$(pixel $(point DarkColumn 4 300))" = 363636 ]; }
wait_for 30 dark_column_painted || fail "the dark column is not painted"
sleep 1
import -window root -crop 1010x462+0+0 "$shot_dir/gallery_extras.png"

# --- The switch buttons: a click presses, the next releases; the tile dims while pressed ----------
tile_at() { pixel $(point "$1" 6 32); }
for name in DarkSwitch DarkSwitchSound; do
  released=$(tile_at $name)
  click $(middle $name)
  expect $name True "a click on $name"
  sleep 0.5
  [ "$(tile_at $name)" != "$released" ] || fail "$name's tile looks the same pressed ($released)"
  click $(middle $name)
  expect $name False "a second click on $name"
  sleep 0.5
  [ "$(tile_at $name)" = "$released" ] || fail "$name's tile shows $(tile_at $name) released, not $released"
done

# --- Files dropped on the drop target ------------------------------------------------------------
mkdir -p "$prefix/drive_c/kest_drop"
echo "notes" >"$prefix/drive_c/kest_drop/notes.txt"
echo "plan" >"$prefix/drive_c/kest_drop/plan.txt"
read -r x y <<<"$(middle DarkDrop)"
"${wine_run[@]}" "$probe" drop "$x" "$y" 'C:\kest_drop\notes.txt' 'C:\kest_drop\plan.txt' >"$work/drop.txt" 2>&1 ||
  fail "the probe's drag did not drop: $(tr -d '\r' <"$work/drop.txt")"
expect DarkDrop 'C:\kest_drop\notes.txt|C:\kest_drop\plan.txt' "two files dropped on the drop target"
import -window root -crop 500x462+0+0 "$shot_dir/gallery_extras_dropped.png"

# --- The plot grid: its centre line in the line colour, the faint lines between ---------------------
read -r px py <<<"$(middle DarkPlot)"
[ "$(pixel "$px" $((py + 7)))" = A0A0A0 ] || fail "the plot grid's centre line shows $(pixel "$px" $((py + 7)))"
[ "$(pixel $((px + 3)) $((py + 7)))" = 363636 ] || fail "the plot grid paints between its lines: $(pixel $((px + 3)) $((py + 7)))"

# --- The image viewer: the wheel zooms by 0.04 a notch, and a larger picture scrolls -----------------
viewer_is() { output | grep "^change DarkViewer " | tail -n 1 | grep -q -- "$1"; }
expect_viewer() { wait_for 10 viewer_is "$1" || fail "$2: $(output | grep '^change DarkViewer ' | tail -n 1)"; }
read -r vx vy <<<"$(middle DarkViewer)"
move "$vx" "$vy"
for i in 1 2 3 4 5; do xdotool click 4; sleep 0.2; done
expect_viewer "BitmapScale=1.20" "five notches up"
import -window root -crop 500x462+0+0 "$shot_dir/gallery_extras_zoomed.png"
for i in 1 2; do xdotool click 5; sleep 0.2; done
expect_viewer "BitmapScale=1.12" "two notches down"

# --- The compound controls ------------------------------------------------------------------------
read -r tl tt tw th <<<"$(rect_of CompoundTrack)"
click $((tl + 70 + (tw - 70) / 2)) $((tt + th / 2))
wait_for 10 eval 'output | grep -q "^change CompoundTrack Value="' || fail "a click on the compound track reports nothing"
read -r l t w h <<<"$(rect_of CompoundText)"
click $((l + 120)) $((t + h / 2))
key ctrl+a
typed "Merlin"
key Return
expect CompoundText Merlin "the compound text box typed"
read -r l t w h <<<"$(rect_of CompoundNumber)"
click $((l + 120)) $((t + h / 2))
key ctrl+a
typed "250"
key Return
expect CompoundNumber 250 "the compound number box typed"
import -window root -crop 1010x462+0+0 "$shot_dir/gallery_extras_compound.png"

# --- The colour combo box: dropped down, the panel's quad dragged, a hex text typed ------------------
click $(middle DarkColorCombo)
sleep 0.8
import -window root -crop 1010x462+0+0 "$shot_dir/gallery_extras_combo_open.png"
read -r cl ct cw ch <<<"$(rect_of DarkColorCombo)"
# The pop-up hangs below the combo: its panel's quad starts 10 in from the pop-up's corner.
qx=$((cl + 10)) qy=$((ct + ch + 10))
count_colors() { output | grep -c "^change DarkColorCombo Color=" || true; }
before=$(count_colors)
move $((qx + 60)) $((qy + 60))
xdotool mousedown 1; sleep 0.2
for i in 1 2 3 4; do xdotool mousemove $((qx + 60 - i * 12)) $((qy + 60 - i * 10)); sleep 0.15; done
xdotool mouseup 1; sleep 0.3
[ $(($(count_colors) - before)) -ge 4 ] || fail "dragging in the combo's panel reported $(($(count_colors) - before)) colours"
# The hex box stands at the pop-up's top right.
click $((cl + 200)) $((ct + ch + 30))
key ctrl+a
typed "#FF00FF00"
key Return
expect DarkColorCombo "#FF00FF00" "the combo's hex box given #FF00FF00"
key ctrl+a
typed "#1#2"
key Return
sleep 0.5
[ "$(value_of DarkColorCombo)" = "#FF00FF00" ] || fail "a hex text that is no colour changed the combo to $(value_of DarkColorCombo)"
import -window root -crop 1010x462+0+0 "$shot_dir/gallery_extras_combo_hex.png"
key Escape
click $(point DarkColumn 300 340)
sleep 0.5
swatch=$(pixel $((cl + 20)) $((ct + ch / 2)))
[ "$swatch" = 00FF00 ] || fail "the combo's swatch shows $swatch, not 00FF00"
import -window root -crop 1010x462+0+0 "$shot_dir/gallery_extras_end.png"

# --- The gallery's own close button ends it -------------------------------------------------------------
close_gallery frmGalleryExtras
echo "gallery extras page checks passed"
