#!/usr/bin/env bash
# Drives the gallery's text page with real input (xdotool) under Xvfb: text boxes (typing, caret
# moves, mouse selection, the real clipboard read by a second program, the input method, the
# context menu, password, length limit, read-only, clear button), number and spin boxes (limits,
# keys, the wheel, dragging, the repeating spin button) and memos (typing, word wrap, scrolling to
# the caret, undo, the clipboard). The screenshots stay in SHOT_DIR.
# Usage: gallery_text_test.sh WINEPREFIX GALLERY_EXE PROBE_EXE SHOT_DIR WINE_RUN...
set -euo pipefail
. "$(dirname "$0")/gallery_helpers.sh"

# --- The page as it appears ---------------------------------------------------------------------
start_gallery text
[ "$(form_of frmGalleryText)" = "10 10 1000 384" ] ||
  fail "the text page is not at (10,10) with 1000 x 384: $(form_of frmGalleryText)"
# (The window shows light grey before its first paint.)
dark_column_painted() { [ "$(pixel $(point DarkColumn 4 300))" = 363636 ]; }
wait_for 30 dark_column_painted || fail "the dark column is not painted"
sleep 1
import -window root -crop 1010x394+0+0 "$shot_dir/gallery_text.png"

# --- Text boxes: typing, caret moves, selection, the real clipboard, the context menu --------------

click $(point DarkTextBox 30 11)
typed "abc"
expect_text DarkTextBox "abc" "typing into the box its first click selected whole"
keys Home
typed "X"
keys End Left
typed "Y"
expect_text DarkTextBox "XabYc" "Home, End and Left between typed characters"
keys ctrl+a
typed "one two three"
keys ctrl+Left
typed "_"
expect_text DarkTextBox "one two _three" "Ctrl+Left"
keys Home ctrl+Right
typed "-"
expect_text DarkTextBox "one -two _three" "Ctrl+Right"
keys End shift+Left shift+Left shift+Left ctrl+c
expect_clipboard "ree" "Shift+Left three times and Ctrl+C"
keys ctrl+x
expect_text DarkTextBox "one -two _th" "Ctrl+X"
expect_clipboard "ree" "Ctrl+X"
keys Home ctrl+v
expect_text DarkTextBox "reeone -two _th" "Ctrl+V at the start"
"${wine_run[@]}" "$probe" setclipboard "from another program"
keys ctrl+a shift+Insert
expect_text DarkTextBox "from another program" "Shift+Insert of another program's text"
keys ctrl+a BackSpace
expect_text DarkTextBox "" "BackSpace over the whole selection"
keys BackSpace Delete
typed "alpha beta"
expect_text DarkTextBox "alpha beta" "typing"
# The mouse: a drag from the first character to past the end selects it all; a double click
# on the second word selects that word.
read -r left top width height <<<"$(rect_of DarkTextBox)"
drag $((left + 4)) $((top + 11)) $((left + width + 20)) $((top + 11))
keys ctrl+c
expect_clipboard "alpha beta" "dragging across the text and Ctrl+C"
move $((left + 48)) $((top + 11))
xdotool click --repeat 2 --delay 80 1; sleep 0.4
keys ctrl+c
expect_clipboard "beta" "a double click on the second word"
# Chinese through the input method: the composition window opens at the caret, the result is typed.
keys End
"${wine_run[@]}" "$probe" compose || fail "no gallery scene for the input method"
expect_text DarkTextBox "alpha beta中文" "a finished composition"
read -r ime_x ime_y <<<"$(output | grep '^ime at ' | tail -n 1 | cut -d' ' -f3-)"
[ "${ime_x:-0}" -gt $((left + 40)) ] && [ "$ime_x" -lt $((left + width)) ] && [ "$ime_y" -ge "$top" ] &&
  [ "$ime_y" -lt $((top + height)) ] || fail "the composition window opened at $ime_x,$ime_y, not at the caret"
keys ctrl+a ctrl+c
expect_clipboard "alpha beta中文" "copying Chinese text"

