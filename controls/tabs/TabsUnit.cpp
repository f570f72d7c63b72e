#include "controls/tabs/TabsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/tabs/TabControl.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeTabsUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Controls", {TvgTabControl::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudTabControl::StaticClass()});
  vgRegisterObjects("Items", {TvgTabItem::StaticClass(), TvgHudTabItem::StaticClass()});
}
