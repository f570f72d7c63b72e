#include "toolkit/Toolkit.h"

#include "controls/ControlsUnit.h"
#include "engine/animation/AnimationUnit.h"
#include "engine/effects/EffectsUnit.h"
#include "engine/gdiplus/GdiPlusUnit.h"
#include "engine/layouts/LayoutsUnit.h"
#include "engine/scene/SceneUnit.h"
#include "engine/shapes/ShapesUnit.h"

const std::vector<TvgToolkitUnit>& vgToolkitUnits() {
  static const std::vector<TvgToolkitUnit> units = {
      {"vg_effects", &vgInitializeEffectsUnit, [] {}},
      {"vg_objects", &vgInitializeShapesUnit, [] {}},
      {"vg_ani", &vgInitializeAnimationUnit, &vgFinalizeAnimationUnit},
      {"vg_controls", &vgInitializeControlsUnit, [] {}},
      {"vg_layouts", &vgInitializeLayoutsUnit, [] {}},
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
