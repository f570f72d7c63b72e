#pragma once
// TvgColorQuad: the saturation (left to right) and luminance (bottom to top) square of one hue.
// Dragging in it, or beyond its edges, moves the marker and the colour; a bound colour box shows
// the colour with Alpha.
#include <memory>

#include "engine/tree/Control.h"
#include "engine/values/Colors.h"

class TvgBitmap;
class TvgColorBox;

class TvgColorQuad : public TvgControl {
  CL_CLASS(TvgColorQuad, TvgControl)
public:
  explicit TvgColorQuad(TComponent* owner);
  ~TvgColorQuad() override;

  float Hue() const { return hue_; }
  void SetHue(float hue);
  float Sat() const { return sat_; }
  void SetSat(float sat);
  float Lum() const { return lum_; }
  void SetLum(float lum);
  float Alpha() const { return alpha_; }
  void SetAlpha(float alpha);
  TvgColorBox* ColorBox() const { return colorBox_; }
  void SetColorBox(TvgColorBox* box);

  // The opaque colour of Hue, Sat and Lum.
  TvgColor Color() const { return vgHSLtoRGB(hue_, sat_, lum_); }

  TvgRect GetAbsoluteRect() override;
  bool PointInObject(float x, float y) override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnChange;

private:
  // Stores a changed, clamped value; false when nothing changed.
  bool Store(float& field, float value);
  void Changed(bool repaint);
  void PickAt(float x, float y);

  float hue_ = 0;
  float sat_ = 0;
  float lum_ = 0;
  float alpha_ = 1;
  TvgColorBox* colorBox_ = nullptr;
  std::unique_ptr<TvgBitmap> square_;
  bool dragging_ = false;
};
