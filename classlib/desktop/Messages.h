#pragma once
// A window message as the controls' WndProc chain sees it, and the class library's own
// control messages (sent to controls through Perform, or posted to their windows).
#include "classlib/desktop/Win32.h"

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;

  // Signed client coordinates of mouse messages.
  int XPos() const { return short(LOWORD(LParam)); }
  int YPos() const { return short(HIWORD(LParam)); }
};

inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 1;     // the mouse came over the control
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 2;     // the mouse left the control's window
inline constexpr UINT CM_RELEASE = CM_BASE + 3;        // posted by TCustomForm::Release: free the form
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 4; // the window is to be shown or hidden (Showing)
