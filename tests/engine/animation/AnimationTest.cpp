#include "engine/animation/Animation.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/AnimationFixture.h"
#include "engine/animation/FloatAnimation.h"

CL_PUBLISHED(TAnimatedShape) {
  published.Property("Fill", &TAnimatedShape::Fill, &TAnimatedShape::SetFill);
  published.Property("Picture", &TAnimatedShape::Picture, &TAnimatedShape::SetPicture);
  published.Property("Level", &TAnimatedShape::Level, &TAnimatedShape::SetLevel);
  published.Property("ColorNumber", &TAnimatedShape::ColorNumber, &TAnimatedShape::SetColorNumber);
  published.Property("IsPressed", &TAnimatedShape::IsPressed, &TAnimatedShape::SetIsPressed);
}

namespace {

// Timing is watched through a float animation of Level from 0 to 100.
class AnimationTiming : public AnimationFixture {
protected:
  void SetUp() override {
    AnimationFixture::SetUp();
    shape = NewShape();
    animation = NewAnimation<TvgFloatAnimation>(shape);
    animation->SetPropertyName("Level");
    animation->SetStartValue(0);
    animation->SetStopValue(100);
    animation->OnFinish = [this](TObject*) { ++finishes; };
  }

  bool Registered() const { return vgAnimationClock() && vgAnimationClock()->Contains(animation); }

