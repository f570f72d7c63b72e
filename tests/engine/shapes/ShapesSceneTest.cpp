// Shapes and texts in a real scene: a layered form under Xvfb whose scene paints a card with a
// title, a circle and a soft shadow through the toolkit's GDI+ canvas, and paints them again when
// a property changes.
#include <gtest/gtest.h>

#include "tests/support/DesktopFixture.h"
#include "classlib/core/StringList.h"
#include "classlib/desktop/Form.h"
#include "engine/scene/Scene.h"
#include "engine/shapes/Background.h"
#include "engine/shapes/BlurShapes.h"
#include "engine/paint/Canvas.h"
#include "engine/shapes/Shapes.h"
#include "engine/shapes/Text.h"
#include "engine/styles/Resources.h"
#include "toolkit/Toolkit.h"
#include "tests/support/ShapeFixture.h"

namespace {

constexpr TvgColor kWhite = 0xFFFFFFFF, kGrey = 0xFF6C6C6C, kTitle = 0xFF5C5C5C, kBlue = 0xFF337AB7;

class TPassCountingScene : public TvgWindowScene {
public:
  using TvgWindowScene::TvgWindowScene;
  int draws = 0;
  void Draw() override {
    ++draws;
    TvgWindowScene::Draw();
  }
};

// A 300 x 160 borderless layered form: a white card with a grey outline 10 units in from its
// edges, a soft shadow beneath it, a bold title and a blue circle on it.
class ShapesScene : public DesktopTest {
protected:
  static void SetUpTestSuite() { vgInitializeToolkit(); }
  void SetUp() override {
    DesktopTest::SetUp();
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(40, 40, 300, 160);
    scene = new TPassCountingScene(form);
    scene->SetParent(form);
    scene->SetAlign(alClient);
    scene->SetTransparency(true);
    TvgBrush none(vgBrushNone, 0);
    scene->SetFill(&none);

    root = new TvgVisualObject(nullptr);
    root->SetBounds(0, 0, 300, 160);
    shadow = Make<TvgBlurRectangle>(root, 14, 14, 280, 140);
    shadow->Fill()->SetSolidColor(0x80000000);
    card = Make<TvgRectangle>(root, 10, 10, 280, 140);
    card->Fill()->SetSolidColor(kWhite);
    card->Stroke()->SetSolidColor(kGrey);
    title = Make<TvgText>(card, 20, 20, 240, 40);
    title->Fill()->SetSolidColor(kTitle);
    title->Font()->SetSize(16);
    title->Font()->SetStyle(vgFontBold);
    title->SetText(L"\u7956\u8BFA\u6D4F\u89C8\u5668 \u66F4\u65B0");  // 祖诺浏览器 更新
    circle = Make<TvgCircle>(card, 200, 80, 40, 40);
    circle->Fill()->SetSolidColor(kBlue);
    circle->Stroke()->SetStyle(vgBrushNone);
    scene->AddObject(root);

    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return scene->draws > 0; })) << "the scene was never painted";
    Application->ProcessMessages();
  }
  void TearDown() override {
    if (form) form->Free();
    DesktopTest::TearDown();
  }

  template <class T>
  T* Make(TvgObject* parent, float x, float y, float width, float height) {
    auto* object = new T(nullptr);
    parent->AddObject(object);
    object->SetBounds(x, y, width, height);
    return object;
  }
  TvgColor Pixel(int x, int y) const {
    TvgCanvas* canvas = scene->GetCanvas();
    return canvas->BufferBits()[y * canvas->Width() + x];
  }

  TForm* form = nullptr;
  TPassCountingScene* scene = nullptr;
  TvgVisualObject* root = nullptr;
  TvgBlurRectangle* shadow = nullptr;
  TvgRectangle* card = nullptr;
  TvgText* title = nullptr;
  TvgCircle* circle = nullptr;
};

TEST_F(ShapesScene, TheCardItsOutlineTitleCircleAndShadowArePainted) {
  EXPECT_EQ(Pixel(5, 5), 0u) << "the margin stays transparent";
  EXPECT_TRUE(NearColor(Pixel(60, 120), kWhite, 0));
  EXPECT_TRUE(NearColor(Pixel(11, 80), kGrey, 2)) << "the outline";
  EXPECT_TRUE(NearColor(Pixel(80, 11), kGrey, 2)) << "the outline";
  EXPECT_TRUE(NearColor(Pixel(230, 110), kBlue, 0)) << "the circle's centre";
  EXPECT_TRUE(NearColor(Pixel(212, 92), kWhite, 0)) << "outside the circle";
  const uint32_t shadowAlpha = Pixel(292, 100) >> 24;
  EXPECT_GT(shadowAlpha, 0u) << "the shadow beside the card";
  EXPECT_LT(shadowAlpha, 128u);

  int dark = 0;
  for (int y = 30; y < 70; ++y)
    for (int x = 30; x < 270; ++x) dark += (Pixel(x, y) & 0xFF) < 0x90;
  EXPECT_GT(dark, 7 * 25) << "the title's seven bold glyphs";
}

TEST_F(ShapesScene, AChangedPropertyIsPaintedByTheNextPass) {
  const int before = scene->draws;
  card->Fill()->SetSolidColor(0xFFFFE0E0);
  ASSERT_TRUE(PumpUntil([&] { return scene->draws > before; }));
  EXPECT_TRUE(NearColor(Pixel(60, 120), 0xFFFFE0E0, 0));
  EXPECT_TRUE(NearColor(Pixel(230, 110), kBlue, 0)) << "the circle is painted again over the new fill";
}

// The root background of a transparent scene passes over its style while its children paint.
// Painting lays nothing out again, so what the pointer's hit test asks of a child afterwards
// (its absolute matrix) asks for no further paint.
TEST_F(ShapesScene, ARootBackgroundsChildrenAreNotPaintedAgainAfterEachPass) {
  TvgResources styles(nullptr);
  styles.Resource()->SetText(
      "object TvgVisualObject\r\n"
      "  object TvgRectangle\r\n"
      "    ResourceName = 'backgroundstyle'\r\n"
      "    Fill.Color = '#FF00FF00'\r\n"
      "  end\r\n"
      "end\r\n");
  scene->SetStyle(&styles);
  auto* backdrop = new TvgBackground(nullptr);
  backdrop->Fill()->SetStyle(vgBrushNone);
  backdrop->SetBounds(0, 0, 300, 160);
  auto* panel = Make<TvgRectangle>(backdrop, 0, 0, 100, 100);
  panel->SetAlign(vaClient);
  panel->Padding()->SetRect({10, 10, 10, 10});
  root->SetVisible(false);
  scene->AddObject(backdrop);
  ASSERT_TRUE(PumpUntil([&] { return NearColor(Pixel(150, 80), 0xFFE0E0E0, 0); })) << "the panel was not painted";
  ASSERT_NE(backdrop->StyleObject(), nullptr);
  EXPECT_EQ(Pixel(5, 5), 0u) << "the style is passed over";
  EXPECT_TRUE(backdrop->StyleObject()->Visual()->Visible());

  const int before = scene->draws;
  panel->GetAbsoluteMatrix();
  Application->ProcessMessages();
  EXPECT_EQ(scene->draws, before);
  scene->SetStyle(nullptr);
}

}  // namespace
