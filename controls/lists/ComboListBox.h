#pragma once
// TvgComboListBox: the list a combo control drops down in its pop-up. While the pop-up is open,
// Return or a release over an item chooses that item for the combo and closes the pop-up; a
// pop-up closed without a choice puts back the item that was selected when it opened, so that
// the combo never shows an item it did not report.
//
// vgCreateComboList builds the list every combo control keeps in its pop-up.
#include <cstdint>
#include <functional>

#include "controls/lists/ComboPopup.h"
#include "controls/lists/ListBox.h"

class TvgComboListBox : public TvgListBox {
  CL_CLASS(TvgComboListBox, TvgListBox)
public:
  using TChoose = std::function<void(int32_t index)>;

  explicit TvgComboListBox(TComponent* owner);

  // The combo control that owns the list and how it takes the chosen item.
  TvgControl* Combo() const { return combo_; }
  void SetCombo(TvgControl* combo, TChoose choose);
  // The index of the first item whose text starts with the character (any case), -1 when none.
  int32_t IndexStartingWith(wchar_t character) const;
  // How high the drop-down is for at most dropDownCount items: ItemHeight each and 4 for the
  // frame, or, without an ItemHeight, the combo's height less 4 each.
  float DropDownHeight(int32_t dropDownCount, float comboHeight) const;

  // Clears the list and lets addItem make the items anew, keeping the selected index where it
  // still names an item, else lowering it to the last one.
  void Rebuild(const std::function<void()>& addItems);

  // The pop-up opens: remembers the selected item until a choice is made.
  void DroppedDown();
  // The pop-up closed: without a choice, the remembered item is selected again.
  void ClosedUp();

  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;

private:
  TvgPopup* OpenPopup() const;
  void Choose(int32_t index);

  TvgControl* combo_ = nullptr;
  TChoose choose_;
  int32_t indexAtDropDown_ = -1;
  bool chosen_ = false;
};

// The list filling the pop-up, choosing for the combo.
TvgComboListBox* vgCreateComboList(TvgControl& combo, TvgPopup& popup, TvgComboListBox::TChoose choose);
