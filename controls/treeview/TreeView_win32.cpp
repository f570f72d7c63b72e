#include "controls/treeview/TreeView.h"

#include <algorithm>

#include "classlib/core/TemporaryChange.h"
#include "classlib/desktop/Control.h"
#include "controls/boxes/CheckBox.h"
#include "controls/buttons/Button.h"
#include "controls/panels/SelectionItem.h"
#include "controls/tracks/ScrollBar.h"
#include "engine/scene/DragDrop.h"
#include "engine/scene/SceneInterface.h"
#include "engine/values/WideTextCompare.h"

CL_PUBLISHED(TvgTreeView) {
  using T = TvgTreeView;
  published.Property("OnChange", &T::OnChange, &T::OnChange);
  published.Property("ItemHeight", &T::ItemHeight, &T::SetItemHeight).Default(0.0f);
  published.Property("HideSelectionUnfocused", &T::HideSelectionUnfocused, &T::SetHideSelectionUnfocused)
      .Default(true);
  published.Property("ShowCheckboxes", &T::ShowCheckboxes, &T::SetShowCheckboxes).Default(false);
  published.Property("OnChangeCheck", &T::OnChangeCheck, &T::OnChangeCheck);
  published.Property("Sorted", &T::Sorted, &T::SetSorted).Default(false);
  published.Property("OnCompare", &T::OnCompare, &T::OnCompare);
  published.Property("MultiSelect", &T::MultiSelect, &T::SetMultiSelect).Default(false);
  published.Property("AllowDrag", &T::AllowDrag, &T::SetAllowDrag).Default(false);
  published.Property("OnDragChange", &T::OnDragChange, &T::OnDragChange);
}

namespace {

constexpr float kIndent = 19;
constexpr uint16_t kEnd = 35, kHome = 36, kUp = 38, kDown = 40, kAdd = 107, kSubtract = 109;

// Every item below the parent, at any depth.
template <class F>
void ForEachItemBelow(const TvgObject& parent, const F& visit) {
  for (int i = 0; i < parent.ChildrenCount(); ++i)
    if (auto* item = dynamic_cast<TvgTreeViewItem*>(parent.Children(i))) {
      visit(*item);
      ForEachItemBelow(*item, visit);
    }
}

}  // namespace

TvgTreeView::TvgTreeView(TComponent* owner) : TvgScrollBox(owner) {
  SetCanFocused(true);
  SetAutoCapture(true);
  SetSizeDirect(100, 100);
  rows_.reserve(100);
}

// --- Items and rows ------------------------------------------------------------------------------

int TvgTreeView::Count() const { return vgTreeItemCount(*Content()); }
TvgTreeViewItem* TvgTreeView::ItemByIndex(int index) const { return vgTreeItemAt(*Content(), index); }

TvgTreeViewItem* TvgTreeView::ItemByGlobalIndex(int index) const {
  return index >= 0 && index < GlobalCount() ? rows_[size_t(index)] : nullptr;
}

int TvgTreeView::SelectedRow() const {
  const int row = selected_ ? selected_->GlobalIndex() : -1;
  return ItemByGlobalIndex(row) == selected_ ? row : -1;
}

void TvgTreeView::UpdateGlobalIndexes() {
  rows_.clear();
  for (int i = 0; i < Content()->ChildrenCount(); ++i)
    if (auto* item = dynamic_cast<TvgTreeViewItem*>(Content()->Children(i))) ListRows(item);
}

void TvgTreeView::ListRows(TvgTreeViewItem* item) {
  item->SetGlobalIndex(GlobalCount());
  rows_.push_back(item);
  if (!item->IsExpanded()) return;
  for (int i = 0; i < item->ChildrenCount(); ++i)
    if (auto* child = dynamic_cast<TvgTreeViewItem*>(item->Children(i))) ListRows(child);
}

// While the tree is updating, the rows are listed once at its end; until then none are.
void TvgTreeView::RowsChanged() {
  if (Updating() || Loading() || HasState(csDestroying)) {
    rows_.clear();
    return;
  }
  UpdateGlobalIndexes();
  Realign();
}

void TvgTreeView::EndUpdate() {
  TvgScrollBox::EndUpdate();
  if (!Updating()) UpdateGlobalIndexes();
}

void TvgTreeView::AddObject(TvgObject* object) {
  if (dynamic_cast<TvgTreeViewItem*>(object) || dynamic_cast<TvgSelectionItem*>(object)) Content()->AddObject(object);
  else TvgScrollBox::AddObject(object);
}

void TvgTreeView::ContentAddObject(TvgObject* object) {
  if (dynamic_cast<TvgTreeViewItem*>(object)) RowsChanged();
}

