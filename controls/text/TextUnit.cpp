#include "controls/text/TextUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/text/Label.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeTextUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Controls", {TvgLabel::StaticClass(), TvgValueLabel::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudLabel::StaticClass()});
}
