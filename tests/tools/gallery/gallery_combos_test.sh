#!/usr/bin/env bash
# Drives the gallery's combos page with real input (xdotool) under Xvfb: combo boxes dropping
# their list in a pop-up and closing it on a choice, on Escape, on a click outside and on a
# second press on the combo; keys and the wheel on a closed combo; the list's keys; a list
# dropping upwards; string combos; the combo text box's list and keys; the combo track bar's
# track dragged and a number typed; the HUD combos. The screenshots stay in SHOT_DIR.
# Usage: gallery_combos_test.sh WINEPREFIX GALLERY_EXE PROBE_EXE SHOT_DIR WINE_RUN...
set -euo pipefail
. "$(dirname "$0")/gallery_helpers.sh"

# --- The page as it appears ---------------------------------------------------------------------
start_gallery combos
[ "$(form_of frmGalleryCombos)" = "10 10 1000 400" ] ||
  fail "the combos page is not at (10,10) with 1000 x 400: $(form_of frmGalleryCombos)"
dark_column_painted() { [ "$(pixel $(point DarkColumn 4 300))" = 363636 ]; }
wait_for 30 dark_column_painted || fail "the dark column is not painted"
sleep 1
import -window root -crop 1010x410+0+0 "$shot_dir/gallery_combos.png"

hidden() { becomes hidden rect_of "$1"; }
is_open() { ! hidden "$1.Popup"; }
expect_open() { wait_for 5 is_open "$1" || fail "$2 does not drop the list of $1 down"; }
expect_closed() { wait_for 5 hidden "$1.Popup" || fail "$2 does not close the list of $1"; }
bottom_of() { local _ t h; read -r _ t _ h <<<"$(rect_of "$1")"; echo $((t + h)); }
changes_of() { output | grep -c "^change $1 " || true; }
# A spot of the page where nothing is: a click there is a click outside every combo.
outside() { point DarkColumn 300 250; }

# --- A combo box: the list drops down below it and closes on a choice -----------------------------
hidden DarkComboItem0 || fail "the combo's items show before it is opened"
click $(middle DarkCombo)
expect_open DarkCombo "a click on the combo"
wait_for 5 shown DarkComboItem0 || fail "the combo's open list shows no items"
[ "$(top_of DarkCombo.Popup)" -ge "$(($(bottom_of DarkCombo) - 1))" ] ||
  fail "the list is not below the combo: $(rect_of DarkCombo.Popup) / $(rect_of DarkCombo)"
# Eight of its twelve items show: the pop-up is as high as eight items (and the list's padding).
popup_height=$(height_of DarkCombo.Popup)
[ "$popup_height" -ge 160 ] && [ "$popup_height" -le 172 ] ||
  fail "the list of twelve items is $popup_height high, not about eight items of 20"
import -window root -crop 1010x410+0+0 "$shot_dir/gallery_combos_open.png"
click $(middle DarkComboItem3)
expect DarkCombo 3 "a click on the fourth item"
expect_closed DarkCombo "a choice"

# --- Escape, a click outside and a second press on the combo close it unchosen -----------------------
before=$(changes_of DarkCombo)
click $(middle DarkCombo)
expect_open DarkCombo "a click on the combo"
key Escape
expect_closed DarkCombo "Escape"
click $(middle DarkCombo)
expect_open DarkCombo "a click on the combo after Escape"
click $(outside)
expect_closed DarkCombo "a click outside"
click $(middle DarkCombo)
expect_open DarkCombo "a click on the combo after a click outside"
click $(middle DarkCombo)
expect_closed DarkCombo "a second press on the combo"
sleep 1
hidden DarkCombo.Popup || fail "a second press on the open combo opened its list again"
[ "$(changes_of DarkCombo)" = "$before" ] || fail "closing the list unchosen changed the combo: $(value_of DarkCombo)"
# The press that closed it was not kept: the next one opens it.
click $(middle DarkCombo)
expect_open DarkCombo "a press after the one that closed the list"
key Escape
expect_closed DarkCombo "Escape"

# --- Keys and the wheel on the closed combo step through the items without opening it --------------
key Down
expect DarkCombo 4 "Down on the closed combo"
key Up
key Up
expect DarkCombo 2 "Up twice on the closed combo"
key End
expect DarkCombo 11 "End on the closed combo"
key Home
expect DarkCombo 0 "Home on the closed combo"
move $(middle DarkCombo)
xdotool click 5; sleep 0.5
expect DarkCombo 1 "the wheel turned down on the combo"
hidden DarkCombo.Popup || fail "a key or the wheel opened the combo"

# --- The open list's keys: Down moves the selection, Return chooses and closes; Alt+Down opens --------
keys alt+Down
expect_open DarkCombo "Alt+Down"
keys Down Down Return
expect DarkCombo 3 "Down twice and Return in the open list"
expect_closed DarkCombo "Return in the list"
keys alt+Down
expect_open DarkCombo "Alt+Down"
keys End Return
expect DarkCombo 11 "End and Return in the open list"
expect_closed DarkCombo "Return in the list"

