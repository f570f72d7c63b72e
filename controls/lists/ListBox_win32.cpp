#include "controls/lists/ListBox.h"

#include <algorithm>
#include <cmath>

#include "classlib/core/Property.h"
#include "classlib/core/TemporaryChange.h"
#include "classlib/desktop/Control.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/panels/SelectionItem.h"
#include "controls/tracks/ScrollBar.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/scene/DragDrop.h"
#include "engine/scene/SceneInterface.h"
#include "engine/shapes/Shapes.h"
#include "engine/styles/ResourceObjects.h"
#include "engine/values/WideTextCompare.h"

CL_PUBLISHED(TvgListBox) {
  using L = TvgListBox;
  published.Property("AllowDrag", &L::AllowDrag, &L::SetAllowDrag).Default(false);
  published.Property("AlternatingRowBackground", &L::AlternatingRowBackground, &L::SetAlternatingRowBackground)
      .Default(false);
  published.Property("Columns", &L::Columns, &L::SetColumns).Default(1);
  published.Property("HideSelectionUnfocused", &L::HideSelectionUnfocused, &L::SetHideSelectionUnfocused)
      .Default(true);
  published.Property("ItemIndex", &L::ItemIndex, &L::SetItemIndex).Default(-1);
  published.Property("ItemHeight", &L::ItemHeight, &L::SetItemHeight).Default(0.0f);
  published.Property("ItemWidth", &L::ItemWidth, &L::SetItemWidth).Default(0.0f);
  published.Property("ListStyle", &L::ListStyle, &L::SetListStyle).Default(vgListVertical);
  published.Property("MultiSelect", &L::MultiSelect, &L::SetMultiSelect).Default(false);
  published.Property("ShowCheckboxes", &L::ShowCheckboxes, &L::SetShowCheckboxes).Default(false);
  published.Property("Sorted", &L::Sorted, &L::SetSorted).Default(false);
  published.Property("OnChange", &L::OnChange, &L::OnChange);
  published.Property("OnChangeCheck", &L::OnChangeCheck, &L::OnChangeCheck);
  published.Property("OnCompare", &L::OnCompare, &L::OnCompare);
  published.Property("OnDragChange", &L::OnDragChange, &L::OnDragChange);
}

CL_PUBLISHED(TvgHudListBox) {}

namespace {

constexpr uint16_t kKeyEnd = 35, kKeyHome = 36, kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;

TvgScrollBar* AsBar(TvgControl* bar) { return dynamic_cast<TvgScrollBar*>(bar); }

float TopAndBottom(const TvgVisualObject& object) {
  return object.Padding()->GetRect().Top + object.Padding()->GetRect().Bottom;
}
float LeftAndRight(const TvgVisualObject& object) {
  return object.Padding()->GetRect().Left + object.Padding()->GetRect().Right;
}

std::vector<TvgVisualObject*> VisualChildren(const TvgObject& parent) {
  std::vector<TvgVisualObject*> children;
  children.reserve(size_t(parent.ChildrenCount()));
  for (int i = 0; i < parent.ChildrenCount(); ++i)
    if (TvgVisualObject* child = parent.Children(i)->Visual()) children.push_back(child);
  return children;
}

bool SameLetter(wchar_t a, wchar_t b) { return vgWideCompareText({&a, 1}, {&b, 1}) == 0; }

}  // namespace

// --- Construction ------------------------------------------------------------------------------

// The content does not place its children: the list lays them out when the box asks for its
// content bounds.
TvgListBox::TvgListBox(TComponent* owner)
    : TvgScrollBox(owner), alternateRowBrush_(std::make_unique<TvgBrush>(vgBrushSolid, 0x20000000)) {
  Content()->SetLayoutDisabled(true);
  SetCanFocused(true);
  SetAutoCapture(true);
  SetSizeDirect(100, 100);
}

TvgListBox::~TvgListBox() = default;

