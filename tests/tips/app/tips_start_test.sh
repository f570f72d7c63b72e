#!/usr/bin/env bash
# Runs copies of the real tips.exe under Wine and checks its starts from outside: the browser
# emulation value, the mode the command line picks, the single tray instance, exit codes, the
# tray menu and the error box of a call that finds no server.
# Usage: tips_start_test.sh CASE LOCK_FILE TIPS_EXE PROBE_EXE SETCONFIG_EXE WINE_RUN...
set -uo pipefail
case_name=$1 lock_file=$2 tips=$3 probe=$4 setconfig=$5; shift 5
wine_run=("$@")
work=$(mktemp -d)
emulation_key='HKCU\Software\Microsoft\Internet Explorer\Main\FeatureControl\FEATURE_BROWSER_EMULATION'
user_key='HKCU\Software\Kest'
started=() started_names=() names=()
fail() { echo "FAIL ($case_name): $*" >&2; exit 1; }
wine() { "${wine_run[@]}" "$@" {lock}>&-; }
# Through a file: the programs the probe starts would keep a pipe open until they end.
probe() {
  local status
  wine "$probe" "$@" >"$work/probe.out"
  status=$?
  tr -d '\r' <"$work/probe.out"
  return $status
}
cleanup() {
  local i
  for i in "${!started[@]}"; do probe stop "${started[$i]}" "${started_names[$i]}" >/dev/null 2>&1; done
  for name in "${names[@]}"; do wine reg delete "$emulation_key" /v "$name" /f >/dev/null 2>&1; done
  [ -n "${saved_user:-}" ] && wine reg delete "$user_key" /v userdata /f >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
# These starts share the tray mode's mutex and the user record with the window tests.
exec {lock}>"$lock_file"
flock "$lock"

# A copy of tips.exe under its own name; its Windows path goes to $copy.
copy_of_tips() {
  cp "$tips" "$work/$1"
  names+=("$1")
  copy=$(wine winepath -w "$work/$1" | tr -d '\r')
}
emulation_value() {
  wine reg query "$emulation_key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name { print $2, $3 }'
}
# Starts the copy NAME with the command line as given; its process id goes to $pid.
start() {
  pid=$(probe start "$2") || fail "could not start $2"
  started+=("$pid") started_names+=("$1")
}
expect_exit_code_0() {
  local code
  code=$(probe wait "$1")
  [ "$code" = 0 ] || fail "exit code '$code' of $2"
}
# The window TITLE is there (and how it shows); the other mode's window is not.
expect_mode() {
  local shown
  case $1 in
    login) shown=$(probe window kest_tips visible) || fail "no login window for $2"
           [[ "$shown" == "visible 1" ]] || fail "login window for $2: $shown" ;;
    tray)  shown=$(probe window popmsg hidden) || fail "no tray window for $2"
           [[ "$shown" == "hidden 1" ]] || fail "tray window for $2: $shown"
           [ "$(probe no-window kest_tips)" = 0 ] || fail "a login window for $2" ;;
  esac
}
expect_emulation_value() {
  [ "$(emulation_value "$1")" = "REG_DWORD 0x0" ] || fail "emulation value of $1: '$(emulation_value "$1")'"
}

# Starts NAME with ARGUMENTS, expects MODE, closes the mode's window and expects exit code 0.
start_in_mode() {
  local name=$1 arguments=$2 mode=$3 title
  copy_of_tips "$name"
  start "$name" "\"$copy\" $arguments"
  expect_mode "$mode" "'$arguments'"
  expect_emulation_value "$name"
  [ "$mode" = login ] && title=kest_tips || title=popmsg
  probe close "$title" >/dev/null || fail "could not close $title"
  expect_exit_code_0 "$pid" "'$arguments'"
}

