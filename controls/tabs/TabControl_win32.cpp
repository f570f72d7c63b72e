#include "controls/tabs/TabControl.h"

#include "classlib/desktop/Control.h"
#include "engine/layouts/Layout.h"
#include "engine/scene/SceneUpdatesOff.h"

#include <algorithm>
#include <vector>

CL_PUBLISHED(TvgTabControl) {
  using T = TvgTabControl;
  published.Property("ItemIndex", &T::ItemIndex, &T::SetItemIndex).Default(-1);
  published.Property("OnChange", &T::OnChange, &T::OnChange);
  published.Property("ItemHeight", &T::ItemHeight, &T::SetItemHeight).Default(0.0f);
  published.Property("FullSize", &T::FullSize, &T::SetFullSize).Default(false);
}

// Index is not written: the order of the children already carries it, and a hidden tab would
// read back as another place.
CL_PUBLISHED(TvgTabItem) {
  using T = TvgTabItem;
  published.Property("IsSelected", &T::IsSelected).Stored(false);
  published.Property("Index", &T::VisibleIndex, &T::MoveTo).Stored(false);
  published.Property("Layout", &T::Layout, &T::SetLayout);
  published.Property("AutoTranslate", &T::AutoTranslate, &T::SetAutoTranslate).Default(true);
  published.Property("Font", &T::Font, &T::SetFont);
  published.Property("TextAlign", &T::TextAlign, &T::SetTextAlign).Default(vgTextAlignCenter);
  published.Property("VertTextAlign", &T::VertTextAlign, &T::SetVertTextAlign).Default(vgTextAlignCenter);
  published.Property("Text", &T::Text, &T::SetText);
}

CL_PUBLISHED(TvgHudTabControl) {}
CL_PUBLISHED(TvgHudTabItem) {}

namespace {

std::vector<TvgTabItem*> VisibleTabs(const TvgObject& control) {
  std::vector<TvgTabItem*> tabs;
  for (int i = 0; i < control.ChildrenCount(); ++i)
    if (auto* tab = dynamic_cast<TvgTabItem*>(control.Children(i)); tab && tab->Visible()) tabs.push_back(tab);
  return tabs;
}

float LeftAndRight(const TvgBounds& bounds) { return bounds.GetRect().Left + bounds.GetRect().Right; }
float TopAndBottom(const TvgBounds& bounds) { return bounds.GetRect().Top + bounds.GetRect().Bottom; }

}  // namespace

// --- Tab control --------------------------------------------------------------------------------

// A focus stop, so that the keys reach it once a tab was clicked.
TvgTabControl::TvgTabControl(TComponent* owner) : TvgControl(owner) {
  SetAutoCapture(true);
  SetCanFocused(true);
  SetSizeDirect(200, 200);
}

TvgTabItem* TvgTabControl::SelectedTab() const {
  for (TvgTabItem* tab : VisibleTabs(*this))
    if (tab->VisibleIndex() == itemIndex_) return tab;
  return nullptr;
}

int TvgTabControl::VisibleTabCount() const { return int(VisibleTabs(*this).size()); }

void TvgTabControl::SetItemIndex(int index) {
  if (index == itemIndex_) return;
  if (TvgTabItem* selected = SelectedTab()) selected->SetIsSelected(false);
  itemIndex_ = index;
  Realign();
  if (TvgTabItem* selected = SelectedTab()) selected->SetIsSelected(true);
  OnChange(this);
}

void TvgTabControl::SetItemHeight(float height) {
  if (height == itemHeight_) return;
  itemHeight_ = height;
  Realign();
}

void TvgTabControl::SetFullSize(bool fullSize) {
  if (fullSize == fullSize_) return;
  fullSize_ = fullSize;
  Realign();
}

void TvgTabControl::AddObject(TvgObject* object) {
  TvgControl::AddObject(object);
  if (dynamic_cast<TvgTabItem*>(object)) Realign();
}

void TvgTabControl::ApplyStyle() {
  TvgControl::ApplyStyle();
  TvgObject* background = FindResource("background");
  background_ = background ? background->Visual() : nullptr;
  Realign();
}

