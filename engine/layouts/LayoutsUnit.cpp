#include "engine/layouts/LayoutsUnit.h"

#include "engine/layouts/Layout.h"
#include "engine/layouts/LayoutNonVG.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/layouts/ScrollBox.h"

namespace {
bool initialized = false;
}  // namespace

void vgInitializeLayoutUnit() {
  if (initialized) return;
  initialized = true;
  vgRegisterObjects("Layout", {TvgLayout::StaticClass(), TvgScaledLayout::StaticClass(),
                               TvgGridLayout::StaticClass(), TvgSplitLayout::StaticClass()});
  vgRegisterObjects("Layout", {TvgNonVGLayout::StaticClass()});
  vgRegisterObjects("Controls", {TvgScrollBox::StaticClass(), TvgVertScrollBox::StaticClass(),
                                 TvgFramedScrollBox::StaticClass(), TvgFramedVertScrollBox::StaticClass()});
}
