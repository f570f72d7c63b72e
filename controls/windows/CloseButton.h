#pragma once
// TvgCloseButton: the button of a window frame that closes the form hosting its scene. A left
// press arms it; the release closes the form (with CloseForm) and fires its own OnClick, but only
// when the pointer is released over it.
#include "engine/tree/Control.h"

class TvgCloseButton : public TvgControl {
  CL_CLASS(TvgCloseButton, TvgControl)
public:
  explicit TvgCloseButton(TComponent* owner);

  bool CloseForm() const { return closeForm_; }
  void SetCloseForm(bool close) { closeForm_ = close; }

  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;

  // The button's own event, apart from the visual object's click; it runs after the form closed.
  TNotifyEvent OnClick;

private:
  bool closeForm_ = true;
  bool pressed_ = false;
};

class TvgHudCloseButton : public TvgCloseButton {
  CL_CLASS(TvgHudCloseButton, TvgCloseButton)
public:
  using TvgCloseButton::TvgCloseButton;
};
