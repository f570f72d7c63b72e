#include "engine/shapes/Shape.h"

// The fill is published by the shapes that show one; a line has none.
CL_PUBLISHED(TvgShape) {
  using S = TvgShape;
  published.Property("Stroke", &S::Stroke, &S::SetStroke);
  published.Property("StrokeThickness", &S::StrokeThickness, &S::SetStrokeThickness).Default(1.0f);
  published.Property("StrokeCap", &S::StrokeCap, &S::SetStrokeCap).Default(vgCapFlat);
  published.Property("StrokeDash", &S::StrokeDash, &S::SetStrokeDash).Default(vgDashSolid);
  published.Property("StrokeJoin", &S::StrokeJoin, &S::SetStrokeJoin).Default(vgJoinMiter);
}

TvgShape::TvgShape(TComponent* owner) : TvgShape(owner, {vgBrushSolid, 0xFFE0E0E0}, {vgBrushSolid, 0xFF000000}) {}

TvgShape::TvgShape(TComponent* owner, TBrushDefault fill, TBrushDefault stroke)
    : TvgVisualObject(owner),
      fill_(std::make_unique<TvgBrush>(fill.Style, fill.Color)),
      stroke_(std::make_unique<TvgBrush>(stroke.Style, stroke.Color)) {
  fill_->OnChanged = [this](TObject* sender) { FillChanged(sender); };
  stroke_->OnChanged = [this](TObject* sender) { StrokeChanged(sender); };
}

TvgRect TvgShape::GetShapeRect() {
  TvgRect r = GetLocalRect();
  if (stroke_->Style() != vgBrushNone) vgInflateRect(r, -strokeThickness_ / 2, -strokeThickness_ / 2);
  return r;
}

void TvgShape::FillChanged(TObject*) {
  if (updateCount_ > 0) return;
  RecalcUpdateRect();
  Repaint();
}

void TvgShape::StrokeChanged(TObject*) {
  if (updateCount_ > 0) return;
  RecalcUpdateRect();
  Repaint();
}

void TvgShape::BeforePaint() {
  TvgVisualObject::BeforePaint();
  TvgCanvas* canvas = GetCanvas();
  if (!canvas) return;
  canvas->Fill()->Assign(fill_.get());
  canvas->Stroke()->Assign(stroke_.get());
  canvas->StrokeThickness = strokeThickness_;
  canvas->StrokeCap = strokeCap_;
  canvas->StrokeJoin = strokeJoin_;
  canvas->SetStrokeDash(strokeDash_);
}

void TvgShape::AfterPaint() {
  TvgVisualObject::AfterPaint();
  TvgCanvas* canvas = GetCanvas();
  if (!canvas) return;
  canvas->SetStrokeDash(vgDashSolid);
  canvas->StrokeThickness = 1;
}
