# Shell helpers of the tests that look at the shared Xvfb display, sourced by their scripts.
source "$(dirname "${BASH_SOURCE[0]}")/script_helpers.sh"

# Fails unless the tools are installed and the prefix's display is up; then uses that display.
screen_test_setup() {  # WINEPREFIX TOOLS...
  local prefix=$1; shift
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
  done
  [ -s "$prefix.display" ] || { echo "FAIL: no Xvfb display for $prefix" >&2; exit 1; }
  export DISPLAY=$(cat "$prefix.display")
}

# The colour of one pixel of a screenshot as "r,g,b".
pixel() {  # SHOT X Y
  local hex
  hex=$(convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1)
  [ -n "$hex" ] && printf '%d,%d,%d' "0x${hex:1:2}" "0x${hex:3:2}" "0x${hex:5:2}"
}
