#pragma once
// TvgListBoxItem: one entry of a list box. The list box does all hit testing and lays the item
// out; the item holds its selected and checked states, shows the checked state in its style's
// "check" part (a check box, visible while the list shows check boxes) and tells the list when
// the user changes it there.
#include "controls/text/TextControl.h"

class TvgCheckBox;
class TvgListBox;

class TvgListBoxItem : public TvgTextControl {
  CL_CLASS(TvgListBoxItem, TvgTextControl)
public:
  explicit TvgListBoxItem(TComponent* owner);
  // Deleted directly, it still leaves its list as an item.
  ~TvgListBoxItem() override;

  bool IsChecked() const { return isChecked_; }
  void SetIsChecked(bool value);
  bool IsSelected() const { return isSelected_; }
  // Without MultiSelect the list's ItemIndex follows.
  void SetIsSelected(bool value);
  // The list box it belongs to: the first one among its ancestors, nullptr when none.
  TvgListBox* ListBox() const;
  TvgCheckBox* CheckPart() const { return check_; }

  void ApplyStyle() override;
  void FreeStyle() override;
  bool EnterChildren(TvgVisualObject* child) override;
  void DragEnd() override;
  void AfterPaint() override;

private:
  friend class TvgListBox;
  void ShowCheckbox(bool show);
  void CheckChanged();

  bool isChecked_ = false;
  bool isSelected_ = false;
  TvgCheckBox* check_ = nullptr;
};
