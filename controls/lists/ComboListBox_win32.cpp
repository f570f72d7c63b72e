#include "controls/lists/ComboListBox.h"

#include <algorithm>

#include "classlib/desktop/Control.h"
#include "controls/lists/ListBoxItem.h"
#include "engine/scene/Popup.h"
#include "engine/values/WideTextCompare.h"

CL_PUBLISHED(TvgComboListBox) {
  published.Property("HideSelectionUnfocused", &TvgComboListBox::HideSelectionUnfocused,
                     &TvgComboListBox::SetHideSelectionUnfocused)
      .Default(false);
}

namespace {
constexpr uint16_t kReturn = 13;
constexpr float kDropDownFrame = 4;
}  // namespace

TvgComboListBox::TvgComboListBox(TComponent* owner) : TvgListBox(owner) { SetHideSelectionUnfocused(false); }

void TvgComboListBox::SetCombo(TvgControl* combo, TChoose choose) {
  combo_ = combo;
  choose_ = std::move(choose);
}

int32_t TvgComboListBox::IndexStartingWith(wchar_t character) const {
  for (int i = 0; i < GetCount(); ++i) {
    TvgListBoxItem* item = ItemByIndex(i);
    if (item && !item->Text().empty() && vgWideCompareText({item->Text().data(), 1}, {&character, 1}) == 0)
      return i;
  }
  return -1;
}

float TvgComboListBox::DropDownHeight(int32_t dropDownCount, float comboHeight) const {
  const float shown = float(std::max(0, std::min(dropDownCount, GetCount())));
  if (ItemHeight() > 0) return ItemHeight() * shown + kDropDownFrame;
  return shown * (comboHeight - kDropDownFrame);
}

void TvgComboListBox::Rebuild(const std::function<void()>& addItems) {
  BeginUpdate();
  const int32_t index = ItemIndex();
  SetItemIndex(-1);
  Clear();
  addItems();
  EndUpdate();
  SetItemIndex(std::min(index, GetCount() - 1));
}

void TvgComboListBox::DroppedDown() {
  indexAtDropDown_ = ItemIndex();
  chosen_ = false;
}

void TvgComboListBox::ClosedUp() {
  if (!chosen_) SetItemIndex(indexAtDropDown_);
  chosen_ = false;
}

TvgPopup* TvgComboListBox::OpenPopup() const {
  auto* popup = Parent() ? dynamic_cast<TvgPopup*>(Parent()) : nullptr;
  return popup && popup->IsOpen() && combo_ ? popup : nullptr;
}

void TvgComboListBox::Choose(int32_t index) {
  chosen_ = true;
  if (choose_) choose_(index);
}

void TvgComboListBox::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgListBox::KeyDown(key, keyChar, shift);
  TvgPopup* popup = OpenPopup();
  if (!popup || key != kReturn) return;
  Choose(ItemIndex());
  popup->SetIsOpen(false);
  key = 0;
}

void TvgComboListBox::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgListBox::MouseUp(button, shift, x, y);
  TvgPopup* popup = OpenPopup();
  if (!popup) return;
  if (vgPtInRect({x, y}, GetLocalRect()))
    if (TvgListBoxItem* item = ItemAtPoint(x, y)) Choose(item->Index());
  popup->SetIsOpen(false);
}

TvgComboListBox* vgCreateComboList(TvgControl& combo, TvgPopup& popup, TvgComboListBox::TChoose choose) {
  auto* list = new TvgComboListBox(&combo);
  list->SetParent(&popup);
  list->SetCombo(&combo, std::move(choose));
  list->SetStored(false);
  list->SetAlign(vaClient);
  list->SetShowCheckboxes(false);
  return list;
}
