#pragma once
// TvgColorPicker: a vertical hue strip, red at the top. Dragging along it sets Hue, which a bound
// colour quad follows.
#include <memory>

#include "engine/tree/Control.h"
#include "engine/values/Colors.h"

class TvgBitmap;
class TvgColorQuad;

class TvgColorPicker : public TvgControl {
  CL_CLASS(TvgColorPicker, TvgControl)
public:
  explicit TvgColorPicker(TComponent* owner);
  ~TvgColorPicker() override;

  float Hue() const { return hue_; }
  void SetHue(float hue);
  TvgColorQuad* ColorQuad() const { return colorQuad_; }
  void SetColorQuad(TvgColorQuad* quad);
  // Splits the colour into the strip's hue and the quad's alpha, hue, saturation and luminance.
  void SetColor(TvgColor color);

  TvgRect GetAbsoluteRect() override;
  bool PointInObject(float x, float y) override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  void PickAt(float y);

  float hue_ = 0;
  TvgColorQuad* colorQuad_ = nullptr;
  std::unique_ptr<TvgBitmap> strip_;
  bool dragging_ = false;
};
