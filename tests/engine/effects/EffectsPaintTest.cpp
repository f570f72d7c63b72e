// Effects in the paint pipeline: a grey square with one effect, painted by its parent through
// the GDI+ canvas, shows the effect's output around, over or instead of the square.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/gdiplus/CanvasGdiPlus.h"
#include "engine/effects/Effects.h"
#include "engine/gdiplus/GdiPlusUnit.h"
#include "engine/tree/VisualObject.h"
#include "tests/support/RecordingScene.h"

namespace {

constexpr TvgColor kGrey = 0xFF808080;
constexpr TvgCorners kAllCorners{vgCornerTopLeft, vgCornerTopRight, vgCornerBottomLeft, vgCornerBottomRight};

class TSquare : public TvgVisualObject {
public:
  using TvgVisualObject::TvgVisualObject;
  void Paint() override {
    TvgCanvas* canvas = GetCanvas();
    canvas->Fill()->SetStyle(vgBrushSolid);
    canvas->Fill()->SetSolidColor(kGrey);
    canvas->FillRect(GetLocalRect(), 0, 0, kAllCorners, 1, vgCornerRound);
  }
};

// The square covers 40..69 on both axes of a 120 x 120 canvas.
class EffectsPaint : public testing::Test {
protected:
  void SetUp() override {
    vgInitializeGdiPlusUnit();
    canvas = std::make_unique<TvgCanvasGdiPlus>(120, 120);
    scene = std::make_unique<TRecordingScene>();
    scene->canvas = canvas.get();
    root = new TvgVisualObject(scene.get());
    scene->AddObject(root);
    root->SetBounds(0, 0, 120, 120);
    square = new TSquare(root);
    root->AddObject(square);
    square->SetBounds(40, 40, 30, 30);
  }
  void TearDown() override {
    scene.reset();
    canvas.reset();
    vgFinalizeGdiPlusUnit();
  }

  template <class E>
  E* AddEffect() {
    auto* effect = new E(square);
    square->AddObject(effect);
    return effect;
  }

  void Paint() {
    scene->updateRects = {{0, 0, 120, 120}};
    canvas->SetMatrix(vgIdentityMatrix);
    canvas->Clear(0);
    root->PaintChildren();
  }

  TvgColor At(int x, int y) const { return canvas->BufferBits()[y * canvas->Width() + x]; }
  uint32_t AlphaAt(int x, int y) const { return At(x, y) >> 24; }
  int Channel(int x, int y, int shift) const { return int((vgUnpremultiplyColor(At(x, y)) >> shift) & 0xFF); }
  float Lightness(int x, int y) const {
    float h, s, l;
    vgRGBtoHSL(vgUnpremultiplyColor(At(x, y)), h, s, l);
    return l;
  }

  std::unique_ptr<TvgCanvasGdiPlus> canvas;
  std::unique_ptr<TRecordingScene> scene;
  TvgVisualObject* root = nullptr;
  TSquare* square = nullptr;
};

TEST_F(EffectsPaint, WithoutEffectsTheSquareIsCrisp) {
  Paint();
  EXPECT_EQ(At(55, 55), kGrey);
  EXPECT_EQ(At(40, 55), kGrey);
  EXPECT_EQ(At(39, 55), 0u);
}

TEST_F(EffectsPaint, GlowShinesAroundTheSquare) {
  AddEffect<TvgGlowEffect>();
  Paint();
  EXPECT_EQ(At(55, 55), kGrey);
  EXPECT_GT(AlphaAt(38, 55), 60u);
  EXPECT_GT(Channel(38, 55, 16), Channel(38, 55, 0) + 100) << "gold: much more red than blue";
  EXPECT_EQ(At(5, 5), 0u);
}

TEST_F(EffectsPaint, ShadowFallsBelowAndRightOfTheSquare) {
  AddEffect<TvgShadowEffect>();
  Paint();
  EXPECT_EQ(At(55, 55), kGrey);
  EXPECT_GT(AlphaAt(71, 55), 40u);
  EXPECT_EQ(At(71, 55) & 0x00FFFFFF, 0u) << "black";
  EXPECT_GT(AlphaAt(71, 55), AlphaAt(38, 55)) << "moved away from the light";
}

TEST_F(EffectsPaint, BlurReplacesTheCrispSquare) {
  AddEffect<TvgBlurEffect>();
  Paint();
  EXPECT_EQ(At(55, 55), kGrey);
  EXPECT_GT(AlphaAt(40, 55), 30u);
  EXPECT_LT(AlphaAt(40, 55), 230u) << "the edge is soft";
  EXPECT_GT(AlphaAt(38, 55), 0u) << "and reaches beyond the square";
}

TEST_F(EffectsPaint, InnerGlowTintsTheInsideOfTheOutline) {
  AddEffect<TvgInnerGlowEffect>();
  Paint();
  EXPECT_GT(Channel(41, 55, 16), Channel(41, 55, 0) + 40) << "gold over grey";
  EXPECT_EQ(At(55, 55), kGrey) << "the middle is beyond the glow";
  EXPECT_EQ(At(38, 55), 0u) << "nothing outside";
}

TEST_F(EffectsPaint, BevelLightsTheEdgesFacingTheLight) {
  AddEffect<TvgBevelEffect>();
  Paint();
  const float grey = 128.0f / 255;
  EXPECT_GT(Lightness(41, 55), grey + 0.05f);
  EXPECT_LT(Lightness(68, 55), grey - 0.05f);
  EXPECT_EQ(AlphaAt(55, 55), 255u);
}

TEST_F(EffectsPaint, ReflectionFadesBelowTheSquare) {
  AddEffect<TvgReflectionEffect>();
  Paint();
  EXPECT_EQ(At(55, 55), kGrey);
  EXPECT_GT(AlphaAt(55, 70), 90u);
  EXPECT_LT(AlphaAt(55, 70), 130u) << "about half of the reflection's opacity";
  EXPECT_NEAR(Channel(55, 70, 8), 0x80, 4) << "grey, up to the rounding of premultiplication";
  EXPECT_LT(AlphaAt(55, 75), AlphaAt(55, 70));
  EXPECT_EQ(AlphaAt(55, 90), 0u) << "beyond half of the square's height";
}

}  // namespace
