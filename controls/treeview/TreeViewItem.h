#pragma once
// TvgTreeViewItem: one row of a tree view. Items nest by parenthood: a top-level item is a child
// of the tree's scroll content, a sub-item a child of its parent item. The item's style holds the
// expander button ("button"), shown while the item has sub-items, and the check box ("check"),
// shown while the tree shows check boxes. GlobalIndex is the item's row in the tree's flat list
// of shown rows, valid only while the item is in that list.
#include <string>

#include "controls/text/TextControl.h"

class TvgCheckBox;
class TvgCustomButton;
class TvgTreeView;
class TvgTreeViewItem;

// The children of the parent that are items, and the index-th of them (nullptr out of range).
int vgTreeItemCount(const TvgObject& parent);
TvgTreeViewItem* vgTreeItemAt(const TvgObject& parent, int index);

class TvgTreeViewItem : public TvgTextControl {
  CL_CLASS(TvgTreeViewItem, TvgTextControl)
public:
  explicit TvgTreeViewItem(TComponent* owner);

  bool IsExpanded() const { return isExpanded_; }
  void SetIsExpanded(bool expanded);
  bool IsChecked() const { return isChecked_; }
  void SetIsChecked(bool checked);
  bool IsSelected() const { return isSelected_; }
  void SetIsSelected(bool selected);
  int GlobalIndex() const { return globalIndex_; }

  // The direct children that are items; Items is nullptr out of range.
  int Count() const;
  TvgTreeViewItem* Items(int index) const;
  // 0 for a top-level item: the ancestors between the item and its tree (or content).
  int Level() const;
  // The nearest tree view above the item, nullptr when none.
  TvgTreeView* TreeView() const;
  // The first visible sub-item, at any depth below expanded items, that holds the absolute point.
  TvgTreeViewItem* ItemByPoint(float x, float y);
  // The item itself or one of its ancestors is the given item.
  bool IsWithin(const TvgTreeViewItem* item) const;

  std::string GetItemClasses() override { return ClassName(); }
  void AddObject(TvgObject* object) override;
  void RemoveObject(TvgObject* object) override;
  void DesignDblClick() override;
  void DragEnd() override;
  bool EnterChildren(TvgVisualObject* object) override;
  void Paint() override;
  void Realign() override;
  void ApplyStyle() override;
  void FreeStyle() override;

private:
  friend class TvgTreeView;
  void SetGlobalIndex(int index) { globalIndex_ = index; }
  // The expander shows while there are sub-items, its arrow following IsExpanded.
  void ShowExpander();
  void CheckBoxChanged();
  // A child item came or went: the tree lists its rows again, unless this item is being updated.
  void SubItemsChanged();

  bool isExpanded_ = false;
  TvgCustomButton* button_ = nullptr;
  TvgCheckBox* check_ = nullptr;
  int globalIndex_ = -1;
  bool isChecked_ = false;
  bool isSelected_ = false;
};
