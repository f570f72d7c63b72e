#pragma once
// Labelled editors of one value each: text, memo text, number, pop-up choice, colour, and a
// labelled image without a value.
#include <string>

#include "controls/compound/CompoundControl.h"

class TvgColorButton;
class TvgImageControl;
class TvgMemo;
class TvgNumberBox;
class TvgPopupBox;
class TvgTextBox;

class TvgCompoundTextBox : public TvgCompoundControl {
  CL_CLASS(TvgCompoundTextBox, TvgCompoundControl)
public:
  explicit TvgCompoundTextBox(TComponent* owner);
  TvgTextBox* TextBox() const { return textBox_; }
  const std::wstring& Value() const;
  void SetValue(const std::wstring& value);

private:
  TvgTextBox* textBox_;
};

class TvgCompoundMemo : public TvgCompoundControl {
  CL_CLASS(TvgCompoundMemo, TvgCompoundControl)
public:
  explicit TvgCompoundMemo(TComponent* owner);
  TvgMemo* Memo() const { return memo_; }
  const std::wstring& Value() const;
  void SetValue(const std::wstring& value);

private:
  TvgMemo* memo_;
};

class TvgCompoundNumberBox : public TvgCompoundControl {
  CL_CLASS(TvgCompoundNumberBox, TvgCompoundControl)
public:
  explicit TvgCompoundNumberBox(TComponent* owner);
  TvgNumberBox* NumberBox() const { return numberBox_; }
  float Value() const;
  void SetValue(float value);

private:
  TvgNumberBox* numberBox_;
};

class TvgCompoundPopupBox : public TvgCompoundControl {
  CL_CLASS(TvgCompoundPopupBox, TvgCompoundControl)
public:
  explicit TvgCompoundPopupBox(TComponent* owner);
  TvgPopupBox* PopupBox() const { return popupBox_; }
  int32_t Value() const;
  void SetValue(int32_t value);

private:
  TvgPopupBox* popupBox_;
};

class TvgCompoundColorButton : public TvgCompoundControl {
  CL_CLASS(TvgCompoundColorButton, TvgCompoundControl)
public:
  static constexpr float kButtonWidth = 60;

  explicit TvgCompoundColorButton(TComponent* owner);
  TvgColorButton* ColorButton() const { return colorButton_; }
  const std::string& Value() const;
  void SetValue(const std::string& value);

private:
  TvgColorButton* colorButton_;
};

class TvgCompoundImage : public TvgCompoundControl {
  CL_CLASS(TvgCompoundImage, TvgCompoundControl)
public:
  explicit TvgCompoundImage(TComponent* owner);
  TvgImageControl* Image() const { return image_; }

private:
  TvgImageControl* image_;
};
