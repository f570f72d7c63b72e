#pragma once
// TvgColorPanel: a colour quad with a vertical hue bar on its right and an alpha bar below, which
// together choose Color, a colour text. A bound colour box shows the colour.
#include <string>

#include "engine/tree/Control.h"
#include "engine/values/Colors.h"

class TvgAlphaTrackBar;
class TvgColorBox;
class TvgColorQuad;
class TvgHueTrackBar;

class TvgColorPanel : public TvgControl {
  CL_CLASS(TvgColorPanel, TvgControl)
public:
  explicit TvgColorPanel(TComponent* owner);

  // "#AARRGGBB"; the quad's colour with its alpha.
  std::string Color() const { return vgColorToStr(IntColor()); }
  void SetColor(const std::string& color);
  TvgColor IntColor() const;
  TvgColorBox* ColorBox() const { return colorBox_; }
  void SetColorBox(TvgColorBox* box);
  bool UseAlpha() const { return useAlpha_; }
  void SetUseAlpha(bool use);

  TvgColorQuad* Quad() const { return quad_; }
  TvgHueTrackBar* HueBar() const { return hueBar_; }
  TvgAlphaTrackBar* AlphaBar() const { return alphaBar_; }

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnChange;

private:
  void ReportColor();

  TvgAlphaTrackBar* alphaBar_;
  TvgHueTrackBar* hueBar_;
  TvgColorQuad* quad_;
  TvgColorBox* colorBox_ = nullptr;
  bool useAlpha_ = true;
  bool settingColor_ = false;
};
