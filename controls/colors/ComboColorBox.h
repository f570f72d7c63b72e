#pragma once
// TvgComboColorBox: shows Color, a colour text, as a swatch in its style's content part and drops
// down a pop-up to choose it: a colour panel, a swatch of the choice and a hex text box. A hex
// text that is no colour keeps the colour there was and shows its text again.
#include <string>

#include "engine/tree/Control.h"

class TvgColorBox;
class TvgColorPanel;
class TvgContent;
class TvgPopup;
class TvgTextBox;

class TvgComboColorBox : public TvgControl {
  CL_CLASS(TvgComboColorBox, TvgControl)
public:
  explicit TvgComboColorBox(TComponent* owner);
  void BeforeDestruction() override;

  std::string Color() const;
  void SetColor(const std::string& color);
  bool UseAlpha() const;
  void SetUseAlpha(bool use);

  TvgPopup* DropDownPopup() const { return popup_; }
  TvgColorBox* Swatch() const { return swatch_; }
  TvgTextBox* HexBox() const { return hexBox_; }
  TvgColorPanel* ColorPanel() const { return panel_; }

  // The panel's colour changed: the hex box shows it, and it is reported.
  virtual void ColorChanged();
  // The hex box's text was entered: it becomes the colour when it reads as one.
  virtual void ColorTextChanged();
  // Opens the pop-up below the combo, or closes it when open.
  void DropDown();

  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void ApplyStyle() override;
  void FreeStyle() override;
  Variant GetData() override { return Variant(Color()); }
  // A packed method becomes OnChange, a text the colour, an integer an ARGB colour.
  void SetData(const Variant& value) override;

  TNotifyEvent OnChange;

private:
  void PaintSwatch(TvgCanvas& canvas, const TvgRect& rect);

  // Owned as components.
  TvgPopup* popup_ = nullptr;
  TvgColorBox* swatch_ = nullptr;
  TvgTextBox* hexBox_ = nullptr;
  TvgColorPanel* panel_ = nullptr;
  TvgContent* content_ = nullptr;
};

class TvgHudComboColorBox : public TvgComboColorBox {
  CL_CLASS(TvgHudComboColorBox, TvgComboColorBox)
public:
  explicit TvgHudComboColorBox(TComponent* owner);
};
