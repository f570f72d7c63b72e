#include "engine/AnimationUnit.h"

#include "engine/AnimationClock.h"
#include "engine/BitmapAnimation.h"
#include "engine/ColorAnimation.h"
#include "engine/FloatAnimation.h"
#include "engine/KeyAnimation.h"
#include "engine/ObjectRegistry.h"
#include "engine/PathAnimation.h"

namespace {
bool initialized = false;
bool finalized = false;
}  // namespace

void vgInitializeAnimationUnit() {
  if (initialized) return;
  initialized = true;
  vgRegisterObjects("Animations",
                    {TvgColorAnimation::StaticClass(), TvgGradientAnimation::StaticClass(),
                     TvgFloatAnimation::StaticClass(), TvgRectAnimation::StaticClass(),
                     TvgBitmapAnimation::StaticClass(), TvgBitmapListAnimation::StaticClass(),
                     TvgColorKeyAnimation::StaticClass(), TvgFloatKeyAnimation::StaticClass(),
                     TvgPathAnimation::StaticClass(), TvgPathSwitcher::StaticClass()});
}

void vgFinalizeAnimationUnit() {
  if (finalized) return;
  finalized = true;
  vgFreeAnimationClock();
}