# --- A combo placed at the top drops its list upwards ---------------------------------------------
click $(middle DarkTopCombo)
expect_open DarkTopCombo "a click on the combo placed at the top"
[ "$(bottom_of DarkTopCombo.Popup)" -le "$(($(top_of DarkTopCombo) + 1))" ] ||
  fail "the list placed at the top is not above its combo: $(rect_of DarkTopCombo.Popup) / $(rect_of DarkTopCombo)"
click $(middle DarkTopItem2)
expect DarkTopCombo 2 "a click on the third item above the combo"
expect_closed DarkTopCombo "a choice above the combo"

# --- A string combo: its items are made from its strings ---------------------------------------------
click $(middle DarkStringCombo)
expect_open DarkStringCombo "a click on the string combo"
wait_for 5 shown DarkStringCombo.Item3 || fail "the string combo does not list its four strings"
click $(middle DarkStringCombo.Item2)
expect DarkStringCombo 2 "a click on South"
expect_closed DarkStringCombo "a choice in the string combo"
import -window root -crop 500x150+10+50 "$shot_dir/gallery_combos_chosen.png"

# --- The combo text box: its button drops the list, a choice becomes the text ---------------------
read -r left top width height <<<"$(rect_of DarkComboText)"
button_x=$((left + width - 8)) button_y=$((top + height / 2))
click "$button_x" "$button_y"
expect_open DarkComboText "a click on the combo text box's button"
click $(middle DarkComboText.Item2)
expect_text DarkComboText "Blue" "a click on Blue in the combo text box's list"
expect_closed DarkComboText "a choice in the combo text box"
# Up and Down in the box choose the neighbouring strings; a click in its text drops nothing down.
click $((left + 20)) "$button_y"
key Down
expect_text DarkComboText "Cyan" "Down in the combo text box"
key Up
key Up
expect_text DarkComboText "Green" "Up twice in the combo text box"
hidden DarkComboText.Popup || fail "a click in the combo text box's text opened its list"
# The list's keys, then a second press on the button closes it.
click "$button_x" "$button_y"
expect_open DarkComboText "a click on the button"
keys Down Return
expect_text DarkComboText "Blue" "Down and Return in the combo text box's list"
expect_closed DarkComboText "Return in the list"
click "$button_x" "$button_y"
expect_open DarkComboText "a click on the button"
click "$button_x" "$button_y"
expect_closed DarkComboText "a second press on the button"
sleep 1
hidden DarkComboText.Popup || fail "a second press on the combo text box's button opened its list again"

# --- The combo track bar: its track drags the value, a typed number moves the track ------------------
read -r left top width height <<<"$(rect_of DarkComboTrack)"
button_x=$((left + width - 8)) button_y=$((top + height / 2))
click "$button_x" "$button_y"
expect_open DarkComboTrack "a click on the combo track bar's button"
read -r tl tt tw th <<<"$(rect_of DarkComboTrack.Track)"
# The thumb sits at 20 of 0..100; dragged to the track's end it gives 100.
thumb_x=$((tl + tw * 20 / 100)) track_y=$((tt + th / 2))
drag "$thumb_x" "$track_y" $((tl + tw + 40)) "$track_y"
expect DarkComboTrack 100 "the combo track bar's thumb dragged past the end"
key Escape
expect_closed DarkComboTrack "Escape in the track's pop-up"
# A number typed into the box moves the track on Return; one out of range ends at the limit.
click $((left + 20)) "$button_y"
keys Home shift+End
typed "35"
key Return
expect DarkComboTrack 35 "35 typed into the combo track bar"
keys Home shift+End
typed "250"
key Return
expect DarkComboTrack 100 "250 typed into the combo track bar"

# --- The HUD combos -------------------------------------------------------------------------------
click $(middle HudCombo)
expect_open HudCombo "a click on the HUD combo"
import -window root -crop 1010x410+0+0 "$shot_dir/gallery_combos_hud_open.png"
click $(middle HudComboItem2)
expect HudCombo 2 "a click on Large"
expect_closed HudCombo "a choice in the HUD combo"
click $(middle HudStringCombo)
expect_open HudStringCombo "a click on the HUD string combo"
click $(middle HudStringCombo.Item3)
expect HudStringCombo 3 "a click on West"
expect_closed HudStringCombo "a choice in the HUD string combo"
read -r left top width height <<<"$(rect_of HudComboText)"
click $((left + width - 8)) $((top + height / 2))
expect_open HudComboText "a click on the HUD combo text box's button"
click $(middle HudComboText.Item4)
expect_text HudComboText "Magenta" "a click on Magenta in the HUD combo text box's list"
read -r left top width height <<<"$(rect_of HudComboTrack)"
click $((left + width - 8)) $((top + height / 2))
expect_open HudComboTrack "a click on the HUD combo track bar's button"
click $(outside)
expect_closed HudComboTrack "a click outside"
import -window root -crop 1010x410+0+0 "$shot_dir/gallery_combos_used.png"

# --- The gallery's own close button ends it -------------------------------------------------------
close_gallery frmGalleryCombos
echo "gallery combos page checks passed"
