#include "controls/textboxes/ComboTextBox.h"

#include "classlib/core/TemporaryChange.h"
#include "classlib/desktop/Control.h"
#include "classlib/desktop/Cursors.h"
#include "controls/lists/ComboListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/values/WideStrings.h"

CL_PUBLISHED(TvgComboTextBox) {
  using B = TvgComboTextBox;
  published.Property("Cursor", &B::Cursor, &B::SetCursor).Default(crDefault).Idents(CursorIdents());
  published.Property("DropDownCount", &B::DropDownCount, &B::SetDropDownCount).Default(8);
  published.Property("ItemHeight", &B::ItemHeight, &B::SetItemHeight).Default(19.0f);
  published.Property("ItemIndex", &B::ItemIndex, &B::SetItemIndex).Default(-1);
  published.Property("Items", &B::Items, &B::SetItems);
  published.Property("ListBoxResource", &B::ListBoxResource, &B::SetListBoxResource);
  published.Property("Text", &B::Text, &B::SetText);
}
CL_PUBLISHED(TvgHudComboTextBox) {}

TvgComboTextBox::TvgComboTextBox(TComponent* owner)
    : TvgCustomTextBox(owner), items_(std::make_unique<TvgWideStringList>()) {
  popup_ = vgCreateComboPopup(*this);
  list_ = vgCreateComboList(*this, *popup_, [this](int32_t index) { SetItemIndex(index); });
  SetCursor(crDefault);
  popup_->OnClosePopup = [this](TObject*) {
    list_->ClosedUp();
    if (ShowsCaret() && IsFocused()) ShowCaret();
  };
  list_->SetItemHeight(itemHeight_);
  list_->SetItemIndex(-1);
  items_->OnChange = [this](TObject*) { RebuildList(); };
}

// The pop-up closes as it goes; its hooks must not reach the parts already gone.
void TvgComboTextBox::BeforeDestruction() {
  popup_->OnClosePopup = nullptr;
  TvgCustomTextBox::BeforeDestruction();
}

TvgComboTextBox::~TvgComboTextBox() { items_->OnChange = nullptr; }

TvgHudComboTextBox::TvgHudComboTextBox(TComponent* owner) : TvgComboTextBox(owner) {
  ListBox()->SetResource("hudcombolistboxstyle");
  SetResource("hudcombotextboxstyle");
}

void TvgComboTextBox::SetItems(TvgWideStrings* items) { items_->Assign(items); }

int32_t TvgComboTextBox::ItemIndex() const { return list_ ? list_->ItemIndex() : -1; }

// A stream holds the index before the items: it waits for them until Loaded.
void TvgComboTextBox::SetItemIndex(int32_t index) {
  if (Loading()) {
    loadedIndex_ = index;
    return;
  }
  list_->SetItemIndex(index);
  const int32_t chosen = list_->ItemIndex();
  if (chosen < 0 || chosen >= items_->Count()) return;
  SetText(items_->Get(chosen));
  SetModified(false);
  SelectAll();
  UpdateBinding();
  OnChange(this);
  UpdateEffects();
  Repaint();
}

void TvgComboTextBox::Loaded() {
  TvgCustomTextBox::Loaded();
  list_->SetItemIndex(loadedIndex_);
}

void TvgComboTextBox::SetItemHeight(float height) {
  if (height == itemHeight_) return;
  itemHeight_ = height;
  list_->SetItemHeight(height);
}

const std::string& TvgComboTextBox::ListBoxResource() const { return list_->Resource(); }
void TvgComboTextBox::SetListBoxResource(const std::string& resource) { list_->SetResource(resource); }

void TvgComboTextBox::RebuildList() {
  if (HasState(csDestroying)) return;
  list_->Rebuild([this] {
    for (int i = 0; i < items_->Count(); ++i) {
      auto* item = new TvgListBoxItem(this);
      item->SetAutoTranslate(AutoTranslate());
      item->SetParent(list_);
      item->SetHeight(itemHeight_);
      item->SetStored(false);
      item->SetLocked(true);
      item->SetText(items_->Get(i));
    }
  });
}

void TvgComboTextBox::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgCustomTextBox::KeyDown(key, keyChar, shift);
  const int32_t count = items_->Count(), index = ItemIndex();
  if (count == 0) return;
  if (ReadOnly() && keyChar >= L' ') {
    if (const int32_t found = list_->IndexStartingWith(keyChar); found >= 0) SetItemIndex(found);
    keyChar = 0;
  }
  if (key == VK_UP) {
    if (index > 0) SetItemIndex(index - 1);
    key = 0;
  } else if (key == VK_DOWN) {
    if (index < count - 1) SetItemIndex(std::min(index + 1, count - 1));
    key = 0;
  }
}

void TvgComboTextBox::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgCustomTextBox::MouseDown(button, shift, x, y);
  if (button == mbLeft && !vgPtInRect({x, y}, GetContentRect()) && !popup_->ClosedByCurrentPress()) DropDown();
}

void TvgComboTextBox::DropDown() {
  if (popup_->IsOpen()) {
    popup_->SetIsOpen(false);
    return;
  }
  if (ShowsCaret()) HideCaret();
  popup_->SetPlacement(placement_);
  popup_->SetWidth(Width());
  popup_->SetHeight(list_->DropDownHeight(dropDownCount_, Height()));
  list_->ApplyResource();
  list_->DroppedDown();
  popup_->SetIsOpen(true);
  if (!popup_->IsOpen()) return;
  list_->SetFocus();
  list_->UpdateSelection();
}

void TvgComboTextBox::Realign() {
  TvgCustomTextBox::Realign();
  if (realigning_ || !list_) return;
  const TTemporaryChange<bool> guard(realigning_, true);
  popup_->SetWidth(Width());
  list_->SetWidth(Width());
}
