#include "engine/animation/AnimationTrigger.h"

#include <gtest/gtest.h>

#include "tests/support/AnimationFixture.h"
#include "engine/animation/ColorAnimation.h"
#include "engine/animation/FloatAnimation.h"

namespace {

TEST(TriggerText, ConditionsHoldWhenAllComparedOnesMatch) {
  TAnimatedShape shape(nullptr);
  shape.SetIsMouseOver(true);
  shape.SetAlign(vaClient);
  struct Case {
    const char* trigger;
    bool holds;
  };
  const Case cases[] = {
      {"IsMouseOver=true;IsPressed=false", true},
      {"IsMouseOver=true;IsPressed=true", false},
      {"IsPressed=true;IsMouseOver=true", false},
      {"  IsMouseOver = TRUE ;  IsPressed= False ", true},
      {"IsMouseOver=true;", true},
      {"Align=vaClient", true},
      {"align=VACLIENT;IsMouseOver=true", true},
      {"Align=vaTop", false},
      {"NoSuchProperty=true;IsMouseOver=true", true},
      {"Width=50;IsMouseOver=true", true},
      {"NoSuchProperty=true", false},
      {"Width=50", false},
      {"IsMouseOver", false},
      {"", false},
      {";;=;", false},
  };
  for (const Case& c : cases) EXPECT_EQ(vgTriggerHolds(&shape, c.trigger), c.holds) << c.trigger;
  EXPECT_FALSE(vgTriggerHolds(nullptr, "IsMouseOver=false"));
}

TEST(TriggerText, TheLastComparableConditionDecidesForEffects) {
  TAnimatedShape shape(nullptr);
  shape.SetIsMouseOver(true);
  struct Case {
    const char* trigger;
    bool result;
  };
  const Case cases[] = {
      {"IsMouseOver=true", true},
      {"IsMouseOver=false", false},
      {"IsMouseOver=false;IsPressed=false", true},
      {"IsMouseOver=true;IsPressed=true", false},
      {"IsMouseOver=true;NoSuchProperty=x", true},
      {"Width=50", false},
  };
  for (const Case& c : cases) EXPECT_EQ(vgTriggerLastCondition(&shape, c.trigger), c.result) << c.trigger;
}

TEST(TriggerText, MentionsTheStateIgnoringCase) {
  EXPECT_TRUE(vgTriggerMentions("IsMouseOver=true;IsPressed=false", "ispressed"));
  EXPECT_TRUE(vgTriggerMentions("ISMOUSEOVER=true", "IsMouseOver"));
  EXPECT_FALSE(vgTriggerMentions("IsMouseOver=true", "IsFocused"));
}

// The trigger walk of the object tree and the animations' answers.
class Triggers : public AnimationFixture {
protected:
  void SetUp() override {
    AnimationFixture::SetUp();
    control = NewShape();
  }

  // A locked, not hit-testing part as styles have.
  TAnimatedShape* NewPart(TvgObject* parent, bool stylePart = true) {
    auto* part = new TAnimatedShape(nullptr);
    part->SetLocked(stylePart);
    part->SetHitTest(!stylePart);
    parent->AddObject(part);
    return part;
  }

  TvgFloatAnimation* NewLevelAnimation(TvgObject* parent, const std::string& trigger,
                                       const std::string& triggerInverse = "") {
    auto* animation = NewAnimation<TvgFloatAnimation>(parent);
    animation->SetPropertyName("Level");
    animation->SetStopValue(100);
    animation->SetTrigger(trigger);
    animation->SetTriggerInverse(triggerInverse);
    return animation;
  }

