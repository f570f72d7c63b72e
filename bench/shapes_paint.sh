#!/usr/bin/env bash
# Full repaints of a 474 x 408 layered scene built from the toolkit's shapes, texts and image (the
# update window's layout), with the soft shadow drawn from its cache and blurred anew each pass,
# reported in milliseconds and against the 33 ms animation tick.
# Run after a build:  bench/shapes_paint.sh [BUILD_DIR]   (default: the build whose programs run here)
# Not a CTest test: the numbers depend on the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/cmake/arch.sh"
build=$(cd "${1:-$root/$(kest_build_dir "$(kest_arch)")}" && pwd)
prefix=$build/wineprefix
bench_exe=$build/bench/shapes_paint_bench.exe
[ -f "$bench_exe" ] || { echo "missing $bench_exe: build first (./build.sh)" >&2; exit 1; }
"$root/cmake/test-env.sh" start "$prefix" >/dev/null
trap '"$root/cmake/test-env.sh" stop "$prefix" >/dev/null' EXIT
export DISPLAY=$(cat "$prefix.display")
"$root/cmake/wine-run.sh" "$prefix" "$bench_exe" | tr -d '\r'