// --- Items -------------------------------------------------------------------------------------

int TvgListBox::GetCount() const { return Content() ? Content()->ChildrenCount() : 0; }

TvgListBoxItem* TvgListBox::ItemByIndex(int index) const {
  if (!Content() || index < 0 || index >= GetCount()) return nullptr;
  return dynamic_cast<TvgListBoxItem*>(Content()->Children(index));
}

TvgListBoxItem* TvgListBox::ItemAtPoint(float x, float y) {
  if (!Content()) return nullptr;
  const TvgPoint scenePoint = LocalToAbsolute({x, y});
  for (int i = 0; i < Content()->ChildrenCount(); ++i)
    if (auto* item = dynamic_cast<TvgListBoxItem*>(Content()->Children(i));
        item && item->Visible() && item->PointInObject(scenePoint.X, scenePoint.Y))
      return item;
  return nullptr;
}

bool TvgListBox::IsOwnItem(TObject* object) const {
  auto* item = dynamic_cast<TvgListBoxItem*>(object);
  return item && Content() && item->Parent() == Content();
}

bool TvgListBox::HoldsChild(const TObject* object) const {
  for (int i = 0; i < GetCount(); ++i)
    if (Content()->Children(i) == object) return true;
  return false;
}

void TvgListBox::AddObject(TvgObject* object) {
  if (Content() && (dynamic_cast<TvgListBoxItem*>(object) || dynamic_cast<TvgSelectionItem*>(object)))
    Content()->AddObject(object);
  else
    TvgScrollBox::AddObject(object);
}

void TvgListBox::Clear() {
  BeginUpdate();
  for (int i = GetCount() - 1; i >= 0; --i)
    if (TvgListBoxItem* item = ItemByIndex(i)) item->Free();
  for (TvgControl* bar : {HScrollBar(), VScrollBar()})
    if (TvgScrollBar* scrollBar = AsBar(bar)) scrollBar->SetValue(0);
  EndUpdate();
}

int TvgListBox::ItemCompare(TvgObject* a, TvgObject* b) const {
  auto* first = dynamic_cast<TvgListBoxItem*>(a);
  auto* second = dynamic_cast<TvgListBoxItem*>(b);
  if (!first || !second) return 0;
  if (OnCompare) {
    int result = 0;
    OnCompare(const_cast<TvgListBox*>(this), first, second, result);
    return result;
  }
  return vgWideCompareText(first->Text(), second->Text());
}

// The selection stays with the item it was on.
void TvgListBox::SortItems() {
  if (!sorted_ || !Content()) return;
  TvgListBoxItem* selected = Selected();
  Content()->SortChildren([this](TvgObject* a, TvgObject* b) { return ItemCompare(a, b) < 0; });
  if (selected) itemIndex_ = selected->Index();
}

// --- Selection ---------------------------------------------------------------------------------

void TvgListBox::SetItemIndex(int32_t value) {
  if (Loading()) {  // the items follow the list in the stream; Loaded bounds it
    itemIndex_ = value;
    return;
  }
  if (value < -1 || value >= GetCount()) value = -1;
  if (value == itemIndex_) return;
  if (!multiSelect_)
    if (TvgListBoxItem* old = Selected()) old->SetIsSelected(false);
  itemIndex_ = value;
  TvgListBoxItem* item = Selected();
  if (item) {
    ScrollIntoView(item);
    item->SetIsSelected(true);
  }
  if (!Updating()) {
    UpdateBinding();
    OnChange(item);
  }
  UpdateSelection();
}

void TvgListBox::SetBoundedIndex(int64_t index) {
  SetItemIndex(int32_t(std::clamp<int64_t>(index, 0, std::max(0, GetCount() - 1))));
}

