#include "controls/lists/ListsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/lists/ComboBox.h"
#include "controls/lists/HorzListBox.h"
#include "controls/lists/ImageListBox.h"
#include "controls/lists/ListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/lists/StringComboBox.h"
#include "controls/lists/StringListBox.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

void vgInitializeListsUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Lists",
                    {TvgListBox::StaticClass(), TvgStringListBox::StaticClass(), TvgHorzListBox::StaticClass()});
  vgRegisterObjects("Lists", {TvgImageListBox::StaticClass(), TvgHorzImageListBox::StaticClass()});
  vgRegisterObjects("Lists", {TvgComboBox::StaticClass(), TvgStringComboBox::StaticClass()});
  vgRegisterObjects("Items", {TvgListBoxItem::StaticClass()});
  vgRegisterObjects("Items", {TvgImageListBoxItem::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudListBox::StaticClass(), TvgHudHorzListBox::StaticClass(),
                            TvgHudStringListBox::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudImageListBox::StaticClass(), TvgHudHorzImageListBox::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudComboBox::StaticClass(), TvgHudStringComboBox::StaticClass()});
}
