#!/usr/bin/env bash
# CTest fixture: "start PREFIX" prepares Wine and an Xvfb display for the tests; "stop PREFIX" ends both.
set -u
action=$1; prefix=$(readlink -m "$2")
here=$(dirname "$(readlink -f "$0")")
source "$here/wine-env.sh" "$prefix"

xvfb_alive() { [ -s "$prefix.xvfb.pid" ] && kill -0 "$(cat "$prefix.xvfb.pid")" 2>/dev/null; }

start_xvfb() {
  xvfb_alive && return 0
  command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; return 1; }
  local n
  for n in $(seq 91 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  setsid Xvfb ":$n" -nolisten tcp -screen 0 1280x1024x24 -wr </dev/null >/dev/null 2>&1 &
  echo $! >"$prefix.xvfb.pid"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
  [ -e "/tmp/.X11-unix/X$n" ] || { echo "Xvfb did not start on :$n" >&2; return 1; }
  echo ":$n" >"$prefix.display"
}

# Several CTest runs may share the prefix at once: the last one to stop ends the server and Xvfb.
users() { cat "$prefix.users" 2>/dev/null || echo 0; }

case $action in
  start)
    exec 8>"$prefix.env.lock"; flock 8
    wine_prefix_ready 8>&- && start_xvfb 8>&- || exit 1
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
