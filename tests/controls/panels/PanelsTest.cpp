// Panels, the callout panel's geometry, status and tool bars, the group box and the selection item.
#include "tests/support/ControlsFixture.h"
//
#include <memory>

#include "tests/support/RecordingScene.h"
#include "controls/panels/GroupBox.h"
#include "controls/panels/Panel.h"
#include "controls/panels/SelectionItem.h"
#include "controls/panels/StatusBar.h"
#include "controls/panels/ToolBar.h"
#include "engine/paint/Bitmap.h"
#include "engine/shapes/Shapes.h"
#include "engine/shapes/Text.h"

namespace {

const char* const kPanelStyles =
    "object TvgRectangle\r\n"
    "  object TvgCalloutRectangle\r\n"
    "    ResourceName = 'calloutroot'\r\n"
    "    HitTest = False\r\n"
    "  end\r\n"
    "  object TvgRectangle\r\n"
    "    ResourceName = 'calloutpart'\r\n"
    "    HitTest = False\r\n"
    "    object TvgCalloutRectangle\r\n"
    "      ResourceName = 'Backgound'\r\n"
    "      Align = vaContents\r\n"
    "      HitTest = False\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object TvgRectangle\r\n"
    "    ResourceName = 'statusbarstyle'\r\n"
    "    HitTest = False\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'sizegrip'\r\n"
    "      Align = vaRight\r\n"
    "      Locked = True\r\n"
    "      HitTest = False\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object TvgRectangle\r\n"
    "    ResourceName = 'groupboxstyle'\r\n"
    "    HitTest = False\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'background'\r\n"
    "      Align = vaContents\r\n"
    "      HitTest = False\r\n"
    "    end\r\n"
    "    object TvgText\r\n"
    "      ResourceName = 'text'\r\n"
    "      Align = vaTop\r\n"
    "      HitTest = False\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

class PanelsTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    UseStyles(kPanelStyles);
  }
};

TEST_F(PanelsTest, ACalloutPanelGivesItsGeometryToTheStylesCalloutRectangle) {
  struct Case {
    const char* style;
    const char* part;  // empty: the style itself
  } cases[] = {{"calloutroot", ""}, {"calloutpart", "Backgound"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    auto* panel = Add<TvgCalloutPanel>(10, 10, 120, 100, c.style, [](TvgCalloutPanel& p) {
      p.SetCalloutWidth(30);
      p.SetCalloutLength(8);
      p.SetCalloutPosition(vgCalloutLeft);
    });
    TvgObject* found = *c.part ? panel->FindResource(c.part) : panel->StyleObject();
    auto* callout = dynamic_cast<TvgCalloutRectangle*>(found);
    ASSERT_NE(callout, nullptr);
    EXPECT_EQ(callout->CalloutWidth(), 30);
    EXPECT_EQ(callout->CalloutLength(), 8);
    EXPECT_EQ(callout->CalloutPosition(), vgCalloutLeft);
    EXPECT_EQ(callout->CalloutOffset(), 0);
    panel->SetCalloutOffset(-4);
    panel->SetCalloutPosition(vgCalloutBottom);
    EXPECT_EQ(callout->CalloutOffset(), -4);
    EXPECT_EQ(callout->CalloutPosition(), vgCalloutBottom);
  }
}

TEST_F(PanelsTest, TheStatusBarsSizeGripShowsAndTakesThePointerOnlyWithShowSizeGrip) {
  auto* bar = Add<TvgStatusBar>(0, 0, 300, 22);
  TvgObject* grip = bar->FindResource("sizegrip");
  ASSERT_NE(grip, nullptr);
  EXPECT_TRUE(grip->Visual()->Visible());
  EXPECT_FALSE(grip->Visual()->Locked());
  EXPECT_TRUE(grip->Visual()->HitTest());

  TvgObject* firstStyle = bar->StyleObject();
  bar->SetShowSizeGrip(false);
  EXPECT_NE(bar->StyleObject(), firstStyle) << "the style is rebuilt";
  EXPECT_FALSE(bar->FindResource("sizegrip")->Visual()->Visible());
}

TEST_F(PanelsTest, BarsSitAlongTheEdgesOfTheirParent) {
  auto* status = new TvgStatusBar(nullptr);
  auto* tool = new TvgToolBar(nullptr);
  root->AddObject(status);
  root->AddObject(tool);
  root->Realign();
  EXPECT_EQ(status->GetParentedRect(), (TvgRect{0, 178, 300, 200}));
  EXPECT_EQ(tool->GetParentedRect(), (TvgRect{0, 0, 300, 40}));
}

TEST_F(PanelsTest, AGroupBoxShowsItsCaptionInTheStylesTextPart) {
  auto* group = Add<TvgGroupBox>(10, 10, 120, 100, "", [](TvgGroupBox& g) { g.SetText(L"Options"); });
  auto* caption = dynamic_cast<TvgText*>(group->FindResource("text"));
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->Text(), L"Options");
  EXPECT_NE(group->FindResource("background"), nullptr);
}

TEST(SelectionItem, PaintsItsChildrenOnlyOutsideTheDesigner) {
  vgInitializeToolkit();
  TRecordingScene scene;
  auto* item = new TvgSelectionItem(nullptr);
  item->SetBounds(0, 0, 20, 20);
  auto* mark = new TvgRectangle(nullptr);
  mark->SetBounds(0, 0, 20, 20);
  mark->Fill()->SetSolidColor(0xFFFF0000);
  item->AddObject(mark);
  scene.AddObject(item);
  for (bool designing : {false, true}) {
    scene.designing = designing;
    std::unique_ptr<TvgBitmap> shot = item->MakeScreenshot();
    EXPECT_EQ(shot->Bits()[10 * 20 + 10], designing ? 0u : 0xFFFF0000u) << (designing ? "designing" : "running");
  }
}

}  // namespace
