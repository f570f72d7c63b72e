#include "classlib/desktop/WinControl.h"

#include <windowsx.h>

#include <algorithm>

#include "classlib/desktop/Application.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Screen.h"

namespace {
// The control whose window CreateWindowExW is making: its first messages arrive before the
// window can carry a pointer to it.
thread_local TWinControl* creatingControl = nullptr;

TWinControl* ControlOfWindow(HWND window) {
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}
}  // namespace

TWinControl* TWinControl::FindControl(HWND window) {
  if (!window || WNDPROC(GetClassLongPtrW(window, GCLP_WNDPROC)) != &TWinControl::WindowProcedure) return nullptr;
  return ControlOfWindow(window);
}

CL_PUBLISHED(TWinControl) {
  published.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false);
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks});
}

void TWinControl::BeforeDestruction() {
  TControl::BeforeDestruction();
  DestroyHandle();
}

TWinControl::~TWinControl() {
  Destroying();
  while (!controls_.empty()) controls_.back()->Free();
  if (handle_) {
    // Freed without BeforeDestruction: the window goes without reaching this half-destroyed object.
    HWND window = handle_;
    handle_ = nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
  }
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::HandleNeeded() {
  if (handle_) return;
  // Making the parent's window makes this one too.
  if (Parent() && !Parent()->HandleAllocated()) Parent()->HandleNeeded();
  if (!handle_) CreateHandle();
}

void TWinControl::CreateHandle() {
  if (!handle_) CreateWnd();
  for (TControl* control : std::vector<TControl*>(controls_))
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->CreateHandle();
  Realign();
  UpdateShowing();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TControl* control : controls_)
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->DestroyHandle();
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  DestroyHandle();
  UpdateShowing();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle().Contains(csAcceptsControls)) params.Style |= WS_CLIPCHILDREN;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (tabStop_) params.Style |= WS_TABSTOP;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  if (Parent()) params.WndParent = Parent()->Handle();
  params.WindowClass.style = CS_VREDRAW | CS_HREDRAW;
  if (ControlStyle().Contains(csDoubleClicks)) params.WindowClass.style |= CS_DBLCLKS;
  params.WindowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  const std::string className = ClassName();
  params.WinClassName.assign(className.begin(), className.end());
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EInvalidOperation(Format("Control '%s' has no parent window", Name().c_str()));
  RegisterWindowClass(params);
  CreateWindowHandle(params);
  if (!handle_) RaiseLastOSError();
}

void TWinControl::RegisterWindowClass(TCreateParams& params) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing{};
  if (GetClassInfoW(instance, params.WinClassName.c_str(), &existing)) return;
  WNDCLASSW windowClass = params.WindowClass;
  windowClass.lpfnWndProc = &TWinControl::WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = params.WinClassName.c_str();
  if (!RegisterClassW(&windowClass)) RaiseLastOSError();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  creatingControl = this;
  HWND window = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                                params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  creatingControl = nullptr;
  if (!window) {
    handle_ = nullptr;
    return;
  }
  handle_ = window;
  StoreBoundsFromWindow();
}

void TWinControl::DestroyWnd() {
  showing_ = false;
  mouseInside_ = false;
  if (handle_) DestroyWindow(handle_);
}

LRESULT CALLBACK TWinControl::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = ControlOfWindow(window);
  if (!control && creatingControl) {
    control = creatingControl;
    creatingControl = nullptr;
    control->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  }
  if (!control) return DefWindowProcW(window, msg, wParam, lParam);
  return control->MainWndProc(msg, wParam, lParam);
}

// A handler may free this control (a form's release); nothing here touches it after WndProc
// except for the window's last message, which only comes while the control is alive.
LRESULT TWinControl::MainWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  try {
    WndProc(message);
  } catch (...) {
    Application->HandleException(this);
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    handle_ = nullptr;
    showing_ = false;
  }
  return message.Result;
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETCURSOR:
      if (SetControlCursor(message)) return;
      break;
    case WM_MOUSEMOVE:
      TrackMouse();
      break;
    case WM_MOUSELEAVE:
      mouseInside_ = false;
      Perform(CM_MOUSELEAVE);
      return;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
      if (ControlStyle().Contains(csCaptureMouse)) SetCapture(handle_);
      break;
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
      TControl::WndProc(message);
      if (ControlStyle().Contains(csCaptureMouse) && GetCapture() == handle_) ReleaseCapture();
      return;
    case WM_MOUSEWHEEL: {
      const POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      if (DoMouseWheel(MouseShiftState(GET_KEYSTATE_WPARAM(message.WParam)), GET_WHEEL_DELTA_WPARAM(message.WParam),
                       at))
        return;
      break;
    }
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_KEYUP: case WM_SYSKEYUP: case WM_CHAR:
      return KeyMessage(message);
    case WM_SETFOCUS:
      DefaultHandler(message);
      DoEnter();
      return;
    case WM_KILLFOCUS:
      DefaultHandler(message);
      DoExit();
      return;
    case WM_ERASEBKGND:
      return EraseBackground(message);
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(message);
      StoreBoundsFromWindow();
      return;
    case CM_SHOWINGCHANGED:
      SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                       (showing_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
      return;
  }
  TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (handle_) message.Result = DefWindowProcW(handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::TrackMouse() {
  if (mouseInside_) return;
  TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, handle_, 0};
  mouseInside_ = TrackMouseEvent(&track) != FALSE;
  Perform(CM_MOUSEENTER);
}

