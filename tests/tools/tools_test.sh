#!/usr/bin/env bash
# The test tools: setconfig and setversion rewrite copies of real programs, the stand-ins record their start.
# Usage: tools_test.sh TOOLS_DIR WINE_RUN...
set -euo pipefail
tools=$1; shift
wine_run=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { "${wine_run[@]}" "$@" | tr -d '\r'; }

# setconfig adds a configuration to a program without one, then replaces given keys and keeps the others.
cp "$tools/standin/kest.exe" "$work/program.exe"
run "$tools/setconfig.exe" "$work/program.exe" UpdateHost=127.0.0.1:1234 TipsHost=tips.test
run "$tools/setconfig.exe" "$work/program.exe" UpdateHost=127.0.0.1:5678 PartnerDomain=p.test
expected=$'UpdateHost=127.0.0.1:5678\nTipsHost=tips.test\nPartnerDomain=p.test'
[ "$(run "$tools/setconfig.exe" "$work/program.exe")" = "$expected" ] || fail "setconfig round trip"
# A value long enough to grow the resource section still reads back, and the program still runs.
long=$(printf 'h%.0s' $(seq 3000))
run "$tools/setconfig.exe" "$work/program.exe" TipsHost="$long"
grep -qx "TipsHost=$long" <(run "$tools/setconfig.exe" "$work/program.exe") || fail "setconfig of a long value"
run "$work/program.exe" && [ -s "$work/program.exe.log" ] || fail "rewritten program does not run"
! run "$tools/setconfig.exe" "$work/program.exe" NoEquals 2>/dev/null || fail "setconfig accepted a bad setting"

# setversion changes the file version as the system reads it.
cp "$tools/standin/kest.exe" "$work/kest.exe"
[ "$(run "$tools/setversion.exe" "$work/kest.exe")" = "1.0.0.0" ] || fail "stand-in's built-in version"
run "$tools/setversion.exe" "$work/kest.exe" 200.0.65535.7
[ "$(run "$tools/setversion.exe" "$work/kest.exe")" = "200.0.65535.7" ] || fail "setversion"
! run "$tools/setversion.exe" "$work/kest.exe" 1.2.3 2>/dev/null || fail "setversion accepted three parts"
! run "$tools/setversion.exe" "$tools/standin/installer.exe" 1.2.3.4 2>/dev/null || fail "installer has no version block"

# The stand-in records its show state, argument count and command line, one line per start.
run "$work/kest.exe" one "two three"
run "$work/kest.exe"
mapfile -t records < <(tr -d '\r' <"$work/kest.exe.log")
[ "${#records[@]}" = 2 ] || fail "expected two records, got ${#records[@]}"
[[ "${records[0]}" =~ ^show=[0-9a-z]+\ argc=2\ command=.*kest\.exe.*\ one\ \"two\ three\"$ ]] || fail "record: ${records[0]}"
[[ "${records[1]}" =~ ^show=[0-9a-z]+\ argc=0\ command= ]] || fail "record: ${records[1]}"
echo "tools checks passed"
