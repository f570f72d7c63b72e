// The colour controls in a scene styled by the default style, driven by real mouse messages:
// the quad and the hue picker follow a drag continuously and clamp beyond their edges, the ramp
// bars paint their ramps, the gradient editor adds, drags, reorders and removes stops, and the
// colour panel splits and reports its colour.
#include "tests/support/ControlsFixture.h"
//
#include <cstdlib>
#include <memory>
#include <vector>

#include "classlib/core/SysUtils.h"
#include "controls/colors/BitmapTrackBar.h"
#include "controls/colors/ColorBox.h"
#include "controls/colors/ColorPanel.h"
#include "controls/colors/ColorPicker.h"
#include "controls/colors/ColorQuad.h"
#include "controls/colors/GradientEdit.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/shapes/Shape.h"

namespace {

// Channels within a tolerance: the canvas filters bitmaps it scales.
testing::AssertionResult NearColor(TvgColor actual, TvgColor expected, int tolerance = 6) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int a = int(actual >> shift & 0xFF), e = int(expected >> shift & 0xFF);
    if (std::abs(a - e) > tolerance)
      return testing::AssertionFailure() << std::hex << "0x" << actual << " is not near 0x" << expected;
  }
  return testing::AssertionSuccess();
}

TvgColor Pixel(TvgVisualObject* object, int x, int y) {
  std::unique_ptr<TvgBitmap> shot = object->MakeScreenshot();
  return vgUnpremultiplyColor(shot->Bits()[y * shot->Width() + x]);
}

class ColorControlsTest : public ControlsTest {
protected:
  // With the style its constructor chose.
  TvgBitmapTrackBar* AddAsBuilt(TvgBitmapTrackBar* bar) {
    root->AddObject(bar);
    bar->SetBounds(10, 100, 100, 20);
    bar->ApplyResource();
    return bar;
  }
};

TEST_F(ColorControlsTest, DraggingInTheQuadFollowsEveryMoveAndClampsBeyondItsEdges) {
  auto* box = Add<TvgColorBox>(250, 10, 40, 40);
  auto* quad = Add<TvgColorQuad>(20, 20, 100, 100);
  quad->SetHue(0);
  quad->SetAlpha(0.5f);
  quad->SetColorBox(box);
  int changes = 0;
  quad->OnChange = [&](TObject*) { ++changes; };
  Press(20 + 50, 20 + 50);
  struct Step {
    int x, y;
    float sat, lum;
  } steps[] = {{30, 70, 0.1f, 0.5f}, {95, 40, 0.75f, 0.8f}, {150, -30, 1, 1}, {-40, 160, 0, 0}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.x);
    const int before = changes;
    Move(step.x, step.y, MK_LBUTTON);
    EXPECT_NEAR(quad->Sat(), step.sat, 0.001f);
    EXPECT_NEAR(quad->Lum(), step.lum, 0.001f);
    EXPECT_GT(changes, before) << "each move reports the colour";
    EXPECT_EQ(box->Color(), (vgHSLtoRGB(0, quad->Sat(), quad->Lum()) & 0x00FFFFFF) | 0x80000000u);
  }
  Release(70, 45);
  EXPECT_NEAR(quad->Sat(), 0.5f, 0.001f) << "the release is applied as a move";
  EXPECT_NEAR(quad->Lum(), 0.75f, 0.001f);
  Move(90, 90);
  EXPECT_NEAR(quad->Sat(), 0.5f, 0.001f) << "a move without a press changes nothing";
}

TEST_F(ColorControlsTest, TheQuadPaintsItsHueSquareAndTheMarkerAtTheColour) {
  auto* quad = Add<TvgColorQuad>(20, 20, 100, 100);
  quad->SetHue(1.0f / 3);  // green
  quad->SetSat(0.2f);
  quad->SetLum(0.8f);
  EXPECT_TRUE(NearColor(Pixel(quad, 90, 50), vgHSLtoRGB(1.0f / 3, 0.9f, 0.5f)));
  EXPECT_TRUE(NearColor(Pixel(quad, 50, 97), vgHSLtoRGB(1.0f / 3, 0.5f, 0.03f)));
  EXPECT_TRUE(NearColor(Pixel(quad, 20, 20), vgHSLtoRGB(1.0f / 3, 0.2f, 0.8f))) << "the marker's dot";
  EXPECT_FALSE(NearColor(Pixel(quad, 15, 20), vgHSLtoRGB(1.0f / 3, 0.15f, 0.8f), 30)) << "the ring around it";
  quad->SetHue(0);
  EXPECT_TRUE(NearColor(Pixel(quad, 90, 50), vgHSLtoRGB(0, 0.9f, 0.5f))) << "a new hue drops the square";
}

