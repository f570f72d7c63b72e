#!/usr/bin/env bash
# Drives the gallery's first page with real input (xdotool) under Xvfb and checks what a user sees
# and what the gallery reports: check boxes, radio groups, tracks, scroll bars and a scroll box,
# the pop-up box's menu, expanders, tabs, the splitter, the size grip, the HUD window moved,
# resized and closed by its own frame, and the close button that closes only on a release over
# it. The settled page's screenshot stays in SHOT_DIR.
# Usage: gallery_test.sh WINEPREFIX GALLERY_EXE PROBE_EXE SHOT_DIR WINE_RUN...
set -euo pipefail
. "$(dirname "$0")/gallery_helpers.sh"

# --- The gallery as it appears ------------------------------------------------------------------
start_gallery
[ "$(form_of frmGallery)" = "10 10 1000 740" ] || fail "the gallery is not at (10,10) with 1000 x 740: $(form_of frmGallery)"
# Styles are applied at the first paint and their state animations run after it: the gallery has
# settled when the checked box shows its mark.
# (The window shows light grey before its first paint: the marks' own colours count.)
mark_of() { point "$1" 6 11; }
lit() { [ "$(pixel $(mark_of "$1"))" = "${2:-E8E8E8}" ]; }
wait_for 30 lit DarkCheckBoxOn || fail "the checked box shows no mark"
wait_for 30 lit HudCheckBoxOn FFFFFF || fail "the checked HUD box shows no mark"
sleep 1
import -window root -crop 1260x760+0+0 "$shot_dir/gallery.png"
[ "$(brightness $(mark_of DarkCheckBox))" -lt 100 ] || fail "the unchecked box shows a mark"
read -r x y <<<"$(point DarkProgress 10 10)"
[[ "$(pixel "$x" "$y")" =~ ^[2-5][0-9A-F][5-9A-F][0-9A-F][B-F][0-9A-F]$ ]] || fail "the progress bar's indicator is not blue: $(pixel "$x" "$y")"

# --- Check boxes and radio buttons ----------------------------------------------------------------
read -r x y <<<"$(mark_of DarkCheckBox)"
sample "$x" "$y" 3000 >"$work/fade.txt" &
sampler=$!
sleep 0.4
click $(point DarkCheckBox 8 9)
wait "$sampler"
wait_for 10 logged "change DarkCheckBox IsChecked=True" || fail "a click does not check the box"
wait_for 10 lit DarkCheckBox || fail "the checked box shows no mark"
animated "$work/fade.txt" || fail "the mark does not fade in: $(tr '\n' ' ' <"$work/fade.txt")"
key space
wait_for 10 logged "change DarkCheckBox IsChecked=False" || fail "Space does not toggle the focused box"
[ "$(count 'change DarkCheckBox IsChecked=.*')" = 2 ] || fail "one toggle per click and key"

click $(point DarkRadioA2 8 9)
wait_for 10 logged "change DarkRadioA2 IsChecked=True" || fail "a click does not check the radio button"
logged "change DarkRadioA1 IsChecked=False" || fail "the other button of the group stays checked"
! output | grep -q '^change DarkRadioB' || fail "the other group changed"
! output | grep -q '^change HudRadio' || fail "the HUD buttons of the same names changed"
click $(point DarkRadioA2 8 9)
[ "$(count 'change DarkRadioA2 IsChecked=.*')" = 1 ] || fail "clicking a checked radio button changed it"

