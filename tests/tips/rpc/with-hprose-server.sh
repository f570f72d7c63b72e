#!/usr/bin/env bash
# Runs a test program beside its own Hprose server (hprose_server.js): the server's port reaches
# the program as KEST_HPROSE_PORT, and the server stops when this script closes its stdin.
# Windows programs under Wine cannot hand a pipe to a Linux process, so the script, not the
# test program, owns the server. Usage: with-hprose-server.sh PROGRAM [ARGS...]
set -u
here=$(dirname "$(readlink -f "$0")")
if [ ! -d "$here/../../node/node_modules/hprose" ]; then
  echo "with-hprose-server: tests/node/node_modules/hprose is missing; run ./setup.sh" >&2
  exit 1
fi
coproc SERVER { exec node --no-deprecation "$here/hprose_server.js"; }
server_pid=$SERVER_PID
if ! read -r -t 30 port <&"${SERVER[0]}" || ! [[ "$port" =~ ^[0-9]+$ ]]; then
  echo "with-hprose-server: the Hprose server did not start: ${port:-no output}" >&2
  kill "$server_pid" 2>/dev/null
  exit 1
fi
to_server=${SERVER[1]} from_server=${SERVER[0]}
KEST_HPROSE_PORT=$port "$@" {to_server}>&- {from_server}<&-
status=$?
exec {to_server}>&- {from_server}<&-
wait "$server_pid" 2>/dev/null
exit $status