TEST_F(ColorControlsTest, ThePickerSetsTheHueAlongItsStripAndTheQuadFollows) {
  auto* quad = Add<TvgColorQuad>(20, 20, 100, 100);
  auto* picker = Add<TvgColorPicker>(150, 20, 20, 120);
  picker->SetColorQuad(quad);
  Press(160, 50);
  Move(160, 80, MK_LBUTTON);
  EXPECT_NEAR(picker->Hue(), 0.5f, 0.001f);
  EXPECT_NEAR(quad->Hue(), 0.5f, 0.001f);
  Move(160, 200, MK_LBUTTON);
  EXPECT_EQ(picker->Hue(), 1);
  Release(160, 5);
  EXPECT_EQ(picker->Hue(), 0);
  EXPECT_TRUE(NearColor(Pixel(picker, 10, 60), vgHSLtoRGB(0.5f, 0.9f, 0.5f)));

  picker->SetColor(0x4000FF00);
  EXPECT_NEAR(picker->Hue(), 1.0f / 3, 0.001f);
  EXPECT_NEAR(quad->Hue(), 1.0f / 3, 0.001f);
  EXPECT_NEAR(quad->Sat(), 1, 0.001f);
  EXPECT_NEAR(quad->Lum(), 0.5f, 0.001f);
  EXPECT_NEAR(quad->Alpha(), 64.0f / 255, 0.001f);
}

TEST_F(ColorControlsTest, BoundControlsForgetAFreedPartner) {
  auto* box = Add<TvgColorBox>(250, 10, 40, 40);
  auto* quad = Add<TvgColorQuad>(20, 20, 100, 100);
  auto* picker = Add<TvgColorPicker>(150, 20, 20, 120);
  quad->SetColorBox(box);
  picker->SetColorQuad(quad);
  box->Free();
  EXPECT_EQ(quad->ColorBox(), nullptr);
  quad->SetSat(1);
  quad->Free();
  EXPECT_EQ(picker->ColorQuad(), nullptr);
  picker->SetHue(0.3f);
}

TEST_F(ColorControlsTest, TheColourBoxShowsTheCheckerboardThroughItsColour) {
  auto* box = Add<TvgColorBox>(10, 10, 40, 40);
  box->SetColor(0xFF0000FF);
  EXPECT_TRUE(NearColor(Pixel(box, 2, 2), 0xFF0000FF));
  box->SetColor(0);
  EXPECT_TRUE(NearColor(Pixel(box, 2, 2), 0xFFFFFFFF));
  EXPECT_TRUE(NearColor(Pixel(box, 7, 2), 0xFFD3D3D3));
}

// The ramp part's bitmap at fractions along the bar.
TEST_F(ColorControlsTest, RampBarsFillTheirTroughWithTheirRamp) {
  auto* hue = Add<TvgHueTrackBar>(10, 10, 200, 20);
  auto* grey = Add<TvgBWTrackBar>(10, 40, 200, 20);
  auto* alpha = Add<TvgAlphaTrackBar>(10, 70, 200, 20);
  auto* vertical = Add<TvgHueTrackBar>(230, 10, 20, 160, "", [](TvgHueTrackBar& bar) {
    bar.SetOrientation(vgVertical);
  });
  auto ramp = [](TvgBitmapTrackBar* bar) {
    auto* part = dynamic_cast<TvgShape*>(bar->FindResource("background"));
    EXPECT_NE(part, nullptr);
    EXPECT_EQ(part->Fill()->Style(), vgBrushBitmap);
    return part->Fill()->Bitmap()->Bitmap();
  };
  TvgBitmap* hues = ramp(hue);
  ASSERT_FALSE(hues->IsEmpty());
  const int w = hues->Width();
  EXPECT_EQ(hues->Bits()[w / 2], vgColorToPixel(vgHSLtoRGB(float(w / 2) / float(w), 0.9f, 0.5f)));
  TvgBitmap* greys = ramp(grey);
  EXPECT_EQ(greys->Bits()[0], 0xFF000000u);
  const int half = greys->Width() / 2;
  const auto v = uint8_t(Round(float(half) / float(greys->Width()) * 255));
  EXPECT_EQ(greys->Bits()[half], vgColorToPixel(vgMakeColor(v, v, v, 255)));
  TvgBitmap* alphas = ramp(alpha);
  const int aw = alphas->Width();
  EXPECT_TRUE(NearColor(vgUnpremultiplyColor(alphas->Bits()[aw - 1]), 0xFFFFFFFF, 8)) << "opaque white at the end";
  EXPECT_TRUE(NearColor(vgUnpremultiplyColor(alphas->Bits()[3]), 0xFFA0A0A0, 8)) << "the checkerboard at the start";
  TvgBitmap* verticals = ramp(vertical);
  const int h = verticals->Height();
  EXPECT_EQ(verticals->Bits()[(h / 4) * verticals->Width()], vgColorToPixel(vgHSLtoRGB(float(h / 4) / float(h), 0.9f, 0.5f)));
  EXPECT_TRUE(NearColor(Pixel(hue, 100, 10), vgHSLtoRGB(0.5f, 0.9f, 0.5f), 40)) << "the trough shows it";

  struct Hud {
    TvgBitmapTrackBar* bar;
    float max;
    bool ramp;
  } huds[] = {{AddAsBuilt(new TvgHudHueTrackBar(nullptr)), 1, true},
              {AddAsBuilt(new TvgHudAlphaTrackBar(nullptr)), 1, true},
              {AddAsBuilt(new TvgHudBWTrackBar(nullptr)), 100, false}};
  for (const Hud& c : huds) {
    SCOPED_TRACE(c.bar->ClassName());
    EXPECT_EQ(c.bar->Resource(), "hudtrackbarstyle");
    EXPECT_EQ(c.bar->Max(), c.max);
    auto* part = dynamic_cast<TvgShape*>(c.bar->FindResource("background"));
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->Fill()->Bitmap()->Bitmap()->Bits()[0] != 0, c.ramp) << "the HUD grey bar paints no ramp";
  }

  hue->SetWidth(300);
  EXPECT_GT(ramp(hue)->Width(), w) << "a new size makes a new ramp";
}

