#!/usr/bin/env bash
# Runs the real up.exe beside a stand-in kest.exe at 1.0.0.0, against a local update service that
# offers 1.0.1.0 with notes of several lines, and works its message window with real input (xdotool).
#   update   the window as it appears (screenshot pixels), the hover animation of "立即更新", and a
#            click on it: the window hides, the installer is downloaded to the first temporary name
#            and started with /VERYSILENT, up ends
#   decline  with 20 MB of notes: the notes stay inside their box, filling it; "暂不更新" ends up
#            and leaves the temporary folder empty
#   failed   the installer cannot be fetched: the window comes back and nothing is started;
#            "暂不更新" then ends up
#   stalled  the installer's server sends half of it and then nothing: after the stall limit
#            (shortened from the shipped 60 s) the window comes back as for a failed download
# Usage: up_window_test.sh CASE UP_EXE TOOLS_DIR SHOT_DIR WINEPREFIX WINE_RUN...
set -euo pipefail
case_name=$1 up=$2 tools=$3 shot_dir=$4 prefix=$5; shift 5
wine_run=("$@")
here=$(dirname "$(readlink -f "$0")")
window_tool=$tools/update_window.exe
fail() { echo "FAIL ($case_name): $*" >&2; exit 1; }
command -v xdotool >/dev/null || fail "xdotool is not installed"
command -v import >/dev/null || fail "import (imagemagick) is not installed"
[ -s "$prefix.display" ] || fail "no Xvfb display for $prefix"
export DISPLAY=$(cat "$prefix.display")

work=$(mktemp -d)
up_pid=
cleanup() {
  if [ -n "$up_pid" ] && kill -0 "$up_pid" 2>/dev/null; then
    "${wine_run[@]}" "$window_tool" close "$(windows_path "$work/app/up.exe")" >/dev/null 2>&1 || true
    sleep 1
    kill "$up_pid" 2>/dev/null || true
  fi
  touch "$work/installer.stop" "$work/document.stop"
  sleep 0.3
  rm -rf "$work"
}
trap cleanup EXIT
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
tool() { "${wine_run[@]}" "$window_tool" "$@" | tr -d '\r'; }
# The same for up's own window.
up_window() { local command=$1; shift; tool "$command" "$(windows_path "$work/app/up.exe")" "$@"; }

# An update server in the background until NAME.stop appears (options as update_server.js takes
# them); prints its HTTP port.
start_server() {  # NAME OPTIONS...
  local name=$1; shift
  "$here/with_update_server.sh" "$@" -- bash -c \
    'echo "$KEST_UPDATE_PORT" >"$0.port"; for _ in $(seq 3000); do [ -e "$0.stop" ] && exit 0; sleep 0.1; done' \
    "$work/$name" >"$work/$name.log" 2>&1 &
  for _ in $(seq 300); do [ -s "$work/$name.port" ] && break; sleep 0.1; done
  [ -s "$work/$name.port" ] || fail "the $name server did not start: $(cat "$work/$name.log")"
  cat "$work/$name.port"
}
free_port() {
  node -e 'const s = require("net").createServer().listen(0, "127.0.0.1", () => { console.log(s.address().port); s.close(); })'
}

# --- The program beside its browser, its temporary folder, the servers ---------------------------
mkdir "$work/app" "$work/tmp"
cp "$up" "$work/app/up.exe"
cp "$tools/standin/kest.exe" "$work/app/kest.exe"
"${wine_run[@]}" "$tools/setversion.exe" "$work/app/kest.exe" 1.0.0.0
if [ "$case_name" = failed ]; then installer_port=$(free_port)
else installer_port=$(start_server installer --file "$tools/standin/installer.exe"); fi
# Three lines and one long enough to wrap in the notes' 379-pixel box.
notes='修复了若干问题。\n提升了网页加载速度。\n新增下载管理功能。\nKest 1.0.1.0 brings faster page loading, safer downloads and a smaller memory use on every page.'
installer_path=/installer.exe config=()
[ "$case_name" = stalled ] && installer_path=/stall/2000000 config=(DownloadTimeoutMs=2000)
printf '{"version":"1.0.1.0","file":"http://127.0.0.1:%s%s","info":"%s"}' \
  "$installer_port" "$installer_path" "$notes" >"$work/update.json"
