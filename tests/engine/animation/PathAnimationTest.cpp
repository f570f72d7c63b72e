#include "engine/animation/PathAnimation.h"

#include <gtest/gtest.h>

#include "tests/support/AnimationFixture.h"
#include "engine/values/Bounds.h"
#include "engine/paint/PathData.h"

namespace {

class PathAnimations : public AnimationFixture {
protected:
  void SetUp() override {
    AnimationFixture::SetUp();
    shape = NewShape();
    shape->Position()->SetPoint({10, 20});
  }

  TvgPathAnimation* NewPathAnimation(const std::string& path) {
    auto* animation = NewAnimation<TvgPathAnimation>(shape);
    animation->Path()->SetData(path);
    return animation;
  }

  TvgPoint Position() const { return shape->Position()->GetPoint(); }

  TAnimatedShape* shape = nullptr;
};

TEST_F(PathAnimations, MoveTheParentAlongThePathFromWhereItStood) {
  TvgPathAnimation* animation = NewPathAnimation("M 0 0 L 40 0");
  animation->Start();
  EXPECT_EQ(Position(), (TvgPoint{10, 20}));
  Tick(100);
  EXPECT_FLOAT_EQ(Position().X, 30);
  EXPECT_FLOAT_EQ(Position().Y, 20);
  Tick(100);
  EXPECT_EQ(Position(), (TvgPoint{50, 20})) << "the run ends on the path's last point";
}

TEST_F(PathAnimations, AClosedFigureEndsWhereItBegan) {
  TvgPathAnimation* animation = NewPathAnimation("M 0 0 L 30 0 L 30 30 Z");
  animation->Start();
  animation->Stop();
  EXPECT_NEAR(Position().X, 10, 1e-3) << "the figure's end marker is no point of the way";
  EXPECT_NEAR(Position().Y, 20, 1e-3);
}

TEST_F(PathAnimations, RotateTurnsTheParentWithItsMotion) {
  struct Case {
    const char* path;
    bool inverse;
    float angle;
  };
  for (const Case& c : {Case{"M 0 0 L 40 40", false, -45}, Case{"M 0 0 L -40 40", false, 45},
                        Case{"M 0 0 L 40 40", true, 315}, Case{"M 0 0 L -40 -40", false, 135}}) {
    shape->Position()->SetPoint({10, 20});
    shape->SetRotateAngle(0);
    TvgPathAnimation* animation = NewPathAnimation(c.path);
    animation->SetRotate(true);
    animation->SetInverse(c.inverse);
    animation->Start();
    Tick(100);
    EXPECT_NEAR(shape->RotateAngle(), c.angle, 1e-3) << c.path << (c.inverse ? " inverse" : "");
    animation->Free();
  }
}

TEST_F(PathAnimations, MotionAlongOneAxisDoesNotTurn) {
  TvgPathAnimation* animation = NewPathAnimation("M 0 0 L 40 0");
  animation->SetRotate(true);
  animation->Start();
  Tick(100);
  EXPECT_EQ(shape->RotateAngle(), 0);
}

TEST_F(PathAnimations, AnEmptyPathLeavesTheParentWhereItIs) {
  TvgPathAnimation* animation = NewPathAnimation("");
  animation->Start();
  Tick(100);
  animation->Stop();
  EXPECT_EQ(Position(), (TvgPoint{10, 20}));
}

TEST_F(PathAnimations, TheSwitcherOnlyTimes) {
  auto* switcher = NewAnimation<TvgPathSwitcher>(shape);
  EXPECT_EQ(switcher->Duration(), 0.001f);
  switcher->SetPropertyName("Path.Data");
  switcher->SetPathTrue("M 0 0 L 1 1");
  int finishes = 0;
  switcher->OnFinish = [&](TObject*) { ++finishes; };
  switcher->Start();
  EXPECT_TRUE(switcher->Running());
  Tick();
  EXPECT_FALSE(switcher->Running());
  EXPECT_EQ(finishes, 1);
  EXPECT_EQ(Position(), (TvgPoint{10, 20}));
}

}  // namespace
