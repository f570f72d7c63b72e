#include "controls/extra/PlotGrid.h"

#include <algorithm>
#include <cmath>

#include "classlib/core/SysUtils.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"

CL_PUBLISHED(TvgPlotGrid) {
  using G = TvgPlotGrid;
  published.Property("LineFill", &G::LineFill, &G::SetLineFill);
  published.Property("Marks", &G::Marks, &G::SetMarks).Default(25.0f);
  published.Property("Frequency", &G::Frequency, &G::SetFrequency).Default(5.0f);
}

namespace {
bool IsWhole(float value) { return std::abs(value - std::round(value)) < 1e-4f * std::max(1.0f, std::abs(value)); }
}  // namespace

TvgPlotGrid::TvgPlotGrid(TComponent* owner)
    : TvgVisualObject(owner), lineFill_(std::make_unique<TvgBrush>(vgBrushSolid, 0xFF505050)) {
  lineFill_->OnChanged = [this](TObject*) { Repaint(); };
}

TvgPlotGrid::~TvgPlotGrid() { lineFill_->OnChanged = nullptr; }

void TvgPlotGrid::SetMarks(float marks) {
  if (marks == marks_) return;
  marks_ = marks;
  Repaint();
}

void TvgPlotGrid::SetFrequency(float frequency) {
  if (frequency == frequency_) return;
  frequency_ = std::max(frequency, kMinFrequency);
  Repaint();
}

void TvgPlotGrid::SetLineFill(TvgBrush* brush) { lineFill_->Assign(brush); }

bool TvgPlotGrid::IsMajor(int step) const {
  const float offset = float(step) * frequency_;
  return marks_ != 0 && IsWhole(float(step) / marks_) && IsWhole(offset);
}

int TvgPlotGrid::LineStride(float pixelsPerUnit) const {
  const float gap = frequency_ * std::abs(pixelsPerUnit);
  if (gap >= 1 || gap <= 0) return 1;
  int stride = int(std::ceil(1 / gap));
  if (!IsWhole(marks_) || marks_ < 1) return stride;
  const int marks = int(std::round(marks_));
  if (stride >= marks) return (stride + marks - 1) / marks * marks;
  while (marks % stride != 0) ++stride;
  return stride;
}

void TvgPlotGrid::Paint() {
  const TvgPoint scale = GetAbsoluteScale();
  PaintLines(true, LineStride(scale.X));
  PaintLines(false, LineStride(scale.Y));
}

void TvgPlotGrid::PaintLines(bool vertical, int stride) {
  TvgCanvas* canvas = GetCanvas();
  const float extent = vertical ? Width() : Height(), across = vertical ? Height() : Width();
  const float centre = float(Round(extent / 2));
  const TvgColor colour = lineFill_->SolidColor();
  const float opacity = GetAbsoluteOpacity();
  auto line = [&](float at) {
    if (vertical) canvas->DrawLine({at, 0}, {at, across}, opacity);
    else canvas->DrawLine({0, at}, {across, at}, opacity);
  };
  canvas->Stroke()->SetStyle(vgBrushSolid);
  for (int step = 0;; step += stride) {
    const float offset = float(step) * frequency_;
    if (offset >= extent / 2) break;
    const float thickness = step == 0 ? 2 : 1;
    canvas->StrokeThickness = thickness;
    canvas->Stroke()->SetSolidColor(step == 0 || IsMajor(step) ? colour : vgOpacityColor(colour, 0.4f));
    line(centre + offset + thickness / 2);
    if (step != 0) line(centre - offset + thickness / 2);
  }
}
