#!/usr/bin/env bash
# A grid of 1,000 (and 100,000) rows x 10 columns: scrolling by a row and by a page and starting an
# edit, each to the end of its repaint, against the 33 ms animation tick; cells made and memory per cell.
# Run after a build:  bench/grid.sh [BUILD_DIR]   (default: the build whose programs run here)
# Not a CTest test: the numbers depend on the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/cmake/arch.sh"
build=$(cd "${1:-$root/$(kest_build_dir "$(kest_arch)")}" && pwd)
prefix=$build/wineprefix
bench_exe=$build/bench/grid_bench.exe
[ -f "$bench_exe" ] || { echo "missing $bench_exe: build first (./build.sh)" >&2; exit 1; }
"$root/cmake/test-env.sh" start "$prefix" >/dev/null
trap '"$root/cmake/test-env.sh" stop "$prefix" >/dev/null' EXIT
"$root/cmake/wine-run.sh" "$prefix" "$bench_exe" | tr -d '\r'
