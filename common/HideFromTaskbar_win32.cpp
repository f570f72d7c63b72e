#include "common/HideFromTaskbar.h"

#include "classlib/desktop/Win32.h"

#include "classlib/desktop/Application.h"

void HideFromTaskbar(bool hide) {
  const HWND window = Application->Handle();
  // The style before any change, whatever is asked first.
  static const LONG startStyle = GetWindowLongA(window, GWL_EXSTYLE);
  ShowWindow(window, SW_HIDE);
  SetWindowLongA(window, GWL_EXSTYLE, hide ? startStyle | WS_EX_TOOLWINDOW | WS_EX_TOPMOST : startStyle);
  ShowWindow(window, SW_SHOW);
}
