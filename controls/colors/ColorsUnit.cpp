#include "controls/colors/ColorsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/colors/BitmapTrackBar.h"
#include "controls/colors/ColorBox.h"
#include "controls/colors/ColorPanel.h"
#include "controls/colors/ColorPicker.h"
#include "controls/colors/ColorQuad.h"
#include "controls/colors/ComboColorBox.h"
#include "controls/colors/GradientEdit.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeColorsUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Colors", {TvgHueTrackBar::StaticClass(), TvgAlphaTrackBar::StaticClass(),
                               TvgBWTrackBar::StaticClass(), TvgColorQuad::StaticClass(),
                               TvgColorPicker::StaticClass(), TvgGradientEdit::StaticClass(),
                               TvgColorBox::StaticClass(), TvgColorPanel::StaticClass(),
                               TvgComboColorBox::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudHueTrackBar::StaticClass(), TvgHudAlphaTrackBar::StaticClass(),
                            TvgHudBWTrackBar::StaticClass(), TvgHudComboColorBox::StaticClass()});
}
