#include "controls/boxes/CheckBox.h"

#include "classlib/desktop/Control.h"
#include "engine/paint/PathData.h"
#include "engine/shapes/Path.h"
#include "engine/tree/ObjectRegistry.h"

CL_PUBLISHED(TvgCheckControl) {
  using C = TvgCheckControl;
  published.Property("IsChecked", &C::IsChecked, &C::SetIsChecked).Default(false);
  published.Property("IsPressed", &C::IsPressed).Stored(false);
  published.Property("OnChange", &C::OnChange, &C::OnChange);
  published.Property("AutoTranslate", &C::AutoTranslate, &C::SetAutoTranslate).Default(true);
  published.Property("BindingSource", &C::BindingSource, &C::SetBindingSource);
  published.Property("CanFocused", &C::CanFocused, &C::SetCanFocused).Default(true);
  published.Property("DisableFocusEffect", &C::DisableFocusEffect, &C::SetDisableFocusEffect).Default(false);
  published.Property("Font", &C::Font, &C::SetFont);
  published.Property("TextAlign", &C::TextAlign, &C::SetTextAlign).Default(vgTextAlignNear);
  published.Property("Text", &C::Text, &C::SetText);
  published.Property("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(false);
}

CL_PUBLISHED(TvgCheckBox) {}
CL_PUBLISHED(TvgHudCheckBox) {}

CL_PUBLISHED(TvgPathCheckBox) { published.Property("Path", &TvgPathCheckBox::Path, &TvgPathCheckBox::SetPath); }

namespace {
const char* const kCheckMark =
    "M 341.236,311.738 L 309.372,342.676 L 291.667,325.488 L 291.667,304.863 L 309.372,321.997 L 341.236,291.113 Z";
}  // namespace

TvgCheckControl::TvgCheckControl(TComponent* owner) : TvgTextControl(owner) {
  SetAutoTranslate(true);
  SetAutoCapture(true);
  SetCanFocused(true);
  SetTextAlign(vgTextAlignNear);
  SetSizeDirect(120, 19);
}

void TvgCheckControl::SetIsChecked(bool checked) {
  if (checked == isChecked_) return;
  isChecked_ = checked;
  ReportChecked();
}

void TvgCheckControl::ReportChecked() {
  StartTriggerAnimation(this, "IsChecked");
  OnChange(this);
}

void TvgCheckControl::SetData(const Variant& value) {
  if (vgVarIsMethod(value)) OnChange = TNotifyEvent::FromMethod(vgVariantToMethod(value));
  else SetIsChecked(value.Type() == TVarType::Boolean && value.ToBoolean());
}

void TvgCheckControl::ApplyStyle() {
  TvgTextControl::ApplyStyle();
  StartTriggerAnimation(this, "IsChecked");
}

void TvgCheckControl::ShowPressed(bool pressed) {
  isPressed_ = pressed;
  StartTriggerAnimation(this, "IsPressed");
}

void TvgCheckControl::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgTextControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  tracking_ = true;
  ShowPressed(true);
}

void TvgCheckControl::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgTextControl::MouseMove(shift, x, y, dx, dy);
  if (!shift.Contains(ssLeft) || !tracking_) return;
  const bool inside = x >= 0 && x <= Width() && y >= 0 && y <= Height();
  if (inside != isPressed_) ShowPressed(inside);
}

// The pressed look ends with the release, also when the release toggles nothing.
void TvgCheckControl::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgTextControl::MouseUp(button, shift, x, y);
  if (!tracking_) return;
  tracking_ = false;
  if (isPressed_) ShowPressed(false);
  if (x >= 0 && x <= Width() && y >= 0 && y <= Height()) SetIsChecked(!isChecked_);
}

void TvgCheckControl::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgTextControl::KeyDown(key, keyChar, shift);
  if (key == VK_RETURN || key == VK_SPACE) SetIsChecked(!isChecked_);
}

// --- Path check box ----------------------------------------------------------------------------

TvgPathCheckBox::TvgPathCheckBox(TComponent* owner)
    : TvgCheckBox(owner), path_(std::make_unique<TvgPathData>()) {
  path_->SetData(kCheckMark);
  path_->OnChange = [this](TObject*) { ApplyStyle(); };
}

TvgPathCheckBox::~TvgPathCheckBox() { path_->OnChange = nullptr; }

void TvgPathCheckBox::SetPath(TvgPathData* path) { path_->Assign(path); }

void TvgPathCheckBox::ApplyStyle() {
  TvgCheckBox::ApplyStyle();
  if (auto* mark = dynamic_cast<TvgPath*>(FindResource("checkmark"))) mark->SetPathData(path_.get());
}
