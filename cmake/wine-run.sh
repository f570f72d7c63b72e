#!/usr/bin/env bash
# CTest's cross-compiling emulator: runs a Windows program under the build tree's own Wine prefix.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
set -u
prefix=$1; shift
here=$(dirname "$(readlink -f "$0")")
source "$here/wine-env.sh" "$prefix"
wine_prefix_ready || exit 1
if [ -z "${DISPLAY:-}" ] && [ -s "$prefix.display" ]; then
  export DISPLAY=$(cat "$prefix.display")
fi
exec wine "$@"
