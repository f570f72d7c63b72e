// The combo text box on a shown form: its drop-down list in a pop-up sized by the items, Up and
// Down through the items in the box, choosing in the list by Return and by a click, Escape and
// a release elsewhere leaving the choice as it was, the items rebuilt with the index kept, and
// streaming.
#include "tests/controls/lists/ComboFixture.h"
//
#include "classlib/core/StringStream.h"
#include "controls/lists/ComboListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/textboxes/ComboTextBox.h"
#include "engine/tree/ObjectStreaming.h"

namespace {

class ComboTextBoxTest : public ComboTest {
protected:
  TvgComboTextBox* Box(std::initializer_list<const wchar_t*> items = {L"apple", L"banana", L"cherry"}) {
    auto* box = Combo<TvgComboTextBox>();
    SetStrings(box->Items(), items);
    box->SetFocus();
    changes = 0;
    return box;
  }
  void Key(WPARAM key) { ControlsTest::Key(key); }
  void Type(const std::wstring& text) {
    for (wchar_t c : text) Send(WM_CHAR, c, 1);
  }
  // The drop-down button at the right end of the box.
  void PressButton() { ClickAt(20 + 94, 31); }
};

TEST_F(ComboTextBoxTest, DropDownIsAsHighAsItsShownItemsAndAsWideAsTheBox) {
  struct Case {
    int items;
    float itemHeight;
    int dropDownCount;
    float height;
  } const cases[] = {
      {3, 19, 8, 61}, {10, 19, 8, 156}, {3, 19, 2, 42}, {3, 0, 8, 54}, {0, 19, 8, 4}, {3, 25, 8, 79},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.items << " items of " << c.itemHeight << ", " << c.dropDownCount);
    auto* box = Box({});
    for (int i = 0; i < c.items; ++i) box->Items()->Add(L"item " + std::to_wstring(i));
    box->SetItemHeight(c.itemHeight);
    box->SetDropDownCount(c.dropDownCount);
    box->DropDown();
    ASSERT_TRUE(box->DropDownPopup()->IsOpen());
    EXPECT_EQ(box->DropDownPopup()->Height(), c.height);
    const RECT r = PopupRect(box->DropDownPopup());
    EXPECT_EQ(r.bottom - r.top, int(c.height));
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(r.top, kFormTop + 20 + 22) << "below the box";
    box->DropDown();
    EXPECT_FALSE(box->DropDownPopup()->IsOpen());
    box->Free();
  }
}

TEST_F(ComboTextBoxTest, WithoutItemsUpAndDownAreLeftAlone) {
  auto* box = Box({});
  box->SetText(L"typed");
  uint16_t key = VK_DOWN;
  wchar_t none = 0;
  box->KeyDown(key, none, {});
  EXPECT_EQ(key, VK_DOWN) << "not consumed";
  key = VK_UP;
  box->KeyDown(key, none, {});
  EXPECT_EQ(key, VK_UP);
  EXPECT_EQ(box->ItemIndex(), -1);
  EXPECT_EQ(box->Text(), L"typed");
  EXPECT_EQ(changes, 0);
}

TEST_F(ComboTextBoxTest, UpAndDownStepThroughTheItemsAndTheTextFollows) {
  auto* box = Box();
  struct Step {
    WPARAM key;
    int index;
    const wchar_t* text;
    int changes;
  } const steps[] = {
      {VK_UP, -1, L"", 0},          {VK_DOWN, 0, L"apple", 1},  {VK_DOWN, 1, L"banana", 2},
      {VK_DOWN, 2, L"cherry", 3},   {VK_DOWN, 2, L"cherry", 3}, {VK_UP, 1, L"banana", 4},
      {VK_UP, 0, L"apple", 5},      {VK_UP, 0, L"apple", 5},
  };
  for (const Step& s : steps) {
    Key(s.key);
    EXPECT_EQ(box->ItemIndex(), s.index);
    EXPECT_EQ(box->Text(), s.text);
    EXPECT_EQ(changes, s.changes);
  }
  EXPECT_EQ(box->SelLength(), 5) << "the chosen text is selected";
  EXPECT_FALSE(box->Modified());
}

