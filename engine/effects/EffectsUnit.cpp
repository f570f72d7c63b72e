#include "engine/effects/EffectsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "engine/effects/Effects.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeEffectsUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Effects", {TvgShadowEffect::StaticClass(), TvgBlurEffect::StaticClass(),
                                TvgGlowEffect::StaticClass(), TvgInnerGlowEffect::StaticClass(),
                                TvgBevelEffect::StaticClass(), TvgReflectionEffect::StaticClass()});
}
