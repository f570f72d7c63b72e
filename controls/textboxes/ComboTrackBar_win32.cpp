#include "controls/textboxes/ComboTrackBar.h"

#include <algorithm>

#include "classlib/desktop/Control.h"
#include "controls/lists/ComboPopup.h"
#include "controls/textboxes/ValueBox.h"
#include "controls/tracks/Track.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/values/TextForms.h"

CL_PUBLISHED(TvgComboTrackBar) {
  using B = TvgComboTrackBar;
  published.Property("Min", &B::Min, &B::SetMin).Default(0.0f);
  published.Property("Max", &B::Max, &B::SetMax).Default(100.0f);
  published.Property("Value", &B::Value, &B::SetValue).Default(0.0f);
  published.Property("Frequency", &B::Frequency, &B::SetFrequency).Default(0.0f);
  published.Property("Text", &B::Text, &B::SetText);
}
CL_PUBLISHED(TvgHudComboTrackBar) {}

namespace {

constexpr float kLeastPopupWidth = 100;
constexpr float kPopupHeight = 30;

// The track's value with a point as decimal separator: three decimals when it has a fraction.
std::wstring TrackText(float value) {
  const std::string text = vgFloatToStr(value);
  return std::wstring(text.begin(), text.end());
}

}  // namespace

TvgComboTrackBar::TvgComboTrackBar(TComponent* owner)
    : TvgCustomTextBox(owner) {
  popup_ = vgCreateComboPopup(*this);
  trackBar_ = new TvgTrackBar(this);
  SetFilterChar(L"0123456789.,-+");
  StoreText(L"0");
  SetSizeDirect(100, 22);
  SetResource("combotextboxstyle");
  popup_->SetResource("combopopupstyle");
  popup_->Margins()->SetRect({5, 2, 5, 2});
  popup_->OnClosePopup = [this](TObject*) {
    if (ShowsCaret() && IsFocused()) ShowCaret();
  };
  trackBar_->SetStored(false);
  trackBar_->SetDisableFocusEffect(true);
  trackBar_->SetAlign(vaVertCenter);
  trackBar_->SetParent(popup_);
  trackBar_->OnChange = [this](TObject*) { TrackChanged(); };
}

// The pop-up closes as it goes; its hooks must not reach the parts already gone.
void TvgComboTrackBar::BeforeDestruction() {
  popup_->OnClosePopup = nullptr;
  TvgCustomTextBox::BeforeDestruction();
}

float TvgComboTrackBar::Min() const { return trackBar_->Min(); }
void TvgComboTrackBar::SetMin(float min) { trackBar_->SetMin(min); }
float TvgComboTrackBar::Max() const { return trackBar_->Max(); }
void TvgComboTrackBar::SetMax(float max) { trackBar_->SetMax(max); }
float TvgComboTrackBar::Value() const { return trackBar_->Value(); }
void TvgComboTrackBar::SetValue(float value) { trackBar_->SetValue(value); }
float TvgComboTrackBar::Frequency() const { return trackBar_->Frequency(); }
void TvgComboTrackBar::SetFrequency(float frequency) { trackBar_->SetFrequency(frequency); }

void TvgComboTrackBar::TrackChanged() {
  SetText(TrackText(trackBar_->Value()));
  SelectAll();
  // Reported here once: the Change that follows a typed value must not report it again.
  SetModified(false);
  if (!Loading()) OnChange(this);
}

void TvgComboTrackBar::Change() {
  float typed = 0;
  if (vgTryTextToValue(Text(), typed)) trackBar_->SetValue(typed);
  // A typed value beyond the range, or one that moves the track nowhere, still shows the track's.
  StoreText(TrackText(trackBar_->Value()));
  TvgCustomTextBox::Change();
}

void TvgComboTrackBar::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgCustomTextBox::MouseDown(button, shift, x, y);
  if (button == mbLeft && !vgPtInRect({x, y}, GetContentRect()) && !popup_->ClosedByCurrentPress()) DropDown();
}

void TvgComboTrackBar::DropDown() {
  if (popup_->IsOpen()) {
    popup_->SetIsOpen(false);
    return;
  }
  if (ShowsCaret()) HideCaret();
  popup_->SetPlacement(placement_);
  popup_->SetWidth(std::max(Width(), kLeastPopupWidth));
  popup_->SetHeight(kPopupHeight);
  trackBar_->ApplyResource();
  popup_->SetIsOpen(true);
}

// The pop-up sits beside the box in its parent rather than among the box's own children.
void TvgComboTrackBar::ParentChanged() {
  TvgCustomTextBox::ParentChanged();
  if (popup_ && !popup_->IsOpen()) popup_->SetParent(Parent());
}

TvgHudComboTrackBar::TvgHudComboTrackBar(TComponent* owner) : TvgComboTrackBar(owner) {
  SetResource("hudcombotextboxstyle");
  DropDownPopup()->SetResource("hudcombopopupstyle");
  TrackBar()->SetResource("hudtrackbarstyle");
}
