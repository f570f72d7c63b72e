#include "controls/editors/EditorsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/editors/BrushDialog.h"

namespace {
TUnitGuard unit;

void RegisterBrushDesigner() { RegisterClass(TvgBrushDialog::StaticClass()); }

}  // namespace

void vgInitializeEditorsUnit() {
  if (!unit.Initializing()) return;
  RegisterBrushDesigner();
}
