#include "controls/buttons/Button.h"
#include "classlib/desktop/Control.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Timer.h"
#include "controls/buttons/HostForm.h"
#include "engine/tree/ObjectRegistry.h"

CL_PUBLISHED(TvgCustomButton) {
  using B = TvgCustomButton;
  // StaysPressed comes first, so that a latched button read from a stream keeps IsPressed.
  published.Property("StaysPressed", &B::StaysPressed, &B::SetStaysPressed).Default(false);
  published.Property("IsPressed", &B::IsPressed, &B::SetIsPressed).Default(false);
  published.Property("RepeatClick", &B::RepeatClick, &B::SetRepeatClick).Default(false);
  published.Property("ModalResult", &B::ModalResult, &B::SetModalResult).Default(0);
  published.Property("AutoTranslate", &B::AutoTranslate, &B::SetAutoTranslate).Default(true);
  published.Property("CanFocused", &B::CanFocused, &B::SetCanFocused).Default(true);
  published.Property("DisableFocusEffect", &B::DisableFocusEffect, &B::SetDisableFocusEffect).Default(false);
  published.Property("Font", &B::Font, &B::SetFont);
  published.Property("TextAlign", &B::TextAlign, &B::SetTextAlign).Default(vgTextAlignCenter);
  published.Property("Text", &B::Text, &B::SetText);
  published.Property("WordWrap", &B::WordWrap, &B::SetWordWrap).Default(false);
}

CL_PUBLISHED(TvgButton) {
  published.Property("Default", &TvgButton::Default, &TvgButton::SetDefault).Default(false);
  published.Property("Cancel", &TvgButton::Cancel, &TvgButton::SetCancel).Default(false);
}

CL_PUBLISHED(TvgRoundButton) {}
CL_PUBLISHED(TvgCircleButton) {}
CL_PUBLISHED(TvgHudButton) {}
CL_PUBLISHED(TvgHudRoundButton) {}
CL_PUBLISHED(TvgHudCircleButton) {}

CL_PUBLISHED(TvgExpanderButton) {
  using B = TvgExpanderButton;
  published.Property("CanFocused", &B::CanFocused, &B::SetCanFocused).Default(false);
}

namespace {
// The repeat timer waits this long before it hands over to the repeating interval, whose first
// tick clicks: the first repeated click comes 600 ms after the press.
constexpr uint32_t kRepeatDelay = 500;
constexpr uint32_t kRepeatInterval = 100;
}  // namespace

TvgCustomButton::TvgCustomButton(TComponent* owner) : TvgTextControl(owner) {
  SetAutoTranslate(true);
  SetWordWrap(false);
  SetSizeDirect(80, 22);
  SetAutoCapture(true);
  SetCanFocused(true);
}

TvgCircleButton::TvgCircleButton(TComponent* owner) : TvgButton(owner) { SetSizeDirect(21, 21); }

TvgExpanderButton::TvgExpanderButton(TComponent* owner) : TvgCustomButton(owner) { SetCanFocused(false); }

// --- Pressed state ---------------------------------------------------------------------------

void TvgCustomButton::SetIsPressed(bool pressed) {
  if (staysPressed_ && pressed != isPressed_) ShowPressed(pressed);
}

void TvgCustomButton::ShowPressed(bool pressed) {
  isPressed_ = pressed;
  StartTriggerAnimation(this, "IsPressed");
  ApplyTriggerEffect(this, "IsPressed");
}

void TvgCustomButton::ApplyStyle() {
  TvgTextControl::ApplyStyle();
  StartTriggerAnimation(this, "IsPressed");
  ApplyTriggerEffect(this, "IsPressed");
}

void TvgCustomButton::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgTextControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  tracking_ = true;
  if (staysPressed_) return ShowPressed(!isPressed_);
  if (repeatClick_) StartRepeating();
  ShowPressed(true);
}

// Leaving the button shows it released, coming back pressed again.
void TvgCustomButton::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgTextControl::MouseMove(shift, x, y, dx, dy);
  if (!shift.Contains(ssLeft) || !tracking_ || staysPressed_) return;
  const bool inside = x >= 0 && x <= Width() && y >= 0 && y <= Height();
  if (inside != isPressed_) ShowPressed(inside);
}

void TvgCustomButton::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  if (tracking_) {
    if (repeatTimer_) repeatTimer_->SetEnabled(false);
    tracking_ = false;
    if (!staysPressed_) ShowPressed(false);
  }
  TvgTextControl::MouseUp(button, shift, x, y);
}

void TvgCustomButton::StartRepeating() {
  if (!repeatTimer_) repeatTimer_ = new TTimer(this);
  repeatTimer_->SetEnabled(false);
  repeatTimer_->SetInterval(kRepeatDelay);
  repeatTimer_->SetOnTimer([this](TObject*) {
    repeatTimer_->SetInterval(kRepeatInterval);
    repeatTimer_->SetOnTimer([this](TObject*) { Click(); });
  });
  repeatTimer_->SetEnabled(true);
}

// --- Clicks and keys -------------------------------------------------------------------------

void TvgCustomButton::SetData(const Variant& value) {
  if (vgVarIsMethod(value)) OnClick = TNotifyEvent::FromMethod(vgVariantToMethod(value));
}

void TvgCustomButton::Click() {
  if (modalResult_ != 0) SetModalResultOfHostForm();
  TvgTextControl::Click();
}

// A scene without a form among the owners of its window control closes nothing.
void TvgCustomButton::SetModalResultOfHostForm() {
  if (TCustomForm* form = vgHostForm(*this)) form->SetModalResult(modalResult_);
}

void TvgCustomButton::DblClick() {
  TvgTextControl::DblClick();
  Click();
}

void TvgCustomButton::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgTextControl::KeyDown(key, keyChar, shift);
  if (key == VK_RETURN || key == VK_SPACE) Click();
}

// The key is consumed before the click, whose handler may free the button.
void TvgButton::DialogKey(uint16_t& key, TShiftState shift) {
  TvgCustomButton::DialogKey(key, shift);
  if ((default_ && key == VK_RETURN) || (cancel_ && key == VK_ESCAPE)) {
    key = 0;
    Click();
  }
}
