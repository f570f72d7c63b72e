# Sourced: the environment of the project's Wine prefix and the function that prepares it.
# Usage: source wine-env.sh PREFIX
export WINEPREFIX=$(readlink -m "$1")
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Creates the prefix once (fonts linked, CJK font link added) and keeps its server running.
# Wine's helper processes must not inherit our stdio, or CTest waits for them.
wine_prefix_ready() {
  (
    flock 9 || exit 1
    if [ ! -f "$WINEPREFIX/.kest-ready" ]; then
      mkdir -p "$WINEPREFIX"
      wineboot -i </dev/null >/dev/null 2>&1 9>&-
      wineserver -w 9>&-
      fonts="$WINEPREFIX/drive_c/windows/Fonts"
      mkdir -p "$fonts"
      for f in /usr/share/wine/fonts/* /usr/share/fonts/truetype/wqy/wqy-microhei.ttc; do
        [ -e "$f" ] && ln -sf "$f" "$fonts/"
      done
      # Bold Tahoma is a face of its own, which the link for Tahoma does not reach.
      for face in Tahoma 'Tahoma Bold'; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
          /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f </dev/null >/dev/null 2>&1 9>&-
      done
      wineserver -w 9>&-
      touch "$WINEPREFIX/.kest-ready"
    fi
    # Exit code 0: a new server started (2: one runs already), so start the helpers detached.
    if wineserver -p60 </dev/null >/dev/null 2>&1 9>&-; then
      wine cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
    fi
  ) 9>"$WINEPREFIX.lock"
}