if [ "$case_name" = decline ]; then  # the notes 100,000 times over: 19 MB
  node -e 'const fs = require("fs"); const d = JSON.parse(fs.readFileSync(process.argv[1], "utf8"));
    d.info = (d.info + "\n").repeat(100000); fs.writeFileSync(process.argv[1], JSON.stringify(d));' "$work/update.json"
fi
document_port=$(start_server document --body-file "$work/update.json")
"${wine_run[@]}" "$tools/setconfig.exe" "$work/app/up.exe" "UpdateHost=127.0.0.1:$document_port" "${config[@]}"

# --- up.exe with its own temporary folder ----------------------------------------------------------
xdotool mousemove 0 0
import -window root "$work/before.png"
"${wine_run[@]}" cmd.exe /c "set TMP=$(windows_path "$work/tmp")&& $(windows_path "$work/app/up.exe")" \
  >"$work/up.log" 2>&1 &
up_pid=$!
shown=$(up_window shown 60000) || fail "the window did not appear: $(cat "$work/up.log")"
read -r _ left top width height <<<"$shown"
[ "$width x $height" = "474 x 408" ] || fail "the window is $width x $height, not 474 x 408"
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
for pair in "$left:$(( (screen_width - 474) / 2 ))" "$top:$(( (screen_height - 408) / 2 ))"; do
  d=$(( ${pair%:*} - ${pair#*:} ))
  [ "${d#-}" -le 1 ] || fail "the window at ($left,$top) is not centred on the $screen_width x $screen_height screen"
done
# Window coordinates: the card fills (10,10)-(464,398); the buttons lie at (296,325) and (164,325).
at() { echo "$((left + $1)) $((top + $2))"; }  # screen coordinates
button1=(296 325) button2=(164 325)
# At rest "立即更新" shows its style's own colour.
tool until $(at $((button1[0] + 4)) $((button1[1] + 4))) 337AB7 20000 || fail "the window was not painted"
ended() { ! kill -0 "$up_pid" 2>/dev/null; }
wait_up() {  # ends up's run and checks its exit code
  for _ in $(seq 300); do ended && break; sleep 0.1; done
  ended || fail "up did not end"
  local status=0
  wait "$up_pid" || status=$?
  up_pid=
  [ "$status" = 0 ] || fail "up ended with exit code $status: $(cat "$work/up.log")"
}
click() {  # X Y in window coordinates
  xdotool mousemove $(at "$1" "$2")
  sleep 0.3
  xdotool click 1
}

# --- What the window shows --------------------------------------------------------------------------
# Measures SHOT at window coordinates: the queries of shot.js with X,Y (and W,H) relative to the window.
measure() {  # SHOT QUERY...
  local shot=$1 query name args x y rest; shift
  local queries=()
  for query in "$@"; do
    name=${query%%:*} args=${query#*:}
    IFS=, read -r x y rest <<<"$args"
    queries+=("$name:$((left + x)),$((top + y))${rest:+,$rest}")
  done
  node "$here/shot.js" "$shot" "${queries[@]}"
}
check_picture() {
  sleep 0.3
  import -window root "$work/shot.png"
  cp "$work/shot.png" "$shot_dir/up_window.png"
  local margin=(at:5,5 at:237,3 at:470,200 at:237,404 at:2,405 at:9,200) beneath shown i
  mapfile -t beneath < <(measure "$work/before.png" "${margin[@]}")
  mapfile -t shown < <(measure "$work/shot.png" "${margin[@]}")
  for i in "${!margin[@]}"; do
    [ "${shown[i]}" = "${beneath[i]}" ] ||
      fail "margin pixel ${margin[i]} is ${shown[i]}, the screen beneath shows ${beneath[i]}"
  done
  # The card's outline runs along each edge on the pixel inside the card or the one beyond, as GDI+
  # rounds: left, right, top, bottom.
  local edges=("at:10,200 at:11,200" "at:463,200 at:464,200" "at:237,10 at:237,11" "at:237,397 at:237,398") edge
  for edge in "${edges[@]}"; do
    measure "$work/shot.png" $edge | grep -qx 6C6C6C || fail "no 6C6C6C card outline at $edge"
  done
  local b1="${button1[0]},${button1[1]}" b2="${button2[0]},${button2[1]}"
  local got
  mapfile -t got < <(measure "$work/shot.png" at:20,200 at:440,380 \
    "at:$((button1[0] + 4)),$((button1[1] + 4))" "at:$((button2[0] + 4)),$((button2[1] + 4))" \
    "other:$b1,130,49,337AB7" "other:$b2,130,49,BEBEBE" \
    ink:141,58,182,50 bands:141,58,182,50 hues:47,47,72,72 \
    bands:47,148,379,156 firstink:47,148,379,156 ink:426,148,30,160)
  [ "${got[0]} ${got[1]}" = "FFFFFF FFFFFF" ] || fail "the card is ${got[0]} ${got[1]}, not white"
  [ "${got[2]}" = 337AB7 ] || fail "\"立即更新\" is filled ${got[2]}, not 337AB7"
  [ "${got[3]}" = BEBEBE ] || fail "\"暂不更新\" is filled ${got[3]}, not BEBEBE"
  [ "${got[4]}" -gt 150 ] || fail "\"立即更新\" shows no caption (${got[4]} other pixels)"
  [ "${got[5]}" -gt 150 ] || fail "\"暂不更新\" shows no caption (${got[5]} other pixels)"
  [ "${got[6]}" -gt 500 ] && [ "${got[7]}" = 1 ] || fail "no one-line bold title (${got[6]} dark pixels, ${got[7]} lines)"
  read -r blue orange <<<"${got[8]}"
  [ "$blue" -gt 1000 ] && [ "$orange" -gt 150 ] || fail "no product image ($blue blue, $orange orange pixels)"
  [ "${got[9]}" -ge 5 ] || fail "the notes show ${got[9]} lines, expected 3 and a wrapped one (5 or more)"
  read -r dx dy <<<"${got[10]}"
  [ "$dx" -le 5 ] && [ "$dy" -le 6 ] || fail "the notes do not start at the top left of their box ($dx, $dy)"
  [ "${got[11]}" = 0 ] || fail "the notes run out of their box (${got[11]} dark pixels to its right)"
}

# Colours of "立即更新" while the pointer moves onto it and away again. Entering runs the fill from
# 2E6DA4 to 337AB7 in 0.2 s (from rest at 337AB7, or at 2E6DA4 after an earlier round); leaving
# runs it back to 2E6DA4; each shows a colour between the two on the way. The pointer moves once
# the sampler reads the screen. A round that another program's window spoils (the display is
# shared), or that the loaded machine paints in fewer steps, is tried again.
sample() {  # FILE: the probe's colours for 2.5 s, in the background; returns at the first sample
  local probe=$(at $((button1[0] + 4)) $((button1[1] + 4)))
  "${wine_run[@]}" "$window_tool" sample "$(windows_path "$work/app/up.exe")" $probe 2500 >"$1" &
  sampler=$!
  for _ in $(seq 400); do [ -s "$1" ] && return; sleep 0.05; done
}
hover_round() {  # REST: the fill before the pointer comes
  local sampler
  sample "$work/enter.txt"
  xdotool mousemove $(at $((button1[0] + 65)) $((button1[1] + 40)))
  wait "$sampler"
  sample "$work/leave.txt"
  xdotool mousemove $(at 230 40)
  wait "$sampler"
  node -e '
    const fs = require("fs");
    const read = (f) => fs.readFileSync(f, "utf8").trim().split("\n").map((l) => l.trim().split(" ")[1]);
    const channels = (c) => [0, 2, 4].map((i) => parseInt(c.substr(i, 2), 16));
    const between = (c) => channels(c).every((v, i) => v >= channels("2E6DA4")[i] && v <= channels("337AB7")[i]);
    const check = (name, seen, first, last) => {
      if (seen.includes("covered")) process.exit(1);
      const problem =
        seen[0] !== first ? `starts at ${seen[0]}, not ${first}` :
        seen[seen.length - 1] !== last ? `ends at ${seen[seen.length - 1]}, not ${last}` :
        !seen.every(between) ? `leaves the animation range: ${seen.join(" ")}` :
        !seen.some((c) => c !== "2E6DA4" && c !== "337AB7") ? `changes in no steps: ${seen.join(" ")}` : "";
      if (problem) { console.log(`${name}: the fill ${problem}`); process.exit(1); }
    };
    check("entering", read(process.argv[1]), process.argv[3], "337AB7");
    check("leaving", read(process.argv[2]), "337AB7", "2E6DA4");
  ' "$work/enter.txt" "$work/leave.txt" "$1"
}
check_hover() {
  local round rest=337AB7
  for round in 1 2 3; do
    hover_round $rest && return 0
    rest=2E6DA4
  done
  cat "$work/enter.txt" "$work/leave.txt" >&2
  fail "hover animation of \"立即更新\""
}

case $case_name in
  update)
    check_picture
    check_hover
    click $((button1[0] + 65)) $((button1[1] + 25))
    up_window hidden 10000 >/dev/null || fail "the window did not hide"
    wait_up
    [ -f "$work/tmp/0.exe" ] || fail "no installer at the first temporary name: $(ls "$work/tmp")"
    cmp -s "$work/tmp/0.exe" "$tools/standin/installer.exe" || fail "the downloaded installer differs"
    for _ in $(seq 100); do [ -s "$work/tmp/0.exe.log" ] && break; sleep 0.1; done
    record=$(tr -d '\r' <"$work/tmp/0.exe.log" 2>/dev/null) || fail "the installer was not started"
    [[ $record == *'0.exe" /VERYSILENT' && $record == *" argc=1 "* ]] || fail "the installer was started as: $record"
    ;;
  decline)
    sleep 0.3
    import -window root "$work/shot.png"
    cp "$work/shot.png" "$shot_dir/up_window_long.png"
    # The notes' box: (47,148) to (426,304); the buttons begin 21 rows below it.
    mapfile -t got < <(measure "$work/shot.png" bands:47,148,379,156 ink:47,264,379,40 ink:47,305,379,19)
    [ "${got[0]}" -ge 10 ] && [ "${got[0]}" -le 12 ] || fail "the long notes show ${got[0]} lines, not their box's 10 to 12"
    [ "${got[1]}" -gt 100 ] || fail "the long notes do not fill their box to its bottom (${got[1]} dark pixels)"
    [ "${got[2]}" = 0 ] || fail "the long notes run out of their box (${got[2]} dark pixels below it)"
    click $((button2[0] + 65)) $((button2[1] + 25))
    wait_up
    [ -z "$(ls -A "$work/tmp")" ] || fail "declining left files: $(ls -A "$work/tmp")"
    ;;
  failed)
    click $((button1[0] + 65)) $((button1[1] + 25))
    up_window hidden 10000 >/dev/null || fail "the window did not hide"
    up_window shown 20000 >/dev/null || fail "the window did not come back after the failed download"
    tool until $(at $((button2[0] + 4)) $((button2[1] + 4))) BEBEBE 5000 || fail "the window came back unpainted"
    sleep 1
    [ ! -e "$work/tmp/0.exe.log" ] || fail "something was started: $(cat "$work/tmp/0.exe.log")"
    [ -f "$work/tmp/0.exe" ] && [ ! -s "$work/tmp/0.exe" ] || fail "the failed download did not leave an empty file"
    click $((button2[0] + 65)) $((button2[1] + 25))
    wait_up
    ;;
  stalled)
    click $((button1[0] + 65)) $((button1[1] + 25))
    up_window hidden 10000 >/dev/null || fail "the window did not hide"
    up_window shown 20000 >/dev/null || fail "the window did not come back after the stalled download"
    tool until $(at $((button2[0] + 4)) $((button2[1] + 4))) BEBEBE 5000 || fail "the window came back unpainted"
    sleep 1
    [ ! -e "$work/tmp/0.exe.log" ] || fail "something was started: $(cat "$work/tmp/0.exe.log")"
    size=$(stat -c %s "$work/tmp/0.exe" 2>/dev/null || echo none)
    [ "$size" != none ] && [ "$size" -gt 0 ] && [ "$size" -lt 2000000 ] ||
      fail "the stalled download did not leave its part ($size bytes)"
    click $((button2[0] + 65)) $((button2[1] + 25))
    wait_up
    ;;
  *) fail "unknown case" ;;
esac
echo "ok ($case_name)"
