#include "controls/lists/StringListBox.h"

#include "classlib/core/Property.h"
#include "classlib/core/TemporaryChange.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/tracks/ScrollBar.h"
#include "engine/paint/Font.h"
#include "engine/values/WideStrings.h"

CL_PUBLISHED(TvgStringListBox) {
  using S = TvgStringListBox;
  published.Property("Items", &S::Items, &S::SetItems);
  published.Property("Font", &S::Font, &S::SetFont);
  published.Property("TextAlign", &S::TextAlign, &S::SetTextAlign).Default(vgTextAlignNear);
}

CL_PUBLISHED(TvgHudStringListBox) {}

namespace {

constexpr float kItemHeight = 19;

float BarValue(TvgControl* bar) {
  auto* scrollBar = dynamic_cast<TvgScrollBar*>(bar);
  return scrollBar ? scrollBar->Value() : 0;
}

void SetBarValue(TvgControl* bar, float value) {
  if (auto* scrollBar = dynamic_cast<TvgScrollBar*>(bar)) scrollBar->SetValue(value);
}

}  // namespace

TvgStringListBox::TvgStringListBox(TComponent* owner)
    : TvgListBox(owner), items_(std::make_unique<TvgWideStringList>()), font_(std::make_unique<TvgFont>()) {
  SetResource("listboxstyle");
  SetAutoTranslate(true);
  items_->OnChange = [this](TObject*) { Rebuild(); };
  font_->OnChanged = [this](TObject*) {
    for (int i = 0; i < GetCount(); ++i)
      if (TvgListBoxItem* item = ItemByIndex(i)) item->SetFont(font_.get());
  };
}

TvgStringListBox::~TvgStringListBox() {
  items_->OnChange = nullptr;
  font_->OnChanged = nullptr;
}

void TvgStringListBox::SetItems(TvgWideStrings* items) { items_->Assign(items); }
void TvgStringListBox::SetFont(TvgFont* font) { font_->Assign(font); }

void TvgStringListBox::SetTextAlign(TvgTextAlign value) {
  textAlign_ = value;
  Rebuild();
}

Variant TvgStringListBox::GetData() {
  if (ItemIndex() < 0 || ItemIndex() >= items_->Count()) return Variant(std::wstring());
  return Variant(items_->Get(ItemIndex()));
}

void TvgStringListBox::SetData(const Variant& value) {
  if (ItemIndex() >= 0 && ItemIndex() < items_->Count()) items_->Put(ItemIndex(), value.ToWideString());
}

// Sorting texts that are already in order would rebuild the items for nothing, at every layout.
void TvgStringListBox::SortItems() {
  if (!Sorted()) return;
  for (int i = 1; i < items_->Count(); ++i)
    if (items_->CompareStrings(items_->Get(i - 1), items_->Get(i)) > 0) {
      items_->Sort();
      return;
    }
}

void TvgStringListBox::EndUpdate() {
  TvgListBox::EndUpdate();
  if (!Updating()) Rebuild();
}

// The selected index was read before the texts it points into.
void TvgStringListBox::Loaded() {
  const int32_t stored = ItemIndex();
  TvgListBox::Loaded();
  Rebuild();
  SetItemIndex(stored);
}

void TvgStringListBox::Rebuild() {
  if (rebuilding_ || Updating() || Loading() || HasState(csDestroying)) return;
  const TTemporaryChange<bool> guard(rebuilding_, true);
  BeginUpdate();
  const int32_t index = ItemIndex();
  const float hValue = BarValue(HScrollBar()), vValue = BarValue(VScrollBar());
  Clear();
  for (int i = 0; i < items_->Count(); ++i) {
    auto* item = new TvgListBoxItem(nullptr);
    item->SetAutoTranslate(AutoTranslate());
    item->SetHeight(kItemHeight);
    item->SetStored(false);
    item->SetLocked(true);
    item->SetText(items_->Get(i));
    item->SetFont(font_.get());
    item->SetResource(itemStyle_);
    item->SetTextAlign(textAlign_);
    AddObject(item);
  }
  SetItemIndex(index);
  SetBarValue(HScrollBar(), hValue);
  SetBarValue(VScrollBar(), vValue);
  EndUpdate();
}

TvgHudStringListBox::TvgHudStringListBox(TComponent* owner) : TvgStringListBox(owner) {
  SetResource("hudlistboxstyle");
  SetItemStyle("hudlistboxitemstyle");
}
