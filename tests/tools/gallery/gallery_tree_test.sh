#!/usr/bin/env bash
# Drives the gallery's tree page with real input (xdotool) under Xvfb: expanding and collapsing by
# the expander and the numeric-pad keys, selection by click and arrow keys, the selection moving
# up to an item that collapses over it, check boxes, multiple selection seen in the screen's
# pixels, dragging an item onto another and a refused drag onto the item's own child, sorting and
# even row heights. The screenshots stay in SHOT_DIR.
# Usage: gallery_tree_test.sh WINEPREFIX GALLERY_EXE PROBE_EXE SHOT_DIR WINE_RUN...
set -euo pipefail
. "$(dirname "$0")/gallery_helpers.sh"

# --- The page as it appears ---------------------------------------------------------------------
start_gallery tree
[ "$(form_of frmGalleryTree)" = "10 10 1000 384" ] ||
  fail "the tree page is not at (10,10) with 1000 x 384: $(form_of frmGalleryTree)"
dark_column_painted() { [ "$(pixel $(point DarkColumn 4 300))" = 363636 ]; }
wait_for 30 dark_column_painted || fail "the dark column is not painted"
sleep 1
import -window root -crop 1010x394+0+0 "$shot_dir/gallery_tree.png"

# Points on an item's row: its text, its expander, its check box (after the expander).
text_of_row() { point "$1" 60 9; }
expander_of() { point "$1" 7 9; }
check_of() { point "$1" 25 9; }
is_shown() { [ "$(rect_of "$1")" != hidden ]; }
is_hidden() { [ "$(rect_of "$1")" = hidden ]; }
expect_shown() { wait_for 5 is_shown "$1" || fail "$2: $1 is not shown"; }
expect_hidden() { wait_for 5 is_hidden "$1" || fail "$2: $1 still shows"; }
# The selection's colour on the screen, at the right end of an item's row.
selected_look() { [ "$(pixel $(point "$1" $(($(width_of "$1") - 8)) 9))" = 936639 ]; }
expect_selected_look() { wait_for 5 selected_look "$1" || fail "$2: $1 is not drawn selected"; }
expect_plain_look() { wait_for 5 eval "! selected_look $1" || fail "$2: $1 is drawn selected"; }

[ "$(top_of Vegetables)" = $(($(top_of Fruits) + 19)) ] || fail "the rows are not 19 apart"
is_hidden Apple || fail "a collapsed item's sub-items show"

# --- Expanding, collapsing and selecting by click and keys ------------------------------------------
click $(text_of_row Fruits)
expect DarkTree Fruits "a click on Fruits"
expect_selected_look Fruits "the clicked row"
click $(expander_of Fruits)
expect_shown Apple "a click on the expander"
[ "$(left_of Apple)" = $(($(left_of Fruits) + 19)) ] || fail "a sub-item is not indented by 19"
[ "$(top_of Vegetables)" = $(($(top_of Fruits) + 4 * 19)) ] || fail "the rows below do not make room"
key Down
expect DarkTree Apple "Down"
keys Down Down
expect DarkTree Cherry "Down twice more"
key KP_Add
expect_shown Morello "numeric-pad plus"
key Down
expect DarkTree Morello "Down into the expanded item"
key End
expect DarkTree Herbs "End"
key Home
expect DarkTree Fruits "Home"
key KP_Subtract
expect_hidden Apple "numeric-pad minus"
expect_hidden Morello "numeric-pad minus, two levels down"
key Down
expect DarkTree Vegetables "Down from the collapsed item"

# The selected item's ancestor collapses by its expander: the selection moves up to it, and the
# keys go on from there.
click $(expander_of Fruits)
click $(text_of_row Morello)
expect DarkTree Morello "a click on a sub-item two levels down"
click $(expander_of Fruits)
expect_hidden Morello "collapsing Fruits"
expect DarkTree Fruits "collapsing the selected item's ancestor"
key Down
expect DarkTree Vegetables "Down after the collapse"
key Up
expect DarkTree Fruits "Up after the collapse"
import -window root -crop 500x394+0+0 "$shot_dir/gallery_tree_selected.png"

