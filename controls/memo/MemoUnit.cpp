#include "controls/memo/MemoUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/memo/Memo.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeMemoUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Text Edits", {TvgMemo::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudMemo::StaticClass()});
}
