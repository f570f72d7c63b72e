#!/usr/bin/env bash
# Time from process start to a 474 x 408 layered window on screen: the toolkit program (a scene
# with about 10 shapes and texts) against a bare Win32 program that shows a layered window of the
# same size, run alternately in the same run (median of RUNS each, default 15), and their ratio;
# then the repaint time of a small invalidation and of a full repaint of that scene, each split
# into its parts, and the small invalidation against the bare program's update of the whole
# window (the floor: what any change costs a layered window of this size here).
# Run after a build:  bench/layered_window.sh [BUILD_DIR] [RUNS]   (default: build, 15)
# Not a CTest test: the numbers depend on the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/cmake/arch.sh"
build=$(cd "${1:-$root/$(kest_build_dir "$(kest_arch)")}" && pwd)
runs=${2:-15}
prefix=$build/wineprefix
scene_exe=$build/bench/layered_scene_bench.exe
bare_exe=$build/bench/bare_layered_bench.exe
for exe in "$scene_exe" "$bare_exe"; do
  [ -f "$exe" ] || { echo "missing $exe: build first (./build.sh)" >&2; exit 1; }
done
"$root/cmake/test-env.sh" start "$prefix" >/dev/null
trap '"$root/cmake/test-env.sh" stop "$prefix" >/dev/null' EXIT
export DISPLAY=$(cat "$prefix.display")
run() { "$root/cmake/wine-run.sh" "$prefix" "$@" | tr -d '\r' | sed -n 's/^on-screen //p'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

run "$bare_exe" >/dev/null  # a warm server for both
scene_times=() bare_times=()
for _ in $(seq "$runs"); do
  scene_times+=("$(run "$scene_exe" startup)")
  bare_times+=("$(run "$bare_exe")")
done
scene_ms=$(printf '%s\n' "${scene_times[@]}" | median)
bare_ms=$(printf '%s\n' "${bare_times[@]}" | median)
echo "process start to layered window on screen (median of $runs):"
echo "  toolkit scene: $scene_ms ms"
echo "  bare Win32:    $bare_ms ms"
awk -v s="$scene_ms" -v b="$bare_ms" 'BEGIN { printf "  ratio:         %.2f\n", s / b }'
bare_update() { "$root/cmake/wine-run.sh" "$prefix" "$bare_exe" update | tr -d '\r' | sed -n 's/^update //p'; }
read -r floor_before _ < <(bare_update)
scene_report=$("$root/cmake/wine-run.sh" "$prefix" "$scene_exe" repaint | tr -d '\r')
read -r floor_after _ < <(bare_update)
floor_ms=$(awk -v a="$floor_before" -v b="$floor_after" 'BEGIN { printf "%.3f", (a + b) / 2 }')
echo "$scene_report"
echo "bare Win32 update of the whole window (UpdateLayeredWindow, before and after): $floor_ms ms"
small_ms=$(echo "$scene_report" | sed -n 's/^small invalidation.*: mean \([0-9.]*\) ms.*/\1/p')
awk -v s="$small_ms" -v f="$floor_ms" 'BEGIN { printf "small invalidation / bare update: %.2f (goal: at most 1.5)\n", s / f }'