void TvgTreeView::ContentRemoveObject(TvgObject* object) {
  auto* item = dynamic_cast<TvgTreeViewItem*>(object);
  if (!item) return;
  if (!item->HasState(csDestroying)) item->SetIsSelected(false);
  RowsChanged();
}

void TvgTreeView::Clear() {
  BeginUpdate();
  for (int i = Count() - 1; i >= 0; --i) ItemByIndex(i)->Free();
  selected_ = nullptr;
  EndUpdate();
  UpdateSelection();
}

void TvgTreeView::Notification(TComponent* component, TOperation operation) {
  TvgScrollBox::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == selected_) selected_ = nullptr;
  if (component == dragOverItem_) dragOverItem_ = nullptr;
  auto clone = std::find(selectionClones_.begin(), selectionClones_.end(), component);
  if (clone != selectionClones_.end()) selectionClones_.erase(clone);
}

// --- Properties ------------------------------------------------------------------------------------

void TvgTreeView::SetItemHeight(float height) {
  if (height == itemHeight_) return;
  itemHeight_ = height;
  Realign();
}

void TvgTreeView::SetHideSelectionUnfocused(bool hide) {
  if (hide == hideSelectionUnfocused_) return;
  hideSelectionUnfocused_ = hide;
  UpdateSelection();
}

void TvgTreeView::SetShowCheckboxes(bool show) {
  if (show == showCheckboxes_) return;
  showCheckboxes_ = show;
  ForEachItemBelow(*Content(), [show](TvgTreeViewItem& item) {
    if (item.check_) item.check_->SetVisible(show);
  });
}

void TvgTreeView::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  sorted_ = sorted;
  Realign();
}

void TvgTreeView::SetAllowDrag(bool allow) {
  allowDrag_ = allow;
  if (allow) SetDragDisableHighlight(true);
}

// --- Layout --------------------------------------------------------------------------------------

void TvgTreeView::GetContentBounds(TvgRect& rect) {
  rect = GetLocalRect();
  if (sorted_ && !Updating() && Viewport()) SortTopLevel();
  UpdateGlobalIndexes();
  if (Updating() || !Viewport()) return;
  const TvgRect view = Viewport()->GetLocalRect();
  float y = 0;
  for (int i = 0; i < Content()->ChildrenCount(); ++i)
    if (auto* item = dynamic_cast<TvgTreeViewItem*>(Content()->Children(i)))
      y = LayOut(*item, y, 0, vgRectWidth(view));
  rect = {view.Left, view.Top, view.Right, view.Top + (y == 0 ? 1 : y)};
  UpdateSelection();
}

// Places the item at (indent, y) of the content and its shown sub-items below it; answers the y
// of the next row.
float TvgTreeView::LayOut(TvgTreeViewItem& item, float y, float indent, float rowWidth) {
  const TvgPoint at = item.Parent()->Visual()->AbsoluteToLocal(Content()->LocalToAbsolute({indent, y}));
  const TvgRect padding = item.Padding()->GetRect();
  item.SetBounds(at.X + padding.Left, at.Y + padding.Top, rowWidth - padding.Left - padding.Right - indent,
                 itemHeight_ != 0 ? itemHeight_ : item.Height());
  const bool hasSubItems = item.Count() > 0;
  if (item.button_) item.button_->SetVisible(hasSubItems);
  y += item.Height() + padding.Top + padding.Bottom;
  if (!hasSubItems) return y;
  if (!item.IsExpanded()) {
    ForEachItemBelow(item, [](TvgTreeViewItem& hidden) {
      hidden.SetVisible(false);
      hidden.SetOpacity(0);
    });
    return y;
  }
  for (int i = 0; i < item.ChildrenCount(); ++i)
    if (auto* child = dynamic_cast<TvgTreeViewItem*>(item.Children(i))) {
      child->SetVisible(true);
      child->SetOpacity(1);
      y = LayOut(*child, y, indent + kIndent, rowWidth);
    }
  return y;
}

void TvgTreeView::SortTopLevel() {
  Content()->SortChildren([this](TvgObject* a, TvgObject* b) {
    auto* first = dynamic_cast<TvgTreeViewItem*>(a);
    auto* second = dynamic_cast<TvgTreeViewItem*>(b);
    if (!first || !second) return false;
    int order = 0;
    if (OnCompare) OnCompare(first, second, order);
    else order = vgWideCompareText(first->Text(), second->Text());
    return order < 0;
  });
}

void TvgTreeView::HScrollChange() {
  TvgScrollBox::HScrollChange();
  UpdateSelection();
}

