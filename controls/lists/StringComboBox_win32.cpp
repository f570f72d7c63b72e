#include "controls/lists/StringComboBox.h"

#include "controls/lists/ComboListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/values/WideStrings.h"

CL_PUBLISHED(TvgStringComboBox) {
  using C = TvgStringComboBox;
  published.Property("AutoTranslate", &C::AutoTranslate, &C::SetAutoTranslate).Default(true);
  published.Property("ItemHeight", &C::ItemHeight, &C::SetItemHeight).Default(19.0f);
  published.Property("Items", &C::Items, &C::SetItems);
  published.Property("TextAlign", &C::TextAlign, &C::SetTextAlign).Default(vgTextAlignNear);
}
CL_PUBLISHED(TvgHudStringComboBox) {}

namespace {
constexpr float kStringItemHeight = 19;
}  // namespace

TvgStringComboBox::TvgStringComboBox(TComponent* owner)
    : TvgComboBox(owner), items_(std::make_unique<TvgWideStringList>()) {
  SetResource("comboboxstyle");
  SetAutoTranslate(true);
  TvgComboBox::SetItemHeight(kStringItemHeight);
  items_->OnChange = [this](TObject*) { Rebuild(); };
}

TvgStringComboBox::~TvgStringComboBox() { items_->OnChange = nullptr; }

TvgHudStringComboBox::TvgHudStringComboBox(TComponent* owner) : TvgStringComboBox(owner) {
  SetResource("hudcomboboxstyle");
  ListBox()->SetResource("hudcombolistboxstyle");
  SetItemStyle("hudlistboxitemstyle");
}

void TvgStringComboBox::SetItems(TvgWideStrings* items) { items_->Assign(items); }

void TvgStringComboBox::SetTextAlign(TvgTextAlign align) {
  if (align == textAlign_) return;
  textAlign_ = align;
  if (!Loading()) Rebuild();
}

void TvgStringComboBox::SetItemHeight(float height) {
  if (height == ItemHeight()) return;
  TvgComboBox::SetItemHeight(height);
  Rebuild();
}

void TvgStringComboBox::SortItems() { items_->Sort(); }

void TvgStringComboBox::Loaded() {
  Rebuild();
  TvgComboBox::Loaded();
}

void TvgStringComboBox::Rebuild() {
  if (HasState(csDestroying)) return;
  TvgComboListBox* list = ListBox();
  list->Rebuild([this, list] {
    for (int i = 0; i < items_->Count(); ++i) {
      auto* item = new TvgListBoxItem(list);
      item->SetAutoTranslate(AutoTranslate());
      item->SetParent(this);
      item->SetHeight(ItemHeight());
      item->SetStored(false);
      item->SetLocked(true);
      item->SetText(items_->Get(i));
      item->SetResource(ItemStyle());
      item->SetTextAlign(textAlign_);
    }
  });
  Repaint();
}

Variant TvgStringComboBox::GetData() {
  const int32_t index = ItemIndex();
  return Variant(index >= 0 && index < items_->Count() ? items_->Get(index) : std::wstring());
}

void TvgStringComboBox::SetData(const Variant& value) {
  const int32_t index = ItemIndex();
  if (index >= 0 && index < items_->Count()) items_->Put(index, value.ToWideString());
}