# --- Tracks and scroll bars -----------------------------------------------------------------------
# The track bar's thumb sits at 40 of 0..100 across 200 units: it is dragged 50 units on.
read -r left top width height <<<"$(rect_of DarkTrackBar)"
thumb_x=$((left + 80)) mid_y=$((top + height / 2))
drag "$thumb_x" "$mid_y" $((thumb_x + 50)) "$mid_y"
sleep 1
value=$(value_of DarkTrackBar)
[ "${value%.*}" -ge 62 ] && [ "${value%.*}" -le 68 ] || fail "dragging the thumb gave $value, not about 65"
key Home
expect DarkTrackBar 0 Home
key End
expect DarkTrackBar 100 End
key Left
expect DarkTrackBar 99 Left
move "$((left + 20))" "$mid_y"
xdotool click 4
expect DarkTrackBar 98 "the wheel"
# The progress bar bound to the track bar follows it nearly to its end.
read -r left top width height <<<"$(rect_of DarkProgress)"
[[ "$(pixel $((left + width - 8)) $((top + 10)))" =~ ^[2-5].[5-9A-F].[B-F].$ ]] || fail "the bound progress bar does not follow"

# The track with a viewport pages towards a press on its trough: 30 -> 50.
click $(point DarkTrack 190 7)
expect DarkTrack 50 "a press on the trough"

# The scroll bar's right button repeats while held: 50 and then steps of 10.
read -r left top width height <<<"$(rect_of DarkScrollBar)"
move $((left + width - 9)) $((top + 9))
xdotool mousedown 1; sleep 3; xdotool mouseup 1; sleep 2
steps=$(count 'change DarkScrollBar Value=.*')
[ "$steps" -ge 3 ] || fail "holding the step button stepped $steps times"
[ "$(value_of DarkScrollBar)" = $((50 + 10 * steps)) ] || fail "the steps are not SmallChange: $(value_of DarkScrollBar)"

# The scroll box's bar, its button and the wheel move the rows.
row_top() { read -r _ t _ <<<"$(rect_of DarkRow0)"; echo "$t"; }
start=$(row_top)
read -r left top width height <<<"$(rect_of DarkScrollBox)"
click $((left + width - 9)) $((top + height - 8))
wait_for 10 below "$start" row_top || fail "the scroll box's down button does not scroll"
after_button=$(row_top)
move $((left + 60)) $((top + 40))
xdotool click 5; sleep 0.5
wait_for 10 below "$after_button" row_top || fail "the wheel does not scroll the box"
drag $((left + width - 9)) $((top + 24)) $((left + width - 9)) $((top + height - 10))
wait_for 10 below $((start - 400)) row_top || fail "dragging the bar's thumb does not scroll to the end: row at $(row_top)"

