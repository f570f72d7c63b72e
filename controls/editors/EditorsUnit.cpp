#include "controls/editors/EditorsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/editors/Inspector.h"
#include "engine/tree/ObjectRegistry.h"

namespace {

TUnitGuard unit;

void RegisterInspector() { vgRegisterObjects("Design", {TvgInspector::StaticClass()}); }

}  // namespace

void vgInitializeEditorsUnit() {
  if (!unit.Initializing()) return;
  RegisterInspector();
}
