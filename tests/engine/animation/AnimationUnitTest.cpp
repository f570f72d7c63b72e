#include "engine/animation/AnimationUnit.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "classlib/core/StringStream.h"
#include "engine/animation/AnimationClock.h"
#include "engine/animation/BitmapAnimation.h"
#include "engine/values/Bounds.h"
#include "engine/animation/ColorAnimation.h"
#include "engine/tree/Control.h"
#include "engine/animation/FloatAnimation.h"
#include "engine/paint/Gradient.h"
#include "engine/animation/KeyAnimation.h"
#include "engine/tree/TreeUnit.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/animation/PathAnimation.h"
#include "engine/paint/PathData.h"

namespace {

const char* const kAnimationClasses[] = {
    "TvgColorAnimation",    "TvgGradientAnimation", "TvgFloatAnimation",    "TvgRectAnimation",
    "TvgBitmapAnimation",   "TvgBitmapListAnimation", "TvgColorKeyAnimation", "TvgFloatKeyAnimation",
    "TvgPathAnimation",     "TvgPathSwitcher"};

class AnimationUnit : public ::testing::Test {
protected:
  void SetUp() override {
    vgInitializeTreeUnit();
    vgInitializeAnimationUnit();
  }

  static std::string Text(TvgObject* object) {
    TStringStream text;
    vgSaveObjectToText(object, text);
    return text.DataString();
  }
  static std::unique_ptr<TvgObject> Load(const std::string& text) {
    TStringStream stream(text);
    return std::unique_ptr<TvgObject>(vgLoadObjectFromText(nullptr, stream));
  }
};

TEST_F(AnimationUnit, RegistersTheAnimationsForStreamingAndUnderTheirCategory) {
  vgInitializeAnimationUnit();  // a second start-up registers nothing twice
  int inCategory = 0;
  for (const TvgObjectCategory& entry : vgObjectCategories())
    if (entry.Category == "Animations") ++inCategory;
  EXPECT_EQ(inCategory, 10);
  for (const char* name : kAnimationClasses) {
    TClass c = GetClass(name);
    ASSERT_NE(c, nullptr) << name;
    std::unique_ptr<TObject> made(c->Construct(nullptr));
    EXPECT_NE(dynamic_cast<TvgAnimation*>(made.get()), nullptr) << name;
  }
}

TEST_F(AnimationUnit, ShutDownFreesTheClock) {
  vgNeedAnimationClock();
  vgFinalizeAnimationUnit();
  EXPECT_EQ(vgAnimationClock(), nullptr);
}

// A style with one animation of each kind survives saving and loading unchanged.
TEST_F(AnimationUnit, AnimationsTravelThroughComponentStreams) {
  TvgControl style(nullptr);
  auto add = [&](TvgAnimation* animation) {
    style.AddObject(animation);
    return animation;
  };
  auto* color = static_cast<TvgColorAnimation*>(add(new TvgColorAnimation(&style)));
  color->SetPropertyName("Fill.Color");
  color->SetStopValue("#FF2060A0");
  color->SetTrigger("IsMouseOver=true");
  color->SetTriggerInverse("IsMouseOver=false");
  color->SetDuration(0.3f);
  color->SetInterpolation(vgInterpolationBounce);
  color->SetAnimationType(vgAnimationInOut);
  auto* gradient = static_cast<TvgGradientAnimation*>(add(new TvgGradientAnimation(&style)));
  gradient->StopValue()->Points()->Points(1)->SetColor("#FF00FF00");
  auto* rect = static_cast<TvgRectAnimation*>(add(new TvgRectAnimation(&style)));
  rect->StopValue()->SetRect({1, 2, 3, 4});
  rect->SetDelay(0.5f);
  auto* keys = static_cast<TvgFloatKeyAnimation*>(add(new TvgFloatKeyAnimation(&style)));
  auto* key = static_cast<TvgFloatKey*>(keys->Keys()->Add());
  key->SetKey(0.5f);
  key->SetValue(3);
  keys->SetLoop(true);
  keys->SetAutoReverse(true);
  auto* path = static_cast<TvgPathAnimation*>(add(new TvgPathAnimation(&style)));
  path->Path()->SetData("M 0 0 L 10 10");
  path->SetRotate(true);
  auto* switcher = static_cast<TvgPathSwitcher*>(add(new TvgPathSwitcher(&style)));
  switcher->SetPathTrue("M 0 0 L 1 1");
  auto* frames = static_cast<TvgBitmapListAnimation*>(add(new TvgBitmapListAnimation(&style)));
  frames->SetAnimationCount(5);

  const std::string saved = Text(&style);
  std::unique_ptr<TvgObject> loaded = Load(saved);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(Text(loaded.get()), saved);
  ASSERT_EQ(loaded->ChildrenCount(), 7);
  auto* loadedColor = dynamic_cast<TvgColorAnimation*>(loaded->Children(0));
  ASSERT_NE(loadedColor, nullptr);
  EXPECT_EQ(loadedColor->StopValue(), "#FF2060A0");
  EXPECT_EQ(loadedColor->TriggerInverse(), "IsMouseOver=false");
  EXPECT_EQ(loadedColor->Duration(), 0.3f);
  EXPECT_EQ(loadedColor->Interpolation(), vgInterpolationBounce);
  EXPECT_EQ(static_cast<TvgRectAnimation*>(loaded->Children(2))->StopValue()->GetRect(), (TvgRect{1, 2, 3, 4}));
  EXPECT_EQ(static_cast<TvgFloatKeyAnimation*>(loaded->Children(3))->Keys()->Keys(0)->Key(), 0.5f);
  EXPECT_EQ(static_cast<TvgPathSwitcher*>(loaded->Children(5))->Duration(), 0.001f);
}

// Read outside a scene, an enabled animation starts at once and so jumps to its end.
TEST_F(AnimationUnit, AnEnabledAnimationStartsWhenLoaded) {
  std::unique_ptr<TvgObject> loaded = Load(
      "object Style: TvgControl\r\n"
      "  object Fade: TvgFloatAnimation\r\n"
      "    Enabled = True\r\n"
      "    Duration = 0.5\r\n"
      "    PropertyName = 'Opacity'\r\n"
      "    StartValue = 1.0\r\n"
      "    StopValue = 0.25\r\n"
      "  end\r\n"
      "end\r\n");
  ASSERT_NE(loaded, nullptr);
  auto* control = static_cast<TvgControl*>(loaded.get());
  EXPECT_EQ(control->Opacity(), 0.25f);
  auto* fade = static_cast<TvgAnimation*>(control->Children(0));
  EXPECT_FALSE(fade->Running());
  EXPECT_EQ(fade->Duration(), 0.5f);
}

}  // namespace