void TvgTreeView::VScrollChange() {
  TvgScrollBox::VScrollChange();
  UpdateSelection();
}

TvgTreeViewItem* TvgTreeView::ItemByPoint(float x, float y) {
  const TvgPoint point = LocalToAbsolute({x, y});
  const TvgRect area = GetUpdateRect();
  for (int i = 0; i < Content()->ChildrenCount(); ++i) {
    auto* item = dynamic_cast<TvgTreeViewItem*>(Content()->Children(i));
    if (!item || !item->Visible() || !vgRectsIntersect(item->GetUpdateRect(), area)) continue;
    if (item->PointInObject(point.X, point.Y)) return item;
    if (!item->IsExpanded()) continue;
    if (TvgTreeViewItem* found = item->ItemByPoint(point.X, point.Y)) return found;
  }
  return nullptr;
}

TvgRect TvgTreeView::GetItemRect(TvgTreeViewItem* item) {
  if (!item) return {};
  const TvgPoint at = Content()->AbsoluteToLocal(item->LocalToAbsolute({0, 0}));
  return {at.X, at.Y, at.X + item->Width(), at.Y + item->Height()};
}

// --- Selection -------------------------------------------------------------------------------------

void TvgTreeView::SetSelected(TvgTreeViewItem* item) {
  if (item == selected_) return;
  if (!multiSelect_ && selected_) selected_->SetIsSelected(false);
  selected_ = item;
  if (item) {
    item->FreeNotification(this);
    for (TvgObject* o = item->Parent(); o && o != Content(); o = o->Parent())
      if (auto* ancestor = dynamic_cast<TvgTreeViewItem*>(o)) ancestor->SetIsExpanded(true);
    BringIntoView(*item);
    item->SetIsSelected(true);
  }
  OnChange(this);
}

void TvgTreeView::BringIntoView(TvgTreeViewItem& item) {
  auto* bar = dynamic_cast<TvgScrollBar*>(VScrollBar());
  if (!Viewport() || !bar) return;
  const float top = Viewport()->AbsoluteToLocal(item.LocalToAbsolute({0, 0})).Y;
  const float excess = top + item.Padding()->Top() + item.Padding()->Bottom() + item.Height() - Viewport()->Height();
  if (top < 0) bar->SetValue(bar->Value() + top);
  else if (excess > 0) bar->SetValue(bar->Value() + excess);
}

void TvgTreeView::SelectRange(TvgTreeViewItem* a, TvgTreeViewItem* b) {
  if (!a || !b) return;
  const int first = std::min(a->GlobalIndex(), b->GlobalIndex());
  const int last = std::max(a->GlobalIndex(), b->GlobalIndex());
  {
    const TTemporaryChange<bool> once(selectingRange_, true);
    for (int row = 0; row < GlobalCount(); ++row) rows_[size_t(row)]->SetIsSelected(row >= first && row <= last);
  }
  UpdateSelection();
}

// Adjacent selected rows make one rectangle, in the coordinates of the template's parent.
std::vector<TvgRect> TvgTreeView::SelectionRects() {
  std::vector<TvgRect> rects;
  TvgVisualObject* target = selectionTemplate_->Parent() ? selectionTemplate_->Parent()->Visual() : nullptr;
  bool previousSelected = false;
  for (TvgTreeViewItem* item : rows_) {
    const bool selected = item->IsSelected();
    if (selected) {
      TvgPoint at = item->LocalToAbsolute({0, 0});
      if (target) at = target->AbsoluteToLocal(at);
      const TvgRect rect{at.X, at.Y, at.X + item->Width(), at.Y + item->Height()};
      if (previousSelected && !rects.empty()) rects.back() = vgUnionRect(rects.back(), rect);
      else rects.push_back(rect);
    }
    previousSelected = selected;
  }
  return rects;
}

void TvgTreeView::UpdateSelection() {
  if (!selectionTemplate_ || selectingRange_) return;
  const std::vector<TvgRect> rects = SelectionRects();
  while (selectionClones_.size() < rects.size()) {
    TvgVisualObject* clone = selectionTemplate_->Clone(this)->Visual();
    selectionTemplate_->Parent()->AddObject(clone);
    selectionClones_.push_back(clone);
  }
  const bool hidden = hideSelectionUnfocused_ && !IsFocused();
  for (size_t k = 0; k < selectionClones_.size(); ++k) {
    TvgVisualObject* clone = selectionClones_[k];
    if (hidden || k >= rects.size()) {
      clone->SetVisible(false);
      continue;
    }
    clone->SetVisible(true);
    clone->SetBounds(rects[k].Left, rects[k].Top, vgRectWidth(rects[k]), vgRectHeight(rects[k]));
  }
}

