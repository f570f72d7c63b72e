#pragma once
// Track bars whose trough shows a ramp: the style part "background" (a shape) is filled with a
// bitmap painted by FillBitmap, remade whenever the part's size changes. t runs 0..1 along the
// bar: left to right, or top to bottom on a vertical one.
#include <memory>

#include "controls/tracks/Track.h"

class TvgBitmap;
class TvgShape;

class TvgBitmapTrackBar : public TvgTrackBar {
  CL_CLASS(TvgBitmapTrackBar, TvgTrackBar)
public:
  explicit TvgBitmapTrackBar(TComponent* owner);
  ~TvgBitmapTrackBar() override;

  void ApplyStyle() override;
  void FreeStyle() override;
  void Realign() override;

protected:
  // Paints the ramp into a bitmap of the part's size; the plain bar has none.
  virtual void FillBitmap(TvgBitmap& /*bitmap*/) {}
  // The ramp's position (0..1) of a pixel.
  float RampAt(const TvgBitmap& bitmap, int x, int y) const;

private:
  void UpdateRamp();

  std::unique_ptr<TvgBitmap> ramp_;
  TvgShape* background_ = nullptr;
};

class TvgHueTrackBar : public TvgBitmapTrackBar {
  CL_CLASS(TvgHueTrackBar, TvgBitmapTrackBar)
public:
  explicit TvgHueTrackBar(TComponent* owner);

protected:
  void FillBitmap(TvgBitmap& bitmap) override;
};

// Over a checkerboard, transparent white to opaque white, always left to right.
class TvgAlphaTrackBar : public TvgBitmapTrackBar {
  CL_CLASS(TvgAlphaTrackBar, TvgBitmapTrackBar)
public:
  explicit TvgAlphaTrackBar(TComponent* owner);

protected:
  void FillBitmap(TvgBitmap& bitmap) override;
};

class TvgBWTrackBar : public TvgBitmapTrackBar {
  CL_CLASS(TvgBWTrackBar, TvgBitmapTrackBar)
public:
  explicit TvgBWTrackBar(TComponent* owner);

protected:
  void FillBitmap(TvgBitmap& bitmap) override;
};

class TvgHudHueTrackBar : public TvgHueTrackBar {
  CL_CLASS(TvgHudHueTrackBar, TvgHueTrackBar)
public:
  explicit TvgHudHueTrackBar(TComponent* owner);
};

class TvgHudAlphaTrackBar : public TvgAlphaTrackBar {
  CL_CLASS(TvgHudAlphaTrackBar, TvgAlphaTrackBar)
public:
  explicit TvgHudAlphaTrackBar(TComponent* owner);
};

// The HUD's grey bar keeps the plain bar's range and paints no ramp.
class TvgHudBWTrackBar : public TvgBitmapTrackBar {
  CL_CLASS(TvgHudBWTrackBar, TvgBitmapTrackBar)
public:
  explicit TvgHudBWTrackBar(TComponent* owner);
};
