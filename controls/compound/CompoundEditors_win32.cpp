#include "controls/compound/CompoundEditors.h"

#include "controls/boxes/PopupBox.h"
#include "controls/buttons/ColorButton.h"
#include "controls/memo/Memo.h"
#include "controls/panels/ImageControl.h"
#include "controls/textboxes/NumberBox.h"
#include "controls/textboxes/TextBox.h"

CL_PUBLISHED(TvgCompoundTextBox) {
  using C = TvgCompoundTextBox;
  published.Property("TextBox", &C::TextBox);
  published.Property("Value", &C::Value, &C::SetValue);
}

CL_PUBLISHED(TvgCompoundMemo) {
  using C = TvgCompoundMemo;
  published.Property("Memo", &C::Memo);
  published.Property("Value", &C::Value, &C::SetValue);
}

CL_PUBLISHED(TvgCompoundNumberBox) {
  using C = TvgCompoundNumberBox;
  published.Property("NumberBox", &C::NumberBox);
  published.Property("Value", &C::Value, &C::SetValue);
}

CL_PUBLISHED(TvgCompoundPopupBox) {
  using C = TvgCompoundPopupBox;
  published.Property("PopupBox", &C::PopupBox);
  published.Property("Value", &C::Value, &C::SetValue);
}

CL_PUBLISHED(TvgCompoundColorButton) {
  using C = TvgCompoundColorButton;
  published.Property("ColorButton", &C::ColorButton);
  published.Property("Value", &C::Value, &C::SetValue);
}

CL_PUBLISHED(TvgCompoundImage) {
  using C = TvgCompoundImage;
  published.Property("Image", &C::Image);
}

TvgCompoundTextBox::TvgCompoundTextBox(TComponent* owner) : TvgCompoundControl(owner) {
  SetSizeDirect(200, 21);
  textBox_ = AddEditor<TvgTextBox>(AddHolder(), "TextBox", vaVertCenter);
}
const std::wstring& TvgCompoundTextBox::Value() const { return textBox_->Text(); }
void TvgCompoundTextBox::SetValue(const std::wstring& value) { textBox_->SetText(value); }

TvgCompoundMemo::TvgCompoundMemo(TComponent* owner) : TvgCompoundControl(owner) {
  SetSizeDirect(200, 60);
  memo_ = AddEditor<TvgMemo>(this, "Memo", vaClient);
}
const std::wstring& TvgCompoundMemo::Value() const { return memo_->Text(); }
void TvgCompoundMemo::SetValue(const std::wstring& value) { memo_->SetText(value); }

TvgCompoundNumberBox::TvgCompoundNumberBox(TComponent* owner) : TvgCompoundControl(owner) {
  SetSizeDirect(200, 21);
  numberBox_ = AddEditor<TvgNumberBox>(AddHolder(), "NumberBox", vaVertCenter);
}
float TvgCompoundNumberBox::Value() const { return numberBox_->Value(); }
void TvgCompoundNumberBox::SetValue(float value) { numberBox_->SetValue(value); }

TvgCompoundPopupBox::TvgCompoundPopupBox(TComponent* owner) : TvgCompoundControl(owner) {
  SetSizeDirect(200, 21);
  popupBox_ = AddEditor<TvgPopupBox>(AddHolder(), "PopupBox", vaVertCenter);
}
int32_t TvgCompoundPopupBox::Value() const { return popupBox_->ItemIndex(); }
void TvgCompoundPopupBox::SetValue(int32_t value) { popupBox_->SetItemIndex(value); }

TvgCompoundColorButton::TvgCompoundColorButton(TComponent* owner) : TvgCompoundControl(owner) {
  SetSizeDirect(200, 21);
  TvgControl* holder = AddHolder(vaLeft);
  holder->SetWidth(kButtonWidth);
  colorButton_ = AddEditor<TvgColorButton>(holder, "ColorButton", vaVertCenter);
}
const std::string& TvgCompoundColorButton::Value() const { return colorButton_->Color(); }
void TvgCompoundColorButton::SetValue(const std::string& value) { colorButton_->SetColor(value); }

TvgCompoundImage::TvgCompoundImage(TComponent* owner) : TvgCompoundControl(owner) {
  SetSizeDirect(200, 60);
  image_ = AddEditor<TvgImageControl>(this, "Image", vaClient);
}
