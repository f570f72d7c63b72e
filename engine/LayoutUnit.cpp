#include "engine/LayoutUnit.h"

#include "engine/Layout.h"
#include "engine/ObjectRegistry.h"

namespace {
bool initialized = false;
}  // namespace

void vgInitializeLayoutUnit() {
  if (initialized) return;
  initialized = true;
  vgRegisterObjects("Layout", {TvgLayout::StaticClass(), TvgScaledLayout::StaticClass(),
                               TvgGridLayout::StaticClass(), TvgSplitLayout::StaticClass()});
}
