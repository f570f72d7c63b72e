#include "controls/treeview/TreeViewItem.h"

#include "controls/boxes/CheckBox.h"
#include "controls/buttons/Button.h"
#include "controls/treeview/TreeView.h"
#include "engine/design/DesignOutline.h"
#include "engine/tree/Content.h"

CL_PUBLISHED(TvgTreeViewItem) {
  using T = TvgTreeViewItem;
  published.Property("IsChecked", &T::IsChecked, &T::SetIsChecked).Default(false);
  published.Property("IsExpanded", &T::IsExpanded, &T::SetIsExpanded).Default(false);
  published.Property("IsSelected", &T::IsSelected, &T::SetIsSelected).Default(false);
  published.Property("Font", &T::Font, &T::SetFont);
  published.Property("TextAlign", &T::TextAlign, &T::SetTextAlign).Default(vgTextAlignNear);
  published.Property("Text", &T::Text, &T::SetText);
  published.Property("AutoTranslate", &T::AutoTranslate, &T::SetAutoTranslate).Default(true);
}

// A new item waits far outside the view until the tree first lays it out. The tree takes the
// pointer and the focus for its items.
TvgTreeViewItem::TvgTreeViewItem(TComponent* owner) : TvgTextControl(owner) {
  Position()->SetPoint({5000, 5000});
  SetAutoTranslate(true);
  SetTextAlign(vgTextAlignNear);
  SetSizeDirect(Width(), 19);
  SetHitTest(false);
  SetCanFocused(false);
}

int vgTreeItemCount(const TvgObject& parent) {
  int count = 0;
  for (int i = 0; i < parent.ChildrenCount(); ++i)
    if (dynamic_cast<TvgTreeViewItem*>(parent.Children(i))) ++count;
  return count;
}

TvgTreeViewItem* vgTreeItemAt(const TvgObject& parent, int index) {
  if (index < 0) return nullptr;
  for (int i = 0; i < parent.ChildrenCount(); ++i)
    if (auto* item = dynamic_cast<TvgTreeViewItem*>(parent.Children(i)); item && index-- == 0) return item;
  return nullptr;
}

int TvgTreeViewItem::Count() const { return vgTreeItemCount(*this); }
TvgTreeViewItem* TvgTreeViewItem::Items(int index) const { return vgTreeItemAt(*this, index); }

int TvgTreeViewItem::Level() const {
  int level = 0;
  for (TvgObject* o = Parent(); o && !dynamic_cast<TvgTreeView*>(o) && !dynamic_cast<TvgContent*>(o); o = o->Parent())
    ++level;
  return level;
}

TvgTreeView* TvgTreeViewItem::TreeView() const {
  for (TvgObject* o = Parent(); o; o = o->Parent())
    if (auto* tree = dynamic_cast<TvgTreeView*>(o)) return tree;
  return nullptr;
}

bool TvgTreeViewItem::IsWithin(const TvgTreeViewItem* item) const {
  for (const TvgObject* o = this; o; o = o->Parent())
    if (o == item) return true;
  return false;
}

TvgTreeViewItem* TvgTreeViewItem::ItemByPoint(float x, float y) {
  for (int i = 0; i < Count(); ++i)
    if (TvgTreeViewItem* item = Items(i); item->Visible() && item->PointInObject(x, y)) return item;
  for (int i = 0; i < Count(); ++i) {
    TvgTreeViewItem* item = Items(i);
    if (!item->Visible() || !item->IsExpanded() || item->Count() == 0) continue;
    if (TvgTreeViewItem* found = item->ItemByPoint(x, y)) return found;
  }
  return nullptr;
}

void TvgTreeViewItem::SetIsExpanded(bool expanded) {
  if (expanded == isExpanded_) return;
  isExpanded_ = expanded;
  if (!Loading()) ShowExpander();
  TvgTreeView* tree = TreeView();
  if (!tree) return;
  // Rows that the collapse hides can no longer hold the selection: it moves to this item.
  TvgTreeViewItem* selected = tree->Selected();
  if (!expanded && selected && selected != this && selected->IsWithin(this)) {
    tree->RowsChanged();
    tree->SetSelected(this);
  }
  tree->RowsChanged();
}

