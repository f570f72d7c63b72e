#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the main job.
set -euo pipefail
cd "$(dirname "$0")"
./build.sh
source cmake/arch.sh
arch=$(kest_arch)
build=$(kest_build_dir "$arch")

# Main job: up.exe (i686, or its x86_64 build where 32-bit programs cannot run), beside a stand-in
# kest.exe at 1.0.0.0, asks a local update service that offers 1.0.1.0. Its message window appears; its screenshot is saved to build/up_window.png, then
# "暂不更新" is clicked (real input through xdotool) and up ends.
prefix=$build/wineprefix
work=$(mktemp -d)
cmake/test-env.sh start "$prefix"
trap 'cmake/test-env.sh stop "$prefix"; rm -rf "$work"' EXIT
export DISPLAY=$(cat "$prefix.display")
cp "$build/dist/up.exe" "$build/dist/tools/standin/kest.exe" "$work/"
cmake/wine-run.sh "$prefix" "$build/dist/tools/setversion.exe" "$work/kest.exe" 1.0.0.0
printf '%s' '{"version":"1.0.1.0","file":"http://127.0.0.1/kest_setup.exe","info":"Kest 1.0.1.0:\n1. Faster page loading\n2. Safer downloads\n3. Smaller memory use"}' >"$work/update.json"
echo "up.exe runs as $arch under $(kest_wine_name "$arch")"
export prefix work build
tests/up/with_update_server.sh --body-file "$work/update.json" -- bash -c '
  set -e
  cmake/wine-run.sh "$prefix" "$build/dist/tools/setconfig.exe" "$work/up.exe" "UpdateHost=127.0.0.1:$KEST_UPDATE_PORT"
  cmake/wine-run.sh "$prefix" "$work/up.exe" &
  up_pid=$!
  window() { cmake/wine-run.sh "$prefix" "$build/dist/tools/update_window.exe" "$@" | tr -d "\r"; }
  up_exe="Z:${work//\//\\}\\up.exe"
  shown=$(window shown "$up_exe" 60000) || { echo "up.exe showed no window"; kill $up_pid; exit 1; }
  read -r _ left top width height <<<"$shown"
  echo "up.exe shows its message window at ($left,$top), $width x $height"
  window until $((left + 170)) $((top + 330)) BEBEBE 20000 || true
  sleep 0.5
  import -window root -crop "${width}x${height}+$left+$top" +repage build/up_window.png
  echo "screenshot: build/up_window.png"
  xdotool mousemove $((left + 229)) $((top + 350)) && sleep 0.3 && xdotool click 1
  for _ in $(seq 200); do kill -0 $up_pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $up_pid 2>/dev/null; then
    echo "the click on \"暂不更新\" did not end up.exe: closing its window"
    window close "$up_exe"
  fi
  status=0
  wait $up_pid || status=$?
  echo "clicked \"暂不更新\"; up.exe exit code: $status"
  exit $status'
