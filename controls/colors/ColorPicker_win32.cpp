#include "controls/colors/ColorPicker.h"

#include <algorithm>

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Control.h"
#include "controls/colors/ColorQuad.h"
#include "controls/colors/ColorSwatch.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Canvas.h"

CL_PUBLISHED(TvgColorPicker) {
  using P = TvgColorPicker;
  published.Property("Hue", &P::Hue, &P::SetHue).Default(0.0f);
  published.Property("ColorQuad", &P::ColorQuad, &P::SetColorQuad);
}

TvgColorPicker::TvgColorPicker(TComponent* owner) : TvgControl(owner) { SetAutoCapture(true); }

TvgColorPicker::~TvgColorPicker() = default;

void TvgColorPicker::SetHue(float hue) {
  hue = std::clamp(hue, 0.0f, 1.0f);
  if (hue == hue_) return;
  hue_ = hue;
  if (colorQuad_) colorQuad_->SetHue(hue_);
  Repaint();
}

void TvgColorPicker::SetColorQuad(TvgColorQuad* quad) {
  if (quad == colorQuad_) return;
  if (colorQuad_) colorQuad_->RemoveFreeNotification(this);
  colorQuad_ = quad;
  if (colorQuad_) colorQuad_->FreeNotification(this);
}

void TvgColorPicker::Notification(TComponent* component, TOperation operation) {
  TvgControl::Notification(component, operation);
  if (operation == opRemove && component == colorQuad_) colorQuad_ = nullptr;
}

void TvgColorPicker::SetColor(TvgColor color) {
  float h, s, l;
  vgRGBtoHSL(color, h, s, l);
  SetHue(h);
  if (!colorQuad_) return;
  colorQuad_->SetAlpha(float(color >> 24) / 255);
  colorQuad_->SetHue(h);
  colorQuad_->SetSat(s);
  colorQuad_->SetLum(l);
}

TvgRect TvgColorPicker::GetAbsoluteRect() {
  TvgRect rect = TvgControl::GetAbsoluteRect();
  vgInflateRect(rect, 5, 0);
  return rect;
}

bool TvgColorPicker::PointInObject(float x, float y) {
  const TvgPoint local = AbsoluteToLocal({x, y});
  return local.X > 0 && local.X < Width() && local.Y > -5 && local.Y < Height() + 5;
}

void TvgColorPicker::PickAt(float y) {
  if (Height() != 0) SetHue(y / Height());
}

void TvgColorPicker::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseDown(button, shift, x, y);
  if (button == mbLeft) dragging_ = true;
}

void TvgColorPicker::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgControl::MouseMove(shift, x, y, dx, dy);
  if (dragging_) PickAt(y);
}

void TvgColorPicker::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  if (dragging_) PickAt(y);
  dragging_ = false;
  TvgControl::MouseUp(button, shift, x, y);
}

void TvgColorPicker::Paint() {
  TvgCanvas* canvas = GetCanvas();
  if (!canvas) return;
  const int width = int(Trunc(Width()));
  const int height = int(Trunc(Height()));
  vgKeepRamp(strip_, width, height, [&](int, int y) { return vgHSLtoRGB(float(y) / float(height), 0.9f, 0.5f); });
  const float opacity = GetAbsoluteOpacity();
  canvas->DrawBitmap(strip_.get(), {0, 0, float(width), float(height)}, GetLocalRect(), opacity, false);
  vgPaintColorMarker(*canvas, {Width() / 2, hue_ * Height()}, vgHSLtoRGB(hue_, 0.9f, 0.5f), opacity);
}
