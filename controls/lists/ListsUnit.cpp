#include "controls/lists/ListsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/lists/ComboBox.h"
#include "controls/lists/ListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/lists/StringComboBox.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeListsUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Lists", {TvgListBox::StaticClass(), TvgComboBox::StaticClass(), TvgStringComboBox::StaticClass()});
  vgRegisterObjects("Items", {TvgListBoxItem::StaticClass()});
  vgRegisterObjects(
      "HUD", {TvgHudListBox::StaticClass(), TvgHudComboBox::StaticClass(), TvgHudStringComboBox::StaticClass()});
}