class GradientEditTest : public ColorControlsTest {
protected:
  void SetUp() override {
    ColorControlsTest::SetUp();
    // The bar spans x 20..220 of the scene (offset 0..1) and y 10..30; the markers y 30..40.
    edit = Add<TvgGradientEdit>(10, 10, 220, 30);
    edit->Gradient()->Points()->Points(0)->SetIntColor(0xFF000000);
    edit->Gradient()->Points()->Points(1)->SetIntColor(0xFFFFFFFF);
    edit->OnChange = [this](TObject*) { ++changes; };
    edit->OnSelectPoint = [this](TObject*) { ++selections; };
  }
  std::vector<float> Offsets() {
    std::vector<float> offsets;
    for (int i = 0; i < edit->Gradient()->Points()->Count(); ++i)
      offsets.push_back(edit->Gradient()->Points()->Points(i)->Offset());
    return offsets;
  }
  TvgColor ColorOf(int i) { return edit->Gradient()->Points()->Points(i)->IntColor(); }
  static int X(float offset) { return int(20 + offset * 200); }

  TvgGradientEdit* edit = nullptr;
  int changes = 0, selections = 0;
};

TEST_F(GradientEditTest, AClickOnTheBarAddsAStopOfTheColourThereAndSelectsIt) {
  ClickAt(X(0.25f), 20);
  ASSERT_EQ(Offsets().size(), 3u);
  EXPECT_NEAR(Offsets()[1], 0.25f, 0.001f);
  EXPECT_TRUE(NearColor(ColorOf(1), 0xFF404040, 2));
  EXPECT_EQ(edit->CurrentPoint(), 1);
  EXPECT_GE(selections, 1);
  EXPECT_GE(changes, 1);
  ClickAt(X(0.75f), 20);
  ASSERT_EQ(Offsets().size(), 4u);
  EXPECT_NEAR(Offsets()[2], 0.75f, 0.001f);
  EXPECT_EQ(edit->CurrentPoint(), 2);
  EXPECT_TRUE(NearColor(Pixel(edit, X(0.75f) - 10, 5), 0xFFBFBFBF, 8)) << "the preview follows the stops";
}

TEST_F(GradientEditTest, DraggingAStopMovesItAndPassingANeighbourSwapsThem) {
  ClickAt(X(0.3f), 20);
  ClickAt(X(0.6f), 20);
  ASSERT_EQ(Offsets().size(), 4u);
  Press(X(0.3f), 35);
  EXPECT_EQ(edit->CurrentPoint(), 1);
  const int before = changes;
  Move(X(0.4f), 35, MK_LBUTTON);
  EXPECT_NEAR(Offsets()[1], 0.4f, 0.001f);
  EXPECT_GT(changes, before);
  Move(X(0.7f), 35, MK_LBUTTON);
  EXPECT_EQ(edit->CurrentPoint(), 2) << "it stays current past its neighbour";
  EXPECT_NEAR(Offsets()[1], 0.6f, 0.001f);
  EXPECT_NEAR(Offsets()[2], 0.7f, 0.001f);
  Move(X(1.5f), 35, MK_LBUTTON);
  EXPECT_EQ(Offsets()[2], 1) << "clamped to the bar";
  Release(X(1.5f), 35);
  EXPECT_EQ(Offsets().size(), 4u);
}

