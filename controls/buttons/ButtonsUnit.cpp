#include "controls/buttons/ButtonsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/buttons/BitmapButton.h"
#include "controls/buttons/BitmapStateButton.h"
#include "controls/buttons/Button.h"
#include "controls/buttons/ColorButton.h"
#include "controls/buttons/CornerButton.h"
#include "controls/buttons/PathButton.h"
#include "controls/buttons/PopupButton.h"
#include "controls/buttons/SpeedButton.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeButtonsUnit() {
  if (!unit.Initializing()) return;
  RegisterClasses({TvgExpanderButton::StaticClass()});
  vgRegisterObjects("Tool and Status", {TvgToolButton::StaticClass(), TvgToolPathButton::StaticClass()});
  vgRegisterObjects("Buttons",
                    {TvgButton::StaticClass(), TvgRoundButton::StaticClass(), TvgCircleButton::StaticClass(),
                     TvgBitmapButton::StaticClass(), TvgPathButton::StaticClass(), TvgSpeedButton::StaticClass(),
                     TvgCornerButton::StaticClass(), TvgColorButton::StaticClass(),
                     TvgBitmapStateButton::StaticClass(), TvgPopupButton::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudButton::StaticClass(), TvgHudSpeedButton::StaticClass(),
                            TvgHudRoundButton::StaticClass(), TvgHudCornerButton::StaticClass(),
                            TvgHudCircleButton::StaticClass()});
}
