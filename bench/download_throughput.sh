#!/usr/bin/env bash
# Download throughput of up's HttpGetFile (WinInet under Wine) against its floor, a bare WinInet
# loop with a 1 MB buffer, and against curl, fetching the same 50 MB file from the same local server
# in the same run; reports the rates and the ratios (best of 3 each). The bare loop also runs with
# reads of 4096 bytes, the size HttpGetFile reads: what one read call costs here, apart from up's
# client.
# Run after a build:  bench/download_throughput.sh [BUILD_DIR]   (default: the build whose programs run here)
# Not a CTest test: the numbers depend on the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/cmake/arch.sh"
build=$(cd "${1:-$root/$(kest_build_dir "$(kest_arch)")}" && pwd)
prefix=$build/wineprefix
bench_exe=$build/bench/download_bench.exe
bare_exe=$build/bench/bare_wininet_bench.exe
for exe in "$bench_exe" "$bare_exe"; do
  [ -f "$exe" ] || { echo "missing $exe: build first (./build.sh)" >&2; exit 1; }
done
work=$(mktemp -d)
"$root/cmake/test-env.sh" start "$prefix" >/dev/null
trap '"$root/cmake/test-env.sh" stop "$prefix" >/dev/null; rm -rf "$work"' EXIT
export root prefix bench_exe bare_exe work size=$((50 * 1024 * 1024))

"$root/tests/up/with_update_server.sh" -- bash -c '
  set -euo pipefail
  url="http://127.0.0.1:$KEST_UPDATE_PORT/bytes/$size"
  least() { echo "$1 ${2:-$1}" | awk "{print (\$1 < \$2) ? \$1 : \$2}"; }
  best_wininet=""; best_bare=""; best_small=""; best_curl=""
  for run in 1 2 3; do
    read -r bytes seconds < <("$root/cmake/wine-run.sh" "$prefix" "$bench_exe" "$url" "$work/wininet.bin" | tr -d "\r")
    [ "$bytes" = "$size" ] || { echo "HttpGetFile got $bytes bytes" >&2; exit 1; }
    read -r bytes seconds_bare < <("$root/cmake/wine-run.sh" "$prefix" "$bare_exe" "$url" "$work/bare.bin" | tr -d "\r")
    [ "$bytes" = "$size" ] || { echo "the bare WinInet loop got $bytes bytes" >&2; exit 1; }
    read -r bytes seconds_small < <("$root/cmake/wine-run.sh" "$prefix" "$bare_exe" "$url" "$work/small.bin" 4096 | tr -d "\r")
    [ "$bytes" = "$size" ] || { echo "the bare WinInet loop (4096) got $bytes bytes" >&2; exit 1; }
    seconds_curl=$(curl -s -o "$work/curl.bin" -w "%{time_total}" "$url")
    [ "$(stat -c %s "$work/curl.bin")" = "$size" ] || { echo "curl got a short file" >&2; exit 1; }
    best_wininet=$(least "$seconds" "$best_wininet")
    best_bare=$(least "$seconds_bare" "$best_bare")
    best_small=$(least "$seconds_small" "$best_small")
    best_curl=$(least "$seconds_curl" "$best_curl")
  done
  for other in bare small curl; do
    cmp -s "$work/wininet.bin" "$work/$other.bin" || { echo "the downloads differ ($other)" >&2; exit 1; }
  done
  awk -v s="$size" -v w="$best_wininet" -v b="$best_bare" -v k="$best_small" -v c="$best_curl" "BEGIN {
    printf \"HttpGetFile:            %.1f MB/s (%.3f s)\\n\", s / w / 1048576, w
    printf \"bare WinInet loop:      %.1f MB/s (%.3f s)\\n\", s / b / 1048576, b
    printf \"  with 4096-byte reads: %.1f MB/s (%.3f s)\\n\", s / k / 1048576, k
    printf \"curl:                   %.1f MB/s (%.3f s)\\n\", s / c / 1048576, c
    printf \"ratio HttpGetFile/bare: %.2f (goal: at least 0.9)\\n\", b / w
    printf \"ratio HttpGetFile/bare with 4096-byte reads: %.2f\\n\", k / w
    printf \"ratio HttpGetFile/curl: %.2f\\n\", c / w
  }"'
