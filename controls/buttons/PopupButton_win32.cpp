#include "controls/buttons/PopupButton.h"
#include "classlib/desktop/Menus.h"
#include "engine/scene/SceneInterface.h"

CL_PUBLISHED(TvgPopupButton) {
  published.Property("PopupMenu", &TvgPopupButton::PopupMenu, &TvgPopupButton::SetPopupMenu);
}

void TvgPopupButton::SetPopupMenu(TPopupMenu* menu) {
  if (menu == popupMenu_) return;
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (popupMenu_) popupMenu_->FreeNotification(this);
}

void TvgPopupButton::Click() {
  TvgButton::Click();
  if (!popupMenu_ || !Scene()) return;
  const TvgPoint screen = Scene()->LocalToScreen(LocalToAbsolute({0, Height()}));
  popupMenu_->Popup(int(Round(screen.X)), int(Round(screen.Y)));
}

void TvgPopupButton::Notification(TComponent* component, TOperation operation) {
  TvgButton::Notification(component, operation);
  if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}
