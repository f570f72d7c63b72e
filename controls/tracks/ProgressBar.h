#pragma once
// TvgProgressBar: shows Value's share of Min .. Max as the length of its style's indicator
// ("hindicator" in the track "htrack", or "vindicator" in "vtrack" when vertical; a style with a
// single "track" serves both). An indicator shorter than 3 units is hidden.
#include "engine/layouts/Layout.h"
#include "engine/tree/Control.h"

class TvgProgressBar : public TvgControl {
  CL_CLASS(TvgProgressBar, TvgControl)
public:
  explicit TvgProgressBar(TComponent* owner);

  float Value() const { return value_; }
  void SetValue(float value);
  float Min() const { return min_; }
  void SetMin(float min);
  float Max() const { return max_; }
  void SetMax(float max);
  TvgOrientation Orientation() const { return orientation_; }
  void SetOrientation(TvgOrientation orientation);

  Variant GetData() override { return Variant(double(value_)); }
  // A number sets Value; anything else sets Value to Min.
  void SetData(const Variant& value) override;
  void ApplyStyle() override;
  void Realign() override;

private:
  TvgVisualObject* Part(const char* name);
  TvgVisualObject* ShownTrack();
  void SizeIndicator(TvgVisualObject& track);

  float value_ = 0;
  float min_ = 0;
  float max_ = 100;
  TvgOrientation orientation_ = vgHorizontal;
  bool realigning_ = false;
};
