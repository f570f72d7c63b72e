// TvgBackground on GDI+ pixels: its own fill replaces its style's look, no fill shows the style,
// and as the root of a transparent scene it leaves the pixels see-through.
#include "tests/support/StyleFixture.h"
#include "engine/shapes/Background.h"

#include <gtest/gtest.h>

#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"

namespace {

constexpr TvgColor kRed = 0xFFFF0000, kGreen = 0xFF00FF00;

const char* const kGreenBackgroundStyle =
    "object TvgVisualObject\r\n"
    "  object TvgRectangle\r\n"
    "    ResourceName = 'backgroundstyle'\r\n"
    "    Fill.Color = '#FF00FF00'\r\n"
    "    Stroke.Style = vgBrushNone\r\n"
    "  end\r\n"
    "end\r\n";

class Background : public StyleFixture {
protected:
  void SetUp() override {
    StyleFixture::SetUp();
    SetStyleText(kGreenBackgroundStyle);
    background = AddControl<TvgBackground>();
    background->ApplyResource();
    ASSERT_NE(background->StyleObject(), nullptr);
  }
  TvgColor CentrePixel() {
    std::unique_ptr<TvgBitmap> shot = background->MakeScreenshot();
    return shot->GetScanline(shot->Height() / 2)[shot->Width() / 2];
  }
  TvgBackground* background = nullptr;
};

TEST_F(Background, OwnFillReplacesTheStyle) {
  background->Fill()->SetSolidColor(kRed);
  EXPECT_EQ(CentrePixel(), kRed);
  EXPECT_TRUE(background->StyleObject()->Visual()->Visible()) << "shown again after painting";
}

TEST_F(Background, WithoutFillTheStyleShows) {
  background->Fill()->SetStyle(vgBrushNone);
  EXPECT_EQ(CentrePixel(), kGreen);
}

TEST_F(Background, RootOfATransparentSceneLeavesItsPixelsSeeThrough) {
  background->Fill()->SetStyle(vgBrushNone);
  scene->SetTransparency(true);
  EXPECT_EQ(CentrePixel(), 0u);
}

// A background inside another object shows its style even in a transparent scene.
TEST_F(Background, ChildOfATransparentSceneShowsItsStyle) {
  background->Fill()->SetStyle(vgBrushNone);
  scene->SetTransparency(true);
  auto* inner = new TvgBackground(nullptr);
  inner->Fill()->SetStyle(vgBrushNone);
  inner->SetBounds(0, 0, 40, 40);
  background->AddObject(inner);
  inner->ApplyResource();
  std::unique_ptr<TvgBitmap> shot = background->MakeScreenshot();
  EXPECT_EQ(shot->GetScanline(20)[20], kGreen);
  EXPECT_EQ(shot->GetScanline(70)[70], 0u);
}

// Without a container style the default style's dark gradient shows, lighter at the top.
TEST_F(Background, DefaultStyleGivesTheDarkThemesBackground) {
  ASSERT_TRUE(DefaultStyleLoads());
  SetStyleText("");
  background->Fill()->SetStyle(vgBrushNone);
  ASSERT_NE(background->StyleObject(), nullptr);
  EXPECT_EQ(background->StyleObject()->ResourceName(), "backgroundstyle");
  std::unique_ptr<TvgBitmap> shot = background->MakeScreenshot();
  auto grey = [](TvgColor c) { return c & 0xFF; };
  const TvgColor top = shot->GetScanline(1)[50], bottom = shot->GetScanline(98)[50];
  for (TvgColor c : {top, bottom}) {
    EXPECT_EQ(c >> 24, 0xFFu);
    EXPECT_EQ((c >> 16) & 0xFF, grey(c));
    EXPECT_EQ((c >> 8) & 0xFF, grey(c));
  }
  EXPECT_GT(grey(top), grey(bottom));
  EXPECT_LE(grey(top), 0x33u);
  EXPECT_GE(grey(bottom), 0x26u);
}

}  // namespace
