#pragma once
// A hidden top-level window whose messages go to one handler: the message window of timers,
// menus and the notification-area icon. Being top-level, it also receives broadcast messages.
// An exception that leaves the handler goes to the application's exception handler.
#include "classlib/desktop/Win32.h"

#include <functional>

#include "classlib/desktop/Messages.h"

class TUtilWindow {
public:
  // The handler answers true when it handled the message (its Result is returned), false to
  // leave the message to the system's default.
  using THandler = std::function<bool(TMessage&)>;
  explicit TUtilWindow(THandler handler);
  ~TUtilWindow();
  TUtilWindow(const TUtilWindow&) = delete;
  TUtilWindow& operator=(const TUtilWindow&) = delete;

  HWND Handle() const { return handle_; }

private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  THandler handler_;
  HWND handle_ = nullptr;
};
