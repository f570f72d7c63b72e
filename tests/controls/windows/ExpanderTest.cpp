// The expander in the default style: the header's button opens and closes the content with the
// arrow's animation, the height follows, the check box enables the content, and the content's
// height survives a stream.
#include "tests/support/ControlsFixture.h"
//
#include "classlib/core/StringStream.h"
#include "controls/boxes/CheckBox.h"
#include "controls/buttons/Button.h"
#include "controls/windows/Expander.h"
#include "engine/shapes/Shapes.h"
#include "engine/tree/Content.h"
#include "engine/tree/ObjectStreaming.h"

namespace {

// An expander 130 x 130 at (20, 20); its header is 25 high and its button the header's first 25.
class ExpanderTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    expander = Add<TvgExpander>(20, 20, 130, 130);
    expander->SetText(L"Details");
  }
  TvgCustomButton* Button() { return dynamic_cast<TvgCustomButton*>(expander->FindResource("button")); }
  TvgVisualObject* Arrow() { return Button()->FindResource("arrow")->Visual(); }

  TvgExpander* expander = nullptr;
};

TEST_F(ExpanderTest, TheButtonClosesAndOpensTheContentAndTheArrowTurnsWithIt) {
  ASSERT_NE(Button(), nullptr);
  Button()->ApplyResource();
  EXPECT_EQ(Button()->Height(), 25);
  EXPECT_EQ(expander->Content()->Position()->Y(), 25);
  EXPECT_EQ(expander->Content()->Height(), 105);
  TickFor(300);
  EXPECT_EQ(Arrow()->RotateAngle(), 90) << "expanded, the arrow points down";

  ClickAt(32, 32);
  EXPECT_FALSE(expander->IsExpanded());
  EXPECT_FALSE(expander->Content()->Visible());
  EXPECT_EQ(expander->Height(), 25);
  Tick(99);
  EXPECT_GT(Arrow()->RotateAngle(), 0);
  EXPECT_LT(Arrow()->RotateAngle(), 90);
  TickFor(300);
  EXPECT_EQ(Arrow()->RotateAngle(), 0);
  EXPECT_EQ(expander->Content()->Height(), 105) << "kept while closed";

  ClickAt(32, 32);
  EXPECT_TRUE(expander->IsExpanded());
  EXPECT_TRUE(expander->Content()->Visible());
  EXPECT_EQ(expander->Height(), 130);
  EXPECT_EQ(expander->Content()->Height(), 105);
}

TEST_F(ExpanderTest, ObjectsGoIntoTheContentWhichTheCheckBoxEnables) {
  auto* child = new TvgRectangle(nullptr);
  expander->AddObject(child);
  EXPECT_EQ(child->Parent(), expander->Content());

  auto* check = dynamic_cast<TvgCheckBox*>(expander->FindResource("checkbox"));
  ASSERT_NE(check, nullptr);
  EXPECT_FALSE(check->Visible());
  expander->SetShowCheck(true);
  EXPECT_TRUE(check->Visible());
  EXPECT_TRUE(check->IsChecked());
  int checkChanges = 0;
  expander->OnCheckChange = [&](TObject*) { ++checkChanges; };
  check->SetIsChecked(false);
  EXPECT_FALSE(expander->IsChecked());
  EXPECT_FALSE(expander->Content()->Enabled());
  EXPECT_EQ(checkChanges, 1);
  expander->SetIsChecked(true);
  EXPECT_TRUE(check->IsChecked());
  EXPECT_TRUE(expander->Content()->Enabled());
}

TEST_F(ExpanderTest, TheContentsHeightSurvivesAStreamAndOpensTheCollapsedExpander) {
  expander->SetIsExpanded(false);
  auto* child = new TvgRectangle(nullptr);
  expander->AddObject(child);
  TStringStream text;
  vgSaveObjectToText(expander, text);
  EXPECT_NE(text.DataString().find("ContentSize = '105'"), std::string::npos) << text.DataString();
  EXPECT_NE(text.DataString().find("object TvgRectangle"), std::string::npos) << "the content's children";
  TStringStream input(text.DataString());
  auto* loaded = dynamic_cast<TvgExpander*>(vgLoadObjectFromText(nullptr, input));
  ASSERT_NE(loaded, nullptr);
  root->AddObject(loaded);
  EXPECT_FALSE(loaded->IsExpanded());
  EXPECT_EQ(loaded->Height(), 25);
  EXPECT_EQ(loaded->Content()->ChildrenCount(), 1);
  loaded->SetIsExpanded(true);
  EXPECT_EQ(loaded->Height(), 130);
}

}  // namespace
