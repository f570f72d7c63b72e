# What the scripts that drive a program under Xvfb share; source it after setting $log to the
# file that collects the program's output.

# wait_for SECONDS COMMAND...: polls the command until it succeeds.
wait_for() {
  local tries=$(($1 * 10)); shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  return 1
}
# The program's output without the carriage returns of its Windows line ends.
output() { tr -d '\r' <"$log"; }
# logged LINE: the program printed exactly this line.
logged() { output | grep -qx "$1"; }
# The visible top-level window (a menu, a drop-down) whose top left corner is at X, Y.
window_at() {
  local w
  for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q "Position: $1,$2 " && { echo "$w"; return 0; }
  done
  return 1
}