# The context menu: five items of equal height where the right click was.
menu_item() {  # BOX INDEX: right-clicks the box and chooses the item
  local x y menu h
  read -r x y <<<"$(point "$1" 30 11)"
  move "$x" "$y"; xdotool click 3; sleep 0.6
  wait_for 10 window_at "$x" "$y" >/dev/null || fail "no context menu at ($x,$y) over $1"
  menu=$(window_at "$x" "$y")
  h=$(xdotool getwindowgeometry "$menu" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
  [ -z "$menu_shot" ] && { import -window root -crop 140x$((h + 4))+$((x - 2))+$((y - 2)) "$shot_dir/gallery_textbox_menu.png"; menu_shot=1; }
  click $((x + 30)) $((y + h * $2 / 5 + h / 10))
}
menu_shot=
menu_item DarkTextBox 4
menu_item DarkTextBox 1
expect_clipboard "alpha beta中文" "the menu's Select All and Copy"
menu_item DarkTextBox 3
expect_text DarkTextBox "" "the menu's Delete"
menu_item DarkTextBox 2
expect_text DarkTextBox "alpha beta中文" "the menu's Paste"
keys ctrl+a
menu_item DarkTextBox 0
expect_text DarkTextBox "" "the menu's Cut"
expect_clipboard "alpha beta中文" "the menu's Cut"

# Password mode shows one dot per character and keeps the text off the clipboard.
read -r left top width height <<<"$(rect_of DarkPasswordBox)"
dots=0 was=0
while read -r c; do
  lit=$(( 16#${c:0:2} > 150 ))
  [ "$lit" = 1 ] && [ "$was" = 0 ] && dots=$((dots + 1))
  was=$lit
done < <(import -window root -crop 60x1+$((left + 3))+$((top + 11)) -depth 8 txt:- |
         sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p')
[ "$dots" = 6 ] || fail "the password box of \"secret\" shows $dots dots, not 6"
click $((left + 30)) $((top + 11))
keys ctrl+c ctrl+x
expect_clipboard "alpha beta中文" "Ctrl+C and Ctrl+X in the password box"
typed "pw"
expect_text DarkPasswordBox "pw" "typing a password"
# The length limit of 8, and read-only.
click $(point DarkMaxLengthBox 30 11)
typed "123456789"
expect_text DarkMaxLengthBox "12345678" "typing past MaxLength 8"
click $(point DarkReadOnlyBox 30 11)
typed "zz"
keys BackSpace ctrl+x ctrl+v
sleep 0.5
! output | grep -q "^change DarkReadOnlyBox " || fail "the read-only box changed"
keys ctrl+a ctrl+c
expect_clipboard "Read only" "copying from the read-only box"
# The clear button empties its box.
read -r left top width height <<<"$(rect_of DarkClearTextBox)"
click $((left + width - 11)) $((top + 11))
expect_text DarkClearTextBox "" "the clear button"
import -window root -crop 1000x90+10+58 "$shot_dir/gallery_textboxes.png"

# --- Number and spin boxes -----------------------------------------------------------------------
# Typed values meet Max and Min on Return; letters do not go in; Up, the wheel and a drag step.
# (Ctrl+A's letter does not pass a number box's filter: Shift+Home selects instead.)
click $(point DarkNumberBox 50 11)
keys End shift+Home
typed "2x5"
keys Return
expect DarkNumberBox 25 "typing 2x5 and Return"
keys End shift+Home
typed "250"
keys Return
expect DarkNumberBox 100 "typing 250 over Max 100"
keys End shift+Home
typed "-5"
keys Return
expect DarkNumberBox 0 "typing -5 under Min 0"
keys Up Up Up Return
expect DarkNumberBox 3 "Up three times and Return"
move $(point DarkNumberBox 50 11)
xdotool click 4; sleep 0.4
expect DarkNumberBox 4 "the wheel up"
read -r x y <<<"$(point DarkNumberBox 30 11)"
drag "$x" "$y" $((x + 40)) "$y"
# One step per move that arrives (the display may merge moves): at least one, never a fraction.
dragged() { local v; v=$(value_of DarkNumberBox); [[ "$v" =~ ^[0-9]+$ ]] && [ "$v" -gt 4 ] && [ "$v" -le 8 ]; }
wait_for 10 dragged || fail "a drag to the right gives $(value_of DarkNumberBox), not a step or more up from 4"
move $(point DarkFloatNumberBox 50 11)
xdotool click 5; sleep 0.4
expect DarkFloatNumberBox 2.25 "the wheel down on a float box stepping by 0.25"
# The spin box's plus button repeats while held; its minus button stops at Min.
read -r left top width height <<<"$(rect_of DarkSpinBox)"
move $((left + width - 10)) $((top + 11))
xdotool mousedown 1; sleep 3; xdotool mouseup 1; sleep 0.5
held=$(value_of DarkSpinBox)
[ "${held:-0}" -ge 3 ] || fail "holding the plus button stepped to ${held:-nothing}, not on and on"
[ "$(count 'change DarkSpinBox Value=.*')" = "$held" ] || fail "each repeated step is reported once"
click $((left + 10)) $((top + 11))
expect DarkSpinBox $((held - 1)) "the minus button"
read -r left top width height <<<"$(rect_of DarkFloatSpinBox)"
click $((left + 10)) $((top + 11))
expect DarkFloatSpinBox 0.4 "the minus button of a float box stepping by 0.1"
import -window root -crop 1000x64+10+146 "$shot_dir/gallery_numbers.png"


# --- Memos: typing, word wrap, scrolling to the caret, undo, the clipboard ------------------------
# The number of colours in a strip of a memo's display line LINE: text brings antialiased ink, an
# empty line only the background's gradient.
memo_line_colours() {
  local left top _
  read -r left top _ <<<"$(rect_of "$1")"
  import -window root -crop 440x8+$((left + 6))+$((top + 3 + 14 * $2 + 3)) -format %k info:
}
inked_line() { [ "$(memo_line_colours "$1" "$2")" -gt 12 ]; }
blank_line() { [ "$(memo_line_colours "$1" "$2")" -le 12 ]; }
words="the quick brown fox jumps over the lazy dog and keeps on running far beyond the edge of the memo"
for memo in DarkMemo HudMemo; do
  click $(point $memo 40 10)
  xdotool type --delay 20 "hello world"; sleep 0.3
  key Return
  xdotool type --delay 20 "$words"; sleep 0.3
  expect_text $memo "hello world\\r\\n$words" "typing into $memo"
done
# The HUD memo wraps the long line onto a third display line; the dark one keeps it on one.
wait_for 5 inked_line HudMemo 2 || fail "the word-wrapping memo shows nothing on its third line"
wait_for 5 blank_line DarkMemo 2 || fail "the memo without word wrap broke its long line"

# Ten more lines push the caret below the dark memo's view: it scrolls, and the first line leaves.
click $(point DarkMemo 40 10)
key ctrl+End
for i in 1 2 3 4 5 6 7 8 9 10; do xdotool key Return; done
sleep 0.5
xdotool type --delay 20 "bottom"; sleep 0.3
wait_for 5 blank_line DarkMemo 0 || fail "the memo did not scroll to its caret"
key ctrl+Home
wait_for 5 inked_line DarkMemo 0 || fail "Ctrl+Home did not scroll back to the first line"
tail_lines="\\r\\n\\r\\n\\r\\n\\r\\n\\r\\n\\r\\n\\r\\n\\r\\n\\r\\n\\r\\nbottom"
expect_text DarkMemo "hello world\\r\\n$words$tail_lines" "Return and typing at the end"

# Typing at the start is one undo step, taken back by the context menu's "Undo".
xdotool type --delay 20 "new "; sleep 0.3
expect_text DarkMemo "new hello world\\r\\n$words$tail_lines" "typing at the start"
read -r x y <<<"$(point DarkMemo 200 20)"
move "$x" "$y"
xdotool click 3; sleep 0.5
key Down
key Return
expect_text DarkMemo "hello world\\r\\n$words$tail_lines" "the context menu's Undo"

# Copying the HUD memo's text is seen by another program, its lines ending in CR LF; what another
# program puts there pastes.
click $(point HudMemo 40 10)
keys ctrl+a ctrl+c
expect_clipboard "hello world\\r\\n$words" "Ctrl+A and Ctrl+C in the memo"
"${wine_run[@]}" "$probe" setclipboard "pasted" || fail "the probe could not set the clipboard"
keys ctrl+End ctrl+v
expect_text HudMemo "hello world\\r\\n${words}pasted" "pasting another program's text"
import -window root -crop 1010x150+0+210 "$shot_dir/gallery_memos.png"

# --- The gallery's own close button ends it -------------------------------------------------------
close_gallery frmGalleryText
echo "gallery text page checks passed"