TEST_F(GradientEditTest, DroppingAStopWellBelowRemovesItWhileTwoRemain) {
  ClickAt(X(0.5f), 20);
  ASSERT_EQ(Offsets().size(), 3u);
  const TvgColor middle = ColorOf(1);
  Press(X(0.5f), 35);
  Move(X(0.5f), 70, MK_LBUTTON);
  EXPECT_FALSE(NearColor(Pixel(edit, X(0.5f) - 10, 25), middle, 2)) << "a held-out inner stop is not drawn";
  Release(X(0.5f), 70);
  EXPECT_EQ(Offsets(), (std::vector<float>{0, 1}));
  EXPECT_EQ(edit->CurrentPoint(), 0);
  Press(X(1), 35);  // the last stop goes too
  Release(X(1), 70);
  EXPECT_EQ(Offsets(), (std::vector<float>{0}));
  Press(X(0), 35);  // the last one left stays
  Release(X(0), 70);
  EXPECT_EQ(Offsets().size(), 1u);
  Press(X(0), 35);
  Release(X(0), 42);
  EXPECT_EQ(Offsets().size(), 1u) << "a drop less than 10 below keeps it";
}

TEST_F(GradientEditTest, ThePickerShowsTheSelectedStop) {
  auto* quad = Add<TvgColorQuad>(20, 60, 80, 80);
  auto* picker = Add<TvgColorPicker>(120, 60, 20, 80);
  picker->SetColorQuad(quad);
  edit->Gradient()->Points()->Points(1)->SetIntColor(0xFF00FF00);
  edit->SetColorPicker(picker);
  EXPECT_EQ(quad->Lum(), 0) << "the first stop, black";
  ClickAt(X(1), 35);
  EXPECT_NEAR(picker->Hue(), 1.0f / 3, 0.001f);
  EXPECT_NEAR(quad->Lum(), 0.5f, 0.001f);
}

class ColorPanelTest : public ColorControlsTest {};

TEST_F(ColorPanelTest, AColourTextSplitsIntoTheQuadAndTheBarsAndReadsBack) {
  auto* panel = Add<TvgColorPanel>(10, 10, 150, 150);
  int changes = 0;
  panel->OnChange = [&](TObject*) { ++changes; };
  panel->SetColor("#80FF0000");
  EXPECT_EQ(changes, 1) << "one report for the whole colour";
  EXPECT_NEAR(panel->Quad()->Hue(), 0, 0.001f);
  EXPECT_NEAR(panel->Quad()->Sat(), 1, 0.001f);
  EXPECT_NEAR(panel->Quad()->Lum(), 0.5f, 0.001f);
  EXPECT_NEAR(panel->AlphaBar()->Value(), 128.0f / 255, 0.0001f);
  EXPECT_EQ(panel->Color(), "#80FF0000");
  panel->SetColor("#FF2060A0");
  EXPECT_EQ(panel->Color(), "#FF2060A0");
}

TEST_F(ColorPanelTest, DraggingTheHueBarAndTheQuadChangesTheColourAndItsBox) {
  auto* box = Add<TvgColorBox>(200, 10, 40, 40);
  auto* panel = Add<TvgColorPanel>(10, 10, 150, 150);
  panel->SetColorBox(box);
  panel->SetColor("#FFFF0000");
  int changes = 0;
  panel->OnChange = [&](TObject*) { ++changes; };
  const TvgRect hue = panel->HueBar()->GetAbsoluteRect();
  const int hueX = int((hue.Left + hue.Right) / 2);
  Press(hueX, int(hue.Top) + 10);
  for (int y = int(hue.Top) + 20; y < int(hue.Bottom) - 10; y += 30) {
    const std::string before = panel->Color();
    Move(hueX, y, MK_LBUTTON);
    EXPECT_NE(panel->Color(), before) << y;
  }
  Release(hueX, int(hue.Bottom) - 10);
  EXPECT_GT(panel->Quad()->Hue(), 0.5f);
  const TvgRect quad = panel->Quad()->GetAbsoluteRect();
  Press(int(quad.Left) + 20, int(quad.Top) + 20);
  Move(int(quad.Right) - 30, int(quad.Bottom) - 30, MK_LBUTTON);
  Release(int(quad.Right) - 30, int(quad.Bottom) - 30);
  EXPECT_GT(changes, 3);
  EXPECT_EQ(vgColorToStr(box->Color()), panel->Color());
}

TEST_F(ColorPanelTest, UseAlphaShowsOrHidesTheAlphaBar) {
  auto* panel = Add<TvgColorPanel>(10, 10, 150, 150);
  EXPECT_TRUE(panel->AlphaBar()->Visible());
  panel->SetUseAlpha(false);
  EXPECT_FALSE(panel->AlphaBar()->Visible());
  panel->SetUseAlpha(true);
  EXPECT_TRUE(panel->AlphaBar()->Visible());
}

}  // namespace
