#include "engine/animation/ColorAnimation.h"

#include <gtest/gtest.h>

#include "tests/support/AnimationFixture.h"
#include "engine/paint/Gradient.h"

namespace {

class ColorAnimations : public AnimationFixture {
protected:
  void SetUp() override {
    AnimationFixture::SetUp();
    shape = NewShape();
  }

  TvgColorAnimation* NewColorAnimation(TvgObject* parent, const std::string& path, const std::string& start,
                                       const std::string& stop) {
    auto* animation = NewAnimation<TvgColorAnimation>(parent);
    animation->SetPropertyName(path);
    animation->SetStartValue(start);
    animation->SetStopValue(stop);
    return animation;
  }

  TAnimatedShape* shape = nullptr;
};

// Half-way through a 0.2 s run each channel moves by the truncated half of its difference.
TEST_F(ColorAnimations, BlendsEachChannelHalfWayWithTruncation) {
  struct Case {
    const char* start;
    const char* stop;
    const char* halfWay;
  };
  for (const Case& c : {Case{"#FF000000", "#FFFFFFFF", "#FF7F7F7F"}, Case{"#FFFFFFFF", "#FF000000", "#FF808080"},
                        Case{"#00FF0010", "#FF00FF11", "#7F807F10"}}) {
    TvgColorAnimation* animation = NewColorAnimation(shape, "Fill.Color", c.start, c.stop);
    animation->Start();
    EXPECT_EQ(shape->Fill()->Color(), c.start);
    Tick(100);
    EXPECT_EQ(shape->Fill()->Color(), c.halfWay) << c.start << " to " << c.stop;
    Tick(100);
    EXPECT_EQ(shape->Fill()->Color(), c.stop);
    animation->Free();
  }
}

TEST_F(ColorAnimations, WritesIntegerColourProperties) {
  TvgColorAnimation* animation = NewColorAnimation(shape, "ColorNumber", "#FF000000", "#FFFFFFFF");
  animation->Start();
  Tick(100);
  EXPECT_EQ(shape->ColorNumber(), 0xFF7F7F7Fu);
}

TEST_F(ColorAnimations, StartFromCurrentReadsTheColourWhenStarting) {
  shape->Fill()->SetColor("#FF204060");
  TvgColorAnimation* animation = NewColorAnimation(shape, "Fill.Color", "#FFFFFFFF", "#FF204060");
  animation->SetStartFromCurrent(true);
  animation->Start();
  EXPECT_EQ(animation->StartValue(), "#FF204060");
  shape->SetColorNumber(0x80112233);
  TvgColorAnimation* numeric = NewColorAnimation(shape, "ColorNumber", "#FFFFFFFF", "#FF000000");
  numeric->SetStartFromCurrent(true);
  numeric->Start();
  EXPECT_EQ(numeric->StartValue(), "#80112233");
}

TEST_F(ColorAnimations, APathSegmentThatIsNoObjectIsPassedOver) {
  TvgColorAnimation* animation = NewColorAnimation(shape, "Width. Fill .Color", "#FF000000", "#FF0000FF");
  animation->Start();
  animation->Stop();
  EXPECT_EQ(shape->Fill()->Color(), "#FF0000FF");
  EXPECT_EQ(animation->PropertyName(), "Width. Fill .Color") << "the path text is kept";
}

TEST_F(ColorAnimations, PropertiesThatHoldNoColourAreLeftAlone) {
  for (const char* path : {"Level", "Fill", "NoSuchProperty", "Fill.NoSuchProperty", ""}) {
    TvgColorAnimation* animation = NewColorAnimation(shape, path, "#FF000000", "#FF0000FF");
    animation->Start();
    Tick(100);
    animation->Stop();
    animation->Free();
  }
  EXPECT_EQ(shape->Level(), 0);
  EXPECT_EQ(shape->Fill()->Color(), "#FFFFFFFF");
}

// The target of a running animation goes with the object it was found in; the animation then
// writes nothing until it is started again under its new parent.
TEST_F(ColorAnimations, ForgetsItsTargetWhenTheObjectItWasFoundInIsFreed) {
  TAnimatedShape* first = NewShape();
  TAnimatedShape* second = NewShape();
  TvgColorAnimation* animation = NewColorAnimation(first, "Fill.Color", "#FF000000", "#FF0000FF");
  animation->Start();
  second->AddObject(animation);
  first->Free();
  Tick(100);
  EXPECT_EQ(second->Fill()->Color(), "#FFFFFFFF");
  animation->Start();
  Tick(200);
  EXPECT_EQ(second->Fill()->Color(), "#FF0000FF");
}

class GradientAnimations : public ColorAnimations {
protected:
  static void SetPoints(TvgGradient* gradient, std::initializer_list<TvgColor> colors) {
    gradient->Points()->Clear();
    float offset = 0;
    for (TvgColor color : colors) gradient->Points()->Add(color, offset++);
  }
  static TvgColor PointColor(TvgGradient* gradient, int index) {
    return gradient->Points()->Points(index)->IntColor();
  }
};

TEST_F(GradientAnimations, RecolourTheStopsAllThreeHaveAndAnnounceTheChange) {
  TvgGradient* target = shape->Fill()->Gradient();
  SetPoints(target, {0xFF111111, 0xFF222222, 0xFF333333});
  int changes = 0;
  target->OnChanged = [&](TObject*) { ++changes; };
  auto* animation = NewAnimation<TvgGradientAnimation>(shape);
  animation->SetPropertyName("Fill.Gradient");
  SetPoints(animation->StartValue(), {0xFF000000, 0xFF000000});
  SetPoints(animation->StopValue(), {0xFFFFFFFF, 0xFF0000FF, 0xFFFF0000});
  animation->Start();
  Tick(100);
  EXPECT_EQ(PointColor(target, 0), 0xFF7F7F7Fu);
  EXPECT_EQ(PointColor(target, 1), 0xFF00007Fu);
  EXPECT_EQ(PointColor(target, 2), 0xFF333333u) << "a stop the start gradient lacks is kept";
  EXPECT_EQ(changes, 2);
}

TEST_F(GradientAnimations, StartFromCurrentCopiesTheTargetGradient) {
  TvgGradient* target = shape->Fill()->Gradient();
  SetPoints(target, {0xFF102030, 0xFF405060});
  auto* animation = NewAnimation<TvgGradientAnimation>(shape);
  animation->SetPropertyName("Fill.Gradient");
  animation->SetStartFromCurrent(true);
  SetPoints(animation->StopValue(), {0xFF000000, 0xFF000000});
  animation->Start();
  EXPECT_EQ(PointColor(animation->StartValue(), 1), 0xFF405060u);
  EXPECT_EQ(PointColor(target, 1), 0xFF405060u);
}

}  // namespace
