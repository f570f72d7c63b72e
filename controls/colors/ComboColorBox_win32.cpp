#include "controls/colors/ComboColorBox.h"

#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Control.h"
#include "controls/colors/ColorBox.h"
#include "controls/colors/ColorPanel.h"
#include "controls/colors/ColorSwatch.h"
#include "controls/lists/ComboPopup.h"
#include "controls/textboxes/TextBox.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/shapes/Shapes.h"
#include "engine/tree/Content.h"
#include "engine/tree/ObjectRegistry.h"

CL_PUBLISHED(TvgComboColorBox) {
  using C = TvgComboColorBox;
  published.Property("CanFocused", &C::CanFocused, &C::SetCanFocused).Default(true);
  published.Property("DisableFocusEffect", &C::DisableFocusEffect, &C::SetDisableFocusEffect).Default(false);
  published.Property("TabOrder", &C::TabOrder, &C::SetTabOrder);
  published.Property("Color", &C::Color, &C::SetColor).Default(std::string("#FFFFFFFF"));
  published.Property("UseAlpha", &C::UseAlpha, &C::SetUseAlpha).Default(true);
  published.Property("OnChange", &C::OnChange, &C::OnChange);
}
CL_PUBLISHED(TvgHudComboColorBox) {}

TvgComboColorBox::TvgComboColorBox(TComponent* owner) : TvgControl(owner) {
  SetAutoCapture(true);
  SetCanFocused(true);
  SetSizeDirect(60, 22);
  SetResource("comboboxstyle");

  popup_ = vgCreateComboPopup(*this);
  popup_->SetResource("combopopupstyle");
  popup_->SetSizeDirect(240, 160);
  popup_->Margins()->SetRect({5, 5, 5, 5});

  swatch_ = new TvgColorBox(this);
  swatch_->SetStored(false);
  swatch_->SetWidth(50);
  swatch_->SetAlign(vaRight);
  swatch_->Padding()->SetRect({15, 70, 15, 30});
  swatch_->SetParent(popup_);

  hexBox_ = new TvgTextBox(this);
  hexBox_->SetStored(false);
  hexBox_->SetLocked(true);
  hexBox_->SetFilterChar(L"#0123456789abcdefABCDEF");
  hexBox_->SetBounds(160, 20, 70, 22);
  hexBox_->SetAlign(vaTopRight);
  hexBox_->SetDisableFocusEffect(true);
  hexBox_->SetParent(popup_);
  hexBox_->OnChange = [this](TObject*) { ColorTextChanged(); };

  panel_ = new TvgColorPanel(this);
  panel_->SetStored(false);
  panel_->SetDisableFocusEffect(true);
  panel_->SetAlign(vaClient);
  panel_->SetParent(popup_);
  panel_->SetColorBox(swatch_);
  panel_->OnChange = [this](TObject*) { ColorChanged(); };
  ColorChanged();
}

TvgHudComboColorBox::TvgHudComboColorBox(TComponent* owner) : TvgComboColorBox(owner) {
  SetResource("hudcomboboxstyle");
  DropDownPopup()->SetResource("hudcombopopupstyle");
}

// The pop-up closes as it goes; the parts' hooks must not reach a combo being taken apart.
void TvgComboColorBox::BeforeDestruction() {
  panel_->OnChange = nullptr;
  hexBox_->OnChange = nullptr;
  TvgControl::BeforeDestruction();
}

std::string TvgComboColorBox::Color() const { return panel_->Color(); }
void TvgComboColorBox::SetColor(const std::string& color) { panel_->SetColor(color); }
bool TvgComboColorBox::UseAlpha() const { return panel_->UseAlpha(); }
void TvgComboColorBox::SetUseAlpha(bool use) { panel_->SetUseAlpha(use); }

void TvgComboColorBox::ColorChanged() {
  hexBox_->SetText(AnsiToWide(Color()));
  // Shown, not typed: leaving the box must not enter it again.
  hexBox_->SetModified(false);
  Repaint();
  if (!Loading()) OnChange(this);
}

void TvgComboColorBox::ColorTextChanged() {
  TvgColor color = 0;
  if (vgTryStrToColor(WideToAnsi(hexBox_->Text()), color)) {
    SetColor(vgColorToStr(color));
    return;
  }
  hexBox_->SetText(AnsiToWide(Color()));
  hexBox_->SetModified(false);
}

void TvgComboColorBox::DropDown() {
  if (popup_->IsOpen()) {
    popup_->SetIsOpen(false);
    return;
  }
  popup_->SetPlacement(vgPlacementBottom);
  panel_->ApplyResource();
  popup_->SetIsOpen(true);
}

void TvgComboColorBox::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseDown(button, shift, x, y);
  if (button == mbLeft && !popup_->ClosedByCurrentPress()) DropDown();
}

void TvgComboColorBox::ApplyStyle() {
  TvgControl::ApplyStyle();
  content_ = dynamic_cast<TvgContent*>(FindResource("Content"));
  if (content_) content_->OnPaint = [this](TObject*, TvgCanvas* canvas, const TvgRect& r) { PaintSwatch(*canvas, r); };
}

void TvgComboColorBox::FreeStyle() {
  if (content_) content_->OnPaint = nullptr;
  content_ = nullptr;
  TvgControl::FreeStyle();
}

void TvgComboColorBox::PaintSwatch(TvgCanvas& canvas, const TvgRect& rect) {
  const float opacity = GetAbsoluteOpacity();
  TvgRect swatch = rect;
  vgInflateRect(swatch, -2.5f, -2.5f);
  vgPaintCheckerboard(canvas, swatch, 5, opacity);
  canvas.Fill()->SetStyle(vgBrushSolid);
  canvas.Fill()->SetSolidColor(vgStrToColor(Color()));
  canvas.FillRect(swatch, 0, 0, vgAllCorners, opacity, vgCornerRound);
  canvas.StrokeThickness = 1;
  canvas.Stroke()->SetStyle(vgBrushSolid);
  canvas.Stroke()->SetSolidColor(0xFF000000);
  canvas.DrawRect(swatch, 0, 0, vgAllCorners, opacity, vgCornerRound);
}

void TvgComboColorBox::SetData(const Variant& value) {
  if (vgVarIsMethod(value)) OnChange = TNotifyEvent::FromMethod(vgVariantToMethod(value));
  else if (value.IsString()) SetColor(value.ToString());
  else if (value.Type() == TVarType::Integer || value.Type() == TVarType::Int64)
    SetColor(vgColorToStr(TvgColor(value.ToInt64())));
}
