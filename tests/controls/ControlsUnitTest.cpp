// The control families at the toolkit's start-up: their classes by category and for streaming,
// their constructors' settings, and the styles each finds in the default style.
#include "tests/support/ControlsFixture.h"
//
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/SysUtils.h"
#include "controls/boxes/PopupBox.h"
#include "controls/buttons/Button.h"
#include "controls/text/TextControl.h"
#include "engine/paint/Bitmap.h"
#include "engine/shapes/Background.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/shapes/Shapes.h"
#include "engine/shapes/Text.h"
#include "engine/values/WideStrings.h"

namespace {

int CountInCategory(const std::string& category, const std::string& className) {
  return int(std::count_if(vgObjectCategories().begin(), vgObjectCategories().end(), [&](const TvgObjectCategory& c) {
    return c.Category == category && c.Class->Name == className;
  }));
}

TEST(ControlsUnit, RegistersItsClassesOnceUnderTheirCategories) {
  vgInitializeToolkit();
  struct Case {
    const char* category;
    std::vector<const char*> classes;
  } cases[] = {
      {"Windows", {"TvgBackground", "TvgSizeGrip", "TvgCloseButton"}},
      {"Boxes", {"TvgCheckBox", "TvgPathCheckBox", "TvgRadioButton", "TvgGroupBox", "TvgPopupBox"}},
      {"Controls",
       {"TvgPanel", "TvgCalloutPanel", "TvgLabel", "TvgValueLabel", "TvgImageControl", "TvgProgressBar", "TvgTrack",
        "TvgScrollBar", "TvgSmallScrollBar", "TvgAniIndicator", "TvgExpander", "TvgTrackBar", "TvgSplitter",
        "TvgTabControl"}},
      {"Tool and Status", {"TvgStatusBar", "TvgToolBar", "TvgToolButton", "TvgToolPathButton"}},
      {"Buttons",
       {"TvgButton", "TvgRoundButton", "TvgCircleButton", "TvgBitmapButton", "TvgPathButton", "TvgSpeedButton",
        "TvgCornerButton", "TvgColorButton", "TvgAngleButton", "TvgBitmapStateButton", "TvgPopupButton"}},
      {"HUD",
       {"TvgHudPanel", "TvgHudWindow", "TvgHudButton", "TvgHudSpeedButton", "TvgHudAngleButton", "TvgHudTrack",
        "TvgHudTrackBar", "TvgHudScrollBar", "TvgHudPopupBox", "TvgHudLabel", "TvgHudCheckBox", "TvgHudRadioButton",
        "TvgHudGroupBox", "TvgHudCloseButton", "TvgHudStatusBar", "TvgHudSizeGrip", "TvgHudRoundButton",
        "TvgHudCornerButton", "TvgHudCircleButton", "TvgHudTabControl"}},
      {"Items", {"TvgTabItem", "TvgHudTabItem", "TvgTreeViewItem"}},
      {"Trees", {"TvgTreeView"}},
      {"Text Edits",
       {"TvgTextBox", "TvgRoundTextBox", "TvgNumberBox", "TvgSpinBox", "TvgComboTextBox", "TvgComboTrackBar",
        "TvgTextBoxClearBtn", "TvgMemo"}},
      {"HUD",
       {"TvgHudTextBox", "TvgHudNumberBox", "TvgHudRoundTextBox", "TvgHudSpinBox", "TvgHudComboTextBox",
        "TvgHudComboTrackBar", "TvgHudMemo"}},
      {"Lists",
       {"TvgListBox", "TvgStringListBox", "TvgHorzListBox", "TvgImageListBox", "TvgHorzImageListBox", "TvgComboBox",
        "TvgStringComboBox"}},
      {"Items", {"TvgListBoxItem", "TvgImageListBoxItem"}},
      {"HUD",
       {"TvgHudListBox", "TvgHudHorzListBox", "TvgHudStringListBox", "TvgHudImageListBox", "TvgHudHorzImageListBox",
        "TvgHudComboBox", "TvgHudStringComboBox"}},
      {"Colors",
       {"TvgHueTrackBar", "TvgAlphaTrackBar", "TvgBWTrackBar", "TvgColorQuad", "TvgColorPicker", "TvgGradientEdit",
        "TvgColorBox", "TvgColorPanel", "TvgComboColorBox"}},
      {"HUD", {"TvgHudHueTrackBar", "TvgHudAlphaTrackBar", "TvgHudBWTrackBar", "TvgHudComboColorBox"}},
  };
  for (const Case& c : cases)
    for (const char* className : c.classes) {
      EXPECT_EQ(CountInCategory(c.category, className), 1) << c.category << " " << className;
      EXPECT_NE(GetClass(className), nullptr) << className;
    }
  EXPECT_EQ(GetClass("TvgWindow"), nullptr) << "forms use the HUD window";
  for (const char* plain : {"TvgSelectionItem", "TvgThumb", "TvgExpanderButton"}) {
    EXPECT_NE(GetClass(plain), nullptr) << plain;
    EXPECT_TRUE(std::none_of(vgObjectCategories().begin(), vgObjectCategories().end(),
                             [&](const TvgObjectCategory& c) { return c.Class->Name == plain; }))
        << plain;
  }
}

TEST(ControlsUnit, ConstructorsGiveEachClassItsSizeFocusPointerAndPlace) {
  vgInitializeToolkit();
  struct Case {
    const char* className;
    float width, height;
    bool canFocused, hitTest;
    TvgAlign align;
  } cases[] = {
      {"TvgLabel", 120, 15, false, false, vaNone},          {"TvgPanel", 120, 100, false, true, vaNone},
      {"TvgStatusBar", 50, 22, false, true, vaBottom},      {"TvgToolBar", 50, 40, false, true, vaTop},
      {"TvgGroupBox", 120, 100, false, true, vaNone},       {"TvgSelectionItem", 50, 50, false, false, vaNone},
      {"TvgImageControl", 50, 50, true, true, vaNone},      {"TvgButton", 80, 22, true, true, vaNone},
      {"TvgCircleButton", 21, 21, true, true, vaNone},      {"TvgBitmapButton", 50, 60, true, true, vaNone},
      {"TvgToolButton", 50, 60, false, true, vaNone},       {"TvgPathButton", 50, 60, true, true, vaNone},
      {"TvgToolPathButton", 50, 60, false, true, vaNone},   {"TvgSpeedButton", 23, 23, false, true, vaNone},
      {"TvgBitmapStateButton", 64, 64, true, true, vaNone}, {"TvgExpanderButton", 80, 22, false, true, vaNone},
      {"TvgCheckBox", 120, 19, true, true, vaNone},         {"TvgRadioButton", 120, 19, true, true, vaNone},
      {"TvgPopupBox", 80, 21, true, true, vaNone},          {"TvgCloseButton", 20, 20, false, true, vaNone},
      {"TvgSplitter", 5, 50, false, true, vaLeft},          {"TvgTrack", 100, 15, false, true, vaNone},
      {"TvgTrackBar", 100, 15, true, true, vaNone},         {"TvgThumb", 50, 50, false, true, vaNone},
      {"TvgScrollBar", 150, 18, false, true, vaNone},       {"TvgSmallScrollBar", 150, 8, false, true, vaNone},
      {"TvgProgressBar", 100, 20, false, true, vaNone},     {"TvgAngleButton", 30, 30, false, true, vaNone},
      {"TvgHudWindow", 200, 200, false, false, vaNone},     {"TvgExpander", 130, 130, false, true, vaNone},
      {"TvgTabControl", 200, 200, true, true, vaNone},      {"TvgTabItem", 80, 20, false, true, vaNone},
      {"TvgMemo", 100, 50, true, true, vaNone},
      {"TvgTreeView", 100, 100, true, true, vaNone},       {"TvgTreeViewItem", 50, 19, false, false, vaNone},
      {"TvgListBox", 100, 100, true, true, vaNone},         {"TvgListBoxItem", 19, 19, false, false, vaNone},
      {"TvgImageListBoxItem", 19, 19, false, false, vaNone},
      {"TvgHueTrackBar", 100, 15, true, true, vaNone},     {"TvgColorQuad", 50, 50, false, true, vaNone},
      {"TvgGradientEdit", 200, 20, false, true, vaNone},    {"TvgColorPanel", 150, 150, false, true, vaNone},
      {"TvgComboColorBox", 60, 22, true, true, vaNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    std::unique_ptr<TObject, TFreeObject> object(GetClass(c.className)->Construct(nullptr));
    auto* visual = dynamic_cast<TvgVisualObject*>(object.get());
    ASSERT_NE(visual, nullptr);
    EXPECT_EQ(visual->Width(), c.width);
    EXPECT_EQ(visual->Height(), c.height);
    EXPECT_EQ(visual->CanFocused(), c.canFocused);
    EXPECT_EQ(visual->HitTest(), c.hitTest);
    EXPECT_EQ(visual->Align(), c.align);
  }
}

class DefaultStyleControls : public ControlsTest {};

TEST_F(DefaultStyleControls, EveryStyledClassFindsItsStyleAndShowsItsText) {
  ASSERT_NE(vgDefaultStyle(), nullptr) << "the default style does not load";
  struct Case {
    const char* className;
    const char* style;
  } cases[] = {
      {"TvgLabel", "labelstyle"},
      {"TvgValueLabel", "valuelabelstyle"},
      {"TvgHudLabel", "hudlabelstyle"},
      {"TvgPanel", "panelstyle"},
      {"TvgHudPanel", "hudpanelstyle"},
      {"TvgCalloutPanel", "calloutpanelstyle"},
      {"TvgStatusBar", "statusbarstyle"},
      {"TvgHudStatusBar", "hudstatusbarstyle"},
      {"TvgToolBar", "toolbarstyle"},
      {"TvgGroupBox", "groupboxstyle"},
      {"TvgHudGroupBox", "hudgroupboxstyle"},
      {"TvgImageControl", "imagecontrolstyle"},
      {"TvgButton", "buttonstyle"},
      {"TvgRoundButton", "roundbuttonstyle"},
      {"TvgCircleButton", "circlebuttonstyle"},
      {"TvgHudButton", "hudbuttonstyle"},
      {"TvgHudRoundButton", "hudroundbuttonstyle"},
      {"TvgHudCircleButton", "hudcirclebuttonstyle"},
      {"TvgPopupButton", "popupbuttonstyle"},
      {"TvgBitmapButton", "bitmapbuttonstyle"},
      {"TvgToolButton", "toolbuttonstyle"},
      {"TvgPathButton", "pathbuttonstyle"},
      {"TvgToolPathButton", "toolpathbuttonstyle"},
      {"TvgSpeedButton", "speedbuttonstyle"},
      {"TvgHudSpeedButton", "speedbuttonstyle"},  // none of its own: its parent class's
      {"TvgColorButton", "colorbuttonstyle"},
      {"TvgCornerButton", "cornerbuttonstyle"},
      {"TvgHudCornerButton", "hudcornerbuttonstyle"},
      {"TvgExpanderButton", "expanderbuttonstyle"},
      {"TvgCheckBox", "checkboxstyle"},
      {"TvgHudCheckBox", "hudcheckboxstyle"},
      {"TvgPathCheckBox", "pathcheckboxstyle"},
      {"TvgRadioButton", "radiobuttonstyle"},
      {"TvgHudRadioButton", "hudradiobuttonstyle"},
      {"TvgPopupBox", "popupboxstyle"},
      {"TvgHudPopupBox", "hudpopupboxstyle"},
      {"TvgCloseButton", "CloseButtonStyle"},
      {"TvgHudCloseButton", "hudCloseButtonStyle"},
      {"TvgSizeGrip", "sizegripstyle"},
      {"TvgHudSizeGrip", "hudSizeGripStyle"},
      {"TvgSplitter", "splitterstyle"},
      {"TvgTrack", "trackstyle"},
      {"TvgHudTrack", "hudtrackstyle"},
      {"TvgTrackBar", "trackbarstyle"},
      {"TvgHudTrackBar", "hudtrackbarstyle"},
      {"TvgScrollBar", "scrollbarstyle"},
      {"TvgSmallScrollBar", "smallscrollbarstyle"},
      {"TvgHudScrollBar", "hudscrollbarstyle"},
      {"TvgProgressBar", "progressbarstyle"},
      {"TvgAngleButton", "anglebuttonstyle"},
      {"TvgHudAngleButton", "hudanglebuttonstyle"},
      {"TvgHudWindow", "hudwindowstyle"},
      {"TvgExpander", "expanderstyle"},
      {"TvgTabControl", "tabcontrolstyle"},
      {"TvgHudTabControl", "hudtabcontrolstyle"},
      {"TvgTabItem", "tabitemstyle"},
      {"TvgHudTabItem", "hudtabitemstyle"},
      {"TvgScrollBox", "scrollboxstyle"},
      {"TvgFramedScrollBox", "framedscrollboxstyle"},
      {"TvgMemo", "memostyle"},
      {"TvgHudMemo", "hudmemostyle"},
      {"TvgTreeView", "treeviewstyle"},
      {"TvgTreeViewItem", "treeviewitemstyle"},
      {"TvgListBox", "listboxstyle"},
      {"TvgHudListBox", "hudlistboxstyle"},
      {"TvgListBoxItem", "listboxitemstyle"},
      {"TvgImageListBoxItem", "imagelistboxitemstyle"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    auto* control = dynamic_cast<TvgControl*>(GetClass(c.className)->Construct(nullptr));
    ASSERT_NE(control, nullptr);
    root->AddObject(control);
    control->ApplyResource();
    ASSERT_NE(control->StyleObject(), nullptr);
    EXPECT_TRUE(SameText(control->StyleObject()->ResourceName(), c.style)) << control->StyleObject()->ResourceName();
    auto* textControl = dynamic_cast<TvgTextControl*>(control);
    if (auto* box = dynamic_cast<TvgPopupBox*>(control)) box->Items()->Add(L"Caption");  // shows only its items
    if (auto* part = dynamic_cast<TvgText*>(control->FindResource("text")); part && textControl) {
      textControl->SetText(L"Caption");
      EXPECT_EQ(part->Text(), L"Caption");
    }
  }
}

TEST_F(DefaultStyleControls, TheDefaultButtonStyleAnimatesAPress) {
  ASSERT_NE(vgDefaultStyle(), nullptr) << "the default style does not load";
  auto* button = Add<TvgButton>(50, 40, 80, 22);
  auto* background = dynamic_cast<TvgRectangle*>(button->FindResource("background"));
  ASSERT_NE(background, nullptr);
  Press(90, 50);
  TickFor(300);
  EXPECT_EQ(background->Fill()->SolidColor(), 0xFF404040u);
  Release(90, 50);
  TickFor(300);
  EXPECT_EQ(background->Fill()->SolidColor(), 0xFF707070u);
}

// Over whatever lies beneath it the transparent button shows nothing of its own until the pointer
// is over it or presses it: a light veil and rim on hover, a dark one while pressed.
TEST_F(DefaultStyleControls, TheTransparentButtonShowsABackgroundOnlyWhenHoveredOrPressed) {
  ASSERT_NE(vgDefaultStyle(), nullptr) << "the default style does not load";
  // Without the focus glow, which would tint the veil once the press has focused the button.
  auto* button = Add<TvgButton>(50, 40, 80, 22, "transparentbuttonstyle",
                                [](TvgButton& b) { b.SetDisableFocusEffect(true); });
  ASSERT_NE(dynamic_cast<TvgRectangle*>(button->FindResource("background")), nullptr);
  ASSERT_NE(dynamic_cast<TvgText*>(button->FindResource("text")), nullptr);
  // (6, 11) lies inside the rim, clear of the centred text; (1, 11) on the rim.
  auto pixel = [button](int x, int y) {
    std::unique_ptr<TvgBitmap> shot = button->MakeScreenshot();
    return shot->Bits()[y * shot->Width() + x];
  };
  TickFor(300);
  EXPECT_EQ(pixel(6, 11), 0u);
  EXPECT_EQ(pixel(1, 11), 0u);

  Move(90, 50);
  TickFor(300);
  EXPECT_EQ(pixel(6, 11), 0x28282828u) << "white at alpha 0x28, premultiplied";
  EXPECT_GT(pixel(1, 11) >> 24, 0x28u) << "the rim shows over the veil";

  Press(90, 50);
  TickFor(300);
  EXPECT_EQ(pixel(6, 11), 0x40000000u) << "black at alpha 0x40";

  Release(90, 50);
  TickFor(300);
  EXPECT_EQ(pixel(6, 11), 0x28282828u) << "released under the pointer, the hover look is back";
  Move(200, 150);
  TickFor(300);
  EXPECT_EQ(pixel(6, 11), 0u) << "left alone it is transparent again";
  EXPECT_EQ(pixel(1, 11), 0u);
}

}  // namespace
