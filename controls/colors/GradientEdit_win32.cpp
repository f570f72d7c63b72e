#include "controls/colors/GradientEdit.h"

#include <algorithm>

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Control.h"
#include "controls/colors/ColorPicker.h"
#include "controls/colors/ColorSwatch.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/shapes/Shapes.h"

CL_PUBLISHED(TvgGradientEdit) {
  using G = TvgGradientEdit;
  published.Property("OnChange", &G::OnChange, &G::OnChange);
  published.Property("OnSelectPoint", &G::OnSelectPoint, &G::OnSelectPoint);
  published.Property("ColorPicker", &G::ColorPicker, &G::SetColorPicker);
}

TvgGradientEdit::TvgGradientEdit(TComponent* owner)
    : TvgControl(owner), gradient_(std::make_unique<TvgGradient>()) {
  SetSizeDirect(200, 20);
  SetAutoCapture(true);
  gradient_->OnChanged = [this](TObject*) { GradientChanged(); };
}

TvgGradientEdit::~TvgGradientEdit() { gradient_->OnChanged = nullptr; }

void TvgGradientEdit::SetColorPicker(TvgColorPicker* picker) {
  if (colorPicker_) colorPicker_->RemoveFreeNotification(this);
  colorPicker_ = picker;
  if (colorPicker_) colorPicker_->FreeNotification(this);
  ShowCurrentInPicker();
}

void TvgGradientEdit::Notification(TComponent* component, TOperation operation) {
  TvgControl::Notification(component, operation);
  if (operation == opRemove && component == colorPicker_) colorPicker_ = nullptr;
}

void TvgGradientEdit::ShowCurrentInPicker() {
  if (colorPicker_ && current_ >= 0 && current_ < Count()) colorPicker_->SetColor(Point(current_)->IntColor());
}

void TvgGradientEdit::SelectPoint(int index) {
  if (index == current_) return;
  current_ = index;
  OnSelectPoint(this);
  ShowCurrentInPicker();
}

void TvgGradientEdit::GradientChanged() {
  preview_.reset();
  OnChange(this);
  ShowCurrentInPicker();
  Repaint();
}

float TvgGradientEdit::OffsetAt(float x) const { return std::clamp((x - 10) / (Width() - 20), 0.0f, 1.0f); }

TvgRect TvgGradientEdit::MarkerRect(int index) {
  if (index < 0 || index >= Count()) return {};
  const float x = Point(index)->Offset() * (Width() - 20) + 10;
  return {x - 5, Height() - 10, x + 5, Height()};
}

void TvgGradientEdit::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseDown(button, shift, x, y);
  moving_ = false;
  if (button != mbLeft) return;
  for (int i = 0; i < Count(); ++i) {
    const TvgRect marker = MarkerRect(i);
    if (x < marker.Left || x > marker.Right || y < marker.Top || y > marker.Bottom) continue;
    current_ = i;
    OnSelectPoint(this);
    ShowCurrentInPicker();
    moving_ = true;
    Repaint();
    return;
  }
  if (y > 0 && y < Height() - 10) AddPointAt(x);
}

// A stop goes in before the first stop after the first whose offset lies beyond the press.
void TvgGradientEdit::AddPointAt(float x) {
  const float offset = OffsetAt(x);
  const TvgColor color = gradient_->InterpolateColor(offset);
  int index = 1;
  while (index < Count() && Point(index)->Offset() <= offset) ++index;
  if (index >= Count()) return;
  auto* point = static_cast<TvgGradientPoint*>(gradient_->Points()->Insert(index));
  point->SetIntColor(color);
  point->SetOffset(offset);
  SelectPoint(index);
  GradientChanged();
}

void TvgGradientEdit::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgControl::MouseMove(shift, x, y, dx, dy);
  if (!shift.Contains(ssLeft) || !moving_) return;
  const bool inner = Count() >= 2 && current_ > 0 && current_ < Count() - 1;
  draggedOut_ = inner && (y < -10 || y > Height() + 10);
  MoveCurrentTo(OffsetAt(x));
  GradientChanged();
}

void TvgGradientEdit::MoveCurrentTo(float offset) {
  Point(current_)->SetOffset(offset);
  if (current_ + 1 < Count() && offset > Point(current_ + 1)->Offset()) {
    Point(current_)->SetIndex(current_ + 1);
    ++current_;
  } else if (current_ > 0 && offset < Point(current_ - 1)->Offset()) {
    Point(current_)->SetIndex(current_ - 1);
    --current_;
  }
}

void TvgGradientEdit::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseUp(button, shift, x, y);
  draggedOut_ = false;
  if (moving_ && y > Height() + 10 && Count() >= 2) {
    gradient_->Points()->Delete(current_);
    SelectPoint(std::max(current_ - 1, 0));
    GradientChanged();
  }
  moving_ = false;
}

void TvgGradientEdit::Paint() {
  TvgCanvas* canvas = GetCanvas();
  if (!canvas) return;
  const int width = int(Trunc(Width()));
  const int height = int(Trunc(Height() - 10));
  if (!preview_ && width > 0 && height > 0) {
    preview_ = std::make_unique<TvgBitmap>(width, height);
    vgFillPixels(*preview_, [&](int x, int) { return gradient_->InterpolateColor(float(x) / float(width)); });
  }
  const float opacity = GetAbsoluteOpacity();
  const TvgRect bar{10, 0, Width() - 10, Height() - 10};
  vgPaintCheckerboard(*canvas, bar, 10, opacity);
  if (preview_)
    canvas->DrawBitmap(preview_.get(), {0, 0, float(width), float(height)}, bar, opacity, false);
  PaintMarkers(*canvas, opacity);
}

void TvgGradientEdit::PaintMarkers(TvgCanvas& canvas, float opacity) {
  canvas.Fill()->SetStyle(vgBrushSolid);
  canvas.Stroke()->SetStyle(vgBrushSolid);
  for (int i = 0; i < Count(); ++i) {
    if (i == current_ && draggedOut_) continue;
    TvgRect marker = MarkerRect(i);
    vgInflateRect(marker, -1, -1);
    canvas.Fill()->SetSolidColor(Point(i)->IntColor());
    canvas.FillRect(marker, 0, 0, vgAllCorners, opacity, vgCornerRound);
    canvas.StrokeThickness = 0;
    canvas.Stroke()->SetSolidColor(0xFF757575);
    canvas.DrawRect(marker, 0, 0, vgAllCorners, opacity, vgCornerRound);
    if (i != current_) continue;
    canvas.StrokeThickness = 1;
    canvas.Stroke()->SetSolidColor(0xFFFFFFFF);
    canvas.DrawEllipse(MarkerRect(i), opacity);
  }
}
