#include "engine/animation/AnimationUnit.h"

#include "classlib/core/UnitGuard.h"
#include "engine/animation/AnimationClock.h"
#include "engine/animation/BitmapAnimation.h"
#include "engine/animation/ColorAnimation.h"
#include "engine/animation/FloatAnimation.h"
#include "engine/animation/KeyAnimation.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/animation/PathAnimation.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeAnimationUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Animations",
                    {TvgColorAnimation::StaticClass(), TvgGradientAnimation::StaticClass(),
                     TvgFloatAnimation::StaticClass(), TvgRectAnimation::StaticClass(),
                     TvgBitmapAnimation::StaticClass(), TvgBitmapListAnimation::StaticClass(),
                     TvgColorKeyAnimation::StaticClass(), TvgFloatKeyAnimation::StaticClass(),
                     TvgPathAnimation::StaticClass(), TvgPathSwitcher::StaticClass()});
}

void vgFinalizeAnimationUnit() {
  if (!unit.Finalizing()) return;
  vgFreeAnimationClock();
}
