#include "engine/shapes/BlurShapes.h"

#include <algorithm>
#include <climits>

#include "classlib/core/SysUtils.h"
#include "engine/paint/StackBlur.h"

CL_PUBLISHED(TvgBlurRectangle) {
  published.Property("Softness", &TvgBlurRectangle::Softness, &TvgBlurRectangle::SetSoftness).Default(0.3f);
}

CL_PUBLISHED(TvgBlurRoundRect) {
  published.Property("Softness", &TvgBlurRoundRect::Softness, &TvgBlurRoundRect::SetSoftness).Default(0.3f);
}

namespace {

// A bigger cache could not be had in a 32-bit process; such a shape is not drawn.
constexpr int64_t kMaxCachePixels = int64_t(1) << 26;

constexpr TvgShape::TBrushDefault kFill{vgBrushSolid, 0xFFE0E0E0};
constexpr TvgShape::TBrushDefault kNoStroke{vgBrushNone, 0xFF000000};

}  // namespace

// --- Cache ---------------------------------------------------------------------------------

void TvgBlurCache::Paint(TvgShape& shape, float softness, const TFigure& figure) {
  TvgCanvas* canvas = shape.GetCanvas();
  const int64_t width = Round(shape.Width()), height = Round(shape.Height());
  if (!canvas || width <= 0 || height <= 0 || width * height > kMaxCachePixels) return;
  if (!bitmap_) {
    bitmap_ = std::make_unique<TvgBitmap>(int(width), int(height));
    stale_ = true;
  } else if (bitmap_->Width() != width || bitmap_->Height() != height) {
    bitmap_->SetSize(int(width), int(height));
    stale_ = true;
  }
  const float opacity = shape.GetAbsoluteOpacity();
  if (stale_) Render(shape, int(std::clamp<int64_t>(Trunc(softness * 15), INT_MIN, INT_MAX)), opacity, figure);
  const TvgRect local = shape.GetLocalRect();
  canvas->DrawBitmap(bitmap_.get(), local, local, opacity, true);
}

void TvgBlurCache::Render(TvgShape& shape, int radius, float opacity, const TFigure& figure) {
  bitmap_->Clear(0);
  TvgCanvas* target = bitmap_->GetCanvas();
  if (!target) return;
  if (target->BeginScene()) {
    target->Fill()->Assign(shape.Fill());
    target->Stroke()->Assign(shape.Stroke());
    target->StrokeThickness = shape.StrokeThickness();
    target->StrokeCap = shape.StrokeCap();
    target->StrokeJoin = shape.StrokeJoin();
    target->SetStrokeDash(shape.StrokeDash());
    const float b = float(radius);
    figure(*target, {b, b, shape.Width() - b, shape.Height() - b}, opacity);
    target->EndScene();
  }
  BlurBitmap(*bitmap_, radius);
  stale_ = false;
}

// --- Soft rectangle ------------------------------------------------------------------------

TvgBlurRectangle::TvgBlurRectangle(TComponent* owner) : TvgRectangle(owner, kFill, kNoStroke) {}

void TvgBlurRectangle::SetSoftness(float softness) {
  if (softness == softness_) return;
  softness_ = softness;
  cache_.MarkStale();
  Repaint();
}

void TvgBlurRectangle::Paint() {
  cache_.Paint(*this, softness_, [this](TvgCanvas& canvas, const TvgRect& rect, float opacity) {
    canvas.FillRect(rect, XRadius(), YRadius(), Corners(), opacity, CornerType());
    canvas.DrawRect(rect, XRadius(), YRadius(), Corners(), opacity, CornerType());
  });
}

void TvgBlurRectangle::FillChanged(TObject* sender) {
  cache_.MarkStale();
  TvgRectangle::FillChanged(sender);
}

void TvgBlurRectangle::SetXRadius(float radius) {
  cache_.MarkStale();
  TvgRectangle::SetXRadius(radius);
}

void TvgBlurRectangle::SetYRadius(float radius) {
  cache_.MarkStale();
  TvgRectangle::SetYRadius(radius);
}

void TvgBlurRectangle::SetCorners(TvgCorners corners) {
  cache_.MarkStale();
  TvgRectangle::SetCorners(corners);
}

void TvgBlurRectangle::SetCornerType(TvgCornerType type) {
  cache_.MarkStale();
  TvgRectangle::SetCornerType(type);
}

// --- Soft rounded rectangle ----------------------------------------------------------------

TvgBlurRoundRect::TvgBlurRoundRect(TComponent* owner) : TvgRoundRect(owner, kFill, kNoStroke) {}

void TvgBlurRoundRect::SetSoftness(float softness) {
  if (softness == softness_) return;
  softness_ = softness;
  cache_.MarkStale();
  Repaint();
}

void TvgBlurRoundRect::Paint() {
  cache_.Paint(*this, softness_, [this](TvgCanvas& canvas, const TvgRect& rect, float opacity) {
    const float radius = vgRectHeight(rect) / 2;
    canvas.FillRect(rect, radius, radius, Corners(), opacity, vgCornerRound);
    canvas.DrawRect(rect, radius, radius, Corners(), opacity, vgCornerRound);
  });
}

void TvgBlurRoundRect::FillChanged(TObject* sender) {
  cache_.MarkStale();
  TvgRoundRect::FillChanged(sender);
}

void TvgBlurRoundRect::SetCorners(TvgCorners corners) {
  cache_.MarkStale();
  TvgRoundRect::SetCorners(corners);
}