# --- Dragging the selected item onto another -----------------------------------------------------------
click $(text_of_row Herbs)
expect DarkTree Herbs "a click on Herbs"
sleep 0.6  # past the double-click time of the click that selected it
read -r hx hy <<<"$(text_of_row Herbs)"
read -r vx vy <<<"$(text_of_row Vegetables)"
drag "$hx" "$hy" "$vx" "$vy"
wait_for 5 eval '[ "$(left_of Herbs)" = $(($(left_of Vegetables) + 19)) ]' ||
  fail "Herbs dropped on Vegetables is not its sub-item: $(rect_of Herbs) under $(rect_of Vegetables)"
expect_shown Leek "the drop target opens"
[ "$(top_of Herbs)" = $(($(top_of Leek) + 19)) ] || fail "the dropped item is not the target's last sub-item"
expect_selected_look Herbs "the dropped item"

# Vegetables dragged onto its own sub-item stays where it was, with its sub-items.
click $(text_of_row Vegetables)
expect DarkTree Vegetables "a click on Vegetables"
sleep 0.6
read -r vx vy <<<"$(text_of_row Vegetables)"
read -r cx cy <<<"$(text_of_row Carrot)"
drag "$vx" "$vy" "$cx" "$cy"
sleep 0.5
[ "$(left_of Vegetables)" = "$(left_of Fruits)" ] || fail "a drop on the item's own sub-item moved it"
[ "$(top_of Vegetables)" = $(($(top_of Fruits) + 19)) ] || fail "a drop on the item's own sub-item left a gap"
is_shown Carrot && is_shown Herbs || fail "the refused drop lost the sub-items"
import -window root -crop 500x394+0+0 "$shot_dir/gallery_tree_dragged.png"

# --- Check boxes and multiple selection -----------------------------------------------------------------
click $(check_of Pictures)
expect Pictures True "a click on the check box of Pictures"
expect DarkCheckTree Pictures "the checked item becomes the selection"
click $(check_of Pictures)
expect Pictures False "a second click on the box"
click $(text_of_row Letters)
expect DarkCheckTree Letters "a click on Letters"
read -r x y <<<"$(text_of_row Music)"
move "$x" "$y"
xdotool keydown shift click 1 keyup shift; sleep 0.3
expect DarkCheckTree Music "Shift and a click on Music"
for item in Letters Invoices Pictures Music; do expect_selected_look $item "the range from Letters to Music"; done
expect_plain_look Documents "the row before the range"
expect_plain_look Videos "the row after the range"
read -r x y <<<"$(text_of_row Invoices)"
move "$x" "$y"
xdotool keydown ctrl click 1 keyup ctrl; sleep 0.3
expect_plain_look Invoices "Ctrl and a click on a selected row"
expect_selected_look Letters "Ctrl and a click leave the others"
expect_selected_look Pictures "Ctrl and a click leave the others"
import -window root -crop 500x394+0+0 "$shot_dir/gallery_tree_checks.png"

# --- Sorting and even rows -------------------------------------------------------------------------------
[ "$(top_of SortedAlpha)" -lt "$(top_of SortedBeta)" ] && [ "$(top_of SortedBeta)" -lt "$(top_of SortedZeta)" ] ||
  fail "the sorted tree is not in order Alpha, beta, zeta ignoring case"
[ "$(top_of SortedAlphaTwo)" -lt "$(top_of SortedAlphaOne)" ] || fail "sorting reordered the sub-items"
[ "$(height_of TallOne)" = 25 ] && [ "$(top_of TallTwo)" = $(($(top_of TallOne) + 25)) ] ||
  fail "ItemHeight 25 does not make every row 25 high"

# --- The gallery's own close button ends it -------------------------------------------------------------
close_gallery frmGalleryTree
echo "gallery tree page checks passed"