// The bars scroll just far enough to show the whole item.
void TvgListBox::ScrollIntoView(TvgListBoxItem* item) {
  TvgVisualObject* viewport = Viewport();
  if (!viewport || !Content()) return;
  const TvgPoint content{Content()->Position()->X(), Content()->Position()->Y()};
  const TvgPoint at{item->Position()->X(), item->Position()->Y()};
  if (TvgScrollBar* bar = AsBar(VScrollBar())) {
    const float top = content.Y + at.Y;
    const float bottom = top + TopAndBottom(*item) + item->Height();
    const float viewBottom = viewport->Position()->Y() + viewport->Height();
    if (bottom > viewBottom) bar->SetValue(bar->Value() + bottom - viewBottom);
    if (top < viewport->Position()->Y()) bar->SetValue(bar->Value() - (viewport->Position()->Y() - top));
  }
  if (TvgScrollBar* bar = AsBar(HScrollBar())) {
    const float left = content.X + at.X;
    const float right = left + LeftAndRight(*item) + item->Width();
    const float viewRight = viewport->Position()->X() + viewport->Width();
    if (right > viewRight) bar->SetValue(bar->Value() + right - viewRight);
    if (left < 0) bar->SetValue(bar->Value() + left);
  }
}

void TvgListBox::SelectRange(TvgListBoxItem* a, TvgListBoxItem* b) {
  if (!a || !b) return;
  const int from = std::min(a->Index(), b->Index()), to = std::max(a->Index(), b->Index());
  {
    const TTemporaryChange<bool> batch(selecting_, true);
    for (int i = 0; i < GetCount(); ++i)
      if (TvgListBoxItem* item = ItemByIndex(i)) item->SetIsSelected(i >= from && i <= to);
  }
  UpdateSelection();
}

void TvgListBox::DeselectAll() {
  {
    const TTemporaryChange<bool> batch(selecting_, true);
    for (int i = 0; i < GetCount(); ++i)
      if (TvgListBoxItem* item = ItemByIndex(i)) item->SetIsSelected(false);
  }
  UpdateSelection();
}

// One highlight per run of adjacent selected items that shows in the list.
void TvgListBox::UpdateSelection() {
  if (!selectionTemplate_ || selecting_) return;
  TvgObject* parent = selectionTemplate_->Parent();
  TvgVisualObject* area = parent ? parent->Visual() : nullptr;
  if (!area) return;
  const TvgRect listRect = GetUpdateRect();
  std::vector<TvgRect> rects;
  bool previousSelected = false;
  for (int i = 0; i < GetCount(); ++i) {
    TvgListBoxItem* item = ItemByIndex(i);
    const bool selected = item && item->IsSelected();
    if (selected && item->Visible() && vgRectsIntersect(item->GetUpdateRect(), listRect)) {
      const TvgPoint topLeft = area->AbsoluteToLocal(item->LocalToAbsolute({0, 0}));
      const TvgRect rect{topLeft.X, topLeft.Y, topLeft.X + item->Width(), topLeft.Y + item->Height()};
      if (previousSelected && !rects.empty()) rects.back() = vgUnionRect(rects.back(), rect);
      else rects.push_back(rect);
    }
    previousSelected = selected;
  }
  ShowHighlights(rects);
}

void TvgListBox::ShowHighlights(const std::vector<TvgRect>& rects) {
  TvgObject* parent = selectionTemplate_->Parent();
  while (highlights_.size() < rects.size()) {
    auto* clone = dynamic_cast<TvgVisualObject*>(selectionTemplate_->Clone(nullptr));
    if (!clone) return;
    clone->SetResourceName("");
    clone->SetStored(false);
    parent->AddObject(clone);
    highlights_.push_back(clone);
  }
  const bool visible = !(hideSelectionUnfocused_ && !IsFocused());
  for (size_t i = 0; i < highlights_.size(); ++i) {
    TvgVisualObject* highlight = highlights_[i];
    const bool used = i < rects.size();
    highlight->SetVisible(used && visible);
    if (used && visible)
      highlight->SetBounds(rects[i].Left, rects[i].Top, vgRectWidth(rects[i]), vgRectHeight(rects[i]));
  }
}

