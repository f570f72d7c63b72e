#!/usr/bin/env bash
# Extended values to their text form and back (the object text converter's numbers), in
# microseconds per value over 2000 random values.
# Run after a build:  bench/float_text.sh [BUILD_DIR]   (default: the build whose programs run here)
# Not a CTest test: the numbers depend on the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/cmake/arch.sh"
build=$(cd "${1:-$root/$(kest_build_dir "$(kest_arch)")}" && pwd)
prefix=$build/wineprefix
bench_exe=$build/bench/float_text_bench.exe
[ -f "$bench_exe" ] || { echo "missing $bench_exe: build first (./build.sh)" >&2; exit 1; }
"$root/cmake/test-env.sh" start "$prefix" >/dev/null
trap '"$root/cmake/test-env.sh" stop "$prefix" >/dev/null' EXIT
"$root/cmake/wine-run.sh" "$prefix" "$bench_exe" | tr -d '\r'
