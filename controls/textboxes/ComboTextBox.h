#pragma once
// TvgComboTextBox: a text box whose button drops down a list of its Items in a pop-up. Choosing
// an item (Return or a click in the list, Up and Down in the box) makes its string the text.
#include <cstdint>
#include <memory>
#include <string>

#include "controls/textboxes/TextBox.h"
#include "engine/scene/Popup.h"

class TvgComboListBox;
class TvgWideStringList;
class TvgWideStrings;

class TvgComboTextBox : public TvgCustomTextBox {
  CL_CLASS(TvgComboTextBox, TvgCustomTextBox)
public:
  explicit TvgComboTextBox(TComponent* owner);
  void BeforeDestruction() override;
  ~TvgComboTextBox() override;

  TvgPopup* DropDownPopup() const { return popup_; }
  TvgComboListBox* ListBox() const { return list_; }
  // Writing copies the given list; every change rebuilds the list's items.
  TvgWideStringList* Items() const { return items_.get(); }
  void SetItems(TvgWideStrings* items);
  // The list's selected item; -1 without a list.
  int32_t ItemIndex() const;
  // Selects the list's item; a real item becomes the text, all selected, and is reported.
  void SetItemIndex(int32_t index);
  float ItemHeight() const { return itemHeight_; }
  void SetItemHeight(float height);
  int32_t DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int32_t count) { dropDownCount_ = count; }
  TvgPlacement Placement() const { return placement_; }
  void SetPlacement(TvgPlacement placement) { placement_ = placement; }
  const std::string& ListBoxResource() const;
  void SetListBoxResource(const std::string& resource);

  // Opens the list below the box, or closes it when open.
  void DropDown();

  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void Realign() override;
  void Loaded() override;

private:
  void RebuildList();

  // Owned as components; made in the constructor, which adding them may realign.
  TvgPopup* popup_ = nullptr;
  TvgComboListBox* list_ = nullptr;
  std::unique_ptr<TvgWideStringList> items_;
  float itemHeight_ = 19;
  int32_t dropDownCount_ = 8;
  int32_t loadedIndex_ = -1;
  TvgPlacement placement_ = vgPlacementBottom;
  bool realigning_ = false;
};

class TvgHudComboTextBox : public TvgComboTextBox {
  CL_CLASS(TvgHudComboTextBox, TvgComboTextBox)
public:
  explicit TvgHudComboTextBox(TComponent* owner);
};
