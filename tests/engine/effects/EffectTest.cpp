// The effect base: triggers that switch effects from the state of the object they belong to,
// and the repaint of the parent when an effect is switched or changed.
#include "engine/effects/Effect.h"

#include <gtest/gtest.h>

#include <string>

#include "classlib/core/StringStream.h"
#include "engine/effects/Effects.h"
#include "engine/effects/EffectsUnit.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/tree/VisualObject.h"
#include "tests/support/RecordingScene.h"

namespace {

TEST(EffectTrigger, EnabledFollowsTheLastConditionOnAnEnumeratedProperty) {
  struct Case {
    const char* trigger;
    const char* state;
    bool enabledBefore, enabledAfter;
  } cases[] = {
      {"Visible=true", "Visible", true, false},
      {"Visible=false", "Visible", false, true},
      {" visible = FALSE ", "VISIBLE", false, true},
      {"Align=vaClient;Visible=true", "Align", true, false},
      {"Visible=true;Align=vaClient", "Align", false, true},
      {"Visible=false;Nothing=true", "Visible", false, true},  // an unknown name does not count
      {"Width=50", "Width", true, false},                      // nor a property that is no enumeration
      {"Visible=false", "IsFocused", false, false},            // a state it does not mention
      {"", "Visible", false, false},
  };
  TvgVisualObject instance(nullptr);
  instance.SetVisible(false);
  instance.SetAlign(vaClient);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "'" << c.trigger << "' for " << c.state);
    TvgShadowEffect effect(nullptr);
    effect.SetEnabled(c.enabledBefore);
    effect.SetTrigger(c.trigger);
    effect.ApplyTrigger(&instance, c.state);
    EXPECT_EQ(effect.Enabled(), c.enabledAfter);
  }
}

TEST(EffectTrigger, NeedsAnInstance) {
  TvgGlowEffect effect(nullptr);
  effect.SetTrigger("Visible=false");
  effect.ApplyTrigger(nullptr, "Visible");
  EXPECT_TRUE(effect.Enabled());
}

// Effects among the children answer, and so do those inside the locked parts of a style; an
// ordinary child's effects belong to that child.
TEST(EffectTrigger, ReachesChildEffectsAndThoseOfStyleParts) {
  TvgVisualObject control(nullptr);
  auto addEffect = [&](TvgObject* parent) {
    auto* effect = new TvgGlowEffect(&control);
    effect->SetEnabled(false);
    effect->SetTrigger("Visible=true");
    parent->AddObject(effect);
    return effect;
  };
  auto* stylePart = new TvgVisualObject(&control);
  stylePart->SetLocked(true);
  stylePart->SetHitTest(false);
  control.AddObject(stylePart);
  auto* ordinaryChild = new TvgVisualObject(&control);
  control.AddObject(ordinaryChild);
  TvgEffect* own = addEffect(&control);
  TvgEffect* ofStyle = addEffect(stylePart);
  TvgEffect* ofChild = addEffect(ordinaryChild);

  control.ApplyTriggerEffect(&control, "Visible");
  EXPECT_TRUE(own->Enabled());
  EXPECT_TRUE(ofStyle->Enabled());
  EXPECT_FALSE(ofChild->Enabled());
}

class TFocusable : public TvgVisualObject {
public:
  using TvgVisualObject::TvgVisualObject;
  void SetFocusedState(bool focused) { isFocused_ = focused; }
};

// The focus glow of the update window's buttons, as their style streams it.
TEST(EffectTrigger, FocusSwitchesTheButtonsGlow) {
  TStringStream text(
      "object TvgGlowEffect\r\n"
      "  Trigger = 'IsFocused=true'\r\n"
      "  Enabled = False\r\n"
      "  Softness = 0.2\r\n"
      "  GlowColor = '#FFF69E2D'\r\n"
      "end\r\n");
  vgInitializeEffectsUnit();
  TFocusable button(nullptr);
  TvgObject* glow = vgLoadObjectFromText(&button, text);
  ASSERT_NE(glow, nullptr);
  button.AddObject(glow);
  auto* effect = dynamic_cast<TvgGlowEffect*>(glow);
  ASSERT_NE(effect, nullptr);
  EXPECT_FALSE(effect->Enabled());
  EXPECT_EQ(effect->GlowColor(), "#FFF69E2D");

  button.SetFocusedState(true);
  button.ApplyTriggerEffect(&button, "IsFocused");
  EXPECT_TRUE(effect->Enabled());
  EXPECT_TRUE(button.HasEffects());
  button.ApplyTriggerEffect(&button, "IsMouseOver");
  EXPECT_TRUE(effect->Enabled()) << "another state leaves it";
  button.SetFocusedState(false);
  button.ApplyTriggerEffect(&button, "IsFocused");
  EXPECT_FALSE(effect->Enabled());
}

class EffectRepaint : public testing::Test {
protected:
  void SetUp() override {
    object = new TvgVisualObject(&scene);
    scene.AddObject(object);
    shadow = new TvgShadowEffect(object);
    object->AddObject(shadow);
    scene.updateRects.clear();
  }

  // The union of what was invalidated since the last look.
  TvgRect Invalidated() {
    TvgRect all{};
    for (const TvgRect& rect : scene.updateRects) all = vgIsRectEmpty(all) ? rect : vgUnionRect(all, rect);
    scene.updateRects.clear();
    return all;
  }

  TRecordingScene scene;
  TvgVisualObject* object = nullptr;
  TvgShadowEffect* shadow = nullptr;
};

TEST_F(EffectRepaint, AChangedPropertyRepaintsTheEffectsArea) {
  shadow->SetSoftness(1);  // a margin of 20, moved by about 2.12 down and right
  TvgRect area = Invalidated();
  EXPECT_LE(area.Left, -17.8f);
  EXPECT_LE(area.Top, -17.8f);
  EXPECT_GE(area.Right, 72.1f);
  EXPECT_GE(area.Bottom, 72.1f);
}

TEST_F(EffectRepaint, AnUnchangedValueRepaintsNothing) {
  shadow->SetSoftness(0.3f);
  shadow->SetShadowColor("#FF000000");
  shadow->SetDistance(3);
  shadow->SetEnabled(true);
  shadow->SetSoftness(7);  // stored as 3
  Invalidated();
  shadow->SetSoftness(3);
  EXPECT_TRUE(scene.updateRects.empty());
}

TEST_F(EffectRepaint, SwitchingOffRepaintsTheAreaTheEffectCovered) {
  shadow->SetSoftness(1);
  Invalidated();
  shadow->SetEnabled(false);
  TvgRect area = Invalidated();
  EXPECT_LE(area.Left, -17.8f);
  EXPECT_GE(area.Right, 72.1f);
  EXPECT_FALSE(object->HasEffects());
  shadow->SetEnabled(true);
  EXPECT_TRUE(object->HasEffects());
  EXPECT_LE(Invalidated().Left, -17.8f);
}

}  // namespace
