// Check boxes and radio buttons in a scene styled by the default style, driven by the window
// messages the platform sends: the toggle on a release inside, Enter and Space, the pressed look,
// the animated mark, data binding, and the radio group rule across the whole scene.
#include "tests/support/ControlsFixture.h"
//
#include <string>
#include <vector>

#include "controls/boxes/CheckBox.h"
#include "controls/boxes/RadioButton.h"
#include "engine/paint/PathData.h"
#include "engine/shapes/Path.h"
#include "engine/tree/ObjectRegistry.h"

namespace {

// A check box 120 x 19 at (20, 20); (30, 28) lies on its box, (200, 150) outside.
constexpr int kInsideX = 30, kInsideY = 28, kOutsideX = 200, kOutsideY = 150;

class CheckBoxTest : public ControlsTest {
protected:
  template <class T = TvgCheckBox>
  T* AddBox(float x = 20, float y = 20) {
    T* box = Add<T>(x, y, 120, 19);
    box->OnChange = [this, box](TObject*) { changes.push_back(box); };
    return box;
  }
  static float MarkOpacity(TvgControl* box) { return box->FindResource("check")->Visual()->Opacity(); }

  std::vector<TvgControl*> changes;
};

TEST_F(CheckBoxTest, AReleaseInsideTogglesOnceAndTheMarkFadesInAndOut) {
  TvgCheckBox* box = AddBox();
  ASSERT_NE(box->FindResource("check"), nullptr) << "the default style's mark";
  TickFor(300);
  EXPECT_EQ(MarkOpacity(box), 0);

  Press(kInsideX, kInsideY);
  EXPECT_TRUE(box->IsPressed());
  EXPECT_FALSE(box->IsChecked()) << "the press alone changes nothing";
  Release(kInsideX, kInsideY);
  EXPECT_FALSE(box->IsPressed());
  EXPECT_TRUE(box->IsChecked());
  EXPECT_EQ(changes.size(), 1u);
  Tick(99);
  EXPECT_GT(MarkOpacity(box), 0) << "the IsChecked trigger runs";
  EXPECT_LT(MarkOpacity(box), 1) << "over time";
  TickFor(300);
  EXPECT_EQ(MarkOpacity(box), 1);

  ClickAt(kInsideX, kInsideY);
  EXPECT_FALSE(box->IsChecked());
  TickFor(300);
  EXPECT_EQ(MarkOpacity(box), 0);
  EXPECT_EQ(changes.size(), 2u);
}

TEST_F(CheckBoxTest, APressMovedOutAndReleasedOutsideTogglesNothingAndEndsThePressedLook) {
  TvgCheckBox* box = AddBox();
  auto* background = static_cast<TvgShape*>(box->FindResource("background"));
  Press(kInsideX, kInsideY);
  TickFor(300);
  const TvgColor pressed = background->Fill()->SolidColor();
  Move(kOutsideX, kOutsideY, MK_LBUTTON);
  EXPECT_FALSE(box->IsPressed());
  Move(kInsideX, kInsideY, MK_LBUTTON);
  EXPECT_TRUE(box->IsPressed()) << "coming back presses again";
  Move(kOutsideX, kOutsideY, MK_LBUTTON);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(kOutsideX, kOutsideY));
  EXPECT_FALSE(box->IsChecked());
  EXPECT_TRUE(changes.empty());

  Press(kInsideX, kInsideY);
  TickFor(300);
  EXPECT_EQ(background->Fill()->SolidColor(), pressed);
  Release(kInsideX, kInsideY);
  TickFor(300);
  EXPECT_NE(background->Fill()->SolidColor(), pressed) << "the release inside ends the pressed look too";
}

TEST_F(CheckBoxTest, EnterAndSpaceToggleTheFocusedBox) {
  TvgCheckBox* box = AddBox();
  box->SetFocus();
  ASSERT_TRUE(box->IsFocused());
  Key(VK_SPACE);
  EXPECT_TRUE(box->IsChecked());
  Key(VK_RETURN);
  EXPECT_FALSE(box->IsChecked());
  Key('A');
  EXPECT_FALSE(box->IsChecked());
  EXPECT_EQ(changes.size(), 2u);
}

