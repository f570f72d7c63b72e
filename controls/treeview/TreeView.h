#pragma once
// TvgTreeView: a scroll box that lays its TvgTreeViewItem children out as one column of rows, each
// level indented by 19, sub-items of collapsed items hidden. The shown rows make a flat list in
// pre-order (ItemByGlobalIndex). The selection is drawn by clones of the style part "selection",
// one per run of adjacent selected rows. A click selects (with MultiSelect, Ctrl toggles and Shift
// selects a range); Home, End, Up and Down move the selection along the rows, numeric-pad plus
// and minus expand and collapse. With AllowDrag, pressing the selected item drags it; dropping it
// on another item of the same tree makes it that item's child.
#include <string>
#include <vector>

#include "controls/treeview/TreeViewItem.h"
#include "engine/layouts/ScrollBox.h"

using TOnTreeViewDragChange = TEvent<TvgTreeViewItem*, TvgTreeViewItem*, bool&>;
// Like CompareText: below 0 when Item1 goes first.
using TvgTreeViewCompareEvent = TEvent<TvgTreeViewItem*, TvgTreeViewItem*, int&>;

class TvgTreeView : public TvgScrollBox {
  CL_CLASS(TvgTreeView, TvgScrollBox)
public:
  explicit TvgTreeView(TComponent* owner);

  TvgTreeViewItem* Selected() const { return selected_; }
  virtual void SetSelected(TvgTreeViewItem* item);
  float ItemHeight() const { return itemHeight_; }
  void SetItemHeight(float height);
  bool HideSelectionUnfocused() const { return hideSelectionUnfocused_; }
  void SetHideSelectionUnfocused(bool hide);
  bool ShowCheckboxes() const { return showCheckboxes_; }
  void SetShowCheckboxes(bool show);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool multiSelect) { multiSelect_ = multiSelect; }
  bool AllowDrag() const { return allowDrag_; }
  void SetAllowDrag(bool allow);

  // The top-level items.
  int Count() const;
  TvgTreeViewItem* ItemByIndex(int index) const;
  // The shown rows; nullptr out of range.
  int GlobalCount() const { return int(rows_.size()); }
  TvgTreeViewItem* ItemByGlobalIndex(int index) const;
  // The shown item under the point in the tree's local coordinates, nullptr when none.
  TvgTreeViewItem* ItemByPoint(float x, float y);
  // The item's rectangle in the scroll content's coordinates.
  TvgRect GetItemRect(TvgTreeViewItem* item);
  void Clear();
  // Rows from a to b (either order) selected, every other row not.
  void SelectRange(TvgTreeViewItem* a, TvgTreeViewItem* b);
  // Lists the shown rows again and draws the selection where they are.
  void UpdateGlobalIndexes();
  void UpdateSelection();

  std::string GetItemClasses() override { return "TvgTreeViewItem"; }
  void Notification(TComponent* component, TOperation operation) override;
  void AddObject(TvgObject* object) override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;
  void DragOver(TvgDragObject* data, const TvgPoint& point, bool& accept) override;
  void DragDrop(TvgDragObject* data, const TvgPoint& point) override;
  void EndUpdate() override;
  void EnterFocus() override;
  void KillFocus() override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void ContentAddObject(TvgObject* object) override;
  void ContentRemoveObject(TvgObject* object) override;
  void HScrollChange() override;
  void VScrollChange() override;
  void GetContentBounds(TvgRect& rect) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChangeCheck;  // Sender: the item whose box changed
  TvgTreeViewCompareEvent OnCompare;
  TOnTreeViewDragChange OnDragChange;

private:
  friend class TvgTreeViewItem;
  // The item a drag in this scene carries, when it is an item of this tree.
  TvgTreeViewItem* DraggedItem(const TvgDragObject* data) const;
  // An item of this tree that may take the dragged one as its child.
  bool CanDropOn(const TvgTreeViewItem* dragged, const TvgTreeViewItem* target) const;
  // The item under a drag of one of the tree's items: the old one hears DragLeave, the new DragEnter.
  void SetDragOverItem(TvgTreeViewItem* item, TvgDragObject* data = nullptr, const TvgPoint& point = {});
  // The rows may have changed: they are listed again and laid out, unless the tree is updating.
  void RowsChanged();
  void ItemRemoved(TvgObject* object);
  // The selected item's row, -1 while it is not shown.
  int SelectedRow() const;
  void ListRows(TvgTreeViewItem* item);
  void SortTopLevel();
  float LayOut(TvgTreeViewItem& item, float y, float indent, float rowWidth);
  void BringIntoView(TvgTreeViewItem& item);
  std::vector<TvgRect> SelectionRects();

  TvgTreeViewItem* selected_ = nullptr;
  float itemHeight_ = 0;
  bool hideSelectionUnfocused_ = true;
  bool showCheckboxes_ = false;
  bool sorted_ = false;
  bool multiSelect_ = false;
  TvgVisualObject* selectionTemplate_ = nullptr;
  std::vector<TvgVisualObject*> selectionClones_;
  bool allowDrag_ = false;
  TvgTreeViewItem* dragOverItem_ = nullptr;
  std::vector<TvgTreeViewItem*> rows_;
  bool selectingRange_ = false;
};
