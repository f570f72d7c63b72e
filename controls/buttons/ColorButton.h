#pragma once
// TvgColorButton: a button that shows a colour in its style's "fill" part and lets the user
// choose another in the system's colour dialog or, without UseStandardDialog, in the brush dialog.
#include <string>

#include "controls/buttons/Button.h"

class TvgShape;

class TvgColorButton : public TvgCustomButton {
  CL_CLASS(TvgColorButton, TvgCustomButton)
public:
  explicit TvgColorButton(TComponent* owner);

  // Colour text, "#AARRGGBB" or a colour name.
  const std::string& Color() const { return color_; }
  void SetColor(const std::string& color);
  bool UseStandardDialog() const { return useStandardDialog_; }
  void SetUseStandardDialog(bool use) { useStandardDialog_ = use; }

  TNotifyEvent OnChange;

  void ApplyStyle() override;
  void FreeStyle() override;
  void Click() override;

private:
  void ChooseInStandardDialog();
  void ChooseInBrushDialog();

  std::string color_ = "#FF000000";
  bool useStandardDialog_ = true;
  TvgShape* fillPart_ = nullptr;
};
