#!/usr/bin/env bash
# Drives the path designer with real input (xdotool) under Xvfb: typed path text redraws the
# preview at every key while the memo keeps the focus (its pixels change), Cancel leaves the path
# as it was, Paste replaces the whole text by the clipboard's and OK sets the path from it. The
# screenshots stay in SHOT_DIR.
# Usage: path_designer_test.sh WINEPREFIX DEMO_EXE PROBE_EXE SHOT_DIR WINE_RUN...
set -euo pipefail
. "$(dirname "$0")/../gallery/gallery_helpers.sh"

start_designer() {
  start_gallery "$1"
  sleep 0.5
}
shot() {
  local left top
  read -r left top _ <<<"$(rect_of Root1)"
  import -window root -crop 702x530+$((left - 10))+$((top - 30)) "$shot_dir/$1.png"
}
previews() { output | grep -c '^preview ' || true; }
last_preview() { output | grep '^preview ' | tail -n 1 | cut -d' ' -f2-; }
path_line() { output | grep '^path ' | tail -n 1 | cut -d' ' -f2-; }
fill=3D8EDB

# --- Typing redraws the preview; Cancel keeps the path ---------------------------------------------
start_designer "M 0 0 L 10 0 L 10 10 Z"
shot path_designer_start
# A triangle over the upper right half: the lower left quarter of the preview is empty.
read -r pl pt pw ph <<<"$(rect_of previewPath)"
lower_left="$((pl + pw / 5)) $((pt + ph * 4 / 5))"
[ "$(pixel $lower_left)" != "$fill" ] || fail "the preview's lower left is filled before the edit"
click $(middle PathData)
keys ctrl+a BackSpace
before=$(previews)
typed "M 0 0 L 100 0 L 100 100 L 0 100 Z"
# Each key redraws at once: many previews while the memo still has the focus.
[ $(($(previews) - before)) -ge 10 ] || fail "typing redrew the preview $(($(previews) - before)) times"
square_filled() { [ "$(pixel $lower_left)" = "$fill" ]; }
wait_for 10 square_filled || fail "the typed square does not fill the preview: $(pixel $lower_left)"
shot path_designer_typed
click $(middle Button3)
ended_with Cancel
initial=$(output | grep '^preview ' | head -n 1 | cut -d' ' -f2-)
[ "$(path_line)" = "$initial" ] || fail "Cancel changed the path to \"$(path_line)\" from \"$initial\""

# --- Paste replaces the whole text; OK sets the path -------------------------------------------------
start_designer "M 0 0 L 10 0 L 10 10 Z"
"${wine_run[@]}" "$probe" setclipboard "M 0 0 L 100 0 L 0 100 Z" || fail "the clipboard could not be set"
click $(middle PathData)
key End
click $(middle Button1)
pasted() { [ "$(last_preview)" != "$initial" ] && [ -n "$(last_preview)" ]; }
wait_for 10 pasted || fail "Paste did not change the preview"
# The pasted triangle covers the upper left, the old one the upper right: the lower right stays empty.
lower_right="$((pl + pw * 4 / 5)) $((pt + ph * 4 / 5))"
upper_left="$((pl + pw / 5)) $((pt + ph / 5))"
wait_for 10 becomes "$fill" pixel $upper_left || fail "the pasted path is not drawn"
[ "$(pixel $lower_right)" != "$fill" ] || fail "the pasted path was added to the old one, not put in its place"
shot path_designer_pasted
pasted_path=$(last_preview)
click $(middle Button2)
ended_with OK
[ "$(path_line)" = "$pasted_path" ] || fail "OK set \"$(path_line)\", not the pasted \"$pasted_path\""
echo "PASS"
