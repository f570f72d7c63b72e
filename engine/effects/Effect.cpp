#include "engine/effects/Effect.h"

#include "engine/animation/AnimationTrigger.h"
#include "engine/tree/VisualObject.h"

CL_PUBLISHED(TvgEffect) {
  published.Property("Enabled", &TvgEffect::Enabled, &TvgEffect::SetEnabled).Default(true);
  published.Property("Trigger", &TvgEffect::Trigger, &TvgEffect::SetTrigger);
}

TvgEffect::TvgEffect(TComponent* owner) : TvgObject(owner) {}

// The parent repaints with the effect counted as enabled, so that the area the effect covered is
// redrawn also when it was just switched off.
void TvgEffect::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  TvgVisualObject* parent = Parent() ? Parent()->Visual() : nullptr;
  if (enabled) {
    enabled_ = true;
    if (parent) parent->EffectsChanged();
  }
  if (parent && !Loading()) parent->RepaintEffects();
  enabled_ = enabled;
  if (!enabled && parent) parent->EffectsChanged();
}

void TvgEffect::Changed() {
  TvgVisualObject* parent = Parent() ? Parent()->Visual() : nullptr;
  if (parent && !Loading()) parent->RepaintEffects();
}

void TvgEffect::ProcessEffect(TvgCanvas*, TvgBitmap*, float) {}

void TvgEffect::ApplyTrigger(TvgObject* instance, const std::string& state) {
  if (trigger_.empty() || !instance || !vgTriggerMentions(trigger_, state)) return;
  SetEnabled(vgTriggerLastCondition(instance, trigger_));
}
