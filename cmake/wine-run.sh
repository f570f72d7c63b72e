#!/usr/bin/env bash
# CTest's cross-compiling emulator: runs a Windows program under the build tree's own Wine prefix.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
set -u
prefix=$1; shift
here=$(dirname "$(readlink -f "$0")")
source "$here/wine-env.sh" "$prefix"
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb || exit 1
  export DISPLAY=$(cat "$prefix.display")
fi
wine_prefix_ready || exit 1
exec wine "$@"
