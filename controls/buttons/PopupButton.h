#pragma once
// TvgPopupButton: a button whose click opens its pop-up menu just below it.
#include "controls/buttons/Button.h"

class TPopupMenu;

class TvgPopupButton : public TvgButton {
  CL_CLASS(TvgPopupButton, TvgButton)
public:
  using TvgButton::TvgButton;

  // The menu the click opens (not the context menu of TvgVisualObject); cleared when it goes.
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);

  void Click() override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  TPopupMenu* popupMenu_ = nullptr;
};
