#include "tips/app/TrayIcon.h"

#include <cstring>

#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Screen.h"

namespace {

// The record of the shell before Windows Vista: it carries no balloon icon and no GUID.
constexpr DWORD kNotifyDataSize = NOTIFYICONDATAA_V2_SIZE;
constexpr size_t kMaxTipLength = 63;

}  // namespace

CL_PUBLISHED(TTrayIcon) {
  published.Property("Active", &TTrayIcon::Active, &TTrayIcon::SetActive).Default(true);
  published.Property("AutoHide", &TTrayIcon::AutoHide, &TTrayIcon::AutoHide).Default(false);
  published.Property("Enabled", &TTrayIcon::Enabled, &TTrayIcon::Enabled).Default(true);
  published.Property("Hint", &TTrayIcon::Hint, &TTrayIcon::SetHint);
  published.Property("Icon", &TTrayIcon::Icon, &TTrayIcon::SetIcon);
  published.Property("PopupMenu", &TTrayIcon::PopupMenu, &TTrayIcon::SetPopupMenu);
  published.Property("ShowDesign", &TTrayIcon::ShowDesign, &TTrayIcon::SetShowDesign).Default(false);
  published.Property("UseAppIcon", &TTrayIcon::UseAppIcon, &TTrayIcon::SetUseAppIcon).Default(false);
  published.Property("OnClick", &TTrayIcon::OnClick, &TTrayIcon::OnClick);
  published.Property("OnDblClick", &TTrayIcon::OnDblClick, &TTrayIcon::OnDblClick);
  published.Property("OnMouseDown", &TTrayIcon::OnMouseDown, &TTrayIcon::OnMouseDown);
  published.Property("OnMouseMove", &TTrayIcon::OnMouseMove, &TTrayIcon::OnMouseMove);
  published.Property("OnMouseUp", &TTrayIcon::OnMouseUp, &TTrayIcon::OnMouseUp);
}

UINT TTrayIcon::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

UINT TTrayIcon::NotifyMessage() {
  static const UINT message = RegisterWindowMessageA("TrayIconNotify");
  return message;
}

TTrayIcon::TTrayIcon(TComponent* owner)
    : TInfoComponent(owner),
      window_(std::make_unique<TUtilWindow>([this](TMessage& message) { return HandleMessage(message); })),
      icon_(std::make_unique<TIcon>()) {
  icon_->OnChange = [this](TObject*) { Update(); };
  hookCookie_ = Application->HookMainWindow([this](TMessage& message) { return MainWindowHook(message); });
}

TTrayIcon::~TTrayIcon() {
  Application->UnhookMainWindow(hookCookie_);
  Enabled = false;
  icon_->OnChange = nullptr;
  Remove();
}

TComponentDescription TTrayIcon::DescribeComponent() const {
  return {"TTrayIcon", "Kest", "", "An icon with a hint and a menu in the notification area"};
}

void TTrayIcon::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (Designing()) return;
  if (active) Add();
  else Remove();
}

void TTrayIcon::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Update();
}

