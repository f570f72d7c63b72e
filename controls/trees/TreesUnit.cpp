#include "controls/trees/TreesUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/trees/TreeView.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeTreesUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Trees", {TvgTreeView::StaticClass()});
  vgRegisterObjects("Items", {TvgTreeViewItem::StaticClass()});
}
