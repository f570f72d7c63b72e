#include "classlib/desktop/Menus.h"

#include <algorithm>
#include <map>
#include <memory>

#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Errors.h"
#include "classlib/desktop/UtilWindow.h"

namespace {
// Never freed: menu items of forms still alive at exit go after every static object.
std::map<UINT, TMenuItem*>& ItemsByCommand() {
  static auto* items = new std::map<UINT, TMenuItem*>;
  return *items;
}

UINT NextCommand() {
  static UINT last = 0;
  do last = last % 0xFFFF + 1;
  while (ItemsByCommand().count(last));
  return last;
}

// Receives the commands of every popped-up menu.
HWND MenuCommandWindow() {
  static const std::unique_ptr<TUtilWindow> window = std::make_unique<TUtilWindow>([](TMessage& message) {
    if (message.Msg != WM_COMMAND || HIWORD(message.WParam) != 0) return false;
    if (TMenuItem* item = TMenuItem::FindByCommand(LOWORD(message.WParam))) item->Click();
    return true;
  });
  return window->Handle();
}

HMENU BuildPopupMenu(const TMenuItem& parent) {
  HMENU menu = CreatePopupMenu();
  UINT position = 0;
  for (int i = 0; i < parent.Count(); ++i) {
    const TMenuItem& item = *parent.Items(i);
    if (!item.Visible()) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    std::wstring text = GbkToUtf16(item.Caption());
    if (item.IsLine()) {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
    } else {
      info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE;
      info.dwTypeData = text.data();
      info.wID = item.Command();
      info.fState = (item.Enabled() ? MFS_ENABLED : MFS_GRAYED) | (item.Default() ? MFS_DEFAULT : 0) |
                    (item.Checked() ? MFS_CHECKED : 0);
      if (item.Count() > 0) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = BuildPopupMenu(item);
      }
    }
    InsertMenuItemW(menu, position++, TRUE, &info);
  }
  return menu;
}
}  // namespace

CL_PUBLISHED(TMenuItem) {
  published.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
  published.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
  published.Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false);
  published.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
  published.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
  published.Property("OnClick", &TMenuItem::OnClick, &TMenuItem::OnClick);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {
  ItemsByCommand()[command_] = this;
}

TMenuItem::~TMenuItem() {
  while (!items_.empty()) items_.back()->Free();
  if (parent_) parent_->Remove(this);
  ItemsByCommand().erase(command_);
}

TMenuItem* TMenuItem::FindByCommand(UINT command) {
  auto it = ItemsByCommand().find(command);
  return it == ItemsByCommand().end() ? nullptr : it->second;
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
  return items_[size_t(index)];
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->parent_) throw EInvalidOperation("Menu inserted twice");
  if (index < 0 || index > Count()) throw EListError(Format("List index out of bounds (%d)", index));
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) throw EInvalidOperation("Sub-menu is not in menu");
  items_.erase(it);
  item->parent_ = nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->parent_) item = item->parent_;
  return item->menu_;
}

// From a copy: the handler may free the item (with its form).
void TMenuItem::Click() {
  if (!enabled_) return;
  const TNotifyEvent handler = OnClick;
  handler(this);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (parent_) parent_->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) {
  for (TMenuItem* item : items_) proc(item);
}

CL_PUBLISHED(TMenu) {
  published.Property("AutoHotkeys", &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys).Default(maAutomatic);
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() { items_->Free(); }

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  items_->GetChildren(proc, root);
}

CL_PUBLISHED(TPopupMenu) {
  published.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
  if (popupComponent_) popupComponent_->RemoveFreeNotification(this);
  popupComponent_ = component;
  if (component) component->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component == popupComponent_) popupComponent_ = nullptr;
  TMenu::Notification(component, operation);
}

// The window system posts the chosen item's command; it is handled after the menu has closed.
void TPopupMenu::Popup(int x, int y) {
  HMENU menu = BuildPopupMenu(*Items());
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, MenuCommandWindow(), nullptr);
  DestroyMenu(menu);
}
