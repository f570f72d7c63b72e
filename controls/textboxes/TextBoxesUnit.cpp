#include "controls/textboxes/TextBoxesUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/textboxes/TextBox.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeTextBoxesUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Text Edits", {TvgTextBox::StaticClass(), TvgRoundTextBox::StaticClass(),
                                   TvgTextBoxClearBtn::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudTextBox::StaticClass(), TvgHudRoundTextBox::StaticClass()});
}
