#include "toolkit/Toolkit.h"

#include "controls/ControlsUnit.h"
#include "controls/boxes/BoxesUnit.h"
#include "controls/tabs/TabsUnit.h"
#include "controls/tracks/TracksUnit.h"
#include "controls/windows/WindowsUnit.h"
#include "engine/animation/AnimationUnit.h"
#include "engine/effects/Effects.h"
#include "engine/gdiplus/GdiPlusUnit.h"
#include "engine/layouts/LayoutUnit.h"
#include "engine/scene/SceneUnit.h"
#include "engine/shapes/ShapesUnit.h"

namespace {

// The control families of the controls unit.
void InitializeControlFamilies() {
  vgInitializeControlsUnit();
  vgInitializeBoxesUnit();
  vgInitializeTracksUnit();
  vgInitializeWindowsUnit();
}

}  // namespace

const std::vector<TvgToolkitUnit>& vgToolkitUnits() {
  static const std::vector<TvgToolkitUnit> units = {
      {"vg_effects", &vgRegisterEffectClasses, [] {}},
      {"vg_objects", &vgInitializeShapesUnit, [] {}},
      {"vg_ani", &vgInitializeAnimationUnit, &vgFinalizeAnimationUnit},
      {"vg_controls", &InitializeControlFamilies, [] {}},
      {"vg_layouts", &vgInitializeLayoutUnit, [] {}},
      {"vg_tabcontrol", &vgInitializeTabsUnit, [] {}},
      {"vg_canvas_gdip", &vgInitializeGdiPlusUnit, &vgFinalizeGdiPlusUnit},
      {"vg_scene", &vgInitializeSceneUnit, &vgFinalizeSceneUnit},
  };
  return units;
}

void vgInitializeToolkit() {
  for (const TvgToolkitUnit& unit : vgToolkitUnits()) unit.Initialize();
}

void vgFinalizeToolkit() {
  const auto& units = vgToolkitUnits();
  for (auto it = units.rbegin(); it != units.rend(); ++it) it->Finalize();
}