// --- Properties --------------------------------------------------------------------------------

void TvgListBox::SetHideSelectionUnfocused(bool value) {
  if (value == hideSelectionUnfocused_) return;
  hideSelectionUnfocused_ = value;
  UpdateSelection();
}

void TvgListBox::SetShowCheckboxes(bool value) {
  if (value == showCheckboxes_) return;
  showCheckboxes_ = value;
  for (int i = 0; i < GetCount(); ++i)
    if (TvgListBoxItem* item = ItemByIndex(i)) item->ShowCheckbox(value);
}

void TvgListBox::SetSorted(bool value) {
  if (value == sorted_) return;
  sorted_ = value;
  Realign();
}

void TvgListBox::SetMultiSelect(bool value) {
  if (value == multiSelect_) return;
  multiSelect_ = value;
  if (!multiSelect_) DeselectAll();
}

void TvgListBox::SetAlternatingRowBackground(bool value) {
  if (value == alternatingRowBackground_) return;
  alternatingRowBackground_ = value;
  Repaint();
}

void TvgListBox::SetAllowDrag(bool value) {
  if (value == allowDrag_) return;
  allowDrag_ = value;
  if (allowDrag_) SetDragDisableHighlight(true);
}

void TvgListBox::SetColumns(int32_t value) {
  value = std::max(value, int32_t(1));
  if (value == columns_) return;
  columns_ = value;
  Realign();
}

void TvgListBox::SetItemWidth(float value) {
  if (value == itemWidth_) return;
  itemWidth_ = value;
  Realign();
}

void TvgListBox::SetItemHeight(float value) {
  if (value == itemHeight_) return;
  itemHeight_ = value;
  Realign();
}

void TvgListBox::SetListStyle(TvgListStyle value) {
  if (value == listStyle_) return;
  listStyle_ = value;
  Realign();
}

Variant TvgListBox::GetData() {
  TvgListBoxItem* item = Selected();
  return item ? Variant(item->Text()) : Variant();
}

void TvgListBox::SetData(const Variant& value) {
  if (TvgListBoxItem* item = Selected()) item->SetText(value.ToWideString());
}

void TvgListBox::Loaded() {
  TvgScrollBox::Loaded();
  const int32_t stored = itemIndex_;
  itemIndex_ = -1;
  SetItemIndex(stored);
}

// --- Style -------------------------------------------------------------------------------------

// Applied again to the same style, the list keeps the highlights it made in it; FreeStyle forgets
// them with the style.
void TvgListBox::ApplyStyle() {
  TvgScrollBox::ApplyStyle();
  if (TvgObject* part = FindResource("AlternatingRowBackground")) {
    if (auto* brush = dynamic_cast<TvgBrushObject*>(part)) alternateRowBrush_->Assign(brush->Brush());
    if (TvgVisualObject* visual = part->Visual()) visual->SetVisible(false);
  }
  TvgObject* selection = FindResource("selection");
  selectionTemplate_ = selection ? selection->Visual() : nullptr;
  if (selectionTemplate_) selectionTemplate_->SetVisible(false);
  UpdateSelection();
}

void TvgListBox::FreeStyle() {
  TvgScrollBox::FreeStyle();
  selectionTemplate_ = nullptr;
  highlights_.clear();
}

void TvgListBox::EnterFocus() {
  TvgScrollBox::EnterFocus();
  if (hideSelectionUnfocused_) UpdateSelection();
}

void TvgListBox::KillFocus() {
  TvgScrollBox::KillFocus();
  if (hideSelectionUnfocused_) UpdateSelection();
}

// --- Content -----------------------------------------------------------------------------------

void TvgListBox::ContentAddObject(TvgObject* object) {
  if (auto* item = dynamic_cast<TvgListBoxItem*>(object)) item->ShowCheckbox(showCheckboxes_);
  if (!Updating()) Realign();
}

