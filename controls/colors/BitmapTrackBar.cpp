#include "controls/colors/BitmapTrackBar.h"

#include "classlib/core/SysUtils.h"
#include "controls/colors/ColorSwatch.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/shapes/Shapes.h"
#include "engine/shapes/Shape.h"

CL_PUBLISHED(TvgBitmapTrackBar) {}
CL_PUBLISHED(TvgHueTrackBar) {}
CL_PUBLISHED(TvgAlphaTrackBar) {}
CL_PUBLISHED(TvgBWTrackBar) {}
CL_PUBLISHED(TvgHudHueTrackBar) {}
CL_PUBLISHED(TvgHudAlphaTrackBar) {}
CL_PUBLISHED(TvgHudBWTrackBar) {}

TvgBitmapTrackBar::TvgBitmapTrackBar(TComponent* owner) : TvgTrackBar(owner) { SetResource("trackbarstyle"); }

TvgBitmapTrackBar::~TvgBitmapTrackBar() = default;

void TvgBitmapTrackBar::ApplyStyle() {
  TvgTrackBar::ApplyStyle();
  background_ = dynamic_cast<TvgShape*>(FindResource("background"));
  UpdateRamp();
}

void TvgBitmapTrackBar::FreeStyle() {
  TvgTrackBar::FreeStyle();
  background_ = nullptr;
}

void TvgBitmapTrackBar::Realign() {
  TvgTrackBar::Realign();
  UpdateRamp();
}

float TvgBitmapTrackBar::RampAt(const TvgBitmap& bitmap, int x, int y) const {
  if (Orientation() == vgVertical) return float(y) / float(bitmap.Height());
  return float(x) / float(bitmap.Width());
}

void TvgBitmapTrackBar::UpdateRamp() {
  if (!background_) return;
  const int width = int(Trunc(background_->Width()));
  const int height = int(Trunc(background_->Height()));
  if (ramp_ && (ramp_->Width() != width || ramp_->Height() != height)) ramp_.reset();
  const bool remade = !ramp_;
  if (remade) {
    ramp_ = std::make_unique<TvgBitmap>(width, height);
    FillBitmap(*ramp_);
  }
  if (!remade && background_->Fill()->Style() == vgBrushBitmap) return;
  background_->Fill()->SetStyle(vgBrushBitmap);
  background_->Fill()->Bitmap()->SetWrapMode(vgWrapTileStretch);
  background_->Fill()->Bitmap()->SetBitmap(ramp_.get());
  Repaint();
}

TvgHueTrackBar::TvgHueTrackBar(TComponent* owner) : TvgBitmapTrackBar(owner) {
  SetMax(1);
  SetValue(0.5f);
}

void TvgHueTrackBar::FillBitmap(TvgBitmap& bitmap) {
  vgFillPixels(bitmap, [&](int x, int y) { return vgHSLtoRGB(RampAt(bitmap, x, y), 0.9f, 0.5f); });
}

TvgAlphaTrackBar::TvgAlphaTrackBar(TComponent* owner) : TvgBitmapTrackBar(owner) {
  SetMax(1);
  SetValue(1);
}

void TvgAlphaTrackBar::FillBitmap(TvgBitmap& bitmap) {
  vgFillPixels(bitmap, [](int x, int y) { return (x / 3 % 2 != y / 3 % 2) ? 0xFFA0A0A0u : 0xFFFFFFFFu; });
  TvgCanvas* canvas = bitmap.GetCanvas();
  if (!canvas || !canvas->BeginScene()) return;
  TvgGradient* gradient = canvas->Fill()->Gradient();
  gradient->Points()->Points(0)->SetIntColor(0x00FFFFFF);
  gradient->Points()->Points(1)->SetIntColor(0xFFFFFFFF);
  gradient->StopPosition()->SetPoint({1, 0});
  canvas->Fill()->SetStyle(vgBrushGradient);
  canvas->Stroke()->SetStyle(vgBrushNone);
  canvas->FillRect({0, 0, float(bitmap.Width()), float(bitmap.Height())}, 0, 0, vgAllCorners, 1, vgCornerRound);
  canvas->EndScene();
}

TvgBWTrackBar::TvgBWTrackBar(TComponent* owner) : TvgBitmapTrackBar(owner) {
  SetMax(1);
  SetValue(0.5f);
}

void TvgBWTrackBar::FillBitmap(TvgBitmap& bitmap) {
  vgFillPixels(bitmap, [&](int x, int y) {
    const auto v = uint8_t(Round(RampAt(bitmap, x, y) * 255));
    return vgMakeColor(v, v, v, 255);
  });
}

TvgHudHueTrackBar::TvgHudHueTrackBar(TComponent* owner) : TvgHueTrackBar(owner) { SetResource("hudtrackbarstyle"); }

TvgHudAlphaTrackBar::TvgHudAlphaTrackBar(TComponent* owner) : TvgAlphaTrackBar(owner) {
  SetResource("hudtrackbarstyle");
}

TvgHudBWTrackBar::TvgHudBWTrackBar(TComponent* owner) : TvgBitmapTrackBar(owner) { SetResource("hudtrackbarstyle"); }
