// TvgVisualObject's bookkeeping of the effects among its children.
#include "engine/tree/VisualObject.h"

#include "engine/effects/Effect.h"

std::vector<TvgEffect*> TvgVisualObject::EnabledEffects() const {
  std::vector<TvgEffect*> effects;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (auto* effect = dynamic_cast<TvgEffect*>(Children(i)); effect && effect->Enabled()) effects.push_back(effect);
  return effects;
}

bool TvgVisualObject::HasEffectReplacingPainting() const {
  if (!hasEffects_ || effectsDisabled_) return false;
  for (TvgEffect* effect : EnabledEffects())
    if (effect->ReplacesPainting()) return true;
  return false;
}

bool TvgVisualObject::HasEffectPaintingAfter() const {
  if (!hasEffects_) return false;
  for (TvgEffect* effect : EnabledEffects())
    if (effect->PaintsAfter()) return true;
  return false;
}

void TvgVisualObject::EffectsChanged() {
  hasEffects_ = !EnabledEffects().empty();
  effectBitmapStale_ = true;
  RecalcUpdateRect();
}

void TvgVisualObject::RepaintEffects() {
  effectBitmapStale_ = true;
  RecalcUpdateRect();
  Repaint();
}

void TvgVisualObject::UpdateEffects() {
  if (hasEffects_) effectBitmapStale_ = true;
  for (TvgVisualObject* o = VisualParent(); o; o = o->VisualParent()) o->effectBitmapStale_ = true;
}
