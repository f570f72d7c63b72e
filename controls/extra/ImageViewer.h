#pragma once
// TvgImageViewer: a framed scroll box showing one bitmap at BitmapScale, centred while it is
// smaller than the viewport, zoomed by the wheel and panned by dragging.
#include "engine/layouts/ScrollBox.h"

class TvgBitmap;
class TvgBrush;
class TvgImage;
class TvgRectangle;

class TvgImageViewer : public TvgScrollBox {
  CL_CLASS(TvgImageViewer, TvgScrollBox)
public:
  static constexpr float kMinScale = 0.01f, kMaxScale = 10;
  static constexpr float kScalePerNotch = 0.04f;

  explicit TvgImageViewer(TComponent* owner);
  ~TvgImageViewer() override;

  TvgBitmap* Bitmap() const;
  void SetBitmap(TvgBitmap* bitmap);
  float BitmapScale() const { return bitmapScale_; }
  void SetBitmapScale(float scale);
  TvgBrush* BackgroundFill() const;
  void SetBackgroundFill(TvgBrush* brush);
  bool ShowBackground() const;
  void SetShowBackground(bool show);
  bool MouseScaling() const { return mouseScaling_; }
  void SetMouseScaling(bool value) { mouseScaling_ = value; }

  TvgImage* Image() const { return image_; }

  // A reference to Bitmap. Null empties it; a reference to a persistent object is copied; a text
  // is loaded as a file name.
  Variant GetData() override;
  void SetData(const Variant& value) override;
  void GetContentBounds(TvgRect& rect) override;
  void MouseWheel(TShiftState shift, int wheelDelta, bool& handled) override;

private:
  TvgRectangle* background_;
  TvgImage* image_;
  float bitmapScale_ = 1;
  bool mouseScaling_ = true;
};
