// TvgScrollBox: objects go into its content, the style's bars follow the content's size, the
// content moves against the viewport as the bars change, wheel and drag scroll (directly or
// gliding on the hand-advanced animation clock), and the boxes stream their items.
#include "engine/layouts/ScrollBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "tests/support/ScrollBoxFixture.h"
#include "classlib/core/StringStream.h"
#include "classlib/desktop/Control.h"
#include "engine/effects/Effects.h"
#include "engine/animation/FloatAnimation.h"
#include "engine/layouts/Layout.h"
#include "engine/layouts/LayoutsUnit.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/styles/Style.h"

namespace {

int FloatAnimations(TvgObject* object) {
  int count = 0;
  for (int i = 0; i < object->ChildrenCount(); ++i)
    count += dynamic_cast<TvgFloatAnimation*>(object->Children(i)) != nullptr;
  return count;
}

class ScrollBox : public ScrollBoxFixture {};

TEST_F(ScrollBox, TheContentComesWithTheBoxLockedUnstoredAndClipping) {
  TvgScrollBox box(nullptr);
  TvgScrollContent* content = box.Content();
  ASSERT_NE(content, nullptr);
  EXPECT_EQ(content->Parent(), &box);
  EXPECT_FALSE(content->Stored());
  EXPECT_TRUE(content->Locked());
  EXPECT_FALSE(content->HitTest());
  EXPECT_TRUE(content->ClipChildren());
}

TEST_F(ScrollBox, ObjectsGoIntoTheContentUnlessTheyBelongToTheBox) {
  TvgScrollBox box(nullptr);
  auto* item = new TvgVisualObject(nullptr);
  auto* own = new TvgVisualObject(nullptr);
  own->TagString = "self";
  auto* effect = new TvgShadowEffect(nullptr);
  auto* animation = new TvgFloatAnimation(nullptr);
  for (TvgObject* object : {static_cast<TvgObject*>(item), static_cast<TvgObject*>(own),
                            static_cast<TvgObject*>(effect), static_cast<TvgObject*>(animation)})
    box.AddObject(object);
  EXPECT_EQ(item->Parent(), box.Content());
  EXPECT_EQ(own->Parent(), &box);
  EXPECT_EQ(effect->Parent(), &box);
  EXPECT_EQ(animation->Parent(), &box);
}

struct BarCase {
  const char* name;
  TvgRect child;
  bool vEnabled, hEnabled;
  float viewportWidth, viewportHeight;
  friend void PrintTo(const BarCase& c, std::ostream* out) { *out << c.name; }
};

class ScrollBoxBars : public ScrollBoxFixture, public testing::WithParamInterface<BarCase> {};

TEST_P(ScrollBoxBars, ABarIsThereOnlyForContentLargerThanTheViewport) {
  const BarCase& c = GetParam();
  TvgScrollBox* box = AddBox(200, 200, c.child);
  ASSERT_NE(box->VScrollBar(), nullptr);
  ASSERT_NE(box->HScrollBar(), nullptr);
  ASSERT_NE(box->Viewport(), nullptr);
  EXPECT_EQ(box->VScrollBar()->Enabled(), c.vEnabled);
  EXPECT_EQ(box->VScrollBar()->Visible(), c.vEnabled);
  EXPECT_EQ(box->HScrollBar()->Enabled(), c.hEnabled);
  EXPECT_EQ(box->HScrollBar()->Visible(), c.hEnabled);
  EXPECT_EQ(box->GetViewportWidth(), c.viewportWidth);
  EXPECT_EQ(box->GetViewportHeight(), c.viewportHeight);
  EXPECT_EQ(box->HScrollBar()->Padding()->Right(), c.vEnabled ? 20 : 0);
  TvgScrollBar* vbar = Bar(box->VScrollBar());
  if (c.vEnabled) {
    EXPECT_EQ(vbar->Max(), vgRectHeight(c.child));
    EXPECT_EQ(vbar->ViewportSize(), c.viewportHeight);
    EXPECT_EQ(vbar->SmallChange(), c.viewportHeight / 5);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollBoxBars,
    testing::Values(BarCase{"SmallContent", {0, 0, 50, 50}, false, false, 200, 200},
                    BarCase{"ExactlyAsTallAsTheViewport", {0, 0, 50, 200}, false, false, 200, 200},
                    BarCase{"Taller", {0, 0, 50, 400}, true, false, 180, 200},
                    BarCase{"Wider", {0, 0, 400, 50}, false, true, 200, 180},
                    BarCase{"TallerAndWider", {0, 0, 400, 400}, true, true, 180, 180}),
    [](const testing::TestParamInfo<BarCase>& info) { return std::string(info.param.name); });

TEST_F(ScrollBox, WithoutAutoHideADisabledBarStays) {
  MakeStyle();
  auto* box = new TvgScrollBox(nullptr);
  box->SetAutoHide(false);
  box->SetResource("teststyle");
  box->SetBounds(0, 0, 200, 200);
  scene.AddObject(box);
  box->ApplyResource();
  EXPECT_FALSE(box->VScrollBar()->Enabled());
  EXPECT_TRUE(box->VScrollBar()->Visible());
  EXPECT_EQ(box->GetViewportWidth(), 180);
}

TEST_F(ScrollBox, WithoutShownBarsTheBarsAreTransparentUnalignedAndOutOfSight) {
  TvgScrollBox* box = AddBox(200, 150, {0, 0, 400, 400});
  box->SetShowScrollBars(false);
  for (TvgControl* bar : {box->VScrollBar(), box->HScrollBar()}) {
    EXPECT_EQ(bar->Opacity(), 0);
    EXPECT_EQ(bar->Align(), vaNone);
  }
  EXPECT_EQ(box->VScrollBar()->Position()->Y(), 300);
  EXPECT_EQ(box->HScrollBar()->Position()->Y(), 250);
  box->SetShowScrollBars(true);
  EXPECT_EQ(box->VScrollBar()->Opacity(), 1);
  EXPECT_EQ(box->VScrollBar()->Align(), vaRight);
  EXPECT_EQ(box->HScrollBar()->Align(), vaBottom);
}

TEST_F(ScrollBox, TheBarsValuesMoveTheContentAgainstTheViewport) {
  TvgScrollBox* box = AddBox(200, 200, {0, 0, 400, 400});
  Bar(box->VScrollBar())->SetValue(50);
  Bar(box->HScrollBar())->SetValue(30);
  EXPECT_EQ(box->Content()->Position()->Y(), -50);
  EXPECT_EQ(box->Content()->Position()->X(), -30);
  EXPECT_EQ(box->Content()->GetClipRect(), (TvgRect{30, 50, 210, 230}));
  Bar(box->VScrollBar())->SetValue(1000);
  EXPECT_EQ(Bar(box->VScrollBar())->Value(), 220) << "at most Max - ViewportSize";
  EXPECT_EQ(box->Content()->Position()->Y(), -220);
}

TEST_F(ScrollBox, ItemsScrolledOutOfViewAreNotHit) {
  TvgScrollBox* box = AddBox(200, 200, {0, 0, 100, 20});
  item->SetHitTest(true);
  TPaintProbe* lower = AddProbe(box, 0xFF000000, {0, 300, 100, 400});
  box->Realign();
  EXPECT_EQ(box->Content()->ObjectAtPoint({10, 10}), item);
  Bar(box->VScrollBar())->SetValue(200);
  EXPECT_EQ(box->Content()->ObjectAtPoint({10, 10}), nullptr) << "the item lies above the view";
  EXPECT_EQ(box->Content()->ObjectAtPoint({10, 150}), lower);
  EXPECT_EQ(box->Content()->ObjectAtPoint({10, 99}), nullptr) << "between the items";
}

class TContentPaintBox : public TvgScrollBox {
public:
  using TvgScrollBox::TvgScrollBox;
  std::vector<TvgRect> painted;
  void ContentPaint(TvgCanvas*, const TvgRect& rect) override { painted.push_back(rect); }
};

TEST_F(ScrollBox, TheContentPaintsClippedToTheViewThroughTheBoxsHook) {
  auto* box = AddBox<TContentPaintBox>(200, 200, {0, 0, 100, 400});
  Bar(box->VScrollBar())->SetValue(40);
  canvas->calls.clear();
  box->Content()->Paint();
  EXPECT_EQ(box->painted, (std::vector<TvgRect>{{0, 0, 180, 400}}));
  const auto clips = canvas->Calls("IntersectClipRect");
  ASSERT_EQ(clips.size(), 1u);
  EXPECT_EQ(clips[0].Rect, (TvgRect{0, 40, 180, 240}));
  EXPECT_EQ(canvas->Calls("SaveState").size(), canvas->Calls("RestoreState").size());
}

TEST_F(ScrollBox, ThreeWheelNotchesWithoutAnimationScrollBySixtyEach) {
  TvgScrollBox* box = AddBox(120, 100, {0, 0, 50, 400});
  box->SetAnimated(false);
  TvgScrollBar* bar = Bar(box->VScrollBar());
  ASSERT_EQ(bar->SmallChange(), 20);
  std::vector<float> values;
  for (int notch = 0; notch < 3; ++notch) {
    bool handled = false;
    box->MouseWheel({}, -120, handled);
    EXPECT_TRUE(handled);
    values.push_back(bar->Value());
  }
  EXPECT_EQ(values, (std::vector<float>{60, 120, 180}));
  bool handled = false;
  box->MouseWheel({}, 120, handled);
  EXPECT_EQ(bar->Value(), 120) << "away from the user scrolls back";
}

TEST_F(ScrollBox, TheWheelLeavesAlreadyHandledOrDisabledTurnsAlone) {
  TvgScrollBox* box = AddBox(120, 100, {0, 0, 50, 400});
  box->SetAnimated(false);
  box->OnMouseWheel = [](TObject*, TShiftState, int, const TvgPoint&, bool& handled) { handled = true; };
  bool handled = false;
  box->MouseWheel({}, -120, handled);
  EXPECT_EQ(Bar(box->VScrollBar())->Value(), 0);
  box->OnMouseWheel = nullptr;
  box->SetDisableMouseWheel(true);
  handled = false;
  box->MouseWheel({}, -120, handled);
  EXPECT_FALSE(handled);
  EXPECT_EQ(Bar(box->VScrollBar())->Value(), 0);
}

TEST_F(ScrollBox, WithOnlyAHorizontalBarTheWheelScrollsSideways) {
  TvgScrollBox* box = AddBox(100, 120, {0, 0, 400, 50});
  box->SetAnimated(false);
  bool handled = false;
  box->MouseWheel({}, -120, handled);
  EXPECT_EQ(Bar(box->HScrollBar())->Value(), 60);
  EXPECT_EQ(box->Content()->Position()->X(), -60);
}

TEST_F(ScrollBox, AnAnimatedWheelGlidesToItsStepOnTheClock) {
  TvgScrollBox* box = AddBox(120, 100, {0, 0, 50, 400});
  TvgScrollBar* bar = Bar(box->VScrollBar());
  bool handled = false;
  box->MouseWheel({}, -120, handled);
  EXPECT_EQ(bar->Value(), 0) << "nothing moves before the clock ticks";
  Tick(350);
  EXPECT_GT(bar->Value(), 30);
  EXPECT_LT(bar->Value(), 60);
  Tick(350);
  EXPECT_EQ(bar->Value(), 60);
  EXPECT_EQ(box->Content()->Position()->Y(), -60);
  handled = false;
  box->MouseWheel({}, -120, handled);
  EXPECT_EQ(FloatAnimations(bar), 1) << "one glide per bar";
  Tick(700);
  EXPECT_EQ(bar->Value(), 120);
}

TEST_F(ScrollBox, AWheelDuringAGlideGoesOnFromWhereTheGlideIs) {
  TvgScrollBox* box = AddBox(120, 100, {0, 0, 50, 400});
  TvgScrollBar* bar = Bar(box->VScrollBar());
  bool handled = false;
  box->MouseWheel({}, -120, handled);
  Tick(350);
  const float reached = bar->Value();
  handled = false;
  box->MouseWheel({}, -120, handled);
  EXPECT_EQ(bar->Value(), reached);
  Tick(700);
  EXPECT_EQ(bar->Value(), reached + 60);
}

TEST_F(ScrollBox, DraggingScrollsAndAQuickReleaseGlidesSevenStepsFurther) {
  TvgScrollBox* box = AddBox(120, 100, {0, 0, 50, 400});
  box->SetMouseTracking(true);
  TvgScrollBar* bar = Bar(box->VScrollBar());
  box->MouseDown(mbLeft, {}, 10, 100);
  box->MouseMove({}, 10, 90, 0, 0);
  EXPECT_EQ(bar->Value(), 10);
  box->MouseMove({}, 10, 85, 0, 0);
  EXPECT_EQ(bar->Value(), 15);
  box->MouseUp(mbLeft, {}, 10, 85);
  EXPECT_EQ(bar->Value(), 15);
  Tick(700);
  EXPECT_EQ(bar->Value(), 50) << "a step of 5 glides a further 35";
  box->MouseMove({}, 10, 0, 0, 0);
  EXPECT_EQ(bar->Value(), 50) << "no scrolling after the release";
}

TEST_F(ScrollBox, APressStopsAGlideWhereItIs) {
  TvgScrollBox* box = AddBox(120, 100, {0, 0, 50, 400});
  box->SetMouseTracking(true);
  TvgScrollBar* bar = Bar(box->VScrollBar());
  bool handled = false;
  box->MouseWheel({}, -120, handled);
  Tick(350);
  const float reached = bar->Value();
  box->MouseDown(mbLeft, {}, 10, 50);
  Tick(350);
  EXPECT_EQ(bar->Value(), reached);
  box->MouseUp(mbLeft, {}, 10, 50);
  Tick(700);
  EXPECT_EQ(bar->Value(), reached) << "a release without movement does not glide";
}

TEST_F(ScrollBox, WithoutMouseTrackingADragDoesNotScroll) {
  TvgScrollBox* box = AddBox(120, 100, {0, 0, 50, 400});
  box->MouseDown(mbLeft, {}, 10, 100);
  box->MouseMove({}, 10, 50, 0, 0);
  box->MouseUp(mbLeft, {}, 10, 50);
  Tick(700);
  EXPECT_EQ(Bar(box->VScrollBar())->Value(), 0);
}

struct SmallBarCase {
  const char* name;
  bool useSmall, smallPartsThere;
  const char* vertical;
  const char* hidden;
  friend void PrintTo(const SmallBarCase& c, std::ostream* out) { *out << c.name; }
};

class ScrollBoxSmallBars : public ScrollBoxFixture, public testing::WithParamInterface<SmallBarCase> {};

TEST_P(ScrollBoxSmallBars, TheBoxBindsOnePairAndHidesTheOther) {
  const SmallBarCase& c = GetParam();
  MakeStyle(c.smallPartsThere);
  auto* box = new TvgScrollBox(nullptr);
  box->SetUseSmallScrollBars(c.useSmall);
  box->SetResource("teststyle");
  box->SetBounds(0, 0, 200, 200);
  box->SetAutoHide(false);
  scene.AddObject(box);
  box->ApplyResource();
  ASSERT_NE(box->VScrollBar(), nullptr);
  EXPECT_EQ(box->VScrollBar()->ResourceName(), c.vertical);
  const bool normal = std::string(c.vertical) == "vscrollbar";
  EXPECT_EQ(box->HScrollBar()->ResourceName(), normal ? "hscrollbar" : "hsmallscrollbar");
  EXPECT_TRUE(box->VScrollBar()->Locked());
  if (*c.hidden) EXPECT_FALSE(box->FindResource(c.hidden)->Visual()->Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollBoxSmallBars,
    testing::Values(SmallBarCase{"Normal", false, true, "vscrollbar", "vsmallscrollbar"},
                    SmallBarCase{"Small", true, true, "vsmallscrollbar", "vscrollbar"},
                    SmallBarCase{"SmallMissing", true, false, "vscrollbar", ""}),
    [](const testing::TestParamInfo<SmallBarCase>& info) { return std::string(info.param.name); });

TEST_F(ScrollBox, SwitchingToSmallBarsRebindsAtOnce) {
  TvgScrollBox* box = AddBox(200, 200, {0, 0, 400, 400});
  box->SetUseSmallScrollBars(true);
  EXPECT_EQ(box->VScrollBar()->ResourceName(), "vsmallscrollbar");
  EXPECT_EQ(box->GetViewportWidth(), 192);
}

TEST_F(ScrollBox, TheSizeGripFollowsShowSizeGrip) {
  TvgScrollBox* box = AddBox(200, 200);
  TvgVisualObject* grip = box->FindResource("sizegrip")->Visual();
  EXPECT_FALSE(grip->Visible());
  box->SetShowSizeGrip(true);
  EXPECT_TRUE(grip->Visible());
}

TEST_F(ScrollBox, APartThatIsNoScrollBarIsNotBound) {
  MakeStyle(true, "TvgControl");
  TvgScrollBox* box = AddBox(120, 100, {0, 0, 50, 400});
  EXPECT_EQ(box->VScrollBar(), nullptr);
  EXPECT_NE(box->HScrollBar(), nullptr);
  box->SetAnimated(false);
  bool handled = false;
  box->MouseWheel({}, -120, handled);
  EXPECT_TRUE(handled);
  EXPECT_EQ(box->GetVScrollOffset(), 0);
}

TEST_F(ScrollBox, TheScrolledPlaceSurvivesANewStyle) {
  TvgScrollBox* box = AddBox(200, 200, {0, 0, 100, 400});
  Bar(box->VScrollBar())->SetValue(70);
  box->UpdateResource();
  ASSERT_NE(box->VScrollBar(), nullptr);
  EXPECT_EQ(Bar(box->VScrollBar())->Value(), 70);
  EXPECT_EQ(box->Content()->Position()->Y(), -70);
}

TEST_F(ScrollBox, WithoutAStyleTheContentBoundsAreTheBoxsOwn) {
  TvgScrollBox box(nullptr);
  box.SetBounds(0, 0, 120, 80);
  TvgRect rect;
  box.GetContentBounds(rect);
  EXPECT_EQ(rect, (TvgRect{0, 0, 120, 80}));
  EXPECT_EQ(box.GetViewportRect(), (TvgRect{0, 0, 120, 80}));
  EXPECT_EQ(box.GetVScrollOffset(), 0);
}

TEST_F(ScrollBox, WithoutAViewportTheContentRepaintsTheBoxsArea) {
  auto* box = new TvgScrollBox(nullptr);
  box->SetBounds(10, 20, 120, 80);
  scene.AddObject(box);
  AddProbe(box, 0xFF000000, {0, 0, 300, 300});
  EXPECT_EQ(box->GetUpdateRect(), (TvgRect{10, 20, 130, 100}));
  EXPECT_EQ(box->Content()->GetUpdateRect(), (TvgRect{10, 20, 130, 100}));
}

TEST_F(ScrollBox, AScaledLayoutInTheBoxWaitsForTheBoxsEndUpdate) {
  TvgScrollBox* box = AddBox(200, 200);
  auto* layout = new TvgScaledLayout(nullptr);
  layout->TagString = "self";
  layout->SetBounds(0, 0, 100, 100);
  box->AddObject(layout);
  TPaintProbe* filler = AddProbe(layout, 0xFF000000, {0, 0, 10, 10});
  filler->SetAlign(vaClient);
  EXPECT_EQ(filler->Width(), 100);
  box->BeginUpdate();
  layout->SetWidth(60);
  box->Children(box->ChildrenCount() - 1)->Visual()->Realign();
  EXPECT_EQ(filler->Width(), 100);
  box->EndUpdate();
  EXPECT_EQ(filler->Width(), 60);
}

TEST_F(ScrollBox, TheVerticalBoxKeepsItsContentAsWideAsTheViewport) {
  auto* box = AddBox<TvgVertScrollBox>(200, 200, {0, 0, 50, 50});
  EXPECT_EQ(box->Resource(), "teststyle");
  item->SetAlign(vaTop);
  AddProbe(box, 0xFF000000, {0, 0, 50, 300})->SetAlign(vaTop);
  box->Realign();
  EXPECT_EQ(box->Content()->Width(), 180);
  EXPECT_EQ(item->Width(), 180);
  EXPECT_FALSE(box->HScrollBar()->Enabled());
  EXPECT_TRUE(box->VScrollBar()->Enabled());
}

TEST(ScrollBoxVariants, NameTheirStyles) {
  EXPECT_EQ(TvgVertScrollBox(nullptr).Resource(), "scrollboxstyle");
  EXPECT_EQ(TvgFramedVertScrollBox(nullptr).Resource(), "framedscrollboxstyle");
  EXPECT_EQ(TvgFramedScrollBox(nullptr).Resource(), "");
  EXPECT_TRUE(SameText(vgStyleName("TvgFramedScrollBox"), "framedscrollboxstyle"));
}

class ScrollBoxStreaming : public testing::Test {
protected:
  void SetUp() override {
    vgInitializeLayoutsUnit();
    RegisterClasses({TvgVisualObject::StaticClass()});
  }
  static std::string Text(TvgObject* object) {
    TStringStream text;
    vgSaveObjectToText(object, text);
    return text.DataString();
  }
  static TvgObject* Load(const std::string& text) {
    TStringStream stream(text);
    return vgLoadObjectFromText(nullptr, stream);
  }
};

TEST_F(ScrollBoxStreaming, RegistersTheBoxesUnderControls) {
  for (const char* name : {"TvgScrollBox", "TvgVertScrollBox", "TvgFramedScrollBox", "TvgFramedVertScrollBox"}) {
    TClass objectClass = GetClass(name);
    ASSERT_NE(objectClass, nullptr) << name;
    const auto& categories = vgObjectCategories();
    EXPECT_TRUE(std::any_of(categories.begin(), categories.end(), [objectClass](const TvgObjectCategory& c) {
      return c.Class == objectClass && c.Category == "Controls";
    })) << name;
  }
}

TEST_F(ScrollBoxStreaming, ItemsAndSettingsSurviveARoundTripWithoutTheContent) {
  TvgScrollBox box(nullptr);
  box.SetAutoHide(false);
  box.SetMouseTracking(true);
  auto* item = new TvgVisualObject(nullptr);
  item->SetBounds(5, 300, 20, 20);
  box.AddObject(item);
  const std::string text = Text(&box);
  EXPECT_EQ(text.find("TvgScrollContent"), std::string::npos);
  EXPECT_EQ(text.find("Animated"), std::string::npos) << "defaults are not written";
  TvgObject* loaded = Load(text);
  auto* copy = dynamic_cast<TvgScrollBox*>(loaded);
  ASSERT_NE(copy, nullptr);
  EXPECT_FALSE(copy->AutoHide());
  EXPECT_TRUE(copy->MouseTracking());
  ASSERT_EQ(copy->Content()->ChildrenCount(), 1);
  EXPECT_EQ(copy->Content()->Children(0)->Visual()->Position()->Y(), 300);
  loaded->Free();
}

TEST_F(ScrollBoxStreaming, BadStreamsLoadNothingOrDefaults) {
  const char* texts[] = {
      "object TvgScrollBox\n  ShowScrollBars = 'yes'\nend\n",
      "object TvgScrollBox\n  object TvgNoSuchThing\n  end\nend\n",
      "object TvgScrollBox\n  AutoHide = False\n",
  };
  for (const char* text : texts) {
    TvgObject* loaded = Load(text);
    if (auto* box = dynamic_cast<TvgScrollBox*>(loaded)) EXPECT_NE(box->Content(), nullptr) << text;
    if (loaded) loaded->Free();
  }
}

}  // namespace
