#include "engine/animation/Animation.h"

#include <cmath>

#include "engine/animation/AnimationClock.h"
#include "engine/animation/AnimationTrigger.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObject.h"


CL_PUBLISHED(TvgAnimation) {
  using A = TvgAnimation;
  published.Property("AnimationType", &A::AnimationType, &A::SetAnimationType).Default(vgAnimationIn);
  published.Property("AutoReverse", &A::AutoReverse, &A::SetAutoReverse).Default(false);
  published.Property("Enabled", &A::Enabled, &A::SetEnabled).Default(false);
  published.Property("Delay", &A::Delay, &A::SetDelay);
  published.Property("Duration", &A::Duration, &A::SetDuration);
  published.Property("Interpolation", &A::Interpolation, &A::SetInterpolation).Default(vgInterpolationLinear);
  published.Property("Inverse", &A::Inverse, &A::SetInverse).Default(false);
  published.Property("HideOnFinish", &A::HideOnFinish, &A::SetHideOnFinish).Default(false);
  published.Property("Loop", &A::Loop, &A::SetLoop).Default(false);
  published.Property("Trigger", &A::Trigger, &A::SetTrigger);
  published.Property("TriggerInverse", &A::TriggerInverse, &A::SetTriggerInverse);
  published.Property("OnProcess", &A::OnProcess, &A::OnProcess);
  published.Property("OnFinish", &A::OnFinish, &A::OnFinish);
}

namespace {

// Progress of a run from 0 to 1 along the chosen curve; the back and elastic curves take their
// default overshoot, amplitude and period.
double Ease(TvgInterpolationType interpolation, TvgAnimationType type, double t, double d) {
  switch (interpolation) {
    case vgInterpolationLinear: return vgInterpolateLinear(type, t, 0, 1, d);
    case vgInterpolationQuadratic: return vgInterpolateQuad(type, t, 0, 1, d);
    case vgInterpolationCubic: return vgInterpolateCubic(type, t, 0, 1, d);
    case vgInterpolationQuartic: return vgInterpolateQuart(type, t, 0, 1, d);
    case vgInterpolationQuintic: return vgInterpolateQuint(type, t, 0, 1, d);
    case vgInterpolationSinusoidal: return vgInterpolateSine(type, t, 0, 1, d);
    case vgInterpolationExponential: return vgInterpolateExpo(type, t, 0, 1, d);
    case vgInterpolationCircular: return vgInterpolateCirc(type, t, 0, 1, d);
    case vgInterpolationElastic: return vgInterpolateElastic(type, t, 0, 1, d, 0, 0);
    case vgInterpolationBack: return vgInterpolateBack(type, t, 0, 1, d, 0);
    case vgInterpolationBounce: return vgInterpolateBounce(type, t, 0, 1, d);
  }
  return 0;
}

}  // namespace

TvgAnimation::TvgAnimation(TComponent* owner) : TvgObject(owner) {}

TvgAnimation::~TvgAnimation() { LeaveClock(); }

void TvgAnimation::LeaveClock() {
  if (TvgAniThread* clock = vgAnimationClock()) clock->Remove(this);
}

bool TvgAnimation::Designing() const { return Scene() && Scene()->GetDesignTime(); }

bool TvgAnimation::ParentHidden() const {
  return Parent() && Parent()->IsVisual() && !Parent()->Visual()->Visible();
}

bool TvgAnimation::StartsAtOnce() const { return std::fabs(duration_) < 0.001f || !Scene() || Designing(); }

float TvgAnimation::NormalizedTime() const {
  if (!(duration_ > 0) || delayLeft_ > 0) return 0;
  return float(Ease(interpolation_, animationType_, time_, duration_));
}

void TvgAnimation::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (Designing() || Loading()) return;
  if (enabled) Start();
  else Stop();
}

void TvgAnimation::Loaded() {
  Inherited::Loaded();
  if (enabled_ && !Designing()) Start();
}

void TvgAnimation::Start() {
  if (ParentHidden()) return;
  applied_ = !inverse_;
  if (StartsAtOnce()) return StartAtOnce();
  delayLeft_ = delay_;
  running_ = true;
  time_ = inverse_ ? duration_ : 0;
  if (delay_ == 0) ProcessAnimation();
  vgNeedAnimationClock()->Add(this);
  enabled_ = true;
}

// The end value (the start value of an inverse run) is applied at once, computed over a run of
// one second; the stored Duration is put back afterwards.
void TvgAnimation::StartAtOnce() {
  const float duration = duration_;
  delayLeft_ = 0;
  time_ = inverse_ ? 0 : 1;
  duration_ = 1;
  running_ = true;
  ProcessAnimation();
  running_ = false;
  time_ = 0;
  duration_ = duration;
  enabled_ = false;
  Finished();
}

// Always the last thing an operation does, and called from a copy: the handler may free the
// animation.
void TvgAnimation::Finished() {
  const TNotifyEvent handler = OnFinish;
  handler(this);
}

void TvgAnimation::Stop() {
  if (!running_) return;
  LeaveClock();
  time_ = inverse_ ? 0 : duration_;
  ProcessAnimation();
  running_ = false;
  enabled_ = false;
  Finished();
}

void TvgAnimation::StopAtCurrent() {
  if (!running_) return;
  LeaveClock();
  time_ = inverse_ ? 0 : duration_;
  running_ = false;
  enabled_ = false;
  Finished();
}

void TvgAnimation::Step(float delta) {
  if (Designing() || HasState(csDestroying)) return;
  if (ParentHidden()) return Stop();
  if (!running_ || paused_) return;
  if (delay_ > 0 && delayLeft_ != 0) {
    if (delayLeft_ > 0) delayLeft_ -= delta;
    if (delayLeft_ <= 0) {
      // The run starts on the next step; a start that jumps to the end has finished already.
      const bool atOnce = StartsAtOnce();
      Start();
      if (!atOnce) delayLeft_ = 0;
    }
    return;
  }
  AdvanceTime(delta);
  ProcessAnimation();
  OnProcess(this);
  if (Scene() && !running_) {
    LeaveClock();
    Finished();
  }
}

// At an end a loop either turns round (flipping the published Inverse) or starts over.
void TvgAnimation::AdvanceTime(float delta) {
  time_ += inverse_ ? -delta : delta;
  if (time_ >= duration_) {
    time_ = duration_;
    if (!loop_) running_ = false;
    else if (autoReverse_) inverse_ = true;
    else time_ = 0;
  } else if (time_ <= 0) {
    time_ = 0;
    if (!loop_) running_ = false;
    else if (autoReverse_) inverse_ = false;
    else time_ = duration_;
  }
}

void TvgAnimation::StartTrigger(TvgObject* instance, const std::string& stateName) {
  if (!instance) return;
  if (!triggerInverse_.empty() && vgTriggerMentions(triggerInverse_, stateName) &&
      vgTriggerHolds(instance, triggerInverse_)) {
    if (!applied_) return;
    inverse_ = true;
    return Start();
  }
  if (!trigger_.empty() && vgTriggerMentions(trigger_, stateName) && vgTriggerHolds(instance, trigger_)) {
    if (!triggerInverse_.empty()) inverse_ = false;
    Start();
  }
}
