#include "controls/colors/ColorPanel.h"

#include "controls/colors/BitmapTrackBar.h"
#include "controls/colors/ColorBox.h"
#include "controls/colors/ColorQuad.h"

CL_PUBLISHED(TvgColorPanel) {
  using P = TvgColorPanel;
  published.Property("Color", &P::Color, &P::SetColor).Default(std::string("#FFFFFFFF"));
  published.Property("ColorBox", &P::ColorBox, &P::SetColorBox);
  published.Property("UseAlpha", &P::UseAlpha, &P::SetUseAlpha).Default(true);
  published.Property("OnChange", &P::OnChange, &P::OnChange);
}

namespace {

template <class T>
T* AddPart(TvgColorPanel& panel, TvgAlign align, const TvgRect& padding) {
  auto* part = new T(nullptr);
  part->SetAlign(align);
  part->SetStored(false);
  part->SetLocked(true);
  part->Padding()->SetRect(padding);
  panel.AddObject(part);
  return part;
}

}  // namespace

TvgColorPanel::TvgColorPanel(TComponent* owner) : TvgControl(owner) {
  SetSizeDirect(150, 150);
  alphaBar_ = AddPart<TvgAlphaTrackBar>(*this, vaBottom, {0, 0, 15, 0});
  alphaBar_->SetHeight(15);
  alphaBar_->SetDisableFocusEffect(true);
  hueBar_ = AddPart<TvgHueTrackBar>(*this, vaRight, {});
  hueBar_->SetOrientation(vgVertical);
  hueBar_->SetWidth(15);
  hueBar_->SetDisableFocusEffect(true);
  quad_ = AddPart<TvgColorQuad>(*this, vaClient, {5, 5, 3, 3});
  alphaBar_->OnChange = [this](TObject*) { quad_->SetAlpha(alphaBar_->Value()); };
  hueBar_->OnChange = [this](TObject*) { quad_->SetHue(hueBar_->Value()); };
  quad_->OnChange = [this](TObject*) { ReportColor(); };
  SetColor("#FFFFFFFF");
}

TvgColor TvgColorPanel::IntColor() const { return vgOpacityColor(quad_->Color(), quad_->Alpha()); }

// The parts' changes report the colour once, at the end.
void TvgColorPanel::SetColor(const std::string& color) {
  const TvgColor value = vgStrToColor(color);
  float h, s, l;
  vgRGBtoHSL(value, h, s, l);
  settingColor_ = true;
  quad_->SetLum(l);
  quad_->SetSat(s);
  hueBar_->SetValue(h);
  alphaBar_->SetValue(float(value >> 24) / 255);
  settingColor_ = false;
  if (!Loading()) ReportColor();
}

void TvgColorPanel::ReportColor() {
  if (colorBox_) colorBox_->SetColor(IntColor());
  if (!settingColor_) OnChange(this);
}

void TvgColorPanel::Loaded() {
  TvgControl::Loaded();
  SetColor(Color());
}

void TvgColorPanel::SetColorBox(TvgColorBox* box) {
  if (box == colorBox_) return;
  if (colorBox_) colorBox_->RemoveFreeNotification(this);
  colorBox_ = box;
  if (!colorBox_) return;
  colorBox_->FreeNotification(this);
  colorBox_->SetColor(IntColor());
}

void TvgColorPanel::SetUseAlpha(bool use) {
  if (use == useAlpha_) return;
  useAlpha_ = use;
  alphaBar_->SetVisible(use);
}

void TvgColorPanel::Notification(TComponent* component, TOperation operation) {
  TvgControl::Notification(component, operation);
  if (operation == opRemove && component == colorBox_) colorBox_ = nullptr;
}
