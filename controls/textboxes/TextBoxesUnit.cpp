#include "controls/textboxes/TextBoxesUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/textboxes/ComboTextBox.h"
#include "controls/textboxes/ComboTrackBar.h"
#include "controls/textboxes/NumberBox.h"
#include "controls/textboxes/SpinBox.h"
#include "controls/textboxes/TextBox.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeTextBoxesUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Text Edits", {TvgTextBox::StaticClass(), TvgRoundTextBox::StaticClass(),
                                   TvgNumberBox::StaticClass(), TvgSpinBox::StaticClass(),
                                   TvgComboTextBox::StaticClass(), TvgComboTrackBar::StaticClass(),
                                   TvgTextBoxClearBtn::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudTextBox::StaticClass(), TvgHudNumberBox::StaticClass(),
                            TvgHudRoundTextBox::StaticClass(), TvgHudSpinBox::StaticClass(),
                            TvgHudComboTextBox::StaticClass(), TvgHudComboTrackBar::StaticClass()});
}
