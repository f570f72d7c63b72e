#!/usr/bin/env bash
# The update message window's costs: loading the default style (mean of 20 loads) and creating
# TfrmMsg from its form resource once, each the median over RUNS fresh processes; then the time from process start to the window on screen for
# up.exe (beside a stand-in kest.exe at 1.0.0.0, against a local update service offering 1.0.1.0;
# seen when the screen shows the "暂不更新" button's fill) against the bare layered-window program
# (its own report), run alternately in the same run (median of RUNS each, default 15), and their ratio.
# Run after a build:  bench/update_window.sh [BUILD_DIR] [RUNS]   (default: build, 15)
# Not a CTest test: the numbers depend on the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/cmake/arch.sh"
build=$(cd "${1:-$root/$(kest_build_dir "$(kest_arch)")}" && pwd)
runs=${2:-15}
prefix=$build/wineprefix
bench_exe=$build/bench/update_window_bench.exe
bare_exe=$build/bench/bare_layered_bench.exe
tools=$build/dist/tools
for exe in "$bench_exe" "$bare_exe" "$build/dist/up.exe" "$tools/setconfig.exe"; do
  [ -f "$exe" ] || { echo "missing $exe: build first (./build.sh)" >&2; exit 1; }
done
work=$(mktemp -d)
"$root/cmake/test-env.sh" start "$prefix" >/dev/null
trap '"$root/cmake/test-env.sh" stop "$prefix" >/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$(cat "$prefix.display")
wine_run() { "$root/cmake/wine-run.sh" "$prefix" "$@" | tr -d '\r'; }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for _ in $(seq "$runs"); do wine_run "$bench_exe" load; done >"$work/load.txt"
echo "load the default style:                 $(sed -n 's/^style //p' "$work/load.txt" | median) ms" \
     "(mean of 20 loads, median of $runs processes)"
echo "create TfrmMsg from its form resource:  $(sed -n 's/^form //p' "$work/load.txt" | median) ms" \
     "(median of $runs processes)"

cp "$build/dist/up.exe" "$tools/standin/kest.exe" "$work/"
wine_run "$tools/setversion.exe" "$work/kest.exe" 1.0.0.0
printf '%s' '{"version":"1.0.1.0","file":"http://127.0.0.1/kest_setup.exe","info":"Kest 1.0.1.0:\n1. Faster page loading\n2. Safer downloads"}' >"$work/update.json"
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
# The "暂不更新" button of the centred window, 4 pixels into its fill.
probe_x=$(( (screen_width - 474) / 2 + 168 )) probe_y=$(( (screen_height - 408) / 2 + 329 ))
export root prefix work bench_exe bare_exe tools runs probe_x probe_y
"$root/tests/up/with_update_server.sh" --body-file "$work/update.json" -- bash -c '
  set -euo pipefail
  wine_run() { "$root/cmake/wine-run.sh" "$prefix" "$@" | tr -d "\r"; }
  median() { sort -n | awk "{ v[NR] = \$1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }"; }
  wine_run "$tools/setconfig.exe" "$work/up.exe" "UpdateHost=127.0.0.1:$KEST_UPDATE_PORT"
  up_exe="Z:${work//\//\\}\\up.exe"
  on_screen() { "$@" | sed -n "s/^on-screen //p"; }
  on_screen wine_run "$bare_exe" >/dev/null  # a warm server for both
  up_times=() bare_times=()
  for _ in $(seq "$runs"); do
    up_times+=("$(on_screen wine_run "$bench_exe" start "$up_exe" "$probe_x" "$probe_y" BEBEBE)")
    bare_times+=("$(on_screen wine_run "$bare_exe")")
  done
  up_ms=$(printf "%s\n" "${up_times[@]}" | median)
  bare_ms=$(printf "%s\n" "${bare_times[@]}" | median)
  echo "process start to layered window on screen (median of $runs):"
  echo "  up.exe (update check and message window): $up_ms ms"
  echo "  bare Win32 layered window:                $bare_ms ms"
  awk -v u="$up_ms" -v b="$bare_ms" "BEGIN { printf \"  ratio:                                    %.2f\n\", u / b }"'