// The selection stays on the same item; a selected item that goes takes the selection along.
void TvgListBox::ContentBeforeRemoveObject(TvgObject* object) {
  if (object == anchor_) anchor_ = nullptr;
  if (object == dragOverItem_) dragOverItem_ = nullptr;
  auto* item = dynamic_cast<TvgListBoxItem*>(object);
  if (!item) return;
  if (item->Index() < itemIndex_) {
    --itemIndex_;
    UpdateSelection();
  }
  item->SetIsSelected(false);
}

void TvgListBox::ContentRemoveObject(TvgObject*) {
  if (!Updating()) Realign();
}

void TvgListBox::HScrollChange() {
  TvgScrollBox::HScrollChange();
  UpdateSelection();
}

void TvgListBox::VScrollChange() {
  TvgScrollBox::VScrollChange();
  UpdateSelection();
}

// --- Layout ------------------------------------------------------------------------------------

void TvgListBox::GetContentBounds(TvgRect& rect) {
  rect = GetLocalRect();
  if (Updating() || !Viewport() || !Content()) return;
  rect = Viewport()->GetLocalRect();
  SortItems();
  if (!multiSelect_)
    if (TvgListBoxItem* selected = Selected()) selected->SetIsSelected(true);
  if (listStyle_ == vgListVertical) LayoutVertical(rect);
  else LayoutHorizontal(rect);
  UpdateSelection();
}

// Rows of Columns items; a row is as high as its highest item, and its items share its height.
void TvgListBox::LayoutVertical(TvgRect& result) {
  const std::vector<TvgVisualObject*> items = VisualChildren(*Content());
  const float viewportWidth = GetViewportWidth();
  if (itemWidth_ != 0) {
    columns_ = std::max(int32_t(std::trunc(viewportWidth / itemWidth_)), int32_t(1));
    for (TvgVisualObject* item : items)
      item->SetBounds(item->Position()->X(), item->Position()->Y(), itemWidth_,
                      itemHeight_ != 0 ? itemHeight_ : item->Height());
  } else if (itemHeight_ != 0) {
    for (TvgVisualObject* item : items)
      item->SetBounds(item->Position()->X(), item->Position()->Y(), item->Width(), itemHeight_);
  }
  const float cellWidth = itemWidth_ != 0 ? itemWidth_ : viewportWidth / float(columns_);
  float total = 0;
  for (size_t row = 0; row < items.size(); row += size_t(columns_)) {
    const size_t end = std::min(items.size(), row + size_t(columns_));
    float rowHeight = 0;
    for (size_t i = row; i < end; ++i) rowHeight = std::max(rowHeight, items[i]->Height() + TopAndBottom(*items[i]));
    for (size_t i = row; i < end; ++i) {
      TvgVisualObject* item = items[i];
      const TvgRect padding = item->Padding()->GetRect();
      item->SetBounds(padding.Left + cellWidth * float(i - row), total + padding.Top,
                      cellWidth - padding.Left - padding.Right, rowHeight - padding.Top - padding.Bottom);
    }
    total += rowHeight;
  }
  if (total > 0) result.Bottom = result.Top + total;
  if (itemWidth_ != 0) result.Right = result.Left + itemWidth_ * float(columns_);
}

