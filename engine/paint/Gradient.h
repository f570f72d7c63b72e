#pragma once
// TvgGradient: colour stops along a linear gradient between two points of the unit square, or a
// radial one in the unit circle placed by a transform.
#include <memory>
#include <string>

#include "classlib/core/Collection.h"
#include "engine/values/Bounds.h"
#include "engine/values/Colors.h"

CL_ENUM(TvgGradientStyle, vgLinearGradient, vgRadialGradient)

// One stop: a colour at an offset of 0..1. Changing it raises no change event.
class TvgGradientPoint : public TCollectionItem {
  CL_CLASS(TvgGradientPoint, TCollectionItem)
public:
  TvgColor IntColor() const { return color_; }
  void SetIntColor(TvgColor color) { color_ = color; }
  std::string Color() const { return vgColorToStr(color_); }
  void SetColor(const std::string& text) { color_ = vgStrToColor(text); }
  float Offset() const { return offset_; }
  void SetOffset(float offset) { offset_ = offset; }
  void Assign(TPersistent* source) override;

private:
  TvgColor color_ = 0;
  float offset_ = 0;
};

class TvgGradientPoints : public TCollection {
  CL_CLASS(TvgGradientPoints, TCollection)
public:
  TvgGradientPoints() : TCollection(TvgGradientPoint::StaticClass()) {}
  TvgGradientPoint* Points(int index) const { return static_cast<TvgGradientPoint*>(Items(index)); }
  TvgGradientPoint* Add(TvgColor color, float offset);
};

class TvgGradient : public TPersistent {
  CL_CLASS(TvgGradient, TPersistent)
public:
  TvgGradient();  // black at 0 to white at 1, top to bottom
  TvgGradient(const TvgGradient&) = delete;
  TvgGradient& operator=(const TvgGradient&) = delete;

  TvgGradientPoints* Points() const { return points_.get(); }
  void SetPoints(TvgGradientPoints* points) { points_->Assign(points); }
  TvgGradientStyle Style() const { return style_; }
  void SetStyle(TvgGradientStyle style);
  TvgPosition* StartPosition() const { return startPosition_.get(); }
  void SetStartPosition(TvgPosition* position) { startPosition_->Assign(position); }
  TvgPosition* StopPosition() const { return stopPosition_.get(); }
  void SetStopPosition(TvgPosition* position) { stopPosition_->Assign(position); }
  TvgTransform* RadialTransform() const { return radialTransform_.get(); }
  void SetRadialTransform(TvgTransform* transform) { radialTransform_->Assign(transform); }

  // The colour at an offset; stops are taken in collection order, unsorted.
  TvgColor InterpolateColor(float offset) const;
  void Assign(TPersistent* source) override;

  TNotifyEvent OnChanged;

private:
  bool IsLinear() const { return style_ == vgLinearGradient; }
  bool IsRadial() const { return style_ == vgRadialGradient; }
  void Changed();

  std::unique_ptr<TvgGradientPoints> points_;
  TvgGradientStyle style_ = vgLinearGradient;
  std::unique_ptr<TvgPosition> startPosition_;
  std::unique_ptr<TvgPosition> stopPosition_;
  std::unique_ptr<TvgTransform> radialTransform_;
  bool muted_ = false;
};
