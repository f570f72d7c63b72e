#include "engine/animation/FloatAnimation.h"

#include "engine/animation/AnimationWait.h"
#include "engine/values/Bounds.h"
#include "engine/tree/VisualObject.h"

CL_PUBLISHED(TvgFloatAnimation) {
  using A = TvgFloatAnimation;
  published.Property("StartValue", &A::StartValue, &A::SetStartValue);
  published.Property("StopValue", &A::StopValue, &A::SetStopValue);
  published.Property("StartFromCurrent", &A::StartFromCurrent, &A::SetStartFromCurrent).Default(false);
  published.Property("PropertyName", &A::PropertyName, &A::SetPropertyName);
}

TvgFloatAnimation::TvgFloatAnimation(TComponent* owner) : TvgAnimation(owner) {}

// The path is resolved afresh at every start, so that nothing of an earlier run is kept.
void TvgFloatAnimation::Start() {
  target_.Forget();
  target_.Resolve(Parent());
  if (target_.StartFromCurrent()) target_.GetFloat(startValue_);
  TvgAnimation::Start();
}

void TvgFloatAnimation::ProcessAnimation() {
  target_.SetFloat(vgInterpolateSingle(startValue_, stopValue_, NormalizedTime()));
}

CL_PUBLISHED(TvgRectAnimation) {
  using A = TvgRectAnimation;
  published.Property("StartValue", &A::StartValue, &A::SetStartValue);
  published.Property("StopValue", &A::StopValue, &A::SetStopValue);
  published.Property("StartFromCurrent", &A::StartFromCurrent, &A::SetStartFromCurrent).Default(false);
  published.Property("PropertyName", &A::PropertyName, &A::SetPropertyName);
}

TvgRectAnimation::TvgRectAnimation(TComponent* owner)
    : TvgAnimation(owner),
      startValue_(std::make_unique<TvgBounds>()),
      stopValue_(std::make_unique<TvgBounds>()),
      current_(std::make_unique<TvgBounds>()) {}

TvgRectAnimation::~TvgRectAnimation() = default;

void TvgRectAnimation::SetStartValue(TvgBounds* bounds) { startValue_->Assign(bounds); }

void TvgRectAnimation::SetStopValue(TvgBounds* bounds) { stopValue_->Assign(bounds); }

// Only bounds can take a copy of bounds; anything else would raise on every tick.
TvgBounds* TvgRectAnimation::TargetBounds() const { return dynamic_cast<TvgBounds*>(target_.Object()); }

void TvgRectAnimation::Start() {
  target_.Resolve(Parent());
  if (TvgBounds* target = TargetBounds(); target && target_.StartFromCurrent()) startValue_->Assign(target);
  TvgAnimation::Start();
}

void TvgRectAnimation::ProcessAnimation() {
  TvgBounds* target = TargetBounds();
  if (!target) return;
  const float t = NormalizedTime();
  const TvgRect start = startValue_->GetRect(), stop = stopValue_->GetRect();
  current_->SetRect({vgInterpolateSingle(start.Left, stop.Left, t), vgInterpolateSingle(start.Top, stop.Top, t),
                     vgInterpolateSingle(start.Right, stop.Right, t),
                     vgInterpolateSingle(start.Bottom, stop.Bottom, t)});
  target->Assign(current_.get());
}

namespace {

TvgFloatAnimation* NewFloatAnimation(TvgVisualObject* object, const std::string& propertyName, float stopValue,
                                     float duration, TvgAnimationType type, TvgInterpolationType interpolation) {
  auto* animation = new TvgFloatAnimation(object);
  animation->SetAnimationType(type);
  animation->SetInterpolation(interpolation);
  animation->SetDuration(duration);
  animation->SetPropertyName(propertyName);
  animation->SetStartFromCurrent(true);
  animation->SetStopValue(stopValue);
  object->AddObject(animation);
  return animation;
}

}  // namespace

void vgAnimateFloat(TvgVisualObject* object, const std::string& propertyName, float stopValue, float duration,
                    TvgAnimationType type, TvgInterpolationType interpolation) {
  if (!object) return;
  TvgFloatAnimation* animation = NewFloatAnimation(object, propertyName, stopValue, duration, type, interpolation);
  animation->OnFinish = [](TObject* sender) { sender->Free(); };
  animation->Start();
}

void vgAnimateFloatWait(TvgVisualObject* object, const std::string& propertyName, float stopValue,
                        float duration, TvgAnimationType type, TvgInterpolationType interpolation) {
  if (!object) return;
  TvgFloatAnimation* animation = NewFloatAnimation(object, propertyName, stopValue, duration, type, interpolation);
  animation->Start();
  if (vgWaitForAnimation(animation)) animation->Free();
}