// The same with the axes swapped: columns of Columns items side by side.
void TvgListBox::LayoutHorizontal(TvgRect& result) {
  const std::vector<TvgVisualObject*> items = VisualChildren(*Content());
  const float viewportHeight = GetViewportHeight();
  if (itemHeight_ != 0) {
    columns_ = std::max(int32_t(std::trunc((viewportHeight - TopAndBottom(*this)) / itemHeight_)), int32_t(1));
    for (TvgVisualObject* item : items)
      item->SetBounds(item->Position()->X(), item->Position()->Y(), itemWidth_ != 0 ? itemWidth_ : item->Width(),
                      itemHeight_);
  } else if (itemWidth_ != 0) {
    for (TvgVisualObject* item : items)
      item->SetBounds(item->Position()->X(), item->Position()->Y(), itemWidth_, item->Height());
  }
  if (itemIndex_ > GetCount() - 1) itemIndex_ = GetCount() - 1;
  const float cellHeight = itemHeight_ != 0 ? itemHeight_ : viewportHeight / float(columns_);
  const float scrolled = GetVScrollOffset();
  float total = 0;
  for (size_t group = 0; group < items.size(); group += size_t(columns_)) {
    const size_t end = std::min(items.size(), group + size_t(columns_));
    float groupWidth = 0;
    for (size_t i = group; i < end; ++i) groupWidth = std::max(groupWidth, items[i]->Width() + LeftAndRight(*items[i]));
    for (size_t i = group; i < end; ++i) {
      TvgVisualObject* item = items[i];
      const TvgRect padding = item->Padding()->GetRect();
      item->SetBounds(total + padding.Left - scrolled, padding.Top + cellHeight * float(i - group),
                      groupWidth - padding.Left - padding.Right, cellHeight - padding.Top - padding.Bottom);
    }
    total += groupWidth;
  }
  if (total > 0) result.Right = result.Left + total;
  if (itemHeight_ != 0) result.Bottom = result.Top + itemHeight_ * float(columns_);
}

// Every second row is shaded; only the rows in view are filled.
void TvgListBox::ContentPaint(TvgCanvas* canvas, const TvgRect&) {
  if (!alternatingRowBackground_ || !Viewport() || GetCount() == 0) return;
  const TvgRect view = Content()->GetClipRect();
  canvas->Fill()->Assign(alternateRowBrush_.get());
  const int count = GetCount();
  for (int row = 1; row <= count / columns_; row += 2) {
    TvgObject* first = Content()->Children(std::min(row * columns_, count - 1));
    TvgVisualObject* item = first->Visual();
    if (!item) continue;
    const TvgRect rect{0, item->Position()->Y(), Viewport()->Width(), item->Position()->Y() + item->Height()};
    if (rect.Top > view.Bottom) break;
    if (vgRectsIntersect(rect, view))
      canvas->FillRect(rect, 0, 0, vgAllCorners, Content()->GetAbsoluteOpacity(), vgCornerRound);
  }
}

// --- Mouse -------------------------------------------------------------------------------------

void TvgListBox::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgScrollBox::MouseDown(button, shift, x, y);
  trackPress_ = {x, y};
  if (button != mbLeft || MouseTracking()) return;
  TvgListBoxItem* item = ItemAtPoint(x, y);
  if (item) {
    if (multiSelect_) {
      SelectByMouse(item, shift);
      anchor_ = item;
    } else if (item != Selected()) {
      SetItemIndex(item->Index());
    } else if (allowDrag_ && Scene()) {
      Scene()->BeginVCLDrag(item);
    }
    item->Click();
  }
  pressed_ = true;
}

// Ctrl toggles the item, Shift selects from the selected item to it, else it alone is selected.
void TvgListBox::SelectByMouse(TvgListBoxItem* item, TShiftState shift) {
  if (shift.Contains(ssCtrl)) {
    item->SetIsSelected(!item->IsSelected());
    return;
  }
  if (shift.Contains(ssShift)) SelectRange(Selected(), item);
  else SelectRange(item, item);
  SetItemIndex(item->Index());
}

void TvgListBox::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgScrollBox::MouseMove(shift, x, y, dx, dy);
  if (!pressed_ || !shift.Contains(ssLeft)) return;
  TvgListBoxItem* item = ItemAtPoint(x, y);
  if (!item || item == Selected()) return;
  if (multiSelect_) {
    if (shift.Contains(ssCtrl)) item->SetIsSelected(!item->IsSelected());
    else SelectRange(anchor_, item);
  }
  SetItemIndex(item->Index());
}