case $case_name in
  login_mode)
    n=0
    for arguments in '' 'auto' '--auto' '-autorun' 'x'; do
      start_in_mode "tips_login_$((n++)).exe" "$arguments" login
    done ;;
  tray_mode)
    n=0
    for arguments in '-auto' '/AUTO' '\Auto' '"-auto"' 'x -aUtO'; do
      start_in_mode "tips_tray_$((n++)).exe" "$arguments" tray
    done ;;
  second_tray_start)
    copy_of_tips tips_first.exe; first=$copy
    copy_of_tips tips_second.exe; second=$copy
    start tips_first.exe "\"$first\" -auto"
    expect_mode tray "the first start"
    [ "$(probe run "\"$second\" -auto")" = 0 ] || fail "the second tray start did not end at once with 0"
    expect_emulation_value tips_second.exe
    [[ "$(probe window popmsg hidden)" == "hidden 1" ]] || fail "the second start left a window"
    probe close popmsg >/dev/null
    expect_exit_code_0 "$pid" "the first start"
    # With the first gone, the mutex is free again.
    start tips_second.exe "\"$second\" -auto"
    expect_mode tray "a start after the first ended"
    probe close popmsg >/dev/null
    expect_exit_code_0 "$pid" "the start after the first ended" ;;
  renamed)
    start_in_mode tips_renamed_a.exe '' login
    mv "$work/tips_renamed_a.exe" "$work/tips_renamed_b.exe"
    names+=(tips_renamed_b.exe)
    path=$(wine winepath -w "$work/tips_renamed_b.exe" | tr -d '\r')
    start tips_renamed_b.exe "\"$path\""
    expect_mode login "the renamed copy"
    expect_emulation_value tips_renamed_b.exe
    expect_emulation_value tips_renamed_a.exe
    probe close kest_tips >/dev/null
    expect_exit_code_0 "$pid" "the renamed copy" ;;
  server_down)
    saved_user=1
    # {"id":"1","account":"a"}
    wine reg add "$user_key" /v userdata /t REG_SZ /d eyJpZCI6IjEiLCJhY2NvdW50IjoiYSJ9 /f >/dev/null || fail "reg add"
    copy_of_tips tips_down.exe
    wine "$setconfig" "$work/tips_down.exe" TipsRpcHost=127.0.0.1:9 >/dev/null || fail setconfig
    start tips_down.exe "\"$copy\" -auto"
    expect_mode tray "the tray start"
    # The eleven minutes of the call timer pass at once.
    probe tick popmsg >/dev/null
    text=$(probe message-box '挂机涨诺豆') || fail "no error box titled 挂机涨诺豆"
    [[ "$text" == *h170308* ]] || fail "the error box does not name the call: $text"
    [[ "$(probe window popmsg hidden)" == "hidden 1" ]] || fail "the tray mode did not go on after the error"
    probe close popmsg >/dev/null
    expect_exit_code_0 "$pid" "the tray start" ;;
  deep_record)
    # A user record whose id nests lists DEPTH deep: a bad record, so the tray mode runs on
    # without calls; before, writing the id's text overflowed the stack within a second.
    saved_user=1
    copy_of_tips tips_deep.exe
    for depth in 20000 1000000; do
      { printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kest]\r\n"userdata"="'
        { printf '{"id":'; head -c "$depth" /dev/zero | tr '\0' '['; head -c "$depth" /dev/zero | tr '\0' ']'
          printf '}'; } | base64 -w0
        printf '"\r\n'; } >"$work/deep.reg"
      wine regedit /S "$(wine winepath -w "$work/deep.reg" | tr -d '\r')" >/dev/null 2>&1 || fail "regedit"
      [ "$(wine reg query "$user_key" /v userdata | wc -c)" -gt "$depth" ] || fail "no record nested $depth deep stored"
      start tips_deep.exe "\"$copy\" -auto"
      expect_mode tray "a record nested $depth deep"
      sleep 2
      [[ "$(probe window popmsg hidden)" == "hidden 1" ]] || fail "the tray mode ended on a record nested $depth deep"
      probe close popmsg >/dev/null || fail "could not close popmsg"
      expect_exit_code_0 "$pid" "a record nested $depth deep"
    done ;;
  tray_menu)
    copy_of_tips tips_menu.exe
    start tips_menu.exe "\"$copy\" -auto"
    expect_mode tray "the tray start"
    # A right click on the icon, as the shell reports it: WM_RBUTTONDOWN, WM_RBUTTONUP.
    probe tray popmsg 516 >/dev/null && probe tray popmsg 517 >/dev/null || fail "no tray icon window"
    # The last item is 退出 (exit).
    probe menu up return || fail "the menu did not pop up"
    expect_exit_code_0 "$pid" "exit through the menu" ;;
  switch_account)
    copy_of_tips tips_switch.exe
    start tips_switch.exe "\"$copy\" -auto"
    tray_pid=$pid
    expect_mode tray "the tray start"
    probe tray popmsg 516 >/dev/null && probe tray popmsg 517 >/dev/null || fail "no tray icon window"
    # The first item is 切换帐号 (switch account): the login mode starts and the tray mode ends.
    probe menu down return || fail "the menu did not pop up"
    expect_exit_code_0 "$tray_pid" "switching the account"
    [ "$(probe no-window popmsg)" = 0 ] || fail "the tray window is still there"
    shown=$(probe window kest_tips visible) || fail "switching the account opened no login window"
    pid=$(probe pid-of kest_tips) && started+=("$pid") started_names+=(tips_switch.exe)
    probe close kest_tips >/dev/null
    expect_exit_code_0 "$pid" "the login mode started by switching the account" ;;
  *) fail "unknown case" ;;
esac
echo "PASS ($case_name)"
