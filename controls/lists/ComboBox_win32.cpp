#include "controls/lists/ComboBox.h"

#include "classlib/core/TemporaryChange.h"
#include "classlib/desktop/Control.h"
#include "controls/lists/ComboListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/panels/SelectionItem.h"
#include "engine/scene/SceneUpdatesOff.h"
#include "engine/tree/Content.h"

CL_PUBLISHED(TvgComboBox) {
  using C = TvgComboBox;
  published.Property("BindingSource", &C::BindingSource, &C::SetBindingSource);
  published.Property("CanFocused", &C::CanFocused, &C::SetCanFocused).Default(true);
  published.Property("DisableFocusEffect", &C::DisableFocusEffect, &C::SetDisableFocusEffect).Default(false);
  published.Property("ItemHeight", &C::ItemHeight, &C::SetItemHeight).Default(0.0f);
  published.Property("DropDownCount", &C::DropDownCount, &C::SetDropDownCount).Default(8);
  published.Property("Placement", &C::Placement, &C::SetPlacement).Default(vgPlacementBottom);
  published.Property("ListBoxResource", &C::ListBoxResource, &C::SetListBoxResource);
  published.Property("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1);
  published.Property("OnChange", &C::OnChange, &C::OnChange);
}
CL_PUBLISHED(TvgHudComboBox) {}

TvgComboBox::TvgComboBox(TComponent* owner)
    : TvgControl(owner) {
  popup_ = vgCreateComboPopup(*this);
  list_ = vgCreateComboList(*this, *popup_, [this](int32_t index) { SetItemIndex(index); });
  SetCanFocused(true);
  popup_->OnClosePopup = [this](TObject*) { list_->ClosedUp(); };
  SetSizeDirect(100, 22);
}

// The pop-up closes as it goes; its hooks must not reach the parts already gone.
void TvgComboBox::BeforeDestruction() {
  popup_->OnClosePopup = nullptr;
  TvgControl::BeforeDestruction();
}

TvgHudComboBox::TvgHudComboBox(TComponent* owner) : TvgComboBox(owner) {
  ListBox()->SetResource("hudcombolistboxstyle");
}

int32_t TvgComboBox::ItemIndex() const { return list_ ? list_->ItemIndex() : -1; }

// A stream holds the index before the items: it waits for them until Loaded.
void TvgComboBox::SetItemIndex(int32_t index) {
  if (Loading()) {
    loadedIndex_ = index;
    return;
  }
  list_->SetItemIndex(index);
  UpdateBinding();
  OnChange(this);
  UpdateEffects();
  Repaint();
}

void TvgComboBox::Loaded() {
  TvgControl::Loaded();
  list_->SetItemIndex(loadedIndex_);
}

float TvgComboBox::ItemHeight() const { return list_->ItemHeight(); }
void TvgComboBox::SetItemHeight(float height) { list_->SetItemHeight(height); }
const std::string& TvgComboBox::ListBoxResource() const { return list_->Resource(); }
void TvgComboBox::SetListBoxResource(const std::string& resource) { list_->SetResource(resource); }
int TvgComboBox::Count() const { return list_->GetCount(); }

void TvgComboBox::Clear() { list_->Clear(); }

void TvgComboBox::AddObject(TvgObject* object) {
  if (list_ && (dynamic_cast<TvgListBoxItem*>(object) || dynamic_cast<TvgSelectionItem*>(object)))
    list_->AddObject(object);
  else
    TvgControl::AddObject(object);
}

void TvgComboBox::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  TvgControl::GetChildren(proc, root);
  for (int i = 0; i < list_->GetCount(); ++i)
    if (TvgListBoxItem* item = list_->ItemByIndex(i); item && item->Stored()) proc(item);
}

void TvgComboBox::ApplyStyle() {
  TvgControl::ApplyStyle();
  content_ = dynamic_cast<TvgContent*>(FindResource("Content"));
  if (content_) content_->OnPaint = [this](TObject*, TvgCanvas* canvas, const TvgRect& r) { PaintContent(canvas, r); };
}

void TvgComboBox::FreeStyle() {
  if (content_) content_->OnPaint = nullptr;
  content_ = nullptr;
  TvgControl::FreeStyle();
}

// The item is painted as if it were the content part's child of the part's size, then given
// back its own size and scene. Laying it out for the part and back again happens unseen: this
// painting must not ask for another.
void TvgComboBox::PaintContent(TvgCanvas* canvas, const TvgRect& rect) {
  TvgListBoxItem* item = list_->Selected();
  IvgWindowScene* scene = Scene();
  if (!item || !canvas || !content_ || !scene) return;
  item->ApplyResource();
  const TvgSceneUpdatesOff quiet(scene);
  IvgWindowScene* itemScene = item->Scene();
  const float width = item->Width(), height = item->Height();
  item->SetScene(scene);
  item->SetSizeDirect(vgRectWidth(rect), vgRectHeight(rect));
  item->Realign();
  item->PaintTo(canvas, rect, content_);
  item->SetSizeDirect(width, height);
  item->Realign();
  item->SetScene(itemScene);
}

void TvgComboBox::DropDown() {
  if (popup_->IsOpen()) {
    popup_->SetIsOpen(false);
    return;
  }
  popup_->SetPlacement(placement_);
  popup_->SetWidth(Width());
  popup_->SetHeight(list_->DropDownHeight(dropDownCount_, Height()));
  list_->DroppedDown();
  popup_->SetIsOpen(true);
  if (popup_->IsOpen()) list_->SetFocus();
}

void TvgComboBox::Realign() {
  TvgControl::Realign();
  if (realigning_ || !popup_) return;
  const TTemporaryChange<bool> guard(realigning_, true);
  popup_->SetWidth(Width());
}

void TvgComboBox::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseDown(button, shift, x, y);
  if (button == mbLeft && !popup_->ClosedByCurrentPress()) DropDown();
}

void TvgComboBox::MouseWheel(TShiftState shift, int wheelDelta, bool& handled) {
  const int32_t index = ItemIndex();
  if (wheelDelta < 0 && index < Count() - 1) SetItemIndex(index + 1);
  else if (wheelDelta > 0 && index > 0) SetItemIndex(index - 1);
  handled = true;
}

void TvgComboBox::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgControl::KeyDown(key, keyChar, shift);
  const int32_t count = Count(), index = ItemIndex();
  if (count == 0) return;
  if (keyChar >= L' ') {
    if (const int32_t found = list_->IndexStartingWith(keyChar); found >= 0) SetItemIndex(found);
    keyChar = 0;
    return;
  }
  switch (key) {
    case VK_END: SetItemIndex(count - 1); break;
    case VK_HOME: SetItemIndex(0); break;
    case VK_LEFT: case VK_UP:
      if (index > 0) SetItemIndex(index - 1);
      break;
    case VK_RIGHT:
      if (index < count - 1) SetItemIndex(index + 1);
      break;
    case VK_DOWN:
      if (shift.Contains(ssAlt)) DropDown();
      else if (index < count - 1) SetItemIndex(index + 1);
      break;
    default: return;
  }
  key = 0;
}
