#include "controls/treeview/TreeViewUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/treeview/TreeView.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeTreeViewUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Trees", {TvgTreeView::StaticClass()});
  vgRegisterObjects("Items", {TvgTreeViewItem::StaticClass()});
}
