#!/usr/bin/env bash
# Drives the gallery's grid page with real input (xdotool) under Xvfb: a data grid of text, check,
# progress, pop-up and image columns (editing started and ended by keys and clicks, the header's
# items resized and reordered, the wheel) and a string grid that keeps what is typed, read back
# through the real clipboard. The screenshots stay in SHOT_DIR.
# Usage: gallery_grid_test.sh WINEPREFIX GALLERY_EXE PROBE_EXE SHOT_DIR WINE_RUN...
set -euo pipefail
. "$(dirname "$0")/gallery_helpers.sh"

# --- The page as it appears ---------------------------------------------------------------------
start_gallery grid
[ "$(form_of frmGalleryGrid)" = "10 10 1000 384" ] ||
  fail "the grid page is not at (10,10) with 1000 x 384: $(form_of frmGalleryGrid)"
dark_column_painted() { [ "$(pixel $(point DarkColumn 4 300))" = 363636 ]; }
wait_for 30 dark_column_painted || fail "the dark column is not painted"
sleep 1
import -window root -crop 1010x394+0+0 "$shot_dir/gallery_grid.png"

# cell COLUMN ROW: the middle of a cell of a grid not scrolled horizontally, rows counted in view.
cell() { point "$1" $(( $(width_of "$1") / 2 )) $(( $2 * 21 + 10 )); }
set_line() { output | grep "^set DataGrid $1 $2 " | tail -n 1 | cut -d' ' -f5-; }
set_is() { [ "$(set_line "$1" "$2")" = "$3" ]; }
expect_set() { wait_for 10 set_is "$1" "$2" "$3" || fail "$4 sets \"$(set_line "$1" "$2")\", not \"$3\""; }

# --- Editing by keys: a letter starts it, Enter ends it, Escape takes it back -----------------------
click $(cell NameColumn 1)
typed "Renamed"
keys Return
expect_set NameColumn 1 "Renamed" "typing into the selected cell and Enter"
keys Down
typed "zzz"
keys Escape
sleep 0.5
[ -z "$(set_line NameColumn 2)" ] || fail "Escape wrote the edit back: $(set_line NameColumn 2)"
keys F2 ctrl+a ctrl+c Escape
expect_clipboard "Task 3" "Escape restoring the cell and F2 editing it"

# --- Editing by clicks: a click selects, a second edits, a click elsewhere ends it -----------------
click $(cell NameColumn 4)
click $(cell NameColumn 4)
keys ctrl+a
typed "Clicked"
click $(cell NameColumn 6)
expect_set NameColumn 4 "Clicked" "a second click, typing and a click on another row"

# --- A check cell toggles in its selected row ---------------------------------------------------------
click $(cell DoneColumn 5)
click $(cell DoneColumn 5)
check_set() { [ -n "$(set_line DoneColumn 5)" ]; }
wait_for 10 check_set || fail "a click on the check cell of the selected row wrote nothing back"
import -window root -crop 560x320+10+50 "$shot_dir/gallery_grid_edited.png"

# --- The header: its items resize and reorder the columns ---------------------------------------------
read -r left top width _ <<<"$(rect_of NameColumn)"
drag $((left + width - 2)) $((top - 10)) $((left + width + 38)) $((top - 10))
widened() { [ "$(width_of NameColumn)" -ge 165 ] && [ "$(width_of NameColumn)" -le 175 ]; }
wait_for 10 widened || fail "dragging the header grip by 40 leaves the Name column $(width_of NameColumn) wide"
read -r name_left _ <<<"$(rect_of NameColumn)"
read -r x y <<<"$(point PriorityColumn 50 -10)"
drag "$x" "$y" $((name_left + 20)) "$y"
priority_first() { [ "$(rect_of PriorityColumn | cut -d' ' -f1)" -le "$name_left" ]; }
wait_for 10 priority_first || fail "dropping the Priority header on the Name header did not move its column first"
import -window root -crop 560x320+10+50 "$shot_dir/gallery_grid_header.png"

# --- The wheel scrolls the rows; the first row in view edits -------------------------------------------
read -r x y <<<"$(cell NameColumn 3)"
move "$x" "$y"
xdotool click --repeat 5 --delay 60 5
# The wheel glides: the top row is read once the view has come to rest.
top_row_copied() {
  click $(cell NameColumn 0)
  keys F2 ctrl+a ctrl+c Escape
  case $(clipboard) in "Task "*) [ "$(clipboard | cut -d' ' -f2)" -gt 5 ] ;; *) false ;; esac
}
sleep 1
wait_for 10 top_row_copied || fail "the wheel did not scroll the rows: the top row holds \"$(clipboard)\""

# --- The string grid keeps what is typed, wherever it scrolls ---------------------------------------------
click $(cell CityColumn 2)
typed "Paris"
keys Return
read -r x y <<<"$(cell CityColumn 3)"
move "$x" "$y"
xdotool click --repeat 6 --delay 60 5; sleep 0.8
xdotool click --repeat 12 --delay 60 4; sleep 0.8
click $(cell CityColumn 2)
keys F2 ctrl+a ctrl+c Escape
expect_clipboard "Paris" "the string grid's cell scrolled away and back"
import -window root -crop 1010x394+0+0 "$shot_dir/gallery_grid_end.png"

# --- The gallery's own close button ends it -------------------------------------------------------
close_gallery frmGalleryGrid
echo "gallery grid page checks passed"
