#include "controls/boxes/BoxesUnit.h"

#include "controls/boxes/CheckBox.h"
#include "controls/boxes/PopupBox.h"
#include "controls/boxes/RadioButton.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
bool initialized = false;
}  // namespace

void vgInitializeBoxesUnit() {
  if (initialized) return;
  initialized = true;
  vgRegisterObjects("Boxes", {TvgCheckBox::StaticClass(), TvgPathCheckBox::StaticClass(),
                              TvgRadioButton::StaticClass(), TvgPopupBox::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudPopupBox::StaticClass(), TvgHudCheckBox::StaticClass(),
                            TvgHudRadioButton::StaticClass()});
}