# --- Pop-up box, expanders, tabs ------------------------------------------------------------------
read -r left top width height <<<"$(rect_of DarkPopupBox)"
before=$(import -window root -crop 200x120+"$left"+$((top - 40)) png:- | md5sum)
click $((left + 20)) $((top + 10))
sleep 1
import -window root -crop 200x120+"$left"+$((top - 40)) "$work/menu.png"
[ "$(md5sum <"$work/menu.png")" != "$before" ] || fail "no menu opened over the pop-up box"
cp "$work/menu.png" "$shot_dir/gallery_menu.png"
# The menu opens with its top 29 units above the box (its middle about level with it); its four
# items share its height. The current item carries the check mark in the left margin.
menu_top=$((top - 29))
wait_for 10 window_at "$left" "$menu_top" >/dev/null || fail "no menu window at ($left,$menu_top)"
menu_height=$(xdotool getwindowgeometry "$(window_at "$left" "$menu_top")" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
item=$((menu_height / 4))
marks=()
for i in 0 1 2 3; do
  marks+=("$(import -window root -crop 14x$((item - 4))+$((left + 3))+$((menu_top + i * item + 2)) png:- |
    convert - -colorspace gray -threshold 50% -negate -format '%[fx:mean*w*h]' info:)")
done
[ "${marks[1]%.*}" -gt 3 ] && [ "${marks[0]%.*}" -le 1 ] && [ "${marks[2]%.*}" -le 1 ] ||
  fail "the current item is not the one marked: dark pixels in the margins ${marks[*]}"
click $((left + 40)) $((menu_top + item * 2 + item / 2))
wait_for 5 logged "change DarkPopupBox ItemIndex=2" || fail "choosing the third item does not select it"

# The arrow's light pixels in the 13 x 13 square around its middle: pointing down, turning, right.
read -r x y <<<"$(point DarkExpander 12 12)"
shapes $((x - 6)) $((y - 6)) 13 13 1200 >"$work/arrow.txt" &
sampler=$!
sleep 0.3
click "$x" "$y"
wait "$sampler"
wait_for 10 becomes 25 height_of DarkExpander || fail "the expander does not close: $(rect_of DarkExpander)"
wait_for 10 becomes hidden rect_of DarkExpanderLine1 || fail "the closed expander's content shows"
turned "$work/arrow.txt" || fail "the arrow does not turn: $(tr '\n' ' ' <"$work/arrow.txt")"
click "$x" "$y"
wait_for 10 becomes 100 height_of DarkExpander || fail "the expander does not open again"
wait_for 10 shown DarkExpanderLine1 || fail "the opened expander's content is hidden"

click $(point DarkTab2 40 10)
wait_for 5 logged "change DarkTabs ItemIndex=1" || fail "a click on the second tab does not select it"
wait_for 10 becomes hidden rect_of DarkPage1 && wait_for 10 shown DarkPage2 || fail "the second tab's page does not show"
key Right
expect DarkTabs 2 Right
wait_for 10 shown DarkPage4 || fail "Right does not pass over the hidden tab to the fourth"
key Left
expect DarkTabs 1 Left

# --- The splitter, within its limits -----------------------------------------------------------
read -r x y <<<"$(middle DarkSplitter)"
drag "$x" "$y" $((x + 30)) "$y"
wait_for 10 becomes 90 width_of DarkSplitLeft || fail "the splitter gave the left panel $(width_of DarkSplitLeft), not 90"
read -r x y <<<"$(middle DarkSplitter)"
drag "$x" "$y" $((x + 300)) "$y"
wait_for 10 becomes 123 width_of DarkSplitLeft || fail "the splitter passed its limit: $(width_of DarkSplitLeft)"
read -r x y <<<"$(middle DarkSplitter)"
drag "$x" "$y" $((x - 300)) "$y"
wait_for 10 becomes 20 width_of DarkSplitLeft || fail "the splitter passed MinSize: $(width_of DarkSplitLeft)"

# --- The size grip resizes the gallery ------------------------------------------------------------
read -r left top width height <<<"$(rect_of StatusBar)"
drag $((left + width - 5)) $((top + height - 5)) $((left + width + 35)) $((top + height + 25))
wait_for 10 becomes "10 10 1040 770" form_of frmGallery || fail "the size grip gave the form $(form_of frmGallery)"

# --- The HUD window: moved by its caption, resized by its grip, closed by its button ---------------
read -r left top width height <<<"$(form_of frmHudWindow)"
drag $((left + 120)) $((top + 10)) $((left - 30)) $((top + 390))
wait_for 10 becomes "$((left - 150)) $((top + 380)) 240 200" form_of frmHudWindow ||
  fail "dragging the caption moved the HUD window to $(form_of frmHudWindow)"
read -r left top width height <<<"$(form_of frmHudWindow)"
drag $((left + width - 6)) $((top + height - 6)) $((left + width + 24)) $((top + height + 14))
wait_for 10 becomes "$left $top 270 220" form_of frmHudWindow || fail "the grip resized the HUD window to $(form_of frmHudWindow)"
drag $((left + 11)) $((top + 11)) $((left + 80)) $((top + 60))
sleep 0.5
! logged "closed frmHudWindow" || fail "a release off the close button closed the window"
click $((left + 11)) $((top + 11))
wait_for 5 logged "closed frmHudWindow" || fail "the close button does not close the HUD window"

# --- The gallery's own close button ends it -------------------------------------------------------
close_gallery frmGallery
echo "gallery checks passed"
