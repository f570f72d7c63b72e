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

// Each editor's change is the compound's change, with the editor as the sender.
#define KEST_FORWARD_CHANGE(editor) editor->OnChange = [this](TObject* sender) { Changed(sender); }

TvgCompoundTextBox::TvgCompoundTextBox(TComponent* owner) : TvgCompoundControl(owner) {
  SetSizeDirect(200, 21);
  textBox_ = AddPart<TvgTextBox>(AddHolder(), "TextBox", vaVertCenter);
  KEST_FORWARD_CHANGE(textBox_);
}
const std::wstring& TvgCompoundTextBox::Value() const { return textBox_->Text(); }
void TvgCompoundTextBox::SetValue(const std::wstring& value) { textBox_->SetText(value); }

TvgCompoundMemo::TvgCompoundMemo(TComponent* owner) : TvgCompoundControl(owner) {
  SetSizeDirect(200, 60);
  memo_ = AddPart<TvgMemo>(this, "Memo", vaClient);
  KEST_FORWARD_CHANGE(memo_);
}
const std::wstring& TvgCompoundMemo::Value() const { return memo_->Text(); }
void TvgCompoundMemo::SetValue(const std::wstring& value) { memo_->SetText(value); }

TvgCompoundNumberBox::TvgCompoundNumberBox(TComponent* owner) : TvgCompoundControl(owner) {
  SetSizeDirect(200, 21);
  numberBox_ = AddPart<TvgNumberBox>(AddHolder(), "NumberBox", vaVertCenter);
  KEST_FORWARD_CHANGE(numberBox_);
}
float TvgCompoundNumberBox::Value() const { return numberBox_->Value(); }
void TvgCompoundNumberBox::SetValue(float value) { numberBox_->SetValue(value); }

TvgCompoundPopupBox::TvgCompoundPopupBox(TComponent* owner) : TvgCompoundControl(owner) {
  SetSizeDirect(200, 21);
  popupBox_ = AddPart<TvgPopupBox>(AddHolder(), "PopupBox", vaVertCenter);
  KEST_FORWARD_CHANGE(popupBox_);
}
int32_t TvgCompoundPopupBox::Value() const { return popupBox_->ItemIndex(); }
void TvgCompoundPopupBox::SetValue(int32_t value) { popupBox_->SetItemIndex(value); }

TvgCompoundColorButton::TvgCompoundColorButton(TComponent* owner) : TvgCompoundControl(owner) {
  SetSizeDirect(200, 21);
  TvgControl* holder = AddHolder(vaLeft);
  holder->SetWidth(kButtonWidth);
  colorButton_ = AddPart<TvgColorButton>(holder, "ColorButton", vaVertCenter);
  KEST_FORWARD_CHANGE(colorButton_);
}
const std::string& TvgCompoundColorButton::Value() const { return colorButton_->Color(); }
void TvgCompoundColorButton::SetValue(const std::string& value) { colorButton_->SetColor(value); }

TvgCompoundImage::TvgCompoundImage(TComponent* owner) : TvgCompoundControl(owner) {
  SetSizeDirect(200, 60);
  image_ = AddPart<TvgImageControl>(this, "Image", vaClient);
  KEST_FORWARD_CHANGE(image_);
}
