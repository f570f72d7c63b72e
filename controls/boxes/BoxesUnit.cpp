#include "controls/boxes/BoxesUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/boxes/CheckBox.h"
#include "controls/boxes/PopupBox.h"
#include "controls/boxes/RadioButton.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeBoxesUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Boxes", {TvgCheckBox::StaticClass(), TvgPathCheckBox::StaticClass(),
                              TvgRadioButton::StaticClass(), TvgPopupBox::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudPopupBox::StaticClass(), TvgHudCheckBox::StaticClass(),
                            TvgHudRadioButton::StaticClass()});
}