void TvgTreeView::EnterFocus() {
  TvgScrollBox::EnterFocus();
  UpdateSelection();
}

void TvgTreeView::KillFocus() {
  TvgScrollBox::KillFocus();
  UpdateSelection();
}

// --- Style ---------------------------------------------------------------------------------------

void TvgTreeView::ApplyStyle() {
  TvgScrollBox::ApplyStyle();
  TvgObject* part = FindResource("selection");
  selectionTemplate_ = part && part->Parent() ? part->Visual() : nullptr;
  if (selectionTemplate_) selectionTemplate_->SetVisible(false);
  UpdateSelection();
}

void TvgTreeView::FreeStyle() {
  TvgScrollBox::FreeStyle();
  selectionTemplate_ = nullptr;
  selectionClones_.clear();
}

// --- Input -----------------------------------------------------------------------------------------

void TvgTreeView::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgScrollBox::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  TvgTreeViewItem* item = ItemByPoint(x, y);
  if (!item) return;
  if (multiSelect_) {
    if (shift.Contains(ssCtrl)) {
      item->SetIsSelected(!item->IsSelected());
      return;
    }
    SelectRange(shift.Contains(ssShift) ? selected_ : item, item);
    SetSelected(item);
  } else if (item != selected_) {
    SetSelected(item);
  } else if (allowDrag_ && Scene()) {
    Scene()->BeginVCLDrag(item);
  }
}

void TvgTreeView::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgScrollBox::KeyDown(key, keyChar, shift);
  if (Count() == 0 || !selected_ || rows_.empty()) return;
  const int row = SelectedRow();
  switch (key) {
    case kEnd: SetSelected(rows_.back()); break;
    case kHome: SetSelected(rows_.front()); break;
    case kUp:
      if (row > 0) SetSelected(ItemByGlobalIndex(row - 1));
      break;
    case kDown:
      if (row >= 0 && row + 1 < GlobalCount()) SetSelected(ItemByGlobalIndex(row + 1));
      break;
    case kAdd: selected_->SetIsExpanded(true); break;
    case kSubtract: selected_->SetIsExpanded(false); break;
    default: return;
  }
  key = 0;
}

// --- Dragging items ------------------------------------------------------------------------------

TvgTreeViewItem* TvgTreeView::DraggedItem(const TvgDragObject* data) const {
  auto* item = data ? dynamic_cast<TvgTreeViewItem*>(data->Source) : nullptr;
  return item && item->TreeView() == this ? item : nullptr;
}

// Never the selected item, nor the dragged one or anything below it: that would make a cycle.
bool TvgTreeView::CanDropOn(const TvgTreeViewItem* dragged, const TvgTreeViewItem* target) const {
  return target && target != selected_ && target->TreeView() == this && !target->IsWithin(dragged);
}

void TvgTreeView::SetDragOverItem(TvgTreeViewItem* item, TvgDragObject* data, const TvgPoint& point) {
  if (item == dragOverItem_) return;
  if (dragOverItem_) dragOverItem_->DragLeave();
  dragOverItem_ = item;
  if (!item) return;
  item->FreeNotification(this);
  item->DragEnter(data, point);
}

void TvgTreeView::DragOver(TvgDragObject* data, const TvgPoint& point, bool& accept) {
  TvgScrollBox::DragOver(data, point, accept);
  const TvgPoint local = AbsoluteToLocal(point);
  TvgTreeViewItem* dragged = DraggedItem(data);
  TvgTreeViewItem* item = dragged ? ItemByPoint(local.X, local.Y) : nullptr;
  accept = item && CanDropOn(dragged, item);
  SetDragOverItem(accept ? item : nullptr, data, point);
}

void TvgTreeView::DragDrop(TvgDragObject* data, const TvgPoint& point) {
  TvgScrollBox::DragDrop(data, point);
  SetDragOverItem(nullptr);
  TvgTreeViewItem* dragged = DraggedItem(data);
  if (!dragged) return;
  const TvgPoint local = AbsoluteToLocal(point);
  TvgTreeViewItem* target = ItemByPoint(local.X, local.Y);
  if (target && !CanDropOn(dragged, target)) return;
  bool allow = true;
  OnDragChange(dragged, target, allow);
  if (!allow) return;
  if (target) {
    target->SetIsExpanded(true);
    dragged->SetParent(target);
  } else {
    dragged->SetParent(Content());
  }
  // Leaving its old parent unmarked the item; it is still the selected one.
  if (dragged == selected_) dragged->SetIsSelected(true);
  Realign();
}