void TvgListBox::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgScrollBox::MouseUp(button, shift, x, y);
  anchor_ = nullptr;
  if (MouseTracking() && button == mbLeft && x == trackPress_.X && y == trackPress_.Y)
    if (TvgListBoxItem* item = ItemAtPoint(x, y)) SetItemIndex(item->Index());
  pressed_ = false;
}

// --- Keyboard ----------------------------------------------------------------------------------

void TvgListBox::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgScrollBox::KeyDown(key, keyChar, shift);
  const int count = GetCount();
  if (count == 0) return;
  if (keyChar >= L' ') {
    TypeAhead(keyChar);
    keyChar = 0;
    return;
  }
  const int64_t index = itemIndex_;
  switch (key) {
    case kKeyEnd: SetItemIndex(count - 1); break;
    case kKeyHome: SetItemIndex(0); break;
    case kKeyLeft:
      if (index > 0) SetBoundedIndex(index - 1);
      break;
    case kKeyUp:
      if (index > 0) SetBoundedIndex(index - columns_);
      break;
    case kKeyRight:
      if (index < count - 1) SetBoundedIndex(index + 1);
      break;
    case kKeyDown:
      if (index < count - 1) SetBoundedIndex(index + columns_);
      break;
    default: return;
  }
  key = 0;
}

void TvgListBox::TypeAhead(wchar_t keyChar) {
  for (int i = 0; i < GetCount(); ++i)
    if (TvgListBoxItem* item = ItemByIndex(i); item && !item->Text().empty() && SameLetter(item->Text()[0], keyChar)) {
      SetItemIndex(i);
      return;
    }
}

// --- Check boxes and dragging ------------------------------------------------------------------

void TvgListBox::ItemChecked(TvgListBoxItem* item) {
  SetFocus();
  SetItemIndex(item->Index());
  OnChangeCheck(item);
}

void TvgListBox::SetDragOverItem(TvgListBoxItem* item) {
  if (item == dragOverItem_) return;
  TvgListBoxItem* old = dragOverItem_;
  dragOverItem_ = item;
  if (old) old->DragLeave();
  if (item) {
    TvgDragObject none;
    item->DragEnter(&none, {});
  }
}

// Only the list's own items are reordered here; other drags (files, other lists' items) are
// left to the OnDragOver and OnDragDrop handlers.
void TvgListBox::DragOver(TvgDragObject* data, const TvgPoint& point, bool& accept) {
  TvgScrollBox::DragOver(data, point, accept);
  if (!data || !IsOwnItem(data->Source)) {
    SetDragOverItem(nullptr);
    return;
  }
  const TvgPoint local = AbsoluteToLocal(point);
  TvgListBoxItem* item = ItemAtPoint(local.X, local.Y);
  if (item == data->Source) item = nullptr;
  SetDragOverItem(item);
  accept = item != nullptr;
}

void TvgListBox::DragDrop(TvgDragObject* data, const TvgPoint& point) {
  TvgScrollBox::DragDrop(data, point);
  SetDragOverItem(nullptr);
  if (!data || !IsOwnItem(data->Source)) return;
  auto* source = static_cast<TvgListBoxItem*>(data->Source);
  const TvgPoint local = AbsoluteToLocal(point);
  TvgListBoxItem* dest = ItemAtPoint(local.X, local.Y);
  if (!dest || dest == source) return;
  bool allow = true;
  OnDragChange(this, source, dest, allow);
  if (!allow || !HoldsChild(source) || !HoldsChild(dest)) return;
  // The layout that the exchange starts must find the index on the selected item already.
  TvgListBoxItem* selected = Selected();
  BeginUpdate();
  Content()->Exchange(source, dest);
  if (selected) itemIndex_ = selected->Index();
  EndUpdate();
}
