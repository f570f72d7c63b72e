#pragma once
// The soft shapes: a rectangle and a rounded rectangle drawn blurred. The figure is drawn, inset
// by the blur radius, into a cache bitmap of the object's size, blurred once, and drawn from the
// cache until the fill, the figure or the size changes. The opacity is applied when the cache
// is made and again when it is drawn; a change of opacity alone keeps the cache.
#include <functional>
#include <memory>

#include "engine/paint/Bitmap.h"
#include "engine/shapes/Shapes.h"

class TvgBlurCache {
public:
  // Draws the figure of the shape into the cache's canvas within a rect at an opacity.
  using TFigure = std::function<void(TvgCanvas& canvas, const TvgRect& rect, float opacity)>;

  void MarkStale() { stale_ = true; }
  bool Stale() const { return stale_; }
  TvgBitmap* Bitmap() const { return bitmap_.get(); }  // nullptr until the first paint

  // Softness x 15, truncated, is the blur radius in pixels.
  void Paint(TvgShape& shape, float softness, const TFigure& figure);

private:
  void Render(TvgShape& shape, int radius, float opacity, const TFigure& figure);

  std::unique_ptr<TvgBitmap> bitmap_;
  bool stale_ = true;
};

class TvgBlurRectangle : public TvgRectangle {
  CL_CLASS(TvgBlurRectangle, TvgRectangle)
public:
  explicit TvgBlurRectangle(TComponent* owner);
  float Softness() const { return softness_; }
  void SetSoftness(float softness);
  const TvgBlurCache& Cache() const { return cache_; }

  void Paint() override;
  void FillChanged(TObject* sender) override;
  void SetXRadius(float radius) override;
  void SetYRadius(float radius) override;
  void SetCorners(TvgCorners corners) override;
  void SetCornerType(TvgCornerType type) override;

private:
  float softness_ = 0.3f;
  TvgBlurCache cache_;
};

class TvgBlurRoundRect : public TvgRoundRect {
  CL_CLASS(TvgBlurRoundRect, TvgRoundRect)
public:
  explicit TvgBlurRoundRect(TComponent* owner);
  float Softness() const { return softness_; }
  void SetSoftness(float softness);
  const TvgBlurCache& Cache() const { return cache_; }

  void Paint() override;
  void FillChanged(TObject* sender) override;
  void SetCorners(TvgCorners corners) override;

private:
  float softness_ = 0.3f;
  TvgBlurCache cache_;
};