void TvgTabControl::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseDown(button, shift, x, y);
  Realign();
}

void TvgTabControl::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgControl::KeyDown(key, keyChar, shift);
  const int last = VisibleTabCount() - 1;
  if (last < 0) return;
  switch (key) {
    case VK_LEFT: case VK_UP: SetItemIndex(std::max(itemIndex_ - 1, 0)); break;
    case VK_RIGHT: case VK_DOWN: SetItemIndex(std::min(itemIndex_ + 1, last)); break;
    case VK_HOME: SetItemIndex(0); break;
    case VK_END: SetItemIndex(last); break;
    default: return;
  }
  key = 0;
}

// The painting itself must not ask for another paint.
void TvgTabControl::SetOpacityQuietly(TvgVisualObject& object, float opacity) {
  const TvgSceneUpdatesOff quiet(Scene());
  object.SetOpacity(opacity);
}

// The selected tab lies over the frame: it is left out of the ordinary order and painted last.
void TvgTabControl::PaintChildren() {
  TvgTabItem* selected = SelectedTab();
  if (!selected || !GetCanvas()) return TvgControl::PaintChildren();
  const float opacity = selected->Opacity();
  SetOpacityQuietly(*selected, 0);
  TvgControl::PaintChildren();
  SetOpacityQuietly(*selected, opacity);
  GetCanvas()->SetMatrix(selected->GetAbsoluteMatrix());
  selected->BeforePaint();
  selected->Paint();
  selected->PaintChildren();
}

// Tabs first, then the frame, then the page of the selected tab.
void TvgTabControl::Realign() {
  if (realigning_) return;
  realigning_ = true;
  TvgControl::Realign();
  std::vector<TvgObject*> others;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (!dynamic_cast<TvgTabItem*>(Children(i))) others.push_back(Children(i));
  for (TvgObject* other : others) other->BringToFront();
  const float rowHeight = NumberTabs();
  PlaceFrame(rowHeight);
  PlaceTabs(rowHeight);
  realigning_ = false;
}

float TvgTabControl::NumberTabs() {
  const std::vector<TvgTabItem*> tabs = VisibleTabs(*this);
  float height = 0;
  for (size_t i = 0; i < tabs.size(); ++i) {
    tabs[i]->visibleIndex_ = int(i);
    height = std::max(height, tabs[i]->Height() + TopAndBottom(*tabs[i]->Padding()));
  }
  if (tabs.empty()) return 0;
  return itemHeight_ > 0 ? itemHeight_ : height;
}

void TvgTabControl::PlaceFrame(float rowHeight) {
  TvgVisualObject* frame = StyleObject() ? StyleObject()->Visual() : nullptr;
  if (!frame) return;
  const TvgRect padding = frame->Padding()->GetRect();
  frame->SetAlign(vaNone);
  frame->SetBounds(padding.Left, rowHeight + padding.Top, Width() - padding.Left - padding.Right,
                   Height() - rowHeight - padding.Top - padding.Bottom);
  frame->BringToFront();
}

// The page of a hidden tab hides with it.
void TvgTabControl::PlaceTabs(float rowHeight) {
  for (int i = 0; i < ChildrenCount(); ++i)
    if (auto* tab = dynamic_cast<TvgTabItem*>(Children(i)); tab && !tab->Visible() && tab->Layout()) {
      tab->Layout()->SetVisible(false);
      tab->Layout()->SetDesignHide(true);
    }
  const std::vector<TvgTabItem*> tabs = VisibleTabs(*this);
  float width = Width() - (background_ ? LeftAndRight(*background_->Margins()) : 0);
  if (fullSize_ && !tabs.empty()) width /= float(tabs.size());
  float x = 0;
  for (TvgTabItem* tab : tabs) {
    tab->SetAlign(vaNone);
    if (TvgVisualObject* page = tab->Layout()) {
      const bool shown = tab->VisibleIndex() == itemIndex_;
      page->SetAlign(vaNone);
      page->SetVisible(shown);
      page->SetDesignHide(!shown);
      page->SetClipChildren(true);
      if (shown) page->BringToFront();
    }
    const TvgRect padding = tab->Padding()->GetRect();
    tab->SetBounds(x + padding.Left, padding.Top, fullSize_ ? width : tab->Width(),
                   rowHeight - padding.Top - padding.Bottom);
    x += padding.Left + tab->Width() + padding.Right;
    tab->Realign();
  }
}

