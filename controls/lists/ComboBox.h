#pragma once
// TvgComboBox: a button-like control that shows its selected item and drops down its list of
// items in a pop-up. The items are the list's (TvgComboListBox); they stream as the combo's own
// children. The wheel and the keys step through the items without opening the list.
#include <cstdint>

#include "engine/scene/Popup.h"
#include "engine/tree/Control.h"

class TvgComboListBox;
class TvgContent;

class TvgComboBox : public TvgControl {
  CL_CLASS(TvgComboBox, TvgControl)
public:
  explicit TvgComboBox(TComponent* owner);
  void BeforeDestruction() override;

  TvgPopup* DropDownPopup() const { return popup_; }
  TvgComboListBox* ListBox() const { return list_; }
  // The list's selected item; -1 without a list.
  int32_t ItemIndex() const;
  // Selects the list's item, then reports it.
  void SetItemIndex(int32_t index);
  float ItemHeight() const;
  virtual void SetItemHeight(float height);
  int32_t DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int32_t count) { dropDownCount_ = count; }
  TvgPlacement Placement() const { return placement_; }
  void SetPlacement(TvgPlacement placement) { placement_ = placement; }
  const std::string& ListBoxResource() const;
  void SetListBoxResource(const std::string& resource);
  int Count() const;

  // Draws the selected item into the style's content part.
  virtual void PaintContent(TvgCanvas* canvas, const TvgRect& rect);
  virtual void Clear();
  // Opens the list below the combo, or closes it when open.
  virtual void DropDown();

  TNotifyEvent OnChange;

  std::string GetItemClasses() override { return "TvgListBoxItem"; }
  // Items and selection items go into the list.
  void AddObject(TvgObject* object) override;
  // The list's items are written as the combo's children.
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  void Loaded() override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void Realign() override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseWheel(TShiftState shift, int wheelDelta, bool& handled) override;
  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;

private:
  // Owned as components; made in the constructor, which adding them may realign.
  TvgPopup* popup_ = nullptr;
  TvgComboListBox* list_ = nullptr;
  TvgContent* content_ = nullptr;
  int32_t loadedIndex_ = -1;
  int32_t dropDownCount_ = 8;
  TvgPlacement placement_ = vgPlacementBottom;
  bool realigning_ = false;
};

class TvgHudComboBox : public TvgComboBox {
  CL_CLASS(TvgHudComboBox, TvgComboBox)
public:
  explicit TvgHudComboBox(TComponent* owner);
};