  TAnimatedShape* shape = nullptr;
  TvgFloatAnimation* animation = nullptr;
  int finishes = 0;
};

TEST_F(AnimationTiming, ALinearRunEndsOnTheFirstTickAfterItsDurationAndFinishesOnce) {
  shape->SetLevel(-1);
  animation->Start();
  EXPECT_EQ(shape->Level(), 0) << "the start value is applied before the first tick";
  EXPECT_TRUE(Registered());
  Ticks(6);  // 0.198 s
  EXPECT_NEAR(shape->Level(), 99, 0.01);
  EXPECT_TRUE(animation->Running());
  EXPECT_EQ(finishes, 0);
  Tick();
  EXPECT_EQ(shape->Level(), 100);
  EXPECT_FALSE(animation->Running());
  EXPECT_FALSE(Registered());
  EXPECT_TRUE(animation->Enabled()) << "a natural end leaves Enabled on";
  Ticks(3);
  EXPECT_EQ(finishes, 1);
}

TEST_F(AnimationTiming, ATickWithoutElapsedTimeStepsNothing) {
  animation->Start();
  Tick(50);
  const float level = shape->Level();
  Tick(0);
  EXPECT_EQ(shape->Level(), level);
  EXPECT_EQ(vgAnimationClock()->LastDelta(), 0.05f);
}

// The system's tick count wraps around after 49.7 days.
TEST_F(AnimationTiming, StepsOnWhenTheTickCounterWrapsAround) {
  for (uint32_t start : {0xFFFFFFFFu - 40, 0xFFFFFFFFu}) {
    now = start;
    vgFreeAnimationClock();
    animation->Start();
    Ticks(2);
    EXPECT_NEAR(shape->Level(), 33, 0.01) << start;
    EXPECT_EQ(vgAnimationClock()->LastDelta(), 0.033f) << start;
    Ticks(5);
    EXPECT_EQ(shape->Level(), 100) << start;
  }
}

TEST_F(AnimationTiming, AClockSetBackStepsNothingAndCountsOnFromItsNewTime) {
  animation->Start();
  Tick(50);
  const float level = shape->Level();
  now -= 1000;
  Tick(0);
  EXPECT_EQ(shape->Level(), level);
  Tick(50);
  EXPECT_NEAR(shape->Level(), level + 25, 0.01) << "the run goes on at once";
  EXPECT_EQ(vgAnimationClock()->LastDelta(), 0.05f);
}

TEST_F(AnimationTiming, ADelayHoldsTheRunBackThenItStartsFromTheStartValue) {
  animation->SetDelay(1);
  animation->SetDuration(1);
  shape->SetLevel(-1);
  animation->Start();
  for (int i = 0; i < 4; ++i) {
    Tick(250);
    EXPECT_EQ(shape->Level(), -1) << "tick " << i;
    EXPECT_EQ(animation->NormalizedTime(), 0);
  }
  EXPECT_EQ(animation->DelayLeft(), 0);
  Tick(250);
  EXPECT_EQ(shape->Level(), 25);
  Ticks(3, 250);
  EXPECT_EQ(shape->Level(), 100);
  EXPECT_EQ(finishes, 1);
}

TEST_F(AnimationTiming, LoopWithAutoReverseTurnsRoundAtEachEndByFlippingInverse) {
  animation->SetLoop(true);
  animation->SetAutoReverse(true);
  animation->Start();
  struct Expected {
    float level;
    bool inverse;
  };
  const std::vector<Expected> steps = {{50, false}, {100, true}, {50, true}, {0, false}, {50, false}, {100, true}};
  for (size_t i = 0; i < steps.size(); ++i) {
    Tick(100);
    EXPECT_FLOAT_EQ(shape->Level(), steps[i].level) << "step " << i;
    EXPECT_EQ(animation->Inverse(), steps[i].inverse) << "step " << i;
  }
  EXPECT_EQ(animation->CurrentTime(), 0.2f) << "turning round keeps the time at the end";
  EXPECT_TRUE(animation->Running());
  EXPECT_EQ(finishes, 0);
}

TEST_F(AnimationTiming, LoopAloneStartsOverAtTheEnd) {
  animation->SetLoop(true);
  animation->Start();
  const std::vector<float> levels = {50, 0, 50, 0};
  for (size_t i = 0; i < levels.size(); ++i) {
    Tick(100);
    EXPECT_FLOAT_EQ(shape->Level(), levels[i]) << "step " << i;
  }
  EXPECT_FALSE(animation->Inverse());
}

TEST_F(AnimationTiming, AnInverseRunGoesFromTheStopValueToTheStartValue) {
  animation->SetInverse(true);
  animation->Start();
  EXPECT_EQ(shape->Level(), 100);
  Tick(100);
  EXPECT_FLOAT_EQ(shape->Level(), 50);
  Tick(100);
  EXPECT_EQ(shape->Level(), 0);
  EXPECT_FALSE(animation->Running());
  EXPECT_EQ(finishes, 1);
}

TEST_F(AnimationTiming, TheEasingCurveShapesTheProgress) {
  animation->SetDuration(1);
  animation->SetInterpolation(vgInterpolationQuadratic);
  struct Case {
    TvgAnimationType type;
    float level;
  };
  for (const Case& c : {Case{vgAnimationIn, 25}, Case{vgAnimationOut, 75}, Case{vgAnimationInOut, 50}}) {
    animation->SetAnimationType(c.type);
    animation->Start();
    Tick(500);
    EXPECT_FLOAT_EQ(shape->Level(), c.level) << c.type;
    animation->Stop();
  }
}

TEST_F(AnimationTiming, StopJumpsToTheEndAndStopAtCurrentStaysWhereItIs) {
  animation->Start();
  Tick(100);
  animation->Stop();
  EXPECT_EQ(shape->Level(), 100);
  EXPECT_FALSE(animation->Enabled());
  EXPECT_FALSE(Registered());
  EXPECT_EQ(finishes, 1);

  animation->Start();
  Tick(100);
  animation->StopAtCurrent();
  EXPECT_FLOAT_EQ(shape->Level(), 50);
  EXPECT_FALSE(Registered());
  EXPECT_EQ(finishes, 2);
  animation->Stop();
  EXPECT_EQ(finishes, 2) << "a stopped animation does not stop again";
}

TEST_F(AnimationTiming, AnAnimationWhoseParentIsHiddenStopsAtItsEndOnTheNextTick) {
  animation->Start();
  Tick(50);
  shape->SetVisible(false);
  Tick();
  EXPECT_EQ(shape->Level(), 100);
  EXPECT_FALSE(animation->Running());
  EXPECT_EQ(finishes, 1);
  animation->Start();
  EXPECT_FALSE(animation->Running()) << "a hidden parent's animation does not start";
}

TEST_F(AnimationTiming, APausedAnimationIsPassedOver) {
  animation->Start();
  Tick(50);
  const float level = shape->Level();
  animation->SetPaused(true);
  Ticks(10);
  EXPECT_EQ(shape->Level(), level);
  animation->SetPaused(false);
  Tick(50);
  EXPECT_EQ(shape->Level(), 50);
}

TEST_F(AnimationTiming, EnabledStartsAndStopsExceptWhileLoading) {
  animation->SetEnabled(true);
  EXPECT_TRUE(animation->Running());
  animation->SetEnabled(false);
  EXPECT_FALSE(animation->Running());
  EXPECT_EQ(shape->Level(), 100);

  animation->SetState(csLoading, true);
  animation->SetEnabled(true);
  EXPECT_FALSE(animation->Running());
  animation->Loaded();
  EXPECT_TRUE(animation->Running());
}

TEST_F(AnimationTiming, ACaretBlinksAtAThirdOfTheClocksRate) {
  animation->SetBindingName("Caret");
  animation->SetDuration(1);
  animation->Start();
  Ticks(2, 100);
  EXPECT_EQ(shape->Level(), 0);
  Tick(100);
  EXPECT_FLOAT_EQ(shape->Level(), 10) << "the third tick steps by the time since the tick before";
}

// The clock steps the newest first: the first step finishes and frees the oldest, and the walk
// still reaches the one in between.
TEST_F(AnimationTiming, AnAnimationThatFreesAnotherWhileSteppedDoesNotDisturbTheWalk) {
  auto* oldest = NewAnimation<TvgFloatAnimation>(shape);
  oldest->SetPropertyName("RotateAngle");
  oldest->SetStopValue(90);
  oldest->SetDuration(0.4f);
  auto* middle = NewAnimation<TvgFloatAnimation>(shape);
  middle->SetPropertyName("Opacity");
  middle->SetStartValue(1);
  middle->SetStopValue(0);
  middle->SetDuration(0.4f);
  animation->OnFinish = [&](TObject*) { oldest->Free(); };
  oldest->Start();
  middle->Start();
  animation->Start();
  Tick(200);
  EXPECT_EQ(shape->Level(), 100);
  EXPECT_EQ(shape->ChildrenCount(), 2);
  EXPECT_FLOAT_EQ(shape->Opacity(), 0.5f);
  EXPECT_EQ(vgAnimationClock()->Count(), 1);
  middle->Free();
  EXPECT_EQ(vgAnimationClock()->Count(), 0) << "a freed animation leaves the clock";
}

// Without a scene, in a designed scene or with no duration, a start applies the end at once.
TEST_F(AnimationTiming, AnImmediateStartAppliesTheEndAndFinishesAtOnce) {
  struct Case {
    const char* name;
    bool inScene;
    bool designing;
    float duration;
  };
  for (const Case& c : {Case{"no duration", true, false, 0}, Case{"no scene", false, false, 0.2f},
                        Case{"designing", true, true, 0.2f}}) {
    SCOPED_TRACE(c.name);
    auto* target = c.inScene ? NewShape() : new TAnimatedShape(nullptr);
    auto* run = NewAnimation<TvgFloatAnimation>(target);
    run->SetPropertyName("Level");
    run->SetStopValue(100);
    run->SetDuration(c.duration);
    int finished = 0;
    run->OnFinish = [&](TObject*) { ++finished; };
    scene.designing = c.designing;
    run->Start();
    EXPECT_EQ(target->Level(), 100);
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(run->Running());
    EXPECT_FALSE(run->Enabled());
    EXPECT_EQ(run->Duration(), c.duration) << "the stored duration is kept";
    EXPECT_EQ(vgAnimationClock(), nullptr) << "nothing is registered with the clock";
    run->SetInverse(true);
    run->Start();
    EXPECT_EQ(target->Level(), 0) << "an inverse run applies the start value";
    scene.designing = false;
    if (!c.inScene) target->Free();
  }
}

TEST_F(AnimationTiming, ADesignedSceneHoldsRunningAnimationsStill) {
  animation->Start();
  Tick(50);
  const float level = shape->Level();
  scene.designing = true;
  Ticks(5);
  EXPECT_EQ(shape->Level(), level);
  EXPECT_TRUE(animation->Running());
}

TEST(AnimationClock, IsMadeOnceAndFreedAtShutDown) {
  vgFreeAnimationClock();
  EXPECT_EQ(vgAnimationClock(), nullptr);
  TvgAniThread* clock = vgNeedAnimationClock();
  EXPECT_EQ(vgNeedAnimationClock(), clock);
  EXPECT_EQ(clock->Interval(), 33u);
  EXPECT_TRUE(clock->Enabled());
  vgFreeAnimationClock();
  EXPECT_EQ(vgAnimationClock(), nullptr);
  vgFreeAnimationClock();
}

}  // namespace