void TTrayIcon::SetPopupMenu(TPopupMenu* menu) {
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TTrayIcon::SetShowDesign(bool show) {
  if (!Designing()) return;
  if (show) Add();
  else Remove();
  showDesign_ = added_;
}

void TTrayIcon::SetUseAppIcon(bool use) {
  useAppIcon_ = use;
  if (use) icon_->Assign(Application->Icon());
}

void TTrayIcon::Loaded() {
  TInfoComponent::Loaded();
  if (active_ && !Designing()) Add();
}

void TTrayIcon::Notification(TComponent* component, TOperation operation) {
  TInfoComponent::Notification(component, operation);
  if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

std::string TTrayIcon::ShortHint() const { return hint_.substr(0, hint_.find('|')); }

void TTrayIcon::UpdateNotifyData() {
  std::memset(&notifyData_, 0, sizeof notifyData_);
  notifyData_.cbSize = kNotifyDataSize;
  notifyData_.hWnd = window_->Handle();
  notifyData_.uID = 0;
  notifyData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
  notifyData_.uCallbackMessage = NotifyMessage();
  notifyData_.hIcon = icon_->Handle();
  const std::string tip = ShortHint().substr(0, kMaxTipLength);
  std::memcpy(notifyData_.szTip, tip.data(), tip.size());
}

void TTrayIcon::Add() {
  Remove();
  if (!icon_->HandleAllocated()) return;
  leftDown_ = rightDown_ = middleDown_ = false;
  UpdateNotifyData();
  added_ = Shell_NotifyIconA(NIM_ADD, &notifyData_);
  if (added_ && !ShortHint().empty()) Shell_NotifyIconA(NIM_MODIFY, &notifyData_);
}

void TTrayIcon::Update() {
  // Loaded adds the icon once every property has been read.
  if (HasState(csLoading)) return;
  if (!added_) {
    if (Designing() ? showDesign_ : active_) Add();
    return;
  }
  if (icon_->HandleAllocated()) {
    UpdateNotifyData();
    Shell_NotifyIconA(NIM_MODIFY, &notifyData_);
  } else {
    Remove();
  }
}

void TTrayIcon::Remove() {
  if (added_) Shell_NotifyIconA(NIM_DELETE, &notifyData_);
  added_ = false;
  leftDown_ = rightDown_ = middleDown_ = false;
}

bool TTrayIcon::Popup(int x, int y) {
  if (Designing() || !active_ || !popupMenu_ || !popupMenu_->AutoPopup()) return false;
  popupMenu_->SetPopupComponent(this);
  TCustomForm* mainForm = Application->MainForm();
  if (Screen->ActiveForm() && !HasState(csDestroying) && mainForm) SendMessageW(mainForm->Handle(), WM_CANCELMODE, 0, 0);
  const HWND window = window_->Handle();
  // The menu closes when the user clicks elsewhere only while its owner is the foreground window.
  if (IsWindowEnabled(window)) SetForegroundWindow(window);
  Application->ProcessMessages();
  try {
    popupMenu_->Popup(x, y);
  } catch (...) {
    SetForegroundWindow(window);
    throw;
  }
  SetForegroundWindow(window);
  return true;
}

bool TTrayIcon::DefaultItem() {
  if (Designing() || !active_ || !popupMenu_) return false;
  TMenuItem* items = popupMenu_->Items();
  for (int index = 0; index < items->Count(); ++index) {
    TMenuItem* item = items->Items(index);
    if (item->Default() && item->Enabled()) {
      item->Click();
      return true;
    }
  }
  return false;
}

void TTrayIcon::Click(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbRight && Popup(x, y)) return;
  OnClick(this, button, shift, x, y);
}

void TTrayIcon::DblClick() {
  if (!DefaultItem()) OnDblClick(this);
}

bool TTrayIcon::HandleMessage(TMessage& message) {
  if (message.Msg == NotifyMessage()) {
    if (Enabled) HandleMouse(UINT(message.LParam));
    return true;
  }
  if (message.Msg == TaskbarCreatedMessage()) {
    if (!Designing() && active_) Add();
    return true;
  }
  return false;
}

void TTrayIcon::HandleMouse(UINT mouseMessage) {
  const TShiftState shift = KeyboardShiftState();
  POINT cursor{};
  GetCursorPos(&cursor);
  const int x = cursor.x, y = cursor.y;
  // A click needs both the press and the release on the icon; the release after a double click
  // finds its flag clear and makes no second click.
  auto up = [&](TMouseButton button, bool& down) {
    if (down) {
      down = false;
      Click(button, shift, x, y);
    }
    OnMouseUp(this, button, shift, x, y);
  };
  switch (mouseMessage) {
    case WM_MOUSEMOVE: OnMouseMove(this, shift, x, y); break;
    case WM_LBUTTONDOWN: OnMouseDown(this, mbLeft, shift, x, y); leftDown_ = true; break;
    case WM_RBUTTONDOWN: OnMouseDown(this, mbRight, shift, x, y); rightDown_ = true; break;
    case WM_MBUTTONDOWN: OnMouseDown(this, mbMiddle, shift, x, y); middleDown_ = true; break;
    case WM_LBUTTONUP: up(mbLeft, leftDown_); break;
    case WM_RBUTTONUP: up(mbRight, rightDown_); break;
    case WM_MBUTTONUP: up(mbMiddle, middleDown_); break;
    case WM_LBUTTONDBLCLK: DblClick(); OnMouseDown(this, mbLeft, shift, x, y); break;
    case WM_RBUTTONDBLCLK: DblClick(); OnMouseDown(this, mbRight, shift, x, y); break;
    case WM_MBUTTONDBLCLK: DblClick(); OnMouseDown(this, mbMiddle, shift, x, y); break;
    default: break;
  }
}

bool TTrayIcon::MainWindowHook(TMessage& message) {
  if (message.Msg != WM_SYSCOMMAND || message.WParam != SC_MINIMIZE) return false;
  if (!AutoHide || !active_ || Designing()) return false;
  TCustomForm* mainForm = Application->MainForm();
  if (mainForm && mainForm->WindowState() != wsMinimized) {
    Application->Minimize();
    mainForm->Hide();
  }
  ShowWindow(Application->Handle(), SW_HIDE);
  return false;
}
