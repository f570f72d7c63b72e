#include "controls/windows/CloseButton.h"

#include "classlib/desktop/Form.h"
#include "controls/buttons/HostForm.h"

CL_PUBLISHED(TvgCloseButton) {
  using B = TvgCloseButton;
  published.Property("CloseForm", &B::CloseForm, &B::SetCloseForm).Default(true);
  published.Property("OnClick", &B::OnClick, &B::OnClick);
}

CL_PUBLISHED(TvgHudCloseButton) {}

// The press captures the pointer, so that the release comes back here wherever it happens.
TvgCloseButton::TvgCloseButton(TComponent* owner) : TvgControl(owner) {
  SetCanFocused(false);
  SetAutoCapture(true);
  SetSizeDirect(20, 20);
}

void TvgCloseButton::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseDown(button, shift, x, y);
  if (button == mbLeft) pressed_ = true;
}

// The handlers run last: closing may free the form with this button.
void TvgCloseButton::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseUp(button, shift, x, y);
  if (!pressed_) return;
  pressed_ = false;
  if (x < 0 || x > Width() || y < 0 || y > Height()) return;
  if (closeForm_)
    if (TCustomForm* form = vgHostForm(*this)) form->Close();
  const TNotifyEvent handler = OnClick;
  handler(this);
}
