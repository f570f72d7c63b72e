#include "controls/windows/WindowsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/windows/CloseButton.h"
#include "controls/windows/Expander.h"
#include "controls/windows/SizeGrip.h"
#include "controls/windows/Splitter.h"
#include "controls/windows/Window.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
TUnitGuard unit;
}  // namespace

// TvgWindow itself is not registered: forms use the HUD window.
void vgInitializeWindowsUnit() {
  if (!unit.Initializing()) return;
  vgRegisterObjects("Windows", {TvgSizeGrip::StaticClass(), TvgCloseButton::StaticClass()});
  vgRegisterObjects("Controls", {TvgExpander::StaticClass(), TvgSplitter::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudWindow::StaticClass(), TvgHudCloseButton::StaticClass(),
                            TvgHudSizeGrip::StaticClass()});
}