// --- Tab item -----------------------------------------------------------------------------------

TvgTabItem::TvgTabItem(TComponent* owner) : TvgTextControl(owner) {
  SetAutoTranslate(true);
  SetSizeDirect(80, 20);
  SetHitTest(true);
}

TvgTabControl* TvgTabItem::TabControl() const { return dynamic_cast<TvgTabControl*>(Parent()); }

void TvgTabItem::MoveTo(int childIndex) {
  if (childIndex == Index()) return;
  SetIndex(childIndex);
  if (TvgTabControl* control = TabControl()) control->Realign();
}

void TvgTabItem::SetLayout(TvgVisualObject* layout) {
  if (layout == layout_) return;
  if (layout_) layout_->RemoveFreeNotification(this);
  layout_ = layout;
  if (layout_) layout_->FreeNotification(this);
}

void TvgTabItem::Notification(TComponent* component, TOperation operation) {
  TvgTextControl::Notification(component, operation);
  if (operation == opRemove && component == layout_) layout_ = nullptr;
}

void TvgTabItem::SetIsSelected(bool selected) {
  isSelected_ = selected;
  StartTriggerAnimation(this, "IsSelected");
  ApplyTriggerEffect(this, "IsSelected");
}

void TvgTabItem::ApplyStyle() {
  TvgTextControl::ApplyStyle();
  TvgTabControl* control = TabControl();
  SetIsSelected(control && control->ItemIndex() == visibleIndex_);
}

// The tab control takes the focus, so that the keys move on from the clicked tab.
void TvgTabItem::Select() {
  TvgTabControl* control = TabControl();
  if (!control) return;
  control->SetItemIndex(visibleIndex_);
  control->SetFocus();
}

void TvgTabItem::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgTextControl::MouseUp(button, shift, x, y);
  if (button == mbLeft) Select();
}

void TvgTabItem::DesignSelect() {
  TvgTextControl::DesignSelect();
  Select();
}

void TvgTabItem::DesignInsert() {
  TvgTextControl::DesignInsert();
  TvgTabControl* control = TabControl();
  if (layout_ || !control) return;
  auto* page = new TvgLayout(Owner());
  control->AddObject(page);
  SetLayout(page);
}

// Hiding or showing a tab renumbers the tabs; the selection stays on the same tab, or moves to
// the tab that takes the place of a hidden selected one (the last one when it was last).
void TvgTabItem::SetVisible(bool visible) {
  if (visible == Visible()) return;
  TvgTabControl* control = TabControl();
  TvgTabItem* selected = control ? control->SelectedTab() : nullptr;
  TvgTextControl::SetVisible(visible);
  if (!control) return;
  if (visible || selected != this) {
    control->Realign();
    if (!selected) return;
    control->ForgetSelection();
    control->SetItemIndex(selected->VisibleIndex());
    return;
  }
  SetIsSelected(false);
  control->Realign();
  control->ForgetSelection();
  control->SetItemIndex(std::min(visibleIndex_, control->VisibleTabCount() - 1));
}

// The page fills the tab control below the tab, within the control's margins and its padding.
void TvgTabItem::Realign() {
  TvgTextControl::Realign();
  TvgTabControl* control = TabControl();
  if (realigning_ || !layout_ || !control) return;
  realigning_ = true;
  const TvgRect margins = control->Margins()->GetRect(), padding = layout_->Padding()->GetRect();
  layout_->SetBounds(margins.Left + padding.Left, Height() + margins.Top + padding.Top,
                     control->Width() - margins.Left - margins.Right - padding.Left - padding.Right,
                     control->Height() - Height() - margins.Top - margins.Bottom - padding.Top - padding.Bottom);
  realigning_ = false;
}
