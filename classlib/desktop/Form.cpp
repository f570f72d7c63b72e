#include "classlib/desktop/Form.h"

#include <vector>

#include "classlib/core/Reader.h"
#include "classlib/desktop/Application.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Menus.h"
#include "classlib/desktop/ResourceStream.h"
#include "classlib/desktop/Screen.h"
#include "classlib/desktop/Timer.h"

namespace {
struct TDisabledWindows {
  HWND modal;
  std::vector<HWND> windows;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM data) {
  auto& disabled = *reinterpret_cast<TDisabledWindows*>(data);
  if (window != disabled.modal && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    disabled.windows.push_back(window);
  }
  return TRUE;
}

// The program's windows that a modal form disables while it runs.
std::vector<HWND> DisableThreadWindows(HWND modal) {
  TDisabledWindows disabled{modal, {}};
  EnumThreadWindows(GetCurrentThreadId(), &DisableWindow, reinterpret_cast<LPARAM>(&disabled));
  return disabled.windows;
}

void EnableWindows(const std::vector<HWND>& windows) {
  for (HWND window : windows)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}

int ShowCommand(TWindowState state) {
  switch (state) {
    case wsMinimized: return SW_SHOWMINIMIZED;
    case wsMaximized: return SW_SHOWMAXIMIZED;
    default: return SW_SHOWNORMAL;
  }
}
}  // namespace

CL_PUBLISHED(TCustomForm) {
  published.Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable);
  published.Property("Caption", &TCustomForm::Caption, &TCustomForm::SetCaption);
  published.Property("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight);
  published.Property("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth);
  published.Property("Font", &TCustomForm::Font, &TCustomForm::SetFont);
  published.Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
  published.Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned);
  published.Property("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState).Default(wsNormal);
  published.Property("OnClose", &TCustomForm::OnClose, &TCustomForm::OnClose);
  published.Property("OnCreate", &TCustomForm::OnCreate, &TCustomForm::OnCreate);
  published.Property("OnDestroy", &TCustomForm::OnDestroy, &TCustomForm::OnDestroy);
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks});
  SetVisible(false);
  SetBounds(0, 0, 320, 240);
  Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  Screen->RemoveForm(this);
  delete font_;
}

// OnDestroy runs while the form and its window are whole.
void TCustomForm::BeforeDestruction() {
  Destroying();
  DoDestroy();
  TWinControl::BeforeDestruction();
}

// The components of this library that form resources name by class.
static void RegisterFormComponentClasses() {
  static const bool registered = [] {
    RegisterClasses({TTimer::StaticClass(), TPopupMenu::StaticClass(), TMenuItem::StaticClass()});
    return true;
  }();
  (void)registered;
}

void TCustomForm::ReadFormResource() {
  RegisterFormComponentClasses();
  TResourceStream stream(UpperCase(ClassName()));
  TReader reader(stream);
  reader.ReadRootComponent(this);
}

void TCustomForm::DoCreate() {
  try {
    OnCreate(this);
  } catch (...) {
    Application->HandleException(this);
  }
}

void TCustomForm::DoDestroy() {
  try {
    OnDestroy(this);
  } catch (...) {
    Application->HandleException(this);
  }
}

void TCustomForm::DoClose(TCloseAction& action) { OnClose(this, action); }

void TCustomForm::WindowStyles(DWORD& style, DWORD& exStyle) const {
  style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  exStyle = 0;
  switch (borderStyle_) {
    case bsNone: style |= WS_POPUP; break;
    case bsSingle: style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX; break;
    case bsSizeable: style |= WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX; break;
    case bsDialog:
      style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
      exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      style |= WS_CAPTION | WS_SYSMENU;
      exStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME | WS_SYSMENU;
      exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (formStyle_ == fsStayOnTop) exStyle |= WS_EX_TOPMOST;
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  WindowStyles(params.Style, params.ExStyle);
  if (!Enabled()) params.Style |= WS_DISABLED;
  params.WndParent = Application->Handle();
  params.Caption = GbkToUtf16(caption_);
}

RECT TCustomForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  DWORD style, exStyle;
  WindowStyles(style, exStyle);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return {0, 0, Width() - (frame.right - frame.left), Height() - (frame.bottom - frame.top)};
}

int TCustomForm::FrameWidth() const { return Width() - ClientWidth(); }
int TCustomForm::FrameHeight() const { return Height() - ClientHeight(); }

