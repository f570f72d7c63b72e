#!/usr/bin/env bash
# A memo holding 10,000 lines (about 600 KB): setting the text, a keystroke in the middle and a
# Page Down, each to the end of its repaint, against the 33 ms animation tick.
# Run after a build:  bench/memo.sh [BUILD_DIR]   (default: the build whose programs run here)
# Not a CTest test: the numbers depend on the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/cmake/arch.sh"
build=$(cd "${1:-$root/$(kest_build_dir "$(kest_arch)")}" && pwd)
prefix=$build/wineprefix
bench_exe=$build/bench/memo_bench.exe
[ -f "$bench_exe" ] || { echo "missing $bench_exe: build first (./build.sh)" >&2; exit 1; }
"$root/cmake/test-env.sh" start "$prefix" >/dev/null
trap '"$root/cmake/test-env.sh" stop "$prefix" >/dev/null' EXIT
"$root/cmake/wine-run.sh" "$prefix" "$bench_exe" | tr -d '\r'
