#pragma once
// Puts a block on the clipboard as another program's copy does: the clipboard's owner is a window
// of this program's own. A block the clipboard does not take is freed.
#include "classlib/desktop/Win32.h"

inline bool PutOnClipboard(UINT format, HGLOBAL block) {
  HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  const bool done = OpenClipboard(owner) && EmptyClipboard() && SetClipboardData(format, block);
  CloseClipboard();
  if (!done) GlobalFree(block);
  DestroyWindow(owner);
  return done;
}
