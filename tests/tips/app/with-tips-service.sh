#!/usr/bin/env bash
# Runs a test program beside its own tips service (tips_service.js), as a copy in a folder of its
# own whose deployment configuration names that service: the program's folder is then the test's
# own (kest.exe, its log) and the RPC endpoint is http://127.0.0.1:PORT/. The service stops when
# this script closes its stdin; the copy goes with the folder.
# The tests change the product's registry values and take the tray mode's mutex, which every test
# run on the same Wine prefix shares: runs hold LOCK_FILE while they test (not while listing).
# Usage: with-tips-service.sh LOCK_FILE SETCONFIG_EXE WINE_RUN... -- PROGRAM [ARGS...]
set -u
here=$(dirname "$(readlink -f "$0")")
lock_file=$1 setconfig=$2; shift 2
wine_run=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do wine_run+=("$1"); shift; done
shift
program=$1; shift
if [ ! -d "$here/../../node/node_modules/hprose" ]; then
  echo "with-tips-service: tests/node/node_modules/hprose is missing; run ./setup.sh" >&2
  exit 1
fi
work=$(mktemp -d)
coproc SERVICE { exec node --no-deprecation "$here/tips_service.js"; }
service_pid=$SERVICE_PID
cleanup() {
  kill "$service_pid" 2>/dev/null
  wait "$service_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
if ! read -r -t 30 port <&"${SERVICE[0]}" || ! [[ "$port" =~ ^[0-9]+$ ]]; then
  echo "with-tips-service: the tips service did not start: ${port:-no output}" >&2
  exit 1
fi
copy=$work/$(basename "$program")
cp "$program" "$copy"
"${wine_run[@]}" "$setconfig" "$copy" "TipsRpcHost=127.0.0.1:$port" >/dev/null || exit 1
to_service=${SERVICE[1]} from_service=${SERVICE[0]}
exec {lock}>"$lock_file"
[[ " $* " == *" --gtest_list_tests "* ]] || flock "$lock"

(cd "$work" && "${wine_run[@]}" "$copy" "$@" {to_service}>&- {from_service}<&- {lock}>&-)
status=$?
exit $status
