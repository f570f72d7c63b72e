#include "engine/animation/FloatAnimation.h"

#include <gtest/gtest.h>

#include "tests/support/AnimationFixture.h"
#include "engine/values/Bounds.h"

namespace {

class FloatAnimations : public AnimationFixture {
protected:
  void SetUp() override {
    AnimationFixture::SetUp();
    shape = NewShape();
  }

  TvgFloatAnimation* NewFloatAnimation(const std::string& path, float start, float stop) {
    auto* animation = NewAnimation<TvgFloatAnimation>(shape);
    animation->SetPropertyName(path);
    animation->SetStartValue(start);
    animation->SetStopValue(stop);
    return animation;
  }

  TAnimatedShape* shape = nullptr;
};

TEST_F(FloatAnimations, AnimateTheFloatPropertyThePathNames) {
  struct Case {
    const char* path;
    float start, stop, halfWay;
    float (*read)(TAnimatedShape*);
  };
  const Case cases[] = {
      {"Opacity", 1, 0, 0.5f, [](TAnimatedShape* s) { return s->Opacity(); }},
      {"Position.X", 10, 30, 20, [](TAnimatedShape* s) { return s->Position()->X(); }},
      {"RotateAngle", 0, -90, -45, [](TAnimatedShape* s) { return s->RotateAngle(); }},
      {"Margins.Left", 0, 8, 4, [](TAnimatedShape* s) { return s->Margins()->Left(); }},
  };
  for (const Case& c : cases) {
    TvgFloatAnimation* animation = NewFloatAnimation(c.path, c.start, c.stop);
    animation->Start();
    Tick(100);
    EXPECT_FLOAT_EQ(c.read(shape), c.halfWay) << c.path;
    Tick(100);
    EXPECT_FLOAT_EQ(c.read(shape), c.stop) << c.path;
    animation->Free();
  }
}

TEST_F(FloatAnimations, StartFromCurrentTakesTheValueTheObjectHas) {
  shape->SetLevel(40);
  TvgFloatAnimation* animation = NewFloatAnimation("Level", 0, 60);
  animation->SetStartFromCurrent(true);
  animation->Start();
  EXPECT_EQ(animation->StartValue(), 40);
  Tick(100);
  EXPECT_EQ(shape->Level(), 50);
}

TEST_F(FloatAnimations, ResolveThePathAgainAtEveryStart) {
  TvgFloatAnimation* animation = NewFloatAnimation("Level", 0, 10);
  animation->Start();
  animation->Stop();
  TAnimatedShape* other = NewShape();
  other->AddObject(animation);
  animation->Start();
  animation->Stop();
  EXPECT_EQ(other->Level(), 10);
}

class RectAnimations : public FloatAnimations {
protected:
  TvgRectAnimation* NewRectAnimation(const std::string& path, const TvgRect& start, const TvgRect& stop) {
    auto* animation = NewAnimation<TvgRectAnimation>(shape);
    animation->SetPropertyName(path);
    animation->StartValue()->SetRect(start);
    animation->StopValue()->SetRect(stop);
    return animation;
  }
};

TEST_F(RectAnimations, MoveEveryEdgeOfTheBoundsProperty) {
  TvgRectAnimation* animation = NewRectAnimation("Margins", {0, 0, 0, 0}, {10, 20, 30, 40});
  animation->Start();
  Tick(100);
  EXPECT_EQ(shape->Margins()->GetRect(), (TvgRect{5, 10, 15, 20}));
  Tick(100);
  EXPECT_EQ(shape->Margins()->GetRect(), (TvgRect{10, 20, 30, 40}));
}

TEST_F(RectAnimations, StartFromCurrentCopiesTheBounds) {
  shape->Padding()->SetRect({4, 4, 4, 4});
  TvgRectAnimation* animation = NewRectAnimation("Padding", {}, {0, 0, 0, 0});
  animation->SetStartFromCurrent(true);
  animation->Start();
  EXPECT_EQ(animation->StartValue()->GetRect(), (TvgRect{4, 4, 4, 4}));
  Tick(100);
  EXPECT_EQ(shape->Padding()->GetRect(), (TvgRect{2, 2, 2, 2}));
}

TEST_F(RectAnimations, APropertyThatIsNoBoundsIsLeftAlone) {
  TvgRectAnimation* animation = NewRectAnimation("Position", {1, 2, 3, 4}, {5, 6, 7, 8});
  animation->SetStartFromCurrent(true);
  animation->Start();
  Tick(100);
  animation->Stop();
  EXPECT_EQ(shape->Position()->GetPoint(), (TvgPoint{0, 0}));
}

TEST_F(FloatAnimations, AnimateFloatRunsAOneOffChildThatFreesItself) {
  shape->SetOpacity(0.2f);
  vgAnimateFloat(shape, "Opacity", 1, 0.2f, vgAnimationIn, vgInterpolationLinear);
  ASSERT_EQ(shape->ChildrenCount(), 1);
  Tick(100);
  EXPECT_FLOAT_EQ(shape->Opacity(), 0.6f);
  Tick(100);
  EXPECT_FLOAT_EQ(shape->Opacity(), 1);
  EXPECT_EQ(shape->ChildrenCount(), 0);
  EXPECT_EQ(vgAnimationClock()->Count(), 0);
}

TEST_F(FloatAnimations, AnimateFloatOutsideASceneArrivesAtOnce) {
  TAnimatedShape loose(nullptr);
  vgAnimateFloat(&loose, "Level", 7, 0.2f, vgAnimationOut, vgInterpolationCubic);
  EXPECT_EQ(loose.Level(), 7);
  EXPECT_EQ(loose.ChildrenCount(), 0);
}

// Waiting runs the real message loop, driven by the clock's own timer.
TEST_F(FloatAnimations, AnimateFloatWaitReturnsAtTheEndWithNothingLeft) {
  vgSetAnimationTickSource(nullptr);
  vgAnimateFloatWait(shape, "Level", 25, 0.1f, vgAnimationInOut, vgInterpolationSinusoidal);
  EXPECT_EQ(shape->Level(), 25);
  EXPECT_EQ(shape->ChildrenCount(), 0);
}

}  // namespace
