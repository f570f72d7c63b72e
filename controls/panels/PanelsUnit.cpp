#include "controls/panels/PanelsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/panels/GroupBox.h"
#include "controls/panels/ImageControl.h"
#include "controls/panels/Panel.h"
#include "controls/panels/SelectionItem.h"
#include "controls/panels/StatusBar.h"
#include "controls/panels/ToolBar.h"
#include "engine/shapes/Background.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializePanelsUnit() {
  if (!unit.Initializing()) return;
  RegisterClasses({TvgSelectionItem::StaticClass()});
  vgRegisterObjects("Windows", {TvgBackground::StaticClass()});
  vgRegisterObjects("Boxes", {TvgGroupBox::StaticClass()});
  vgRegisterObjects("Controls",
                    {TvgPanel::StaticClass(), TvgCalloutPanel::StaticClass(), TvgImageControl::StaticClass()});
  vgRegisterObjects("Tool and Status", {TvgStatusBar::StaticClass(), TvgToolBar::StaticClass()});
  vgRegisterObjects("HUD",
                    {TvgHudPanel::StaticClass(), TvgHudGroupBox::StaticClass(), TvgHudStatusBar::StaticClass()});
}