void TvgTreeViewItem::SetIsChecked(bool checked) {
  if (checked == isChecked_) return;
  isChecked_ = checked;
  if (check_) check_->SetIsChecked(checked);
}

void TvgTreeViewItem::SetIsSelected(bool selected) {
  if (selected == isSelected_) return;
  isSelected_ = selected;
  StartTriggerAnimation(this, "IsSelected");
  if (TvgTreeView* tree = TreeView()) tree->UpdateSelection();
}

void TvgTreeViewItem::ShowExpander() {
  if (!button_) return;
  button_->SetVisible(Count() > 0);
  if (!button_->Visible()) return;
  button_->ApplyResource();
  button_->StartTriggerAnimation(this, "IsExpanded");
}

void TvgTreeViewItem::ApplyStyle() {
  TvgTextControl::ApplyStyle();
  button_ = dynamic_cast<TvgCustomButton*>(FindResource("button"));
  if (button_) {
    button_->OnClick = [this](TObject*) { SetIsExpanded(!isExpanded_); };
    ShowExpander();
  }
  check_ = dynamic_cast<TvgCheckBox*>(FindResource("check"));
  if (check_) {
    check_->SetIsChecked(isChecked_);
    check_->OnChange = [this](TObject*) { CheckBoxChanged(); };
    TvgTreeView* tree = TreeView();
    check_->SetVisible(tree && tree->ShowCheckboxes());
  }
  StartTriggerAnimation(this, "IsSelected");
}

void TvgTreeViewItem::FreeStyle() {
  button_ = nullptr;
  check_ = nullptr;
}

// A click on the box checks the item and makes it the tree's focused selection.
void TvgTreeViewItem::CheckBoxChanged() {
  isChecked_ = check_->IsChecked();
  TvgTreeView* tree = TreeView();
  if (!tree) return;
  tree->SetFocus();
  tree->SetSelected(this);
  tree->OnChangeCheck(this);
}

void TvgTreeViewItem::AddObject(TvgObject* object) {
  TvgTextControl::AddObject(object);
  if (dynamic_cast<TvgTreeViewItem*>(object) && object->Parent() == this) SubItemsChanged();
}

void TvgTreeViewItem::RemoveObject(TvgObject* object) {
  auto* item = dynamic_cast<TvgTreeViewItem*>(object);
  if (item && item->Parent() == this && !item->HasState(csDestroying)) item->SetIsSelected(false);
  TvgTextControl::RemoveObject(object);
  if (item) SubItemsChanged();
}

void TvgTreeViewItem::SubItemsChanged() {
  if (updateCount_ > 0 || HasState(csDestroying)) return;
  ShowExpander();
  if (TvgTreeView* tree = TreeView()) tree->RowsChanged();
}

void TvgTreeViewItem::DesignDblClick() {
  TvgTextControl::DesignDblClick();
  SetIsExpanded(!isExpanded_);
}

// The drag began with a press on the tree, whose release the drop took: the tree lets go of the
// mouse it captured then.
void TvgTreeViewItem::DragEnd() {
  TvgTextControl::DragEnd();
  DragLeave();
  TvgTreeView* tree = TreeView();
  if (!tree) return;
  tree->SetDragOverItem(nullptr);
  tree->ReleaseCapture();
}

bool TvgTreeViewItem::EnterChildren(TvgVisualObject*) {
  if (TvgTreeView* tree = TreeView()) tree->SetSelected(this);
  return true;
}

void TvgTreeViewItem::Paint() {
  TvgTextControl::Paint();
  vgPaintDesignOutline(*this, *GetCanvas());
}

void TvgTreeViewItem::Realign() {
  if (TvgTreeView* tree = TreeView(); tree && tree->Updating()) return;
  TvgTextControl::Realign();
}
