#include "controls/ControlsUnit.h"

#include "controls/buttons/BitmapButton.h"
#include "controls/buttons/BitmapStateButton.h"
#include "controls/buttons/Button.h"
#include "controls/buttons/ColorButton.h"
#include "controls/buttons/CornerButton.h"
#include "controls/panels/GroupBox.h"
#include "controls/panels/ImageControl.h"
#include "controls/text/Label.h"
#include "controls/panels/Panel.h"
#include "controls/buttons/PathButton.h"
#include "controls/buttons/PopupButton.h"
#include "controls/panels/SelectionItem.h"
#include "controls/buttons/SpeedButton.h"
#include "controls/panels/StatusBar.h"
#include "controls/panels/ToolBar.h"
#include "engine/shapes/Background.h"
#include "engine/tree/ObjectRegistry.h"

namespace {
bool initialized = false;
}  // namespace

void vgInitializeControlsUnit() {
  if (initialized) return;
  initialized = true;
  RegisterClasses({TvgSelectionItem::StaticClass(), TvgExpanderButton::StaticClass()});
  vgRegisterObjects("Windows", {TvgBackground::StaticClass()});
  vgRegisterObjects("Boxes", {TvgGroupBox::StaticClass()});
  vgRegisterObjects("Controls", {TvgPanel::StaticClass(), TvgCalloutPanel::StaticClass(), TvgLabel::StaticClass(),
                                 TvgValueLabel::StaticClass(), TvgImageControl::StaticClass()});
  vgRegisterObjects("Tool and Status", {TvgStatusBar::StaticClass(), TvgToolBar::StaticClass(),
                                        TvgToolButton::StaticClass(), TvgToolPathButton::StaticClass()});
  vgRegisterObjects("Buttons",
                    {TvgButton::StaticClass(), TvgRoundButton::StaticClass(), TvgCircleButton::StaticClass(),
                     TvgBitmapButton::StaticClass(), TvgPathButton::StaticClass(), TvgSpeedButton::StaticClass(),
                     TvgCornerButton::StaticClass(), TvgColorButton::StaticClass(),
                     TvgBitmapStateButton::StaticClass(), TvgPopupButton::StaticClass()});
  vgRegisterObjects("HUD", {TvgHudPanel::StaticClass(), TvgHudButton::StaticClass(), TvgHudSpeedButton::StaticClass(),
                            TvgHudLabel::StaticClass(), TvgHudGroupBox::StaticClass(), TvgHudStatusBar::StaticClass(),
                            TvgHudRoundButton::StaticClass(), TvgHudCornerButton::StaticClass(),
                            TvgHudCircleButton::StaticClass()});
}
