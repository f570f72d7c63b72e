#pragma once
// Menus: items in a tree under a menu, shown by the window system. Captions are 8-bit GBK
// texts; "-" makes a separator. A chosen item's OnClick runs from the message loop.
#include "classlib/desktop/Win32.h"

#include <string>
#include <vector>

#include "classlib/core/Component.h"

class TMenu;

CL_ENUM(TMenuAutoFlag, maAutomatic, maManual, maParent)

class TMenuItem : public TComponent {
  CL_CLASS(TMenuItem, TComponent)
public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  bool IsLine() const { return caption_ == "-"; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Default() const { return default_; }
  void SetDefault(bool isDefault) { default_ = isDefault; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  TNotifyEvent OnClick;

  int Count() const { return int(items_.size()); }
  TMenuItem* Items(int index) const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  TMenuItem* Parent() const { return parent_; }
  // The menu this item belongs to, through its parents; nullptr when it hangs in no menu.
  TMenu* GetParentMenu() const;

  // Runs OnClick when the item is enabled.
  virtual void Click();
  // The item's command identifier in the window system's menus.
  UINT Command() const { return command_; }
  static TMenuItem* FindByCommand(UINT command);

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

private:
  friend class TMenu;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  bool default_ = false;
  bool checked_ = false;
  UINT command_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on a menu's root item only
  std::vector<TMenuItem*> items_;
};

class TMenu : public TComponent {
  CL_CLASS(TMenu, TComponent)
public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // The root item: its children are the menu's items.
  TMenuItem* Items() const { return items_; }
  TMenuAutoFlag AutoHotkeys() const { return autoHotkeys_; }
  void SetAutoHotkeys(TMenuAutoFlag flag) { autoHotkeys_ = flag; }

  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

private:
  TMenuItem* items_;
  TMenuAutoFlag autoHotkeys_ = maAutomatic;
};

class TPopupMenu : public TMenu {
  CL_CLASS(TPopupMenu, TMenu)
public:
  using TMenu::TMenu;

  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
  // The component that popped the menu up last (set by that component).
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component);

  // Shows the visible items at (x, y) in screen coordinates until the user chooses or cancels.
  virtual void Popup(int x, int y);
  void Notification(TComponent* component, TOperation operation) override;

private:
  bool autoPopup_ = true;
  TComponent* popupComponent_ = nullptr;
};
