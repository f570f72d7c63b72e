#include "controls/buttons/ColorButton.h"

#include "controls/editors/BrushDialog.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/paint/Brush.h"
#include "engine/shapes/Shape.h"

CL_PUBLISHED(TvgColorButton) {
  using B = TvgColorButton;
  published.Property("AutoTranslate", &B::AutoTranslate, &B::SetAutoTranslate).Default(false);
  published.Property("Color", &B::Color, &B::SetColor).Default(std::string("#FF000000"));
  published.Property("UseStandardDialog", &B::UseStandardDialog, &B::SetUseStandardDialog).Default(true);
  published.Property("OnChange", &B::OnChange, &B::OnChange);
}

namespace {

// The system's colours are 0x00BBGGRR; ours 0xAARRGGBB.
uint32_t SwapRedAndBlue(uint32_t color) {
  return (color & 0x0000FF00) | ((color & 0x000000FF) << 16) | ((color & 0x00FF0000) >> 16);
}

}  // namespace

TvgColorButton::TvgColorButton(TComponent* owner) : TvgCustomButton(owner) { SetAutoTranslate(false); }

void TvgColorButton::ApplyStyle() {
  TvgCustomButton::ApplyStyle();
  fillPart_ = dynamic_cast<TvgShape*>(FindResource("fill"));
  if (fillPart_) fillPart_->Fill()->SetColor(color_);
}

void TvgColorButton::FreeStyle() { fillPart_ = nullptr; }

void TvgColorButton::SetColor(const std::string& color) {
  color_ = color;
  if (fillPart_) fillPart_->Fill()->SetColor(color_);
  if (!Loading()) OnChange(this);
}

void TvgColorButton::Click() {
  TvgCustomButton::Click();
  if (useStandardDialog_) ChooseInStandardDialog();
  else ChooseInBrushDialog();
}

// The dialog knows no alpha: the chosen colour is opaque.
void TvgColorButton::ChooseInStandardDialog() {
  uint32_t color = SwapRedAndBlue(vgStrToColor(color_));
  if (vgSystemDialogs().PickColor(color)) SetColor(vgColorToStr(0xFF000000 | SwapRedAndBlue(color)));
}

void TvgColorButton::ChooseInBrushDialog() {
  TvgBrushDialog dialog(nullptr);
  dialog.Brush()->SetSolidColor(vgStrToColor(color_));
  dialog.SetShowStyles({vgBrushSolid});
  if (dialog.Execute()) SetColor(dialog.Brush()->Color());
}
