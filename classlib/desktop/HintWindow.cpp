#include "classlib/desktop/HintWindow.h"

#include "classlib/desktop/Errors.h"

namespace {

const wchar_t kClassName[] = L"THintWindow";
constexpr int kMargin = 2;

HFONT HintFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  static HFONT font = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)
                          ? CreateFontIndirectW(&metrics.lfStatusFont)
                          : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  return font;
}

}  // namespace

THintWindow::~THintWindow() {
  if (handle_) DestroyWindow(handle_);
}

void THintWindow::HandleNeeded() {
  if (handle_) return;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing{};
  if (!GetClassInfoW(instance, kClassName, &existing)) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_SAVEBITS | CS_DROPSHADOW;
    windowClass.lpfnWndProc = &THintWindow::WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassW(&windowClass)) RaiseLastOSError();
  }
  handle_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClassName, L"", WS_POPUP | WS_BORDER,
                            0, 0, 0, 0, nullptr, nullptr, instance, this);
  if (!handle_) RaiseLastOSError();
}

RECT THintWindow::CalcHintRect(int maxWidth, const std::wstring& text) {
  RECT rect{0, 0, maxWidth, 0};
  HDC dc = GetDC(nullptr);
  HGDIOBJ saved = SelectObject(dc, HintFont());
  DrawTextW(dc, text.c_str(), int(text.size()), &rect, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, saved);
  ReleaseDC(nullptr, dc);
  rect.right += 2 * (kMargin + 1) + 4;
  rect.bottom += 2 * (kMargin + 1);
  return rect;
}

void THintWindow::ActivateHint(const RECT& rect, const std::wstring& text) {
  HandleNeeded();
  caption_ = text;
  SetWindowTextW(handle_, text.c_str());
  SetWindowPos(handle_, HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(handle_, nullptr, TRUE);
}

void THintWindow::ReleaseHandle() {
  if (handle_) ShowWindow(handle_, SW_HIDE);
}

bool THintWindow::Showing() const { return handle_ && IsWindowVisible(handle_); }

void THintWindow::Paint(HDC dc) {
  RECT rect;
  GetClientRect(handle_, &rect);
  FillRect(dc, &rect, GetSysColorBrush(COLOR_INFOBK));
  InflateRect(&rect, -kMargin, -kMargin);
  rect.left += 2;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  HGDIOBJ saved = SelectObject(dc, HintFont());
  DrawTextW(dc, caption_.c_str(), int(caption_.size()), &rect, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, saved);
}

LRESULT CALLBACK THintWindow::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<THintWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<THintWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (self) self->Paint(dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_NCDESTROY:
      if (self) self->handle_ = nullptr;
      break;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}
