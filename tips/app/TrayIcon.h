#pragma once
// One icon with a hint in the notification area. The shell's mouse messages for it become the
// component's events; a right click pops up PopupMenu, a double click runs the menu's default
// item, and the icon comes back when the taskbar is re-created.
#include "classlib/desktop/Win32.h"
#include <shellapi.h>

#include <memory>
#include <string>

#include "classlib/desktop/Control.h"
#include "classlib/desktop/Icon.h"
#include "classlib/desktop/Menus.h"
#include "classlib/desktop/UtilWindow.h"
#include "tips/app/InfoComponent.h"

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;

class TTrayIcon : public TInfoComponent {
  CL_CLASS(TTrayIcon, TInfoComponent)
public:
  explicit TTrayIcon(TComponent* owner);
  ~TTrayIcon() override;

  bool Active() const { return active_; }
  void SetActive(bool active);
  // Hides the application when its main window is minimised.
  bool AutoHide = false;
  // Whether the icon's mouse messages become events.
  bool Enabled = true;
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  TIcon* Icon() const { return icon_.get(); }
  void SetIcon(TIcon* icon) { icon_->Assign(icon); }
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);
  bool ShowDesign() const { return showDesign_; }
  void SetShowDesign(bool show);
  bool UseAppIcon() const { return useAppIcon_; }
  void SetUseAppIcon(bool use);

  TMouseEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  // Whether the shell shows the icon now.
  bool Added() const { return added_; }
  // The message window the shell sends the icon's mouse messages to.
  HWND Handle() const { return window_->Handle(); }
  // The notify-icon record as it was last handed to the shell.
  const NOTIFYICONDATAA& NotifyData() const { return notifyData_; }

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  TComponentDescription DescribeComponent() const override;

  // The shell's notice that the taskbar was re-created, and the icon's callback message.
  static UINT TaskbarCreatedMessage();
  static UINT NotifyMessage();

protected:
  virtual void UpdateNotifyData();

private:
  bool Designing() const { return HasState(csDesigning); }
  std::string ShortHint() const;
  void Add();
  void Update();
  void Remove();
  bool Popup(int x, int y);
  bool DefaultItem();
  void Click(TMouseButton button, TShiftState shift, int x, int y);
  void DblClick();
  bool HandleMessage(TMessage& message);
  void HandleMouse(UINT mouseMessage);
  bool MainWindowHook(TMessage& message);

  std::unique_ptr<TUtilWindow> window_;
  std::unique_ptr<TIcon> icon_;
  bool active_ = true;
  std::string hint_;
  TPopupMenu* popupMenu_ = nullptr;
  bool showDesign_ = false;
  bool useAppIcon_ = false;
  bool added_ = false;
  bool leftDown_ = false;
  bool rightDown_ = false;
  bool middleDown_ = false;
  NOTIFYICONDATAA notifyData_{};
  int hookCookie_ = 0;
};