TEST_F(CheckBoxTest, DataIsTheCheckedStateAndAnythingButABooleanUnchecks) {
  TvgCheckBox* box = AddBox();
  EXPECT_EQ(box->GetData(), Variant(false));
  box->SetData(Variant(true));
  EXPECT_TRUE(box->IsChecked());
  EXPECT_EQ(box->GetData(), Variant(true));
  for (const Variant& other : {Variant(1), Variant(L"True"), Variant::Null()}) {
    box->SetIsChecked(true);
    box->SetData(other);
    EXPECT_FALSE(box->IsChecked());
  }
  TvgCheckBox* follower = AddBox(20, 60);
  follower->SetBindingSource(box);
  box->SetIsChecked(true);
  box->UpdateBinding();
  EXPECT_TRUE(follower->IsChecked());
}

TEST_F(CheckBoxTest, APathCheckBoxDrawsItsMarkFromItsPath) {
  auto* box = AddBox<TvgPathCheckBox>();
  auto* mark = dynamic_cast<TvgPath*>(box->FindResource("checkmark"));
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(mark->Data()->Data(), box->Path()->Data());
  EXPECT_NE(box->Path()->Data().find("341.236"), std::string::npos) << "the check mark it starts with";
  box->Path()->SetData("M 0,0 L 10,10 L 0,10 Z");
  EXPECT_EQ(mark->Data()->Data(), box->Path()->Data());
}

// --- Radio buttons -----------------------------------------------------------------------------

class RadioButtonTest : public CheckBoxTest {
protected:
  TvgRadioButton* AddRadio(TvgVisualObject* parent, const std::string& group, float y) {
    auto* radio = new TvgRadioButton(nullptr);
    radio->SetGroupName(group);
    radio->OnChange = [this, radio](TObject*) { changes.push_back(radio); };
    parent->AddObject(radio);
    radio->SetBounds(10, y, 120, 19);
    return radio;
  }
  TvgVisualObject* AddPanel(float x) {
    auto* panel = new TvgVisualObject(nullptr);
    root->AddObject(panel);
    panel->SetBounds(x, 0, 140, 200);
    return panel;
  }
};

TEST_F(RadioButtonTest, CheckingOneUnchecksItsGroupAcrossContainersButNotOtherGroups) {
  TvgVisualObject *left = AddPanel(0), *right = AddPanel(150);
  TvgRadioButton* a = AddRadio(left, "size", 10);
  TvgRadioButton* b = AddRadio(right, "size", 10);
  TvgRadioButton* other = AddRadio(right, "Size", 40);
  TvgRadioButton* unnamed1 = AddRadio(left, "", 70);
  TvgRadioButton* unnamed2 = AddRadio(right, "", 70);
  a->SetIsChecked(true);
  other->SetIsChecked(true);
  unnamed1->SetIsChecked(true);
  changes.clear();

  b->SetIsChecked(true);
  EXPECT_FALSE(a->IsChecked());
  EXPECT_TRUE(b->IsChecked());
  EXPECT_TRUE(other->IsChecked()) << "names differing in case are other groups";
  EXPECT_TRUE(unnamed1->IsChecked());
  EXPECT_EQ(changes, (std::vector<TvgControl*>{a, b})) << "the peer's change comes first";

  unnamed2->SetIsChecked(true);
  EXPECT_FALSE(unnamed1->IsChecked()) << "the empty name is a group too";
  EXPECT_TRUE(b->IsChecked());
}

TEST_F(RadioButtonTest, ACheckedButtonStaysCheckedWhenClickedOrUncheckedAlone) {
  TvgRadioButton* a = AddRadio(root, "g", 20);
  TvgRadioButton* lonely = AddRadio(root, "alone", 60);
  ClickAt(20, 28);
  EXPECT_TRUE(a->IsChecked());
  changes.clear();
  ClickAt(20, 28);
  EXPECT_TRUE(a->IsChecked()) << "clicking a checked radio button leaves it checked";
  a->SetIsChecked(false);
  EXPECT_TRUE(a->IsChecked()) << "the only checked button of its group";
  lonely->SetIsChecked(true);
  lonely->SetIsChecked(false);
  EXPECT_TRUE(lonely->IsChecked()) << "a button without peers";
  EXPECT_EQ(changes, (std::vector<TvgControl*>{lonely}));
}

TEST_F(RadioButtonTest, SpaceChecksTheFocusedButton) {
  TvgRadioButton* a = AddRadio(root, "g", 20);
  TvgRadioButton* b = AddRadio(root, "g", 60);
  a->SetIsChecked(true);
  b->SetFocus();
  Key(VK_SPACE);
  EXPECT_TRUE(b->IsChecked());
  EXPECT_FALSE(a->IsChecked());
}

}  // namespace
