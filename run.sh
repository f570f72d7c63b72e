#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the main job.
set -euo pipefail
cd "$(dirname "$0")"
./build.sh

# Main job: up.exe, beside a stand-in kest.exe at 1.0.0.0, asks a local update service that offers 1.0.1.0.
# Until the update window exists, up reports its decision on standard output.
prefix=build/wineprefix
work=$(mktemp -d)
cmake/test-env.sh start "$prefix"
trap 'cmake/test-env.sh stop "$prefix"; rm -rf "$work"' EXIT
cp build/dist/up.exe build/dist/tools/standin/kest.exe "$work/"
cmake/wine-run.sh "$prefix" build/dist/tools/setversion.exe "$work/kest.exe" 1.0.0.0
printf '%s' '{"version":"1.0.1.0","file":"http://127.0.0.1/kest_setup.exe","info":"Kest 1.0.1.0"}' >"$work/update.json"
export prefix work
tests/up/with_update_server.sh --body-file "$work/update.json" -- bash -c '
  cmake/wine-run.sh "$prefix" build/dist/tools/setconfig.exe "$work/up.exe" "UpdateHost=127.0.0.1:$KEST_UPDATE_PORT"
  cmake/wine-run.sh "$prefix" "$work/up.exe" >"$work/decision.txt"
  echo "up.exe exit code: $?"'
echo "browser kest.exe: 1.0.0.0, update service offers: 1.0.1.0"
echo "up.exe reported:"
tr -d '\r' <"$work/decision.txt" | sed 's/^/  /'
