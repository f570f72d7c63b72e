#include "controls/ControlsUnit.h"

#include "controls/BitmapButton.h"
#include "controls/BitmapStateButton.h"
#include "controls/Button.h"
#include "controls/ColorButton.h"
#include "controls/CornerButton.h"
#include "controls/GroupBox.h"
#include "controls/ImageControl.h"
#include "controls/Label.h"
#include "controls/Panel.h"
#include "controls/PathButton.h"
#include "controls/PopupButton.h"
#include "controls/SelectionItem.h"
#include "controls/SpeedButton.h"
#include "controls/StatusBar.h"
#include "controls/ToolBar.h"
#include "engine/Background.h"
#include "engine/ObjectRegistry.h"

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
