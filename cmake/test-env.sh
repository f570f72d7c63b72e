#!/usr/bin/env bash
# CTest fixture: "start PREFIX" prepares Wine and an Xvfb display for the tests; "stop PREFIX" ends both.
set -u
action=$1; prefix=$(readlink -m "$2")
here=$(dirname "$(readlink -f "$0")")
source "$here/wine-env.sh" "$prefix"

# Several CTest runs may share the prefix at once: the last one to stop ends the server and Xvfb.
users() { cat "$prefix.users" 2>/dev/null || echo 0; }

case $action in
  start)
    exec 8>"$prefix.env.lock"; flock 8
    start_xvfb 8>&- || exit 1
    export DISPLAY=$(cat "$prefix.display")
    wine_prefix_ready 8>&- || exit 1
    echo $(( $(users) + 1 )) >"$prefix.users" ;;
  stop)
    exec 8>"$prefix.env.lock"; flock 8
    left=$(( $(users) - 1 ))
    if [ "$left" -gt 0 ]; then echo "$left" >"$prefix.users"; exit 0; fi
    rm -f "$prefix.users"
    wineserver -k 2>/dev/null
    xvfb_alive && kill "$(cat "$prefix.xvfb.pid")"
    rm -f "$prefix.xvfb.pid" "$prefix.display"
    exit 0 ;;
esac
