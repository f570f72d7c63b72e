#!/usr/bin/env bash
# Drives the gallery's lists page with real input (xdotool) under Xvfb: single and multiple
# selection by clicks with and without Shift and Ctrl and by keys, check boxes in items, a sorted
# string list and type-ahead, three columns, alternating rows, dragging an item to reorder, the
# horizontal and image lists, and the HUD lists. The screenshots stay in SHOT_DIR.
# Usage: gallery_lists_test.sh WINEPREFIX GALLERY_EXE PROBE_EXE SHOT_DIR WINE_RUN...
set -euo pipefail
. "$(dirname "$0")/gallery_helpers.sh"

# --- The page as it appears ---------------------------------------------------------------------
start_gallery lists
[ "$(form_of frmGalleryLists)" = "10 10 1000 662" ] ||
  fail "the lists page is not at (10,10) with 1000 x 662: $(form_of frmGalleryLists)"
dark_column_painted() { [ "$(pixel $(point DarkColumn 4 580))" = 363636 ]; }
wait_for 30 dark_column_painted || fail "the dark column is not painted"
sleep 1
import -window root -crop 1010x672+0+0 "$shot_dir/gallery_lists.png"

# A row shows the selection when its right end, where no text reaches, is blue.
blue_at() {
  local c
  c=$(pixel "$@")
  [ $((16#${c:4:2})) -gt $((16#${c:0:2} + 40)) ]
}
row_selected() { blue_at $(point "$1" $(($(width_of "$1") - 6)) 10); }
# expect_rows ITEM_PREFIX "0 1 0 ...": which of the first items show the selection.
expect_rows() {
  local prefix=$1 i=0 want
  for want in $2; do
    if [ "$want" = 1 ]; then
      wait_for 5 row_selected "$prefix$i" || fail "$3: $prefix$i is not shown selected"
    else
      ! row_selected "$prefix$i" || fail "$3: $prefix$i is shown selected"
    fi
    i=$((i + 1))
  done
}
with_key() { xdotool keydown "$1"; sleep 0.2; click "${@:2}"; xdotool keyup "$1"; sleep 0.3; }
inside() {  # ITEM LIST: the item lies wholly within the list
  local il it iw ih ll lt lw lh
  read -r il it iw ih <<<"$(rect_of "$1")"
  read -r ll lt lw lh <<<"$(rect_of "$2")"
  [ "$il" -ge "$ll" ] && [ "$it" -ge "$lt" ] && [ $((il + iw)) -le $((ll + lw)) ] && [ $((it + ih)) -le $((lt + lh)) ]
}

# --- Single selection: clicks and keys, the highlight, alternating rows ---------------------------
# Alternate rows are shaded lighter, before anything is selected (the list's own background is a
# gradient, so rows are compared with their neighbours).
row_brightness() { brightness $(point "$1" $(($(width_of "$1") - 10)) 10); }
for i in 1 3; do
  [ "$(row_brightness DarkItem$i)" -gt "$(row_brightness DarkItem$((i - 1)))" ] &&
    [ "$(row_brightness DarkItem$i)" -gt "$(row_brightness DarkItem$((i + 1)))" ] ||
    fail "row $i of the list is not shaded lighter than its neighbours"
done
click $(middle DarkItem2)
expect DarkList 2 "a click on the third item"
expect_rows DarkItem "0 0 1 0" "a click on the third item"
keys Down Down
expect DarkList 4 "Down twice"
expect_rows DarkItem "0 0 0 0 1" "Down twice"
key End
expect DarkList 9 "End"
wait_for 5 inside DarkItem9 DarkList || fail "End does not scroll the last item into view: $(rect_of DarkItem9)"
key Up
expect DarkList 8 "Up"
key Home
expect DarkList 0 "Home"
wait_for 5 inside DarkItem0 DarkList || fail "Home does not scroll back to the first item"
typed "g"
expect DarkList 6 "typing the first letter of Grape"

# --- Dragging the selected item onto another swaps them -----------------------------------------------
click $(middle DarkItem0)
expect DarkList 0 "a click on the first item"
first_top=$(top_of DarkItem0) third_top=$(top_of DarkItem2)
read -r x y <<<"$(middle DarkItem0)"
read -r x2 y2 <<<"$(middle DarkItem2)"
drag "$x" "$y" "$x2" "$y2"
wait_for 5 becomes "$third_top" top_of DarkItem0 || fail "the dragged item did not move to the third row: $(rect_of DarkItem0)"
[ "$(top_of DarkItem2)" = "$first_top" ] || fail "the item dropped on did not move to the first row"
expect_rows DarkItem "1 0 0" "the dragged item stays selected in its new place"
# A drag from another list is not taken.
read -r x y <<<"$(middle MultiItem0)"
drag "$x" "$y" "$x2" "$y2"
[ "$(top_of DarkItem0)" = "$third_top" ] || fail "an item of another list was dropped into the list"

# --- Multiple selection: Shift and Ctrl clicks, check boxes -------------------------------------------
click $(point MultiItem1 100 10)
expect MultiList 1 "a click in the multiple selection list"
with_key shift $(point MultiItem4 100 10)
expect MultiList 4 "a Shift click"
expect_rows MultiItem "0 1 1 1 1 0 0" "a Shift click from the second to the fifth item"
with_key ctrl $(point MultiItem6 100 10)
expect_rows MultiItem "0 1 1 1 1 0 1" "a Ctrl click on the seventh item"
with_key ctrl $(point MultiItem2 100 10)
expect_rows MultiItem "0 1 0 1 1 0 1" "a Ctrl click on a selected item"
click $(point MultiItem0 100 10)
expect_rows MultiItem "1 0 0 0 0 0 0" "a plain click"
# The check box of an item: a click checks it and selects the item, reported by OnChangeCheck.
click $(point MultiItem5 10 10)
wait_for 10 logged "change MultiItem5 IsChecked=True" || fail "a click on the item's check box does not check it"
expect MultiList 5 "a click on an item's check box"
click $(point MultiItem2 10 10)
wait_for 10 logged "change MultiItem2 IsChecked=False" || fail "a click on a checked item's box does not uncheck it"
import -window root -crop 500x200+10+60 "$shot_dir/gallery_lists_selection.png"

# --- Sorting and type-ahead ------------------------------------------------------------------------
# Shown sorted: apple, banana, cherry, damson, fig, pear, quince.
click $(point SortedList 40 10)
expect SortedList 0 "a click on the first row of the sorted list"
typed "p"
expect SortedList 5 "typing p in the sorted list"
typed "B"
expect SortedList 1 "typing B in the sorted list"
key End
expect SortedList 6 "End in the sorted list"

# --- Three columns: the cells, the keys moving by rows and columns ------------------------------------
[ "$(top_of ColItem1)" = "$(top_of ColItem0)" ] && [ "$(left_of ColItem1)" -gt "$(left_of ColItem0)" ] ||
  fail "the second cell is not beside the first: $(rect_of ColItem0) / $(rect_of ColItem1)"
[ "$(left_of ColItem3)" = "$(left_of ColItem0)" ] && [ "$(top_of ColItem3)" -gt "$(top_of ColItem0)" ] ||
  fail "the fourth cell does not begin the second row"
click $(middle ColItem4)
expect ColumnList 4 "a click on a cell"
key Down
expect ColumnList 7 "Down by one row of three"
key Right
expect ColumnList 8 "Right"
key End
expect ColumnList 11 "End goes to the last cell"
key Up
expect ColumnList 8 "Up by one row"

# --- The horizontal lists ---------------------------------------------------------------------------
click $(middle HorzItem1)
expect HorzList 1 "a click in the horizontal list"
key Right
expect HorzList 2 "Right in the horizontal list"
key End
expect HorzList 5 "End in the horizontal list"
wait_for 5 inside HorzItem5 HorzList || fail "End does not scroll the horizontal list to its last item"

# --- Image lists: the pictures and their names --------------------------------------------------------
sunrise=$(pixel $(point ImageList_sunrise 70 20))
[ $((16#${sunrise:0:2})) -gt 200 ] && [ $((16#${sunrise:4:2})) -lt 120 ] ||
  fail "the first picture of the image list is not orange: #$sunrise"
click $(point ImageList_sea 70 30)
expect ImageList 1 "a click on the second picture"
click $(point HorzImageList_forest 50 30)
expect HorzImageList 2 "a click on the third picture of the horizontal image list"
click $(point HudImageList_sea 50 30)
expect HudImageList 1 "a click on a picture of the HUD image list"

# --- The HUD lists: a range by Shift, the wheel ------------------------------------------------------
click $(point HudItem0 100 10)
with_key shift $(point HudItem2 100 10)
expect HudList 2 "a Shift click in the HUD list"
expect_rows HudItem "1 1 1 0" "a Shift click in the HUD list"
hud_top=$(top_of HudItem0)
move $(middle HudList)
xdotool click 5; sleep 0.8
wait_for 10 below "$hud_top" top_of HudItem0 || fail "the wheel does not scroll the HUD list"
click $(point HudStringList 40 30)
expect HudStringList 1 "a click on the HUD string list"
keys Down Down
expect HudStringList 3 "Down in the HUD string list"
import -window root -crop 1010x672+0+0 "$shot_dir/gallery_lists_used.png"

# --- The gallery's own close button ends it -------------------------------------------------------
close_gallery frmGalleryLists
echo "gallery lists page checks passed"
