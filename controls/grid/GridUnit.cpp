#include "controls/grid/GridUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/grid/Column.h"
#include "controls/grid/Grid.h"
#include "controls/grid/Header.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeGridUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Grid", {TvgGrid::StaticClass(), TvgStringGrid::StaticClass(), TvgHeader::StaticClass()});
  vgRegisterObjects("Grid Columns", {TvgColumn::StaticClass(), TvgCheckColumn::StaticClass(),
                                     TvgProgressColumn::StaticClass(), TvgPopupColumn::StaticClass(),
                                     TvgImageColumn::StaticClass()});
  vgRegisterObjects("Items", {TvgHeaderItem::StaticClass()});
  RegisterClasses({TvgTextCell::StaticClass(), TvgCheckCell::StaticClass(), TvgProgressCell::StaticClass(),
                   TvgPopupCell::StaticClass(), TvgImageCell::StaticClass(), TvgStringColumn::StaticClass()});
}
