#!/usr/bin/env bash
# Download throughput of up's HttpGetFile (WinInet under Wine) against curl, fetching the same 50 MB
# file from the same local server in the same run; reports both rates and their ratio (best of 3 each).
# Run after a build:  bench/download_throughput.sh [BUILD_DIR]   (default: the build whose programs run here)
# Not a CTest test: the numbers depend on the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/cmake/arch.sh"
build=$(cd "${1:-$root/$(kest_build_dir "$(kest_arch)")}" && pwd)
prefix=$build/wineprefix
bench_exe=$build/bench/download_bench.exe
[ -f "$bench_exe" ] || { echo "missing $bench_exe: build first (./build.sh)" >&2; exit 1; }
work=$(mktemp -d)
"$root/cmake/test-env.sh" start "$prefix" >/dev/null
trap '"$root/cmake/test-env.sh" stop "$prefix" >/dev/null; rm -rf "$work"' EXIT
export root prefix bench_exe work size=$((50 * 1024 * 1024))

"$root/tests/up/with_update_server.sh" -- bash -c '
  set -euo pipefail
  url="http://127.0.0.1:$KEST_UPDATE_PORT/bytes/$size"
  best_wininet=""; best_curl=""
  for run in 1 2 3; do
    read -r bytes seconds < <("$root/cmake/wine-run.sh" "$prefix" "$bench_exe" "$url" "$work/wininet.bin" | tr -d "\r")
    [ "$bytes" = "$size" ] || { echo "HttpGetFile got $bytes bytes" >&2; exit 1; }
    seconds_curl=$(curl -s -o "$work/curl.bin" -w "%{time_total}" "$url")
    [ "$(stat -c %s "$work/curl.bin")" = "$size" ] || { echo "curl got a short file" >&2; exit 1; }
    best_wininet=$(echo "$seconds ${best_wininet:-$seconds}" | awk "{print (\$1 < \$2) ? \$1 : \$2}")
    best_curl=$(echo "$seconds_curl ${best_curl:-$seconds_curl}" | awk "{print (\$1 < \$2) ? \$1 : \$2}")
  done
  cmp -s "$work/wininet.bin" "$work/curl.bin" || { echo "the two downloads differ" >&2; exit 1; }
  awk -v s="$size" -v w="$best_wininet" -v c="$best_curl" "BEGIN {
    printf \"HttpGetFile: %.1f MB/s (%.3f s)\\n\", s / w / 1048576, w
    printf \"curl:        %.1f MB/s (%.3f s)\\n\", s / c / 1048576, c
    printf \"ratio HttpGetFile/curl: %.2f\\n\", c / w
  }"'
