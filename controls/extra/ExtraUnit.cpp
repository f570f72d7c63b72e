#include "controls/extra/ExtraUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/extra/DropTarget.h"
#include "controls/extra/IPhoneButton.h"
#include "controls/extra/ImageViewer.h"
#include "controls/extra/PlotGrid.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeExtraUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Ext. Controls",
                    {TvgIPhoneButton::StaticClass(), TvgDropTarget::StaticClass(), TvgImageViewer::StaticClass()});
  vgRegisterObjects("Math", {TvgPlotGrid::StaticClass()});
}