TEST_F(ComboTextBoxTest, ReturnInTheDroppedListChoosesAndCloses) {
  auto* box = Box();
  PressButton();
  TvgPopup* popup = box->DropDownPopup();
  ASSERT_TRUE(popup->IsOpen());
  EXPECT_TRUE(box->ListBox()->IsFocused());
  EXPECT_EQ(box->ListBox()->ItemByIndex(0)->Height(), 19);
  KeyIn(popup, VK_DOWN);
  KeyIn(popup, VK_DOWN);
  EXPECT_EQ(box->Text(), L"") << "moving in the list chooses nothing yet";
  KeyIn(popup, VK_RETURN);
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(box->Text(), L"banana");
  EXPECT_EQ(box->ItemIndex(), 1);
  EXPECT_EQ(changes, 1);
}

TEST_F(ComboTextBoxTest, AClickOnAnItemChoosesItAndAReleaseElsewhereChoosesNothing) {
  auto* box = Box();
  box->DropDown();
  TvgPopup* popup = box->DropDownPopup();
  ClickIn(popup, 30, 2 + 19 * 2 + 9);
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(box->Text(), L"cherry");
  box->DropDown();
  DragIn(popup, 30, 2 + 9, 30, 200);
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(box->ItemIndex(), 2) << "the pressed item is not chosen by a release outside the list";
  EXPECT_EQ(box->Text(), L"cherry");
  EXPECT_EQ(changes, 1);
}

TEST_F(ComboTextBoxTest, EscapeClosesTheListAndPutsBackTheChosenItem) {
  auto* box = Box();
  Key(VK_DOWN);
  box->DropDown();
  TvgPopup* popup = box->DropDownPopup();
  KeyIn(popup, VK_DOWN);
  KeyIn(popup, VK_DOWN);
  KeyIn(popup, VK_ESCAPE);
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(box->ItemIndex(), 0);
  EXPECT_EQ(box->Text(), L"apple");
  EXPECT_EQ(box->ListBox()->Selected()->Text(), L"apple");
}

TEST_F(ComboTextBoxTest, NewItemsKeepTheIndexWhereItStillNamesAnItem) {
  auto* box = Box();
  box->SetItemIndex(2);
  SetStrings(box->Items(), {L"one", L"two", L"three", L"four"});
  EXPECT_EQ(box->ItemIndex(), 2);
  EXPECT_EQ(box->ListBox()->GetCount(), 4);
  SetStrings(box->Items(), {L"one", L"two"});
  EXPECT_EQ(box->ItemIndex(), 1) << "lowered to the last item";
  SetStrings(box->Items(), {});
  EXPECT_EQ(box->ItemIndex(), -1);
  EXPECT_EQ(box->ListBox()->GetCount(), 0);
}

TEST_F(ComboTextBoxTest, ReadOnlyBoxesChooseTheFirstItemStartingWithTheTypedLetter) {
  auto* box = Box({L"", L"Beta", L"alpha", L"bravo"});
  box->SetReadOnly(true);
  Type(L"b");
  EXPECT_EQ(box->ItemIndex(), 1);
  EXPECT_EQ(box->Text(), L"Beta");
  Type(L"A");
  EXPECT_EQ(box->Text(), L"alpha");
  Type(L"z");
  EXPECT_EQ(box->Text(), L"alpha") << "no item starts with it";
}

TEST_F(ComboTextBoxTest, ItemsTheIndexAndTheTextSurviveAStream) {
  auto* box = Box();
  box->SetItemIndex(1);
  box->SetDropDownCount(4);
  TStringStream written;
  vgSaveObjectToText(box, written);
  const std::string text = written.DataString();
  EXPECT_EQ(text.find("TvgListBoxItem"), std::string::npos) << "the list is not written:\n" << text;
  TStringStream input(text);
  auto* loaded = dynamic_cast<TvgComboTextBox*>(vgLoadObjectFromText(nullptr, input));
  ASSERT_NE(loaded, nullptr);
  root->AddObject(loaded);
  EXPECT_EQ(loaded->Items()->Count(), 3);
  EXPECT_EQ(loaded->ItemIndex(), 1);
  EXPECT_EQ(loaded->Text(), L"banana");
  EXPECT_EQ(loaded->DropDownCount(), 4);
  EXPECT_EQ(loaded->ListBox()->GetCount(), 3);
}

TEST_F(ComboTextBoxTest, HudBoxesUseTheHudStyles) {
  auto* box = Combo<TvgHudComboTextBox>();
  EXPECT_EQ(box->Resource(), "hudcombotextboxstyle");
  EXPECT_EQ(box->ListBoxResource(), "hudcombolistboxstyle");
  EXPECT_NE(box->StyleObject(), nullptr);
  box->DropDown();
  EXPECT_NE(box->ListBox()->StyleObject(), nullptr);
}

}  // namespace
