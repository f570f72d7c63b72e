#include "controls/compound/CompoundUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/compound/CompoundEditors.h"
#include "controls/compound/CompoundTrackBar.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeCompoundUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Compound", {TvgCompoundTrackBar::StaticClass(), TvgCompoundAngleBar::StaticClass(),
                                 TvgCompoundTextBox::StaticClass(), TvgCompoundMemo::StaticClass(),
                                 TvgCompoundNumberBox::StaticClass(), TvgCompoundPopupBox::StaticClass(),
                                 TvgCompoundColorButton::StaticClass(), TvgCompoundImage::StaticClass()});
}
