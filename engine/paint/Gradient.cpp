#include "engine/paint/Gradient.h"

#include <algorithm>

CL_PUBLISHED(TvgGradientPoint) {
  published.Property("Color", &TvgGradientPoint::Color, &TvgGradientPoint::SetColor);
  published.Property("Offset", &TvgGradientPoint::Offset, &TvgGradientPoint::SetOffset);
}

void TvgGradientPoint::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TvgGradientPoint*>(source);
  if (!other) return TCollectionItem::Assign(source);
  color_ = other->color_;
  offset_ = other->offset_;
}

CL_PUBLISHED(TvgGradientPoints) {}

TvgGradientPoint* TvgGradientPoints::Add(TvgColor color, float offset) {
  auto* point = static_cast<TvgGradientPoint*>(TCollection::Add());
  point->SetIntColor(color);
  point->SetOffset(offset);
  return point;
}

CL_PUBLISHED(TvgGradient) {
  published.Property("Points", &TvgGradient::Points, &TvgGradient::SetPoints);
  published.Property("Style", &TvgGradient::Style, &TvgGradient::SetStyle);
  published.Property("StartPosition", &TvgGradient::StartPosition, &TvgGradient::SetStartPosition)
      .Stored(&TvgGradient::IsLinear);
  published.Property("StopPosition", &TvgGradient::StopPosition, &TvgGradient::SetStopPosition)
      .Stored(&TvgGradient::IsLinear);
  published.Property("RadialTransform", &TvgGradient::RadialTransform, &TvgGradient::SetRadialTransform)
      .Stored(&TvgGradient::IsRadial);
}

TvgGradient::TvgGradient()
    : points_(std::make_unique<TvgGradientPoints>()),
      startPosition_(std::make_unique<TvgPosition>(TvgPoint{0, 0})),
      stopPosition_(std::make_unique<TvgPosition>(TvgPoint{0, 1})),
      radialTransform_(std::make_unique<TvgTransform>()) {
  points_->Add(0xFF000000, 0);
  points_->Add(0xFFFFFFFF, 1);
  auto changed = [this](TObject*) { Changed(); };
  startPosition_->OnChange = changed;
  stopPosition_->OnChange = changed;
  radialTransform_->OnChange = changed;
}

void TvgGradient::Changed() {
  if (!muted_) OnChanged(this);
}

void TvgGradient::SetStyle(TvgGradientStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TvgGradient::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TvgGradient*>(source);
  if (!other) return TPersistent::Assign(source);
  muted_ = true;
  points_->Assign(other->points_.get());
  style_ = other->style_;
  if (IsRadial()) {
    radialTransform_->Assign(other->radialTransform_.get());
  } else {
    stopPosition_->Assign(other->stopPosition_.get());
    startPosition_->Assign(other->startPosition_.get());
  }
  muted_ = false;
  Changed();
}

TvgColor TvgGradient::InterpolateColor(float offset) const {
  int count = points_->Count();
  if (count < 2) return 0;
  offset = std::clamp(offset, 0.0f, 1.0f);
  TvgGradientPoint* first = points_->Points(0);
  TvgGradientPoint* last = points_->Points(count - 1);
  if (offset < first->Offset()) return first->IntColor();
  if (offset > last->Offset()) return last->IntColor();
  int stop = 0;
  for (int i = 0; i < count - 1; ++i)
    if (points_->Points(i)->Offset() <= offset) stop = i;
  TvgGradientPoint* from = points_->Points(stop);
  TvgGradientPoint* to = points_->Points(stop + 1);
  if (to->Offset() <= from->Offset()) return from->IntColor();
  return vgInterpolateColor(from->IntColor(), to->IntColor(),
                            (offset - from->Offset()) / (to->Offset() - from->Offset()));
}
