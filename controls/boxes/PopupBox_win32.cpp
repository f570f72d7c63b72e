#include "controls/boxes/PopupBox.h"

#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Menus.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/values/WideStrings.h"

CL_PUBLISHED(TvgPopupBox) {
  using B = TvgPopupBox;
  published.Property("BindingSource", &B::BindingSource, &B::SetBindingSource);
  published.Property("CanFocused", &B::CanFocused, &B::SetCanFocused).Default(true);
  published.Property("DisableFocusEffect", &B::DisableFocusEffect, &B::SetDisableFocusEffect).Default(false);
  published.Property("Text", &B::Text, &B::SetText).Stored(false);
  // Items before ItemIndex: a stream's index selects among the entries read before it.
  published.Property("Items", &B::Items, &B::SetItems);
  published.Property("ItemIndex", &B::ItemIndex, &B::SetItemIndex).Default(-1);
  published.Property("OnChange", &B::OnChange, &B::OnChange);
}

CL_PUBLISHED(TvgHudPopupBox) {}

TvgPopupBox::TvgPopupBox(TComponent* owner)
    : TvgCustomButton(owner), items_(std::make_unique<TvgWideStringList>()), menu_(new TPopupMenu(this)) {
  items_->OnChange = [this](TObject*) { ItemsChanged(); };
  SetCanFocused(true);
  SetSizeDirect(Width(), 21);
}

TvgPopupBox::~TvgPopupBox() { items_->OnChange = nullptr; }

void TvgPopupBox::SetItems(TvgWideStrings* items) { items_->Assign(items); }

void TvgPopupBox::ItemsChanged() { Repaint(); }

void TvgPopupBox::SetItemIndex(int index) {
  if (index < 0 || index >= items_->Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  TvgCustomButton::SetText(index < 0 ? std::wstring() : items_->Get(index));
  OnChange(this);
}

void TvgPopupBox::SetText(const std::wstring& text) {
  const int index = items_->IndexOf(text);
  SetItemIndex(index);
  TvgCustomButton::SetText(index < 0 ? std::wstring() : text);
}

void TvgPopupBox::SetData(const Variant& value) {
  if (value.IsNull()) return SetItemIndex(-1);
  if (vgVarIsMethod(value)) {
    OnChange = TNotifyEvent::FromMethod(vgVariantToMethod(value));
    return;
  }
  if (value.IsNumeric()) return SetItemIndex(value.ToInteger());
  const std::wstring text = value.ToWideString();
  const int index = items_->IndexOf(text);
  if (index >= 0) SetItemIndex(index);
  else SetText(text);
}

void TvgPopupBox::Click() {
  TvgCustomButton::Click();
  DoPopup();
}

// The menu opens over the box, about its middle entry level with the box.
void TvgPopupBox::DoPopup() {
  TMenuItem* root = menu_->Items();
  while (root->Count() > 0) root->Items(root->Count() - 1)->Free();
  for (int i = 0; i < items_->Count(); ++i) {
    auto* item = new TMenuItem(menu_);
    item->SetCaption(Utf16ToGbk(items_->Get(i)));
    item->SetChecked(i == itemIndex_);
    item->OnClick = [this, i](TObject*) { SetItemIndex(i); };
    root->Add(item);
  }
  if (!Scene()) return;
  const TvgPoint local{0, float(Trunc(Height() / 2 - float(items_->Count()) * 10))};
  const TvgPoint screen = Scene()->LocalToScreen(LocalToAbsolute(local));
  menu_->Popup(int(Round(screen.X)), int(Round(screen.Y)));
}
