// The combo track bar on a shown form: its pop-up track below the box (at least 100 wide), the
// track's value as the text, typed values moving the track on Return, and the pop-up closing by
// Escape, by the button again and by the activation of another window.
#include "tests/controls/textboxes/TextBoxFixture.h"
//
#include "controls/textboxes/ComboTrackBar.h"
#include "controls/tracks/Track.h"
#include "engine/scene/PopupForm.h"

namespace {

class ComboTrackBarTest : public TextBoxTest {
protected:
  void SetUp() override {
    TextBoxTest::SetUp();
    form->Show();
  }
  void TearDown() override {
    TextBoxTest::TearDown();
    PumpFor(20);  // lets released pop-up forms go
  }
  // Styled as its constructor chose.
  template <class T = TvgComboTrackBar>
  T* Combo(float width = 100) {
    T* made = AddBox<T>(L"", width);
    const Owned<T> probe(new T(nullptr));
    made->SetResource(probe->Resource());
    made->SetFocus();
    changes = trackings = 0;
    return made;
  }
  // A press on the drop-down button at the box's right end.
  void PressButton(TvgComboTrackBar* combo) {
    ClickAt(SceneX(combo->Width() - 6), 31);
  }
  static RECT PopupRect(TvgComboTrackBar* combo) {
    RECT r{};
    GetWindowRect(combo->DropDownPopup()->PopupForm()->Handle(), &r);
    return r;
  }
  static void KeyInPopup(TvgComboTrackBar* combo, WPARAM key) {
    HWND window = combo->DropDownPopup()->PopupScene()->Handle();
    SendMessageW(window, WM_KEYDOWN, key, 0);
    SendMessageW(window, WM_KEYUP, key, 0);
  }
};

TEST_F(ComboTrackBarTest, StartsAsANumberBoxOverATrackInAHiddenPopup) {
  auto* combo = Combo();
  EXPECT_EQ(combo->Text(), L"0");
  EXPECT_EQ(combo->FilterChar(), L"0123456789.,-+");
  EXPECT_EQ(combo->Resource(), "combotextboxstyle");
  ASSERT_TRUE(combo->StyleObject());
  EXPECT_FALSE(combo->DropDownPopup()->IsOpen());
  EXPECT_EQ(combo->DropDownPopup()->Parent(), root) << "the pop-up lives beside the box";
  EXPECT_EQ(combo->TrackBar()->Parent(), combo->DropDownPopup());
  EXPECT_EQ(combo->Max(), 100);
  Key(VK_END);
  Type(L"7x");
  EXPECT_EQ(combo->Text(), L"07") << "only number characters are typed";
  auto* hud = Combo<TvgHudComboTrackBar>();
  EXPECT_EQ(hud->Resource(), "hudcombotextboxstyle");
  EXPECT_EQ(hud->DropDownPopup()->Resource(), "hudcombopopupstyle");
  EXPECT_EQ(hud->TrackBar()->Resource(), "hudtrackbarstyle");
}

TEST_F(ComboTrackBarTest, PopupIsAtLeastAHundredWideAndHangsBelowTheBox) {
  struct Case {
    float boxWidth;
    int popupWidth;
  } const cases[] = {{60, 100}, {99, 100}, {100, 100}, {150, 150}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.boxWidth);
    auto* combo = Combo(c.boxWidth);
    PressButton(combo);
    ASSERT_TRUE(combo->DropDownPopup()->IsOpen());
    const RECT r = PopupRect(combo);
    EXPECT_EQ(r.right - r.left, c.popupWidth);
    EXPECT_EQ(r.bottom - r.top, 30);
    EXPECT_EQ(r.left, kFormLeft + 20);
    EXPECT_EQ(r.top, kFormTop + 20 + 22);
    combo->DropDown();
    EXPECT_FALSE(combo->DropDownPopup()->IsOpen()) << "dropping down again closes it";
    combo->Free();
  }
}

TEST_F(ComboTrackBarTest, PressInTheTextPlacesTheCaretWithoutDroppingDown) {
  auto* combo = Combo();
  ClickAt(SceneX(10), 31);
  EXPECT_FALSE(combo->DropDownPopup()->IsOpen());
}

TEST_F(ComboTrackBarTest, MovingTheTrackWritesItsValueSelectedAndReportsOnce) {
  auto* combo = Combo();
  PressButton(combo);
  ASSERT_TRUE(combo->DropDownPopup()->IsOpen());
  TvgTrackBar* track = combo->TrackBar();
  ASSERT_TRUE(track->StyleObject()) << "the track's style is applied when it drops down";
  track->SetFocus();
  KeyInPopup(combo, VK_RIGHT);
  EXPECT_EQ(combo->Value(), 1);
  EXPECT_EQ(combo->Text(), L"1");
  EXPECT_EQ(combo->SelLength(), 1);
  EXPECT_EQ(changes, 1);
  combo->SetFrequency(0);
  combo->SetValue(12.5f);
  EXPECT_EQ(combo->Text(), L"12.500") << "a point, whatever the user's separator";
  EXPECT_EQ(changes, 2);
  KeyInPopup(combo, VK_ESCAPE);
  EXPECT_FALSE(combo->DropDownPopup()->IsOpen());
}

TEST_F(ComboTrackBarTest, ReturnMovesTheTrackToTheTypedValueWithinItsRange) {
  auto* combo = Combo();
  combo->SetMin(-50);
  combo->SetMax(50);
  struct Case {
    const wchar_t* typed;
    float value;
    const wchar_t* shown;
  } const cases[] = {
      {L"20", 20, L"20"},   {L"-80", -50, L"-50"}, {L"-90", -50, L"-50"}, {L"oops", -50, L"-50"},
      {L"2.5", 2.5f, L"2.500"}, {L"", 2.5f, L"2.500"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value);
    combo->SelectAll();
    Key(VK_DELETE);
    Type(c.typed);
    changes = 0;
    Key(VK_RETURN);
    EXPECT_EQ(combo->Value(), c.value);
    EXPECT_EQ(combo->Text(), c.shown);
    EXPECT_LE(changes, 1) << "one typed value is reported once";
  }
}

TEST_F(ComboTrackBarTest, AnotherWindowTakingTheActivationClosesThePopup) {
  auto* combo = Combo();
  PressButton(combo);
  ASSERT_TRUE(combo->DropDownPopup()->IsOpen());
  TForm* other = new TForm(nullptr);
  other->SetBounds(0, 0, 50, 50);
  other->Show();
  SetForegroundWindow(other->Handle());
  EXPECT_TRUE(PumpUntil([combo] { return !combo->DropDownPopup()->IsOpen(); }));
  other->Free();
  EXPECT_EQ(combo->DropDownPopup()->Parent(), root) << "back beside the box";
}

}  // namespace
