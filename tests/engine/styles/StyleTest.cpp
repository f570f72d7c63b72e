// Where a control's style comes from: the naming rule and the order of the places searched.
#include "tests/support/StyleFixture.h"
#include "engine/styles/Style.h"

#include <gtest/gtest.h>

#include "engine/styles/ResourceObjects.h"

CL_PUBLISHED(TvgProbeControl) {}
CL_PUBLISHED(TvgBackdropProbe) {}
CL_PUBLISHED(TvgDeepBackdropProbe) {}

namespace {

TEST(StyleName, ClassNameWithoutPrefixAndWithStyleAppended) {
  const std::pair<const char*, const char*> cases[] = {
      {"TvgButton", "Buttonstyle"},
      {"TvgHudButton", "HudButtonstyle"},
      {"TvgCloseButton", "CloseButtonstyle"},
      {"TvgStringListBox", "StringListBoxstyle"},
      {"Tvg", "style"},
      {"T", "style"},
  };
  for (const auto& [className, styleName] : cases) EXPECT_EQ(vgStyleName(className), styleName) << className;
}

// A live object outside any container, found by its resource name.
class LiveStyle {
public:
  LiveStyle(const std::string& name, int tag) : object_(new TvgVisualObject(nullptr)) {
    object_->SetResourceName(name);
    object_->SetTag(tag);
  }
  ~LiveStyle() { object_->Free(); }
  TvgVisualObject* operator->() const { return object_; }

private:
  TvgVisualObject* object_;
};

using StyleLookup = StyleFixture;

TEST_F(StyleLookup, ClassStyleOfTheScenesContainerComesFirst) {
  SetStyleText(StylesText({{"ProbeControlstyle", 1}}));
  LiveStyle live("ProbeControlstyle", 3);
  TvgProbeControl* control = AddControl();
  control->ApplyResource();
  EXPECT_EQ(StyleTag(control), 1);
}

TEST_F(StyleLookup, ClassStyleNamesMatchWithoutRegardToCase) {
  SetStyleText(StylesText({{"PROBECONTROLSTYLE", 1}}));
  TvgProbeControl* control = AddControl();
  control->ApplyResource();
  EXPECT_EQ(StyleTag(control), 1);
}

TEST_F(StyleLookup, ResourceNameIsLookedForInTheContainerThenAmongLiveObjects) {
  SetStyleText(StylesText({{"Special", 1}}));
  LiveStyle live("Special", 3);
  TvgProbeControl* fromContainer = AddControl("Special");
  fromContainer->ApplyResource();
  EXPECT_EQ(StyleTag(fromContainer), 1);

  SetStyleText(StylesText({{"Other", 2}}));
  TvgProbeControl* fromLive = AddControl("Special");
  fromLive->ApplyResource();
  EXPECT_EQ(StyleTag(fromLive), 3);
  EXPECT_EQ(fromLive->StyleObject()->ResourceName(), "") << "a clone of a live object loses its name";
  EXPECT_EQ(live->ResourceName(), "Special");
}

TEST_F(StyleLookup, NewestStoredLiveObjectWins) {
  LiveStyle older("Special", 3);
  LiveStyle newer("Special", 4);
  TvgProbeControl* first = AddControl("Special");
  first->ApplyResource();
  EXPECT_EQ(StyleTag(first), 4);

  newer->SetStored(false);
  TvgProbeControl* second = AddControl("Special");
  second->ApplyResource();
  EXPECT_EQ(StyleTag(second), 3);
}

// A missing name, or one that names an object that is not visual, falls back to the class style.
TEST_F(StyleLookup, UnusableResourceNameFallsBackToTheClassStyle) {
  SetStyleText(StylesText({{"ProbeControlstyle", 1}}));
  auto* brush = new TvgBrushObject(nullptr);
  brush->SetResourceName("Brushed");
  for (const char* resource : {"Missing", "Brushed"}) {
    TvgProbeControl* control = AddControl(resource);
    control->ApplyResource();
    EXPECT_EQ(StyleTag(control), 1) << resource;
  }
  brush->Free();
}

TEST_F(StyleLookup, ResourceEqualToTheControlsOwnResourceNameGivesNoStyle) {
  SetStyleText(StylesText({{"Self", 1}, {"ProbeControlstyle", 2}}));
  TvgProbeControl* control = AddControl();
  control->SetResourceName("Self");
  control->SetResource("Self");
  control->ApplyResource();
  EXPECT_EQ(control->StyleObject(), nullptr);
  EXPECT_TRUE(control->events.empty());
}

TEST_F(StyleLookup, LiveObjectHoldingTheControlIsNotCloned) {
  auto* holder = new TvgVisualObject(nullptr);
  holder->SetResourceName("Holder");
  scene->AddObject(holder);
  auto* control = new TvgProbeControl(nullptr);
  holder->AddObject(control);
  control->SetResource("Holder");
  control->ApplyResource();
  EXPECT_EQ(control->StyleObject(), nullptr);
}

// Style data whose style holds a control of the same kind ends after one level.
TEST_F(StyleLookup, ControlInsideACloneOfItsOwnStyleStaysUnstyled) {
  SetStyleText(
      "object TvgVisualObject\r\n  object TvgVisualObject\r\n    ResourceName = 'ProbeControlstyle'\r\n"
      "    object TvgProbeControl\r\n      ResourceName = 'inner'\r\n    end\r\n  end\r\nend\r\n");
  TvgProbeControl* control = AddControl();
  control->ApplyResource();
  auto* inner = dynamic_cast<TvgProbeControl*>(control->FindResource("inner"));
  ASSERT_NE(inner, nullptr);
  inner->ApplyResource();
  EXPECT_EQ(inner->StyleObject(), nullptr);

  auto* sibling = new TvgProbeControl(nullptr);
  control->AddObject(sibling);
  sibling->ApplyResource();
  EXPECT_EQ(StyleTag(sibling), 0) << "a control of the same kind beside the style is styled as usual";
}

TEST_F(StyleLookup, WithoutAnyStyleTheControlStaysUnstyled) {
  TvgProbeControl* control = AddControl();
  control->ApplyResource();
  EXPECT_EQ(control->StyleObject(), nullptr);
  EXPECT_EQ(control->ChildrenCount(), 0);
}

TEST_F(StyleLookup, DefaultStyleServesClassesTheContainerHasNoStyleFor) {
  ASSERT_TRUE(DefaultStyleLoads());
  SetStyleText(StylesText({{"ProbeControlstyle", 1}}));
  TvgBackground* background = AddControl<TvgBackground>();
  background->ApplyResource();
  ASSERT_NE(background->StyleObject(), nullptr);
  EXPECT_EQ(background->StyleObject()->ResourceName(), "backgroundstyle");
}

TEST_F(StyleLookup, ContainerStyleOverridesTheDefaultStyle) {
  ASSERT_TRUE(DefaultStyleLoads());
  SetStyleText(StylesText({{"backgroundstyle", 7}}));
  TvgBackground* background = AddControl<TvgBackground>();
  background->ApplyResource();
  EXPECT_EQ(StyleTag(background), 7);
}

// The parent class's style name is tried in the default style only, one level up.
TEST_F(StyleLookup, DefaultStyleFallsBackToTheParentClassOnce) {
  ASSERT_TRUE(DefaultStyleLoads());
  SetStyleText(StylesText({{"backgroundstyle", 7}}));
  TvgBackdropProbe* child = AddControl<TvgBackdropProbe>();
  child->ApplyResource();
  ASSERT_NE(child->StyleObject(), nullptr);
  EXPECT_NE(StyleTag(child), 7) << "the container is searched by the class's own style name only";
  EXPECT_EQ(child->StyleObject()->ResourceName(), "backgroundstyle");

  TvgDeepBackdropProbe* grandchild = AddControl<TvgDeepBackdropProbe>();
  grandchild->ApplyResource();
  EXPECT_EQ(grandchild->StyleObject(), nullptr);
}

TEST_F(StyleLookup, ResourceNameIsAlsoLookedForInTheDefaultStyle) {
  ASSERT_TRUE(DefaultStyleLoads());
  TvgProbeControl* control = AddControl("panelstyle");
  control->ApplyResource();
  ASSERT_NE(control->StyleObject(), nullptr);
  EXPECT_EQ(control->StyleObject()->ResourceName(), "") << "found by its Resource name, the clone loses it";
}

}  // namespace