// While the form streams in, its border may still change: the client size waits for Loaded.
void TCustomForm::SetClientWidth(int width) {
  if (HasState(csLoading)) pendingClientWidth_ = width;
  else SetWidth(width + FrameWidth());
}

void TCustomForm::SetClientHeight(int height) {
  if (HasState(csLoading)) pendingClientHeight_ = height;
  else SetHeight(height + FrameHeight());
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (pendingClientWidth_ >= 0) SetClientWidth(pendingClientWidth_);
  if (pendingClientHeight_ >= 0) SetClientHeight(pendingClientHeight_);
  pendingClientWidth_ = pendingClientHeight_ = -1;
}

void TCustomForm::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (HandleAllocated()) SetWindowTextW(Handle(), GbkToUtf16(caption).c_str());
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle style) {
  if (style == formStyle_) return;
  formStyle_ = style;
  if (HandleAllocated())
    SetWindowPos(Handle(), style == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetPosition(TPosition position) {
  position_ = position;
  positioned_ = false;
}

TWindowState TCustomForm::WindowState() const { return windowState_; }

void TCustomForm::SetWindowState(TWindowState state) {
  if (state == windowState_) return;
  windowState_ = state;
  if (Showing()) ShowWindow(Handle(), ShowCommand(state));
}

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case CM_SHOWINGCHANGED:
      ShowingChanged();
      return;
    case CM_RELEASE:
      Free();
      return;
    case WM_SIZE:
      if (Showing()) {
        if (message.WParam == SIZE_MINIMIZED) windowState_ = wsMinimized;
        else if (message.WParam == SIZE_MAXIMIZED) windowState_ = wsMaximized;
        else if (message.WParam == SIZE_RESTORED) windowState_ = wsNormal;
      }
      break;
    case WM_SYSCOMMAND:
      // Minimising the main form minimises the application (and lets its window hooks see it).
      if ((message.WParam & 0xFFF0) == SC_MINIMIZE && Application->MainForm() == this) {
        message.Result = SendMessageW(Application->Handle(), WM_SYSCOMMAND, message.WParam, message.LParam);
        return;
      }
      break;
  }
  TWinControl::WndProc(message);
}

void TCustomForm::ShowingChanged() {
  HWND window = Handle();
  if (!Showing()) {
    ShowWindow(window, SW_HIDE);
    return;
  }
  ApplyPosition();
  ShowWindow(window, ShowCommand(windowState_));
  if (formStyle_ == fsStayOnTop) SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  // The application window carries the program's taskbar button.
  HWND applicationWindow = Application->Handle();
  if (Application->MainForm() == this && !IsWindowVisible(applicationWindow))
    ShowWindow(applicationWindow, SW_SHOWNOACTIVATE);
}

void TCustomForm::ApplyPosition() {
  if (positioned_) return;
  positioned_ = true;
  switch (position_) {
    case poScreenCenter:
      SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
      break;
    case poDesktopCenter:
      SetBounds(Screen->DesktopLeft() + (Screen->DesktopWidth() - Width()) / 2,
                Screen->DesktopTop() + (Screen->DesktopHeight() - Height()) / 2, Width(), Height());
      break;
    default:
      break;
  }
}

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::BringToFront() {
  if (HandleAllocated())
    SetWindowPos(Handle(), formStyle_ == fsStayOnTop ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    default: Release(); break;
  }
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
  if (HWND captured = GetCapture()) SendMessageW(captured, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  HWND previouslyActive = GetActiveWindow();
  struct TModalScope {
    TCustomForm& form;
    std::vector<HWND> disabled;
    HWND previouslyActive;
    ~TModalScope() {
      EnableWindows(disabled);
      form.Hide();
      form.modal_ = false;
      if (previouslyActive && IsWindow(previouslyActive)) SetActiveWindow(previouslyActive);
    }
  } scope{*this, DisableThreadWindows(Handle()), previouslyActive};
  modal_ = true;
  modalResult_ = mrNone;
  Show();
  do {
    Application->HandleMessage();
    if (Application->Terminated()) modalResult_ = mrCancel;
    else if (modalResult_ != mrNone) CloseModal();
  } while (modalResult_ == mrNone);
  return modalResult_;
}

void TCustomForm::CloseModal() {
  try {
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) modalResult_ = mrNone;
    else if (action == caFree) Release();
  } catch (...) {
    modalResult_ = mrNone;
    Application->HandleException(this);
  }
}

void TCustomForm::Release() { PostMessageW(Handle(), CM_RELEASE, 0, 0); }

CL_PUBLISHED(TForm) {}
