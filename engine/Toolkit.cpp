#include "engine/Toolkit.h"

#include "controls/ControlsUnit.h"
#include "engine/AnimationUnit.h"
#include "engine/Effects.h"
#include "engine/GdiPlusUnit.h"
#include "engine/LayoutUnit.h"
#include "engine/SceneUnit.h"
#include "engine/ShapesUnit.h"

const std::vector<TvgToolkitUnit>& vgToolkitUnits() {
  static const std::vector<TvgToolkitUnit> units = {
      {"vg_effects", &vgRegisterEffectClasses, [] {}},
      {"vg_objects", &vgInitializeShapesUnit, [] {}},
      {"vg_ani", &vgInitializeAnimationUnit, &vgFinalizeAnimationUnit},
      {"vg_controls", &vgInitializeControlsUnit, [] {}},
      {"vg_layouts", &vgInitializeLayoutUnit, [] {}},
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
