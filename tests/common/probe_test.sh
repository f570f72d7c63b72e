#!/usr/bin/env bash
# Runs the shared routines in their own process (probe.exe) and checks the outcome from outside:
# the registry with `reg query`, the program folder from a copy in a folder with blanks.
# Usage: probe_test.sh PROBE_EXE WINE_RUN...
set -euo pipefail
probe=$1; shift
wine_run=("$@")
work=$(mktemp -d)
key="Software\\KestTests\\probe.$$"
cleanup() {
  "${wine_run[@]}" reg delete "HKCU\\$key" /f >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
run_probe() { "${wine_run[@]}" "$probe" "$@" | tr -d '\r'; }
# The value of NAME under the test key as `reg query` prints it: "TYPE DATA", or nothing when missing.
reg_value() {
  "${wine_run[@]}" reg query "HKCU\\$key" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name { $1 = ""; sub(/^ +/, ""); print }'
}
reg_key_exists() { "${wine_run[@]}" reg query "HKCU\\$key" >/dev/null 2>&1; }

# AppFolder of a copy installed like C:\Program Files\X\tips.exe keeps the blanks and the final "\".
mkdir -p "$work/Program Files/X"
cp "$probe" "$work/Program Files/X/tips.exe"
folder=$("${wine_run[@]}" "$work/Program Files/X/tips.exe" appfolder | tr -d '\r')
expected="$("${wine_run[@]}" winepath -w "$work" | tr -d '\r')\\Program Files\\X\\"
[ "$folder" = "$expected" ] || fail "AppFolder gave '$folder', expected '$expected'"

# Reading from a missing key creates it and leaves the text as it was.
reg_key_exists && fail "test key exists before the test"
[ "$(run_probe read "$key" user initial)" = "1 initial" ] || fail "ReadRegString on a missing key"
reg_key_exists || fail "ReadRegString did not create the key"

[ "$(run_probe write-string "$key" user 'abc def')" = "1" ] || fail "WriteRegString result"
[ "$(reg_value user)" = "REG_SZ abc def" ] || fail "stored string: '$(reg_value user)'"
[ "$(run_probe read "$key" user initial)" = "1 abc def" ] || fail "ReadRegString of the stored string"

[ "$(run_probe write-integer "$key" count 42)" = "1" ] || fail "WriteRegInteger result"
[ "$(reg_value count)" = "REG_DWORD 0x2a" ] || fail "stored integer: '$(reg_value count)'"
# A DWORD is no string: the read fails quietly and the text stays.
[ "$(run_probe read "$key" count initial)" = "1 initial" ] || fail "ReadRegString of a DWORD"

[ "$(run_probe delete "$key" user)" = "1" ] || fail "DeleteRegKey result"
[ -z "$(reg_value user)" ] || fail "DeleteRegKey left the value"
[ "$(reg_value count)" = "REG_DWORD 0x2a" ] || fail "DeleteRegKey touched another value"
[ "$(run_probe delete "$key" user)" = "1" ] || fail "DeleteRegKey of a missing value"
echo "probe checks passed"