  TAnimatedShape* control = nullptr;
};

TEST_F(Triggers, ANormalRunStartsOnlyForAMentionedStateWhoseConditionsHold) {
  TvgFloatAnimation* animation = NewLevelAnimation(control, "IsMouseOver=true;IsPressed=false");
  control->SetIsMouseOver(true);
  control->StartTriggerAnimation(control, "IsFocused");
  EXPECT_FALSE(animation->Running()) << "another state is not even evaluated";
  control->SetIsPressed(true);
  control->StartTriggerAnimation(control, "IsMouseOver");
  EXPECT_FALSE(animation->Running());
  control->SetIsPressed(false);
  control->StartTriggerAnimation(control, "IsMouseOver");
  EXPECT_TRUE(animation->Running());
  EXPECT_FALSE(animation->Inverse());
}

TEST_F(Triggers, TheInverseTriggerStartsAnInverseRunAndTheNormalOneTurnsItBack) {
  TvgFloatAnimation* animation = NewLevelAnimation(control, "IsMouseOver=true", "IsMouseOver=false");
  control->SetIsMouseOver(true);
  control->StartTriggerAnimation(control, "IsMouseOver");
  EXPECT_FALSE(animation->Inverse());
  Ticks(7);
  EXPECT_EQ(control->Level(), 100);
  control->SetIsMouseOver(false);
  control->StartTriggerAnimation(control, "IsMouseOver");
  EXPECT_TRUE(animation->Inverse());
  Ticks(7);
  EXPECT_EQ(control->Level(), 0);
  control->SetIsMouseOver(true);
  control->StartTriggerAnimation(control, "IsMouseOver");
  EXPECT_FALSE(animation->Inverse());
}

// A style is applied in its resting look; the inverse trigger that a state change reaches then
// has no normal run to take back, and the property keeps the style's own value.
TEST_F(Triggers, AnInverseTriggerWithNothingToTakeBackLeavesTheValue) {
  TvgFloatAnimation* animation = NewLevelAnimation(control, "IsMouseOver=true;IsPressed=false",
                                                   "IsMouseOver=false;IsPressed=false");
  animation->SetStartValue(-50);
  control->SetLevel(30);
  control->StartTriggerAnimation(control, "IsPressed");
  EXPECT_FALSE(animation->Running());
  Ticks(7);
  EXPECT_EQ(control->Level(), 30);

  control->SetIsMouseOver(true);
  control->StartTriggerAnimation(control, "IsMouseOver");
  Ticks(7);
  EXPECT_EQ(control->Level(), 100);
  control->SetIsMouseOver(false);
  control->StartTriggerAnimation(control, "IsMouseOver");
  EXPECT_TRUE(animation->Running());
  Ticks(7);
  EXPECT_EQ(control->Level(), -50);
  control->StartTriggerAnimation(control, "IsPressed");
  EXPECT_FALSE(animation->Running()) << "taken back already";
  EXPECT_EQ(control->Level(), -50);
}

TEST_F(Triggers, WithoutAnInverseTriggerInverseKeepsItsValue) {
  TvgFloatAnimation* animation = NewLevelAnimation(control, "IsPressed=true");
  animation->SetInverse(true);
  control->SetIsPressed(true);
  control->StartTriggerAnimation(control, "IsPressed");
  EXPECT_TRUE(animation->Running());
  EXPECT_TRUE(animation->Inverse());
}

TEST_F(Triggers, TheWalkPassesIntoStylePartsOnlyAndReadsTheInstance) {
  TAnimatedShape* part = NewPart(control);
  TAnimatedShape* nested = NewPart(part);
  TAnimatedShape* child = NewPart(control, false);
  TvgFloatAnimation* inPart = NewLevelAnimation(part, "IsPressed=true");
  TvgFloatAnimation* inNested = NewLevelAnimation(nested, "IsPressed=true");
  TvgFloatAnimation* inChild = NewLevelAnimation(child, "IsPressed=true");
  control->SetIsPressed(true);  // the parts themselves are not pressed: the instance is asked
  control->StartTriggerAnimation(control, "IsPressed");
  EXPECT_TRUE(inPart->Running());
  EXPECT_TRUE(inNested->Running());
  EXPECT_FALSE(inChild->Running()) << "a hit-testing child is a control of its own";
}

TEST_F(Triggers, StartingATriggerStopsTheRunningTriggerAnimationsFirst) {
  TvgFloatAnimation* over = NewLevelAnimation(control, "IsMouseOver=true");
  TAnimatedShape* part = NewPart(control);
  TvgFloatAnimation* pressed = NewLevelAnimation(part, "IsPressed=true");
  TvgFloatAnimation* pulse = NewLevelAnimation(control, "");
  pulse->SetPropertyName("RotateAngle");
  pulse->SetName("Pulse");
  control->SetIsMouseOver(true);
  control->StartTriggerAnimation(control, "IsMouseOver");
  control->StartAnimation("pulse");
  Tick();
  control->SetIsPressed(true);
  control->StartTriggerAnimation(control, "IsPressed");
  EXPECT_FALSE(over->Running());
  EXPECT_EQ(control->Level(), 100) << "stopped at its end";
  EXPECT_TRUE(pressed->Running());
  EXPECT_TRUE(pulse->Running()) << "an animation without a trigger is left alone";
  control->StopTriggerAnimation(control);
  EXPECT_FALSE(pressed->Running()) << "stopping passes into the style parts";
  EXPECT_TRUE(pulse->Running());
}

TEST_F(Triggers, AnimationsAreStartedAndStoppedByNameAmongTheDirectChildren) {
  TAnimatedShape* part = NewPart(control);
  TvgFloatAnimation* pulse = NewLevelAnimation(control, "");
  pulse->SetName("Pulse");
  part->StartAnimation("pulse");
  EXPECT_FALSE(pulse->Running());
  control->StartAnimation("pulse");
  EXPECT_TRUE(pulse->Running());
  control->StopAnimation("PULSE");
  EXPECT_FALSE(pulse->Running());
  EXPECT_EQ(control->Level(), 100);
}

TEST_F(Triggers, AnAnimationFreedByAFinishHandlerDuringTheWalkIsPassedOver) {
  TvgFloatAnimation* first = NewLevelAnimation(control, "IsPressed=true");
  TvgFloatAnimation* second = NewLevelAnimation(control, "IsPressed=true");
  first->OnFinish = [&](TObject*) { second->Free(); };
  control->SetIsPressed(true);
  control->StartTriggerAnimation(control, "IsPressed");
  control->StopTriggerAnimation(control);
  EXPECT_EQ(control->ChildrenCount(), 1);
  EXPECT_FALSE(first->Running());
}

TEST_F(Triggers, AColourAnimationFollowsTheMouseInAndOut) {
  auto* color = NewAnimation<TvgColorAnimation>(control);
  color->SetPropertyName("Fill.Color");
  color->SetStartValue("#FF000000");
  color->SetStopValue("#FFFF0000");
  color->SetTrigger("IsMouseOver=true");
  color->SetTriggerInverse("IsMouseOver=false");
  control->SetIsMouseOver(true);
  control->StartTriggerAnimation(control, "IsMouseOver");
  Ticks(7);
  EXPECT_EQ(control->Fill()->Color(), "#FFFF0000");
  control->SetIsMouseOver(false);
  control->StartTriggerAnimation(control, "IsMouseOver");
  Ticks(7);
  EXPECT_EQ(control->Fill()->Color(), "#FF000000");
}

// Waiting runs the real message loop: the clock's timer messages drive the run to its end.
TEST_F(Triggers, TheWaitingStartReturnsWhenTheRunHasEnded) {
  vgSetAnimationTickSource(nullptr);
  TvgFloatAnimation* animation = NewLevelAnimation(control, "IsPressed=true");
  animation->SetDuration(0.1f);
  TvgFloatAnimation* looping = NewLevelAnimation(control, "IsPressed=true");
  looping->SetPropertyName("RotateAngle");
  looping->SetLoop(true);
  control->SetIsPressed(true);
  control->StartTriggerAnimationWait(control, "IsPressed");
  EXPECT_FALSE(animation->Running());
  EXPECT_EQ(control->Level(), 100);
  EXPECT_TRUE(looping->Running()) << "a looping animation is not waited for";
}

}  // namespace
