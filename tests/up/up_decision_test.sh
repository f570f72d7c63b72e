#!/usr/bin/env bash
# Runs the real up.exe in a folder beside a stand-in kest.exe, against an update service of its own,
# and checks its decision (an update is due when its message window appears; the test then closes it)
# and its exit code.
# Usage: up_decision_test.sh CASE UP_EXE TOOLS_DIR WINE_RUN...
set -euo pipefail
case_name=$1 up=$2 tools=$3; shift 3
wine_run=("$@")
here=$(dirname "$(readlink -f "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL ($case_name): $*" >&2; exit 1; }

# CASE: HTTP status | update document | browser file version ("none": no version block, "missing": no kest.exe)
#       | expected decision
status=200
case $case_name in
  newer)                       doc='{"version":"1.0.10.100","file":"http://dl.test/setup.exe","info":"n"}'
                               browser=1.0.10.99; expected="update due" ;;
  equal)                       doc='{"version":"1.0.10.99"}'; browser=1.0.10.99; expected="no update" ;;
  older)                       doc='{"version":"1.0.10.98"}'; browser=1.0.10.99; expected="no update" ;;
  malformed_version)           doc='{"version":"1..2.3"}';    browser=1.0.0.0;   expected="no update" ;;
  malformed_version_unversioned) doc='{"version":"1..2.3"}';  browser=none;      expected="update due" ;;
  missing_version)             doc='{"file":"http://dl.test/setup.exe"}'; browser=1.2.3.4; expected="no update" ;;
  missing_version_unversioned) doc='{"file":"http://dl.test/setup.exe"}'; browser=none; expected="update due" ;;
  numeric_not_textual)         doc='{"version":"2.0.0.0"}';   browser=10.0.0.0;  expected="no update" ;;
  above_2_31)                  doc='{"version":"200.0.0.0","file":"http://dl.test/setup.exe"}'
                               browser=100.0.0.0; expected="update due" ;;
  not_found)                   status=404; doc='<html><body>Not Found</body></html>'; browser=none; expected="no update" ;;
  empty_body)                  doc='';                        browser=none;      expected="no update" ;;
  not_json)                    doc='version=9.9.9.9';         browser=none;      expected="no update" ;;
  json_array)                  doc='["9.9.9.9"]';             browser=none;      expected="no update" ;;
  closed_port)                 doc='';                        browser=none;      expected="no update" ;;
  missing_browser)             doc='{"version":"1.0.0.1","file":"http://dl.test/setup.exe"}'
                               browser=missing; expected="update due" ;;
  # Chinese notes in UTF-8 and in the system code page of Chinese Windows (GBK: "修复").
  utf8_notes)                  doc='{"version":"1.0.1.0","file":"http://dl.test/setup.exe","info":"修复"}'
                               browser=1.0.0.0; expected="update due" ;;
  gbk_notes)                   doc=$'{"version":"1.0.1.0","file":"http://dl.test/setup.exe","info":"\xd0\xde\xb8\xb4"}'
                               browser=1.0.0.0; expected="update due" ;;
  # A service that accepts the request and never answers: up gives up after its time-out (shortened
  # here from the shipped 30 s) and ends without a window.
  silent_service)              doc='';                        browser=1.0.0.0;   expected="no update" ;;
  *) fail "unknown case" ;;
esac

mkdir "$work/app"
cp "$up" "$work/app/up.exe"
case $browser in
  missing) ;;
  none) cp "$tools/standin/installer.exe" "$work/app/kest.exe" ;;
  *) cp "$tools/standin/kest.exe" "$work/app/kest.exe"
     "${wine_run[@]}" "$tools/setversion.exe" "$work/app/kest.exe" "$browser" ;;
esac

# Writes the decision to decision.txt and up's exit code to exit.txt.
run_up() {
  "${wine_run[@]}" "$tools/setconfig.exe" "$work/app/up.exe" "UpdateHost=127.0.0.1:$1" ${2:+"$2"}
  "${wine_run[@]}" "$work/app/up.exe" >"$work/out.txt" 2>"$work/err.txt" &
  local up_pid=$! decision="no update" program="Z:${work//\//\\}\\app\\up.exe"
  for _ in $(seq 600); do
    kill -0 "$up_pid" 2>/dev/null || break
    if "${wine_run[@]}" "$tools/update_window.exe" shown "$program" 100 >/dev/null; then
      decision="update due"
      "${wine_run[@]}" "$tools/update_window.exe" close "$program"
      break
    fi
  done
  echo "$decision" >"$work/decision.txt"
  local status=0
  for _ in $(seq 300); do kill -0 "$up_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$up_pid" 2>/dev/null; then kill "$up_pid"; status=timeout; fi
  wait "$up_pid" || status=$?
  echo "$status" >"$work/exit.txt"
}
if [ "$case_name" = closed_port ]; then
  port=$(node -e 'const s = require("net").createServer().listen(0, "127.0.0.1", () => { console.log(s.address().port); s.close(); })')
  run_up "$port"
elif [ "$case_name" = silent_service ]; then
  coproc SILENT { exec node -e '
    const s = require("net").createServer(() => {}).listen(0, "127.0.0.1", () => console.log(s.address().port));
    process.stdin.on("end", () => process.exit(0)); process.stdin.resume();
    setTimeout(() => process.exit(0), 120000).unref();'; }
  to_silent=${SILENT[1]} from_silent=${SILENT[0]}
  read -r -t 30 port <&"$from_silent" || fail "the silent server did not start"
  started=$SECONDS
  # Wine's processes must not hold the server's pipes.
  run_up "$port" UpdateTimeoutMs=1500 {to_silent}>&- {from_silent}<&-
  elapsed=$((SECONDS - started))
  exec {to_silent}>&- {from_silent}<&-
  [ "$elapsed" -lt 20 ] || fail "up took ${elapsed} s to give up on a silent service"
else
  printf '%s' "$doc" >"$work/doc.json"
  export -f run_up; export work tools
  export WINE_RUN_LINE="${wine_run[*]}"
  "$here/with_update_server.sh" --status "$status" --body-file "$work/doc.json" -- \
    bash -c 'wine_run=($WINE_RUN_LINE); run_up "$KEST_UPDATE_PORT"'
fi

[ "$(cat "$work/exit.txt")" = 0 ] || fail "exit code $(cat "$work/exit.txt"): $(cat "$work/err.txt")"
decision=$(cat "$work/decision.txt")
[ "$decision" = "$expected" ] || fail "decided '$decision', expected '$expected'"
[ ! -s "$work/out.txt" ] || fail "up wrote to standard output: $(cat "$work/out.txt")"
