#include "engine/animation/ColorAnimation.h"

#include <algorithm>

#include "engine/paint/Gradient.h"

CL_PUBLISHED(TvgColorAnimation) {
  using A = TvgColorAnimation;
  published.Property("StartValue", &A::StartValue, &A::SetStartValue).Default(std::string("#FFFFFFFF"));
  published.Property("StopValue", &A::StopValue, &A::SetStopValue).Default(std::string("#FFFFFFFF"));
  published.Property("StartFromCurrent", &A::StartFromCurrent, &A::SetStartFromCurrent).Default(false);
  published.Property("PropertyName", &A::PropertyName, &A::SetPropertyName);
}

TvgColorAnimation::TvgColorAnimation(TComponent* owner) : TvgAnimation(owner) {}

void TvgColorAnimation::Start() {
  target_.Resolve(Parent());
  if (target_.StartFromCurrent()) target_.GetColor(startValue_);
  TvgAnimation::Start();
}

void TvgColorAnimation::ProcessAnimation() {
  target_.SetColor(vgInterpolateColor(startValue_, stopValue_, NormalizedTime()));
}

CL_PUBLISHED(TvgGradientAnimation) {
  using A = TvgGradientAnimation;
  published.Property("StartValue", &A::StartValue, &A::SetStartValue);
  published.Property("StopValue", &A::StopValue, &A::SetStopValue);
  published.Property("StartFromCurrent", &A::StartFromCurrent, &A::SetStartFromCurrent).Default(false);
  published.Property("PropertyName", &A::PropertyName, &A::SetPropertyName);
}

TvgGradientAnimation::TvgGradientAnimation(TComponent* owner)
    : TvgAnimation(owner), startValue_(std::make_unique<TvgGradient>()), stopValue_(std::make_unique<TvgGradient>()) {}

TvgGradientAnimation::~TvgGradientAnimation() = default;

void TvgGradientAnimation::SetStartValue(TvgGradient* gradient) { startValue_->Assign(gradient); }

void TvgGradientAnimation::SetStopValue(TvgGradient* gradient) { stopValue_->Assign(gradient); }

TvgGradient* TvgGradientAnimation::TargetGradient() const { return dynamic_cast<TvgGradient*>(target_.Object()); }

void TvgGradientAnimation::Start() {
  target_.Resolve(Parent());
  if (TvgGradient* target = TargetGradient(); target && target_.StartFromCurrent()) startValue_->Assign(target);
  TvgAnimation::Start();
}

void TvgGradientAnimation::ProcessAnimation() {
  TvgGradient* target = TargetGradient();
  if (!target) return;
  const float t = NormalizedTime();
  TvgGradientPoints *points = target->Points(), *start = startValue_->Points(), *stop = stopValue_->Points();
  const int count = std::min({points->Count(), start->Count(), stop->Count()});
  for (int i = 0; i < count; ++i)
    points->Points(i)->SetIntColor(vgInterpolateColor(start->Points(i)->IntColor(), stop->Points(i)->IntColor(), t));
  target->OnChanged(target);
}
