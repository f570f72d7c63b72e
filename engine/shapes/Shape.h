#pragma once
// TvgShape: the base of the visual objects that draw one figure with a fill and an outline
// (and of texts and paths). It owns the Fill and Stroke brushes and the stroke settings, and
// hands them to the canvas before the figure paints.
#include <memory>

#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/tree/VisualObject.h"

class TvgShape : public TvgVisualObject {
  CL_CLASS(TvgShape, TvgVisualObject)
public:
  explicit TvgShape(TComponent* owner);

  TvgBrush* Fill() const { return fill_.get(); }
  void SetFill(TvgBrush* fill) { fill_->Assign(fill); }
  TvgBrush* Stroke() const { return stroke_.get(); }
  void SetStroke(TvgBrush* stroke) { stroke_->Assign(stroke); }
  float StrokeThickness() const { return strokeThickness_; }
  void SetStrokeThickness(float thickness) { StoreAndRepaintArea(strokeThickness_, thickness); }
  TvgStrokeCap StrokeCap() const { return strokeCap_; }
  void SetStrokeCap(TvgStrokeCap cap) { StoreAndRepaintArea(strokeCap_, cap); }
  TvgStrokeJoin StrokeJoin() const { return strokeJoin_; }
  void SetStrokeJoin(TvgStrokeJoin join) { StoreAndRepaintArea(strokeJoin_, join); }
  TvgStrokeDash StrokeDash() const { return strokeDash_; }
  void SetStrokeDash(TvgStrokeDash dash) { StoreAndRepaintArea(strokeDash_, dash); }

  // The local rect, inset by half the stroke thickness on every side when there is a stroke.
  TvgRect GetShapeRect();

  void BeforePaint() override;
  void AfterPaint() override;

  virtual void FillChanged(TObject* sender);
  virtual void StrokeChanged(TObject* sender);

  // The brushes' defaults decide what is streamed of them.
  struct TBrushDefault {
    TvgBrushStyle Style;
    TvgColor Color;
  };

protected:
  TvgShape(TComponent* owner, TBrushDefault fill, TBrushDefault stroke);

  // Stores a changed value and repaints. A value that also changes the painted area marks the
  // update rect stale first.
  template <class T>
  void StoreAndRepaint(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Repaint();
  }
  template <class T>
  void StoreAndRepaintArea(T& field, const T& value) {
    if (field == value) return;
    field = value;
    RecalcUpdateRect();
    Repaint();
  }

private:
  std::unique_ptr<TvgBrush> fill_;
  std::unique_ptr<TvgBrush> stroke_;
  float strokeThickness_ = 1;
  TvgStrokeCap strokeCap_ = vgCapFlat;
  TvgStrokeJoin strokeJoin_ = vgJoinMiter;
  TvgStrokeDash strokeDash_ = vgDashSolid;
};