// The control's own cursor over its client area; crDefault leaves it to the window class.
bool TWinControl::SetControlCursor(TMessage& message) {
  if (reinterpret_cast<HWND>(message.WParam) != handle_ || LOWORD(message.LParam) != HTCLIENT ||
      Cursor() == crDefault)
    return false;
  ::SetCursor(Screen->Cursors(Cursor()));
  message.Result = TRUE;
  return true;
}

void TWinControl::EraseBackground(TMessage& message) {
  RECT client;
  GetClientRect(handle_, &client);
  HBRUSH brush = CreateSolidBrush(ColorToRGB(Color()));
  FillRect(reinterpret_cast<HDC>(message.WParam), &client, brush);
  DeleteObject(brush);
  message.Result = 1;
}

void TWinControl::KeyMessage(TMessage& message) {
  if (message.Msg == WM_CHAR) {
    wchar_t key = wchar_t(message.WParam);
    KeyPress(key);
    if (key == 0) return;
    message.WParam = key;
  } else {
    WORD key = WORD(message.WParam);
    const bool down = message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN;
    if (down) KeyDown(key, KeyboardShiftState());
    else KeyUp(key, KeyboardShiftState());
    if (key == 0) return;
    message.WParam = key;
  }
  DefaultHandler(message);
}

void TWinControl::StoreBoundsFromWindow() {
  if (!handle_ || IsIconic(handle_)) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if (Parent() && Parent()->HandleAllocated())
    MapWindowPoints(HWND_DESKTOP, Parent()->handle_, reinterpret_cast<POINT*>(&r), 2);
  storingBounds_ = true;
  SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  storingBounds_ = false;
}

void TWinControl::BoundsChanged(bool sizeChanged) {
  if (handle_ && !storingBounds_)
    SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  if (sizeChanged) Realign();
  TControl::BoundsChanged(sizeChanged);
}

bool TWinControl::ShouldShow() const { return Visible() && (!Parent() || Parent()->Showing()); }

// A control that is still streaming in waits for Loaded before it shows.
void TWinControl::UpdateShowing() {
  if (HasState(csLoading)) return;
  const bool show = ShouldShow();
  if (show && !handle_ && (!Parent() || Parent()->HandleAllocated())) CreateHandle();
  if (handle_ && show != showing_) {
    showing_ = show;
    Perform(CM_SHOWINGCHANGED);
  }
  for (TControl* control : std::vector<TControl*>(controls_))
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->UpdateShowing();
}

void TWinControl::VisibleChanged() {
  UpdateShowing();
  TControl::VisibleChanged();
}

void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, Enabled());
}

void TWinControl::CursorChanged() {
  if (!handle_) return;
  POINT at;
  if (GetCursorPos(&at) && WindowFromPoint(at) == handle_)
    SendMessageW(handle_, WM_SETCURSOR, reinterpret_cast<WPARAM>(handle_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

void TWinControl::ColorChanged() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) throw EListError(Format("List index out of bounds (%d)", index));
  return controls_[size_t(index)];
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (handle_) windowed->CreateHandle();
  }
  Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->DestroyHandle();
  controls_.erase(it);
  control->parent_ = nullptr;
  Realign();
}

RECT TWinControl::ClientRect() const {
  if (!handle_) return TControl::ClientRect();
  RECT r;
  GetClientRect(handle_, &r);
  return r;
}

void TWinControl::Realign() {
  if (aligning_ || HasState(csLoading) || HasState(csDestroying)) return;
  aligning_ = true;
  RECT area = ClientRect();
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* c : std::vector<TControl*>(controls_)) {
      if (c->Align() != align || !c->Visible()) continue;
      const int width = std::max(0, int(area.right - area.left));
      const int height = std::max(0, int(area.bottom - area.top));
      switch (align) {
        case alTop:
          c->SetBounds(area.left, area.top, width, c->Height());
          area.top += c->Height();
          break;
        case alBottom:
          c->SetBounds(area.left, area.bottom - c->Height(), width, c->Height());
          area.bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(area.left, area.top, c->Width(), height);
          area.left += c->Width();
          break;
        case alRight:
          c->SetBounds(area.right - c->Width(), area.top, c->Width(), height);
          area.right -= c->Width();
          break;
        default:
          c->SetBounds(area.left, area.top, width, height);
          break;
      }
    }
  }
  aligning_ = false;
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
  UpdateShowing();
}

void TWinControl::SetTabStop(bool tabStop) {
  if (tabStop == tabStop_) return;
  tabStop_ = tabStop;
  if (!handle_) return;
  LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  SetWindowLongPtrW(handle_, GWL_STYLE, tabStop ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
}

bool TWinControl::CanFocus() const {
  for (const TWinControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

POINT TWinControl::ClientToScreen(POINT point) {
  ::ClientToScreen(Handle(), &point);
  return point;
}

POINT TWinControl::ScreenToClient(POINT point) {
  ::ScreenToClient(Handle(), &point);
  return point;
}
