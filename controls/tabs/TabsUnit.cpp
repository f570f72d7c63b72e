#include "controls/tabs/TabsUnit.h"

#include "controls/tabs/TabControl.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
bool initialized = false;
}  // namespace

void vgInitializeTabsUnit() {
  if (initialized) return;
  initialized = true;
  vgRegisterObjects("Controls", {TvgTabControl::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudTabControl::StaticClass()});
  vgRegisterObjects("Items", {TvgTabItem::StaticClass(), TvgHudTabItem::StaticClass()});
}
