#!/usr/bin/env bash
# Runs the real kest_launcher.exe beside the stand-in kest.exe and checks how the browser was started.
# Usage: launcher_test.sh CASE LAUNCHER_EXE STANDIN_KEST_EXE WINE_RUN...
set -euo pipefail
case_name=$1 launcher=$2 standin=$3; shift 3
wine_run=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL ($case_name): $*" >&2; exit 1; }

folder=$work/app
[ "$case_name" = folder_with_blank ] && folder="$work/Kest Browser"
mkdir -p "$folder"
cp "$launcher" "$folder/kest_launcher.exe"
[ "$case_name" = missing_browser ] || cp "$standin" "$folder/kest.exe"
windows_folder=$("${wine_run[@]}" winepath -w "$folder" | tr -d '\r')

# CASE: launcher arguments | expected argument count in kest.exe | expected kest.exe command line
case $case_name in
  no_argument)       args=();                  argc=0; command="$windows_folder\\kest.exe" ;;
  one_argument)      args=(first);             argc=0; command="$windows_folder\\kest.exe" ;;
  two_arguments)     args=(first second);      argc=1; command="$windows_folder\\kest.exe first" ;;
  three_arguments)   args=(first second third); argc=1; command="$windows_folder\\kest.exe first" ;;
  argument_blanks)   args=("a b  c" second);   argc=3; command="$windows_folder\\kest.exe a b  c" ;;
  # The runtime's splitting skips an empty pair "", and its count stops at an empty parameter.
  empty_first)       args=("" second);         argc=0; command="$windows_folder\\kest.exe" ;;
  empty_second)      args=(first "");          argc=0; command="$windows_folder\\kest.exe" ;;
  empty_between)     args=(first "" second);   argc=1; command="$windows_folder\\kest.exe first" ;;
  folder_with_blank) args=(first second);      argc=;  command="$windows_folder\\kest.exe first" ;;
  missing_browser)   args=(first second) ;;
  *) fail "unknown case" ;;
esac

"${wine_run[@]}" "$folder/kest_launcher.exe" "${args[@]}" >/dev/null || fail "launcher exit code $?"
log=$folder/kest.exe.log
if [ "$case_name" = missing_browser ]; then
  [ ! -e "$log" ] || fail "something recorded a start"
  exit 0
fi
# The launcher does not wait for the browser: give the stand-in time to write its record.
for _ in $(seq 200); do grep -q $'\n' "$log" 2>/dev/null && break; sleep 0.05; done
[ -s "$log" ] || fail "kest.exe was not started"
[ "$(wc -l <"$log")" = 1 ] || fail "kest.exe was started more than once"
record=$(tr -d '\r\n' <"$log")
[[ "$record" == "show=3 "* ]] || fail "not started maximised: $record"
[ -z "$argc" ] || [[ "$record" == *" argc=$argc "* ]] || fail "expected $argc arguments: $record"
received=${record#* command=}
# Wine quotes an unquoted program path with blanks once it has found the program; Windows passes it as is.
[ "$case_name" = folder_with_blank ] && received=${received//\"/}
[ "$received" = "$command" ] || fail "command line '$received', expected '$command'"
