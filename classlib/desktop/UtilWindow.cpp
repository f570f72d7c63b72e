#include "classlib/desktop/UtilWindow.h"

#include "classlib/desktop/Application.h"
#include "classlib/desktop/Errors.h"

namespace {
const wchar_t kClassName[] = L"TUtilWindow";

void RegisterUtilWindowClass(WNDPROC procedure) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing{};
  if (GetClassInfoW(instance, kClassName, &existing)) return;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassW(&windowClass)) RaiseLastOSError();
}
}  // namespace

TUtilWindow::TUtilWindow(THandler handler) : handler_(std::move(handler)) {
  RegisterUtilWindowClass(&TUtilWindow::WindowProcedure);
  handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  if (!handle_) RaiseLastOSError();
}

TUtilWindow::~TUtilWindow() {
  SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  DestroyWindow(handle_);
}

LRESULT CALLBACK TUtilWindow::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<TUtilWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<TUtilWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self || !self->handler_) return DefWindowProcW(window, msg, wParam, lParam);
  // A handler may free the window's owner (a timer freed in its own tick): it runs from a copy.
  const THandler handler = self->handler_;
  TMessage message{msg, wParam, lParam, 0};
  try {
    if (handler(message)) return message.Result;
  } catch (...) {
    Application->HandleException(nullptr);
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}
