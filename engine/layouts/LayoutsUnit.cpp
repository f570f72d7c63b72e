#include "engine/layouts/LayoutsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "engine/layouts/Layout.h"
#include "engine/layouts/LayoutNonVG.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/layouts/ScrollBox.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeLayoutsUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Layout", {TvgLayout::StaticClass(), TvgScaledLayout::StaticClass(),
                               TvgGridLayout::StaticClass(), TvgSplitLayout::StaticClass()});
  vgRegisterObjects("Layout", {TvgNonVGLayout::StaticClass()});
  vgRegisterObjects("Controls", {TvgScrollBox::StaticClass(), TvgVertScrollBox::StaticClass(),
                                 TvgFramedScrollBox::StaticClass(), TvgFramedVertScrollBox::StaticClass()});
}
