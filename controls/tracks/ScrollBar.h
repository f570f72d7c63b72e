#pragma once
// TvgScrollBar: a Value between Min and Max - ViewportSize shown by the track of its style (the
// part "htrack" or "vtrack", after Orientation) and stepped by SmallChange with its buttons
// ("leftbutton" and "rightbutton", or "topbutton" and "bottombutton"; speed buttons repeat while
// held). Every real change of Value fires OnChange and updates the bound controls. Scroll boxes
// drive their bars through Min, Max, ViewportSize, Value and SmallChange.
#include "engine/layouts/Layout.h"
#include "engine/tree/Control.h"

class TvgCustomTrack;

class TvgScrollBar : public TvgControl {
  CL_CLASS(TvgScrollBar, TvgControl)
public:
  explicit TvgScrollBar(TComponent* owner);

  float Value() const { return value_; }
  void SetValue(float value);
  float Min() const { return min_; }
  void SetMin(float min);
  float Max() const { return max_; }
  void SetMax(float max);
  float ViewportSize() const { return viewportSize_; }
  void SetViewportSize(float size);
  float SmallChange() const { return smallChange_; }
  void SetSmallChange(float change) { smallChange_ = change; }
  TvgOrientation Orientation() const { return orientation_; }
  void SetOrientation(TvgOrientation orientation);

  Variant GetData() override { return Variant(double(value_)); }
  // A packed method becomes OnChange; a number sets Value; anything else sets Value to Min.
  void SetData(const Variant& value) override;
  void Realign() override;

  TNotifyEvent OnChange;

private:
  void UpdateTrack(const char* name, TvgOrientation orientation);
  void UpdateButton(const char* name, bool visible, float direction);

  float value_ = 0;
  float min_ = 0;
  float max_ = 100;
  float viewportSize_ = 0;
  float smallChange_ = 1;
  TvgOrientation orientation_ = vgHorizontal;
  bool realigning_ = false;
};

class TvgSmallScrollBar : public TvgScrollBar {
  CL_CLASS(TvgSmallScrollBar, TvgScrollBar)
public:
  explicit TvgSmallScrollBar(TComponent* owner);
};

class TvgHudScrollBar : public TvgScrollBar {
  CL_CLASS(TvgHudScrollBar, TvgScrollBar)
public:
  using TvgScrollBar::TvgScrollBar;
};
