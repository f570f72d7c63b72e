# Sourced: the environment of the project's Wine prefix and the function that prepares it.
# Usage: source wine-env.sh PREFIX
export WINEPREFIX=$(readlink -m "$1")
# The build that owns the prefix says which Wine runs its programs (PREFIX.arch: win32 or win64).
export WINEARCH=$(cat "$WINEPREFIX.arch" 2>/dev/null || echo win32)
if [ "$WINEARCH" = win64 ]; then
  wine64_bin=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64-bin
  case ":$PATH:" in *":$wine64_bin:"*) ;; *) export PATH="$wine64_bin:$PATH" ;; esac
  export WINELOADER=/usr/lib/wine/wine64
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Fonts the prefix sees beside Wine's own: the files linked into its Fonts folder, and the faces
# linked to Tahoma (CJK, then pictographs and other characters beyond the Basic Multilingual Plane).
KEST_FONT_FILES=(/usr/share/fonts/truetype/wqy/wqy-microhei.ttc /usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf)
KEST_FONT_LINK='wqy-microhei.ttc,WenQuanYi Micro Hei\0Symbola_hint.ttf,Symbola'

# Links the faces above to Tahoma. Bold Tahoma is a face of its own, which the link for Tahoma
# does not reach. Wine puts its own links in their place when a program starts under a locale of
# another code page than the last one's (a Chinese LANG after an English one): a test that changes
# LANG links them again.
link_fonts() {
  local face
  for face in Tahoma 'Tahoma Bold'; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d "$KEST_FONT_LINK" /f </dev/null >/dev/null 2>&1 9>&-
  done
}

# Creates the prefix once and keeps its server running; the fonts are set again, through that
# server, whenever the list above changes, so an older prefix gets them too.
# Wine's helper processes must not inherit our stdio, or CTest waits for them.
wine_prefix_ready() {
  (
    flock 9 || exit 1
    if [ ! -f "$WINEPREFIX/.kest-ready" ]; then
      mkdir -p "$WINEPREFIX"
      wineboot -i </dev/null >/dev/null 2>&1 9>&-
      # A program that crashes ends with its backtrace on standard error instead of waiting for
      # someone to close Wine's crash window.
      wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1 9>&-
      wineserver -w 9>&-
      touch "$WINEPREFIX/.kest-ready"
    fi
    # Exit code 0: a new server started (2: one runs already), so start the helpers detached.
    if wineserver -p60 </dev/null >/dev/null 2>&1 9>&-; then
      wine cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
    fi
    if [ "$(cat "$WINEPREFIX/.kest-fonts" 2>/dev/null)" != "$KEST_FONT_LINK" ]; then
      fonts="$WINEPREFIX/drive_c/windows/Fonts"
      mkdir -p "$fonts"
      for f in /usr/share/wine/fonts/* "${KEST_FONT_FILES[@]}"; do
        [ -e "$f" ] && ln -sf "$f" "$fonts/"
      done
      link_fonts
      echo "$KEST_FONT_LINK" >"$WINEPREFIX/.kest-fonts"
    fi
  ) 9>"$WINEPREFIX.lock"
}

xvfb_alive() { [ -s "$WINEPREFIX.xvfb.pid" ] && kill -0 "$(cat "$WINEPREFIX.xvfb.pid")" 2>/dev/null; }

# An Xvfb display for the prefix (kept until the test fixture's stop). Wine takes the screen size
# from the display its first process finds, so no Wine process may start before it.
start_xvfb() {
  (
    flock 7 || exit 1
    xvfb_alive && [ -s "$WINEPREFIX.display" ] && exit 0
    command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; exit 1; }
    local n
    for n in $(seq 91 199); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    setsid Xvfb ":$n" -nolisten tcp -screen 0 1280x1024x24 -wr </dev/null >/dev/null 2>&1 7>&- &
    echo $! >"$WINEPREFIX.xvfb.pid"
    for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
    [ -e "/tmp/.X11-unix/X$n" ] || { echo "Xvfb did not start on :$n" >&2; exit 1; }
    echo ":$n" >"$WINEPREFIX.display"
  ) 7>"$WINEPREFIX.xvfb.lock"
}
