#include "engine/LayoutUnit.h"

#include "engine/Layout.h"
#include "engine/LayoutNonVG.h"
#include "engine/ObjectRegistry.h"
#include "engine/ScrollBox.h"

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
