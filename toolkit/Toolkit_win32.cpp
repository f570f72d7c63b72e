#include "toolkit/Toolkit.h"

#include "controls/boxes/BoxesUnit.h"
#include "controls/buttons/ButtonsUnit.h"
#include "controls/calendars/CalendarsUnit.h"
#include "controls/colors/ColorsUnit.h"
#include "controls/compound/CompoundUnit.h"
#include "controls/extra/ExtraUnit.h"
#include "controls/editors/EditorsUnit.h"
#include "controls/lists/ListsUnit.h"
#include "controls/grid/GridUnit.h"
#include "controls/memo/MemoUnit.h"
#include "controls/panels/PanelsUnit.h"
#include "controls/tabs/TabsUnit.h"
#include "controls/text/TextUnit.h"
#include "controls/textboxes/TextBoxesUnit.h"
#include "controls/tracks/TracksUnit.h"
#include "controls/treeview/TreeViewUnit.h"
#include "controls/windows/WindowsUnit.h"
#include "engine/animation/AnimationUnit.h"
#include "engine/effects/EffectsUnit.h"
#include "engine/gdiplus/GdiPlusUnit.h"
#include "engine/layouts/LayoutsUnit.h"
#include "engine/scene/SceneUnit.h"
#include "engine/shapes/ShapesUnit.h"

// Units that register nothing and start nothing have no row.
const std::vector<TvgToolkitUnit>& vgToolkitUnits() {
  static const std::vector<TvgToolkitUnit> units = {
      {"vg_effects", {&vgInitializeEffectsUnit}},
      {"vg_objects", {&vgInitializeShapesUnit}},
      {"vg_ani", {&vgInitializeAnimationUnit}, &vgFinalizeAnimationUnit},
      {"vg_controls",
       {&vgInitializeTextUnit, &vgInitializePanelsUnit, &vgInitializeButtonsUnit, &vgInitializeBoxesUnit,
        &vgInitializeTracksUnit, &vgInitializeWindowsUnit, &vgInitializeTextBoxesUnit}},
      {"vg_layouts", {&vgInitializeLayoutsUnit}},
      {"vg_listbox", {&vgInitializeListsUnit}},
      {"vg_colors", {&vgInitializeColorsUnit}},
      {"vg_tabcontrol", {&vgInitializeTabsUnit}},
      {"vg_treeview", {&vgInitializeTreeViewUnit}},
      {"vg_dsgn_bmp", {&vgInitializeBitmapEditorUnit}},
      {"vg_memo", {&vgInitializeMemoUnit}},
      {"vg_dsgn_path", {&vgInitializePathDesignerUnit}},
      {"vg_inspector", {&vgInitializeInspectorUnit}},
      {"vg_dsgn", {&vgInitializeBrushDesignerUnit}},
      {"vg_canvas_gdip", {&vgInitializeGdiPlusUnit}, &vgFinalizeGdiPlusUnit},
      {"vg_grid", {&vgInitializeGridUnit}},
      {"vg_extctrls", {&vgInitializeCalendarsUnit, &vgInitializeExtraUnit, &vgInitializeCompoundUnit}},
      {"vg_scene", {&vgInitializeSceneUnit}, &vgFinalizeSceneUnit},
  };
  return units;
}

void vgInitializeToolkit() {
  for (const TvgToolkitUnit& unit : vgToolkitUnits())
    for (void (*initialize)() : unit.Initialize) initialize();
}

void vgFinalizeToolkit() {
  const auto& units = vgToolkitUnits();
  for (auto it = units.rbegin(); it != units.rend(); ++it)
    if (it->Finalize) it->Finalize();
}
