#include "engine/animation/BitmapAnimation.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/AnimationFixture.h"
#include "engine/gdiplus/CanvasGdiPlus.h"
#include "engine/gdiplus/GdiPlusApi.h"

namespace {

constexpr TvgColor kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

// Bitmap animations draw through the GDI+ bitmap canvas; every bitmap and its canvas is gone
// before GDI+ shuts down.
class BitmapAnimations : public AnimationFixture {
protected:
  void SetUp() override {
    AnimationFixture::SetUp();
    StartupGdiplus();
    previousCanvasClass = DefaultCanvasClass;
    DefaultCanvasClass = vgCanvasClass<TvgCanvasGdiPlus>();
    shape = NewShape();
  }
  void TearDown() override {
    while (!scene.roots.empty()) scene.roots.back()->Free();
    DefaultCanvasClass = previousCanvasClass;
    ShutdownGdiplus();
    AnimationFixture::TearDown();
  }

  static void Fill(TvgBitmap* bitmap, int width, int height, TvgColor color) {
    bitmap->SetSize(width, height);
    bitmap->Clear(color);
  }

  // Every pixel of the bitmap within tolerance of the colour.
  static testing::AssertionResult AllNear(TvgBitmap* bitmap, TvgColor expected, int tolerance) {
    if (bitmap->IsEmpty()) return testing::AssertionFailure() << "empty bitmap";
    for (int i = 0; i < bitmap->Width() * bitmap->Height(); ++i)
      for (int shift : {24, 16, 8, 0}) {
        int actual = int((bitmap->Bits()[i] >> shift) & 0xFF), wanted = int((expected >> shift) & 0xFF);
        if (std::abs(actual - wanted) > tolerance)
          return testing::AssertionFailure() << "pixel " << i << " is " << vgColorToStr(bitmap->Bits()[i])
                                             << ", not " << vgColorToStr(expected);
      }
    return testing::AssertionSuccess();
  }

  const TvgCanvasClass* previousCanvasClass = nullptr;
  TAnimatedShape* shape = nullptr;
};

TEST_F(BitmapAnimations, CrossFadeFromTheStartBitmapToTheStopBitmap) {
  auto* animation = NewAnimation<TvgBitmapAnimation>(shape);
  animation->SetPropertyName("Picture");
  Fill(animation->StartValue(), 4, 4, kRed);
  Fill(animation->StopValue(), 4, 4, kBlue);
  for (bool inverse : {false, true}) {
    SCOPED_TRACE(inverse ? "inverse" : "normal");
    animation->SetInverse(inverse);
    animation->Start();
    EXPECT_TRUE(AllNear(shape->Picture(), inverse ? kBlue : kRed, 0));
    Tick(100);
    EXPECT_TRUE(AllNear(shape->Picture(), 0xFF800080, 1)) << "both directions pass through the same pictures";
    Tick(100);
    EXPECT_TRUE(AllNear(shape->Picture(), inverse ? kRed : kBlue, 0));
  }
}

TEST_F(BitmapAnimations, APropertyThatHoldsNoBitmapIsLeftAlone) {
  auto* animation = NewAnimation<TvgBitmapAnimation>(shape);
  animation->SetPropertyName("Fill");
  animation->Start();
  animation->Stop();
  EXPECT_TRUE(shape->Picture()->IsEmpty());
}

class BitmapListAnimations : public BitmapAnimations {
protected:
  // Four 16-column frames, each followed by a black separating column (the last one cut off):
  // 67 columns in all.
  void SetUp() override {
    BitmapAnimations::SetUp();
    animation = NewAnimation<TvgBitmapListAnimation>(shape);
    animation->SetPropertyName("Picture");
    animation->SetAnimationCount(4);
    TvgBitmap* strip = animation->AnimationBitmap();
    Fill(strip, 67, 3, 0xFF000000);
    for (int frame = 0; frame < 4; ++frame)
      strip->ClearRect({float(frame * 17), 0, float(frame * 17 + 16), 3}, kFrames[frame]);
    Fill(shape->Picture(), 16, 3, 0);
  }

  static constexpr TvgColor kFrames[4] = {0xFF100000, 0xFF002000, 0xFF000030, 0xFF404040};
  TvgBitmapListAnimation* animation = nullptr;
};

TEST_F(BitmapListAnimations, ShowOneFrameAfterAnotherOfTheStrip) {
  animation->SetDuration(0.3f);
  animation->Start();
  EXPECT_TRUE(AllNear(shape->Picture(), kFrames[0], 0));
  Tick(150);
  EXPECT_TRUE(AllNear(shape->Picture(), kFrames[1], 0)) << "frame Trunc(0.5 x 3)";
  Tick(100);
  EXPECT_TRUE(AllNear(shape->Picture(), kFrames[2], 0));
  Tick(50);
  EXPECT_TRUE(AllNear(shape->Picture(), kFrames[3], 0)) << "the last frame, from column 51";
}

TEST_F(BitmapListAnimations, AStripWithoutFramesShowsNothing) {
  shape->Picture()->Clear(kRed);
  animation->SetAnimationCount(0);
  animation->Start();
  animation->Stop();
  EXPECT_TRUE(AllNear(shape->Picture(), kRed, 0));
}

TEST_F(BitmapListAnimations, OvershootingCurvesKeepToTheFirstAndLastFrame) {
  animation->SetInterpolation(vgInterpolationElastic);
  animation->SetAnimationType(vgAnimationOut);
  animation->SetDuration(1);
  animation->Start();
  Tick(150);
  EXPECT_GT(animation->NormalizedTime(), 4.0f / 3) << "past the frame after the last";
  EXPECT_TRUE(AllNear(shape->Picture(), kFrames[3], 0));
}

}  // namespace
