#pragma once
// TvgStringComboBox: a combo box whose items are made from a string list, one item of
// ItemHeight per string in the item style; changing the strings keeps the selected index where
// it still names an item.
#include <memory>
#include <string>

#include "controls/lists/ComboBox.h"
#include "engine/paint/Canvas.h"

class TvgWideStringList;
class TvgWideStrings;

class TvgStringComboBox : public TvgComboBox {
  CL_CLASS(TvgStringComboBox, TvgComboBox)
public:
  explicit TvgStringComboBox(TComponent* owner);
  ~TvgStringComboBox() override;

  // Writing copies the given list.
  TvgWideStringList* Items() const { return items_.get(); }
  void SetItems(TvgWideStrings* items);
  TvgTextAlign TextAlign() const { return textAlign_; }
  void SetTextAlign(TvgTextAlign align);
  // Also the list's, so that the drop-down shows DropDownCount whole items.
  void SetItemHeight(float height) override;
  const std::string& ItemStyle() const { return itemStyle_; }
  void SortItems();

  // The string of the selected item, empty without one.
  Variant GetData() override;
  // Replaces the string of the selected item.
  void SetData(const Variant& value) override;
  void Loaded() override;

protected:
  void SetItemStyle(const std::string& style) { itemStyle_ = style; }

private:
  void Rebuild();

  std::unique_ptr<TvgWideStringList> items_;
  TvgTextAlign textAlign_ = vgTextAlignNear;
  std::string itemStyle_ = "listboxitemstyle";
};

class TvgHudStringComboBox : public TvgStringComboBox {
  CL_CLASS(TvgHudStringComboBox, TvgStringComboBox)
public:
  explicit TvgHudStringComboBox(TComponent* owner);
};
