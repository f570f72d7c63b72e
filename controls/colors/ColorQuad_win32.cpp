#include "controls/colors/ColorQuad.h"

#include <algorithm>

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Control.h"
#include "controls/colors/ColorBox.h"
#include "controls/colors/ColorSwatch.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Canvas.h"

CL_PUBLISHED(TvgColorQuad) {
  using Q = TvgColorQuad;
  published.Property("Hue", &Q::Hue, &Q::SetHue).Default(0.0f);
  published.Property("Lum", &Q::Lum, &Q::SetLum).Default(0.0f);
  published.Property("Sat", &Q::Sat, &Q::SetSat).Default(0.0f);
  published.Property("Alpha", &Q::Alpha, &Q::SetAlpha).Default(1.0f);
  published.Property("ColorBox", &Q::ColorBox, &Q::SetColorBox);
  published.Property("OnChange", &Q::OnChange, &Q::OnChange);
}

TvgColorQuad::TvgColorQuad(TComponent* owner) : TvgControl(owner) { SetAutoCapture(true); }

TvgColorQuad::~TvgColorQuad() = default;

bool TvgColorQuad::Store(float& field, float value) {
  value = std::clamp(value, 0.0f, 1.0f);
  if (value == field) return false;
  field = value;
  return true;
}

void TvgColorQuad::SetHue(float hue) {
  if (!Store(hue_, hue)) return;
  square_.reset();
  Changed(true);
}

void TvgColorQuad::SetSat(float sat) {
  if (Store(sat_, sat)) Changed(true);
}

void TvgColorQuad::SetLum(float lum) {
  if (Store(lum_, lum)) Changed(true);
}

void TvgColorQuad::SetAlpha(float alpha) {
  if (Store(alpha_, alpha)) Changed(false);
}

void TvgColorQuad::Changed(bool repaint) {
  if (colorBox_) colorBox_->SetColor((Color() & 0x00FFFFFF) | (TvgColor(Round(alpha_ * 255)) << 24));
  OnChange(this);
  if (repaint) Repaint();
}

void TvgColorQuad::SetColorBox(TvgColorBox* box) {
  if (box == colorBox_) return;
  if (colorBox_) colorBox_->RemoveFreeNotification(this);
  colorBox_ = box;
  if (!colorBox_) return;
  colorBox_->FreeNotification(this);
  colorBox_->SetColor((Color() & 0x00FFFFFF) | (TvgColor(Round(alpha_ * 255)) << 24));
}

void TvgColorQuad::Notification(TComponent* component, TOperation operation) {
  TvgControl::Notification(component, operation);
  if (operation == opRemove && component == colorBox_) colorBox_ = nullptr;
}

// The marker may stand half outside the square.
TvgRect TvgColorQuad::GetAbsoluteRect() {
  TvgRect rect = TvgControl::GetAbsoluteRect();
  vgInflateRect(rect, 11, 11);
  return rect;
}

bool TvgColorQuad::PointInObject(float x, float y) {
  const TvgPoint local = AbsoluteToLocal({x, y});
  return local.X > -5 && local.X < Width() + 5 && local.Y > -5 && local.Y < Height() + 5;
}

void TvgColorQuad::PickAt(float x, float y) {
  if (Height() != 0) SetLum(1 - y / Height());
  if (Width() != 0) SetSat(x / Width());
}

void TvgColorQuad::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseDown(button, shift, x, y);
  if (button == mbLeft) dragging_ = true;
}

void TvgColorQuad::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgControl::MouseMove(shift, x, y, dx, dy);
  if (dragging_) PickAt(x, y);
}

void TvgColorQuad::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  if (dragging_) PickAt(x, y);
  dragging_ = false;
  TvgControl::MouseUp(button, shift, x, y);
}

void TvgColorQuad::Paint() {
  TvgCanvas* canvas = GetCanvas();
  if (!canvas) return;
  const int width = int(Trunc(Width()));
  const int height = int(Trunc(Height()));
  vgKeepRamp(square_, width, height, [&](int x, int y) {
    return vgHSLtoRGB(hue_, float(x) / float(width), 1 - float(y) / float(height));
  });
  const float opacity = GetAbsoluteOpacity();
  canvas->DrawBitmap(square_.get(), {0, 0, float(width), float(height)}, GetLocalRect(), opacity, false);
  vgPaintColorMarker(*canvas, {sat_ * Width(), (1 - lum_) * Height()}, Color(), opacity);
}
