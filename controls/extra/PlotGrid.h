#pragma once
// TvgPlotGrid: graph paper centred on the object's middle: a thick axis line each way, a line
// every Frequency units, every Marks-th of them in the full LineFill colour, the others faint.
#include <memory>

#include "engine/tree/VisualObject.h"

class TvgBrush;

class TvgPlotGrid : public TvgVisualObject {
  CL_CLASS(TvgPlotGrid, TvgVisualObject)
public:
  static constexpr float kMinFrequency = 0.001f;

  explicit TvgPlotGrid(TComponent* owner);
  ~TvgPlotGrid() override;

  float Marks() const { return marks_; }
  void SetMarks(float marks);
  float Frequency() const { return frequency_; }
  void SetFrequency(float frequency);
  TvgBrush* LineFill() const { return lineFill_.get(); }
  void SetLineFill(TvgBrush* brush);

  // How many steps of Frequency lie between two drawn lines: 1, or more where the lines would
  // fall closer than one device pixel at this scale (keeping every major line when Marks is whole).
  int LineStride(float pixelsPerUnit) const;

  void Paint() override;

private:
  void PaintLines(bool vertical, int stride);
  bool IsMajor(int step) const;

  std::unique_ptr<TvgBrush> lineFill_;
  float marks_ = 25;
  float frequency_ = 5;
};
