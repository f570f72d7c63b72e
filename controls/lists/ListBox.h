#pragma once
// TvgListBox: a scrolling list of TvgListBoxItem children (the items live in the scroll box's
// content) laid out in one or more columns, or in rows side by side with vgListHorizontal. One
// item or, with MultiSelect, any set of items is selected; each run of adjacent selected items
// is shown by one clone of the style's "selection" part placed behind it. Items may show check
// boxes, be sorted, be reordered by dragging, and the rows may be shaded alternately. The list
// lays its items out itself, when the scroll box asks for its content bounds.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Event.h"
#include "engine/layouts/ScrollBox.h"

class TvgBrush;
class TvgListBoxItem;

CL_ENUM(TvgListStyle, vgListVertical, vgListHorizontal)

// Result: below 0 when Item1 comes first, 0 when equal, above 0 when Item2 comes first.
using TOnCompareListBoxItemEvent = TEvent<TObject*, TvgListBoxItem*, TvgListBoxItem*, int&>;
// Allow starts True; a handler may refuse the swap.
using TOnListBoxDragChange = TEvent<TObject*, TvgListBoxItem*, TvgListBoxItem*, bool&>;

class TvgListBox : public TvgScrollBox {
  CL_CLASS(TvgListBox, TvgScrollBox)
public:
  explicit TvgListBox(TComponent* owner);
  ~TvgListBox() override;

  int32_t ItemIndex() const { return itemIndex_; }
  // Bounded: an index beyond the items selects nothing (-1).
  virtual void SetItemIndex(int32_t value);
  int GetCount() const;
  TvgListBoxItem* ItemByIndex(int index) const;  // nullptr when out of range
  TvgListBoxItem* Selected() const { return ItemByIndex(itemIndex_); }
  // The point is in the list's local coordinates.
  TvgListBoxItem* ItemAtPoint(float x, float y);

  virtual void Clear();
  virtual void SortItems();
  int ItemCompare(TvgObject* a, TvgObject* b) const;
  void SelectRange(TvgListBoxItem* a, TvgListBoxItem* b);
  void DeselectAll();

  bool HideSelectionUnfocused() const { return hideSelectionUnfocused_; }
  void SetHideSelectionUnfocused(bool value);
  bool ShowCheckboxes() const { return showCheckboxes_; }
  void SetShowCheckboxes(bool value);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool AlternatingRowBackground() const { return alternatingRowBackground_; }
  void SetAlternatingRowBackground(bool value);
  bool AllowDrag() const { return allowDrag_; }
  void SetAllowDrag(bool value);
  int32_t Columns() const { return columns_; }
  void SetColumns(int32_t value);
  float ItemWidth() const { return itemWidth_; }
  void SetItemWidth(float value);
  float ItemHeight() const { return itemHeight_; }
  void SetItemHeight(float value);
  TvgListStyle ListStyle() const { return listStyle_; }
  void SetListStyle(TvgListStyle value);
  TvgBrush* AlternateRowBrush() const { return alternateRowBrush_.get(); }
  // The clones of the "selection" part that show the selection now (hidden ones included).
  const std::vector<TvgVisualObject*>& SelectionHighlights() const { return highlights_; }
  // The item the drag is over, nullptr when none.
  TvgListBoxItem* DragOverItem() const { return dragOverItem_; }

  // Every selection or scroll change calls it.
  void UpdateSelection();

  Variant GetData() override;
  // Replaces the selected item's text; nothing without a selected item.
  void SetData(const Variant& value) override;
  std::string GetItemClasses() override { return "TvgListBoxItem"; }
  void AddObject(TvgObject* object) override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;
  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;
  void DragOver(TvgDragObject* data, const TvgPoint& point, bool& accept) override;
  void DragDrop(TvgDragObject* data, const TvgPoint& point) override;
  void EnterFocus() override;
  void KillFocus() override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void Loaded() override;
  void ContentAddObject(TvgObject* object) override;
  void ContentBeforeRemoveObject(TvgObject* object) override;
  void ContentRemoveObject(TvgObject* object) override;
  void HScrollChange() override;
  void VScrollChange() override;
  void GetContentBounds(TvgRect& rect) override;
  void ContentPaint(TvgCanvas* canvas, const TvgRect& rect) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChangeCheck;
  TOnCompareListBoxItemEvent OnCompare;
  TOnListBoxDragChange OnDragChange;

private:
  friend class TvgListBoxItem;
  // The item's check box changed.
  void ItemChecked(TvgListBoxItem* item);
  // The old item under the drag gets DragLeave, the new one DragEnter.
  void SetDragOverItem(TvgListBoxItem* item);
  bool IsOwnItem(TObject* object) const;
  // Compares pointers only: safe for an object that a handler may have freed.
  bool HoldsChild(const TObject* object) const;
  void ScrollIntoView(TvgListBoxItem* item);
  void LayoutVertical(TvgRect& result);
  void LayoutHorizontal(TvgRect& result);
  void SelectByMouse(TvgListBoxItem* item, TShiftState shift);
  void TypeAhead(wchar_t keyChar);
  void SetBoundedIndex(int64_t index);
  void ShowHighlights(const std::vector<TvgRect>& rects);

  int32_t itemIndex_ = -1;
  bool hideSelectionUnfocused_ = true;
  bool showCheckboxes_ = false;
  bool sorted_ = false;
  bool multiSelect_ = false;
  bool alternatingRowBackground_ = false;
  bool allowDrag_ = false;
  int32_t columns_ = 1;
  float itemWidth_ = 0, itemHeight_ = 0;
  TvgListStyle listStyle_ = vgListVertical;
  std::unique_ptr<TvgBrush> alternateRowBrush_;
  TvgVisualObject* selectionTemplate_ = nullptr;
  TvgVisualObject* contentPart_ = nullptr;
  std::vector<TvgVisualObject*> highlights_;
  TvgListBoxItem* anchor_ = nullptr;
  TvgListBoxItem* dragOverItem_ = nullptr;
  bool pressed_ = false;
  bool selecting_ = false;  // a batch of selection changes shows once, at its end
  TvgPoint trackPress_;      // where a press with MouseTracking began
};

// The list box of the HUD look ("hudlistboxstyle").
class TvgHudListBox : public TvgListBox {
  CL_CLASS(TvgHudListBox, TvgListBox)
public:
  using TvgListBox::TvgListBox;
};
