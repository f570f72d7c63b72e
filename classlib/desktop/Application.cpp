#include "classlib/desktop/Application.h"

#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Errors.h"
#include "classlib/desktop/HintWindow.h"
#include "classlib/desktop/Icon.h"
#include "classlib/desktop/Locale.h"
#include "classlib/desktop/Timer.h"
#include "classlib/desktop/Screen.h"

namespace {
const wchar_t kWindowClass[] = L"TApplication";

// Both live until the program ends; the screen outlives the application's forms.
struct TDesktopObjects {
  TScreen screen;
  TApplication application{nullptr};
};

TDesktopObjects& DesktopObjects() {
  static TDesktopObjects objects;
  return objects;
}

std::string ProgramName() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path, length);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  if (auto dot = name.rfind(L'.'); dot != std::wstring::npos) name.erase(dot);
  return Utf16ToGbk(name);
}
}  // namespace

TScreen& ScreenInstance() { return DesktopObjects().screen; }
TApplication& ApplicationInstance() { return DesktopObjects().application; }

CL_PUBLISHED(TApplication) {}

TApplication::TApplication(TComponent* owner) : TComponent(owner), title_(ProgramName()), icon_(new TIcon) {
  icon_->LoadFromResourceName(GetModuleHandleW(nullptr), L"MAINICON");
  LoadLocaleFormats();
}

TApplication::~TApplication() {
  hintTimer_.reset();
  hintHideTimer_.reset();
  hintWindow_.reset();
  Destroying();
  DestroyComponents();
  if (handle_) DestroyWindow(handle_);
  delete icon_;
}

void TApplication::Initialize() { HandleNeeded(); }

HWND TApplication::Handle() {
  HandleNeeded();
  return handle_;
}

void TApplication::HandleNeeded() {
  if (handle_) return;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing{};
  if (!GetClassInfoW(instance, kWindowClass, &existing)) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &TApplication::WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon_->Handle();
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassW(&windowClass)) RaiseLastOSError();
  }
  // A zero-size window at the screen's centre: never seen, it carries the taskbar button.
  handle_ = CreateWindowExW(0, kWindowClass, GbkToUtf16(title_).c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                            nullptr, instance, this);
  if (!handle_) RaiseLastOSError();
}

LRESULT CALLBACK TApplication::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<TApplication*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  try {
    self->WndProc(message, window);
  } catch (...) {
    self->HandleException(self);
  }
  return message.Result;
}

void TApplication::WndProc(TMessage& message, HWND window) {
  for (auto& [cookie, hook] : std::map<int, TWindowHook>(hooks_))
    if (hook(message)) return;
  switch (message.Msg) {
    case WM_CLOSE:
      if (mainForm_) mainForm_->Close();
      return;
    case WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) == SC_MINIMIZE) {
        Minimize();
        return;
      }
      break;
  }
  message.Result = DefWindowProcW(window, message.Msg, message.WParam, message.LParam);
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_) SetWindowTextW(handle_, GbkToUtf16(title).c_str());
}

void TApplication::Run() {
  terminated_ = false;
  if (!mainForm_) return;
  if (showMainForm_) mainForm_->SetVisible(true);
  do {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this);
    }
  } while (!terminated_);
}

void TApplication::Terminate() { PostQuitMessage(0); }

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (IsPreProcessMessage(msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

// A key message goes first to the control of its window, or of the nearest window around it
// that has one (a hosted browser's inner windows are not ours), unless the mouse is captured.
bool TApplication::IsPreProcessMessage(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || GetCapture()) return false;
  for (HWND window = msg.hwnd; window; window = GetParent(window))
    if (TWinControl* control = TWinControl::FindControl(window)) return control->PreProcessMessage(msg);
  return false;
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::HandleMessage() {
  if (ProcessMessage()) return;
  Idle();
  WaitMessage();
}

// Forms that are shown and enabled, as the user sees them.
void TApplication::Idle() {
  for (int i = Screen->FormCount() - 1; i >= 0; --i) {
    TCustomForm* form = Screen->Forms(i);
    if (form->HandleAllocated() && IsWindowVisible(form->Handle()) && IsWindowEnabled(form->Handle()))
      form->UpdateActions();
  }
}

void TApplication::Minimize() { ShowWindow(Handle(), SW_MINIMIZE); }

void TApplication::HandleException(TObject*) {
  if (!std::current_exception()) return;
  // A mouse capture left behind by the failed handler would swallow the next clicks.
  if (HWND captured = GetCapture()) SendMessageW(captured, WM_CANCELMODE, 0, 0);
  try {
    throw;
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(Exception("Unknown exception"));
  }
}

void TApplication::ShowException(const std::exception& error) {
  HWND owner = GetActiveWindow();
  if (!owner) owner = Handle();
  const std::wstring text = GbkToUtf16(error.what()), caption = GbkToUtf16(title_);
  const UINT flags = MB_OK | MB_ICONSTOP;
  if (messageBox_) messageBox_(owner, text, caption, flags);
  else MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

int TApplication::HookMainWindow(TWindowHook hook) {
  const int cookie = nextHookCookie_++;
  hooks_.emplace(cookie, std::move(hook));
  return cookie;
}

void TApplication::UnhookMainWindow(int cookie) { hooks_.erase(cookie); }

void TApplication::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component == hintControl_) CancelHint();
  if (operation == opRemove && component == mainForm_) mainForm_ = nullptr;
  TComponent::Notification(component, operation);
}
