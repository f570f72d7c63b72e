#include "controls/lists/ListBoxItem.h"

#include "classlib/core/Property.h"
#include "controls/boxes/CheckBox.h"
#include "controls/lists/ListBox.h"
#include "engine/design/DesignOutline.h"
#include "engine/paint/Font.h"

CL_PUBLISHED(TvgListBoxItem) {
  using I = TvgListBoxItem;
  published.Property("AutoTranslate", &I::AutoTranslate, &I::SetAutoTranslate).Default(true);
  published.Property("Font", &I::Font, &I::SetFont);
  published.Property("TextAlign", &I::TextAlign, &I::SetTextAlign).Default(vgTextAlignNear);
  published.Property("VertTextAlign", &I::VertTextAlign, &I::SetVertTextAlign).Default(vgTextAlignCenter);
  published.Property("WordWrap", &I::WordWrap, &I::SetWordWrap).Default(false);
  published.Property("Text", &I::Text, &I::SetText);
  published.Property("IsChecked", &I::IsChecked, &I::SetIsChecked).Default(false);
  published.Property("IsSelected", &I::IsSelected, &I::SetIsSelected).Default(false);
}

// Placed far away until its list lays it out; the list does all hit testing.
TvgListBoxItem::TvgListBoxItem(TComponent* owner) : TvgTextControl(owner) {
  Position()->SetPoint({5000, 5000});
  SetTextAlign(vgTextAlignNear);
  SetAutoTranslate(true);
  SetSizeDirect(19, 19);
  SetHitTest(false);
}

TvgListBoxItem::~TvgListBoxItem() { LeaveTree(); }

TvgListBox* TvgListBoxItem::ListBox() const {
  for (TvgObject* parent = Parent(); parent; parent = parent->Parent())
    if (auto* list = dynamic_cast<TvgListBox*>(parent)) return list;
  return nullptr;
}

void TvgListBoxItem::SetIsChecked(bool value) {
  if (value == isChecked_) return;
  isChecked_ = value;
  if (check_) check_->SetIsChecked(value);
}

void TvgListBoxItem::SetIsSelected(bool value) {
  if (value == isSelected_) return;
  isSelected_ = value;
  StartTriggerAnimation(this, "IsSelected");
  TvgListBox* list = ListBox();
  if (!list) return;
  if (!list->MultiSelect() && value) list->SetItemIndex(Index());
  else if (!list->MultiSelect() && list->ItemIndex() == Index()) list->SetItemIndex(-1);
  else list->UpdateSelection();
}

void TvgListBoxItem::ApplyStyle() {
  TvgTextControl::ApplyStyle();
  check_ = dynamic_cast<TvgCheckBox*>(FindResource("check"));
  if (check_) {
    check_->SetIsChecked(isChecked_);
    TvgListBox* list = ListBox();
    check_->SetVisible(list && list->ShowCheckboxes());
    check_->OnChange = [this](TObject*) { CheckChanged(); };
  }
  StartTriggerAnimation(this, "IsSelected");
}

void TvgListBoxItem::FreeStyle() {
  TvgTextControl::FreeStyle();
  check_ = nullptr;
}

void TvgListBoxItem::ShowCheckbox(bool show) {
  if (check_) check_->SetVisible(show);
}

// The user clicked the check box: the list takes the focus and selects the item.
void TvgListBoxItem::CheckChanged() {
  if (!check_ || check_->IsChecked() == isChecked_) return;
  isChecked_ = check_->IsChecked();
  if (TvgListBox* list = ListBox()) list->ItemChecked(this);
}

bool TvgListBoxItem::EnterChildren(TvgVisualObject*) {
  if (TvgListBox* list = ListBox()) {
    if (list->MultiSelect()) list->DeselectAll();
    list->SetItemIndex(Index());
  }
  return true;
}

void TvgListBoxItem::DragEnd() {
  TvgTextControl::DragEnd();
  DragLeave();
  if (TvgListBox* list = ListBox()) list->SetDragOverItem(nullptr);
}

void TvgListBoxItem::AfterPaint() {
  TvgTextControl::AfterPaint();
  if (TvgCanvas* canvas = GetCanvas()) vgPaintDesignOutline(*this, *canvas);
}
