#!/usr/bin/env bash
# Runs a command beside an update server of its own (update_server.js): the server's HTTP and FTP ports
# reach the command as KEST_UPDATE_PORT and KEST_FTP_PORT, and the server stops when this script closes
# its stdin.
# Windows programs under Wine cannot hand a pipe to a Linux process, so this script owns the server.
# Usage: with_update_server.sh [SERVER_OPTIONS...] -- COMMAND [ARGS...]
set -u
here=$(dirname "$(readlink -f "$0")")
server_args=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do server_args+=("$1"); shift; done
[ $# -gt 0 ] && shift
coproc SERVER { exec node "$here/update_server.js" "${server_args[@]}"; }
server_pid=$SERVER_PID
if ! read -r -t 30 port ftp_port <&"${SERVER[0]}" || ! [[ "$port $ftp_port" =~ ^[0-9]+\ [0-9]+$ ]]; then
  echo "with_update_server: the update server did not start: ${port:-no output}" >&2
  kill "$server_pid" 2>/dev/null
  exit 1
fi
to_server=${SERVER[1]} from_server=${SERVER[0]}
KEST_UPDATE_PORT=$port KEST_FTP_PORT=$ftp_port "$@" {to_server}>&- {from_server}<&-
status=$?
exec {to_server}>&- {from_server}<&-
wait "$server_pid" 2>/dev/null
exit $status
