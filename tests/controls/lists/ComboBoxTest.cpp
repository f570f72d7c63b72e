// The combo boxes on a shown form: keys and the wheel stepping through the items of a closed
// combo, the drop-down opened by a press and by Alt+Down and closed by a choice, a release
// elsewhere, another window's activation and a second press on the combo; the keys given back
// to the combo when its list closes; the selected item painted in the content part;
// string combos rebuilt from their strings; item children streamed as the combo's own.
#include "tests/controls/lists/ComboFixture.h"
//
#include "classlib/core/StringStream.h"
#include "controls/lists/ComboListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/lists/StringComboBox.h"
#include "engine/paint/Bitmap.h"
#include "engine/tree/ObjectStreaming.h"

namespace {

class ComboBoxTest : public ComboTest {
protected:
  TvgStringComboBox* Strings(std::initializer_list<const wchar_t*> items = {L"red", L"green", L"blue", L"grey"}) {
    auto* combo = Combo<TvgStringComboBox>();
    SetStrings(combo->Items(), items);
    combo->SetFocus();
    changes = 0;
    return combo;
  }
  void KeyWith(std::initializer_list<int> held, WPARAM key) {
    HoldKeys(held);
    Key(key);
    HoldKeys({});
  }
  void Wheel(int notches) {
    Move(50, 30);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-notches * WHEEL_DELTA)), MAKELPARAM(kFormLeft + 50, kFormTop + 30));
  }
  // How many pixels of the combo's content part differ from the same combo showing nothing.
  static int InkedPixels(TvgBitmap& shown, TvgBitmap& empty) {
    int differing = 0;
    for (int y = 2; y < shown.Height() - 2; ++y)
      for (int x = 2; x < shown.Width() - 14; ++x) differing += shown.GetScanline(y)[x] != empty.GetScanline(y)[x];
    return differing;
  }
};

TEST_F(ComboBoxTest, KeysStepThroughTheItemsOfAClosedCombo) {
  auto* combo = Strings();
  struct Step {
    WPARAM key;
    int index;
  } const steps[] = {
      {VK_UP, -1}, {VK_DOWN, 0}, {VK_RIGHT, 1}, {VK_END, 3}, {VK_DOWN, 3}, {VK_RIGHT, 3},
      {VK_LEFT, 2}, {VK_UP, 1}, {VK_HOME, 0}, {VK_LEFT, 0},
  };
  for (const Step& s : steps) {
    Key(s.key);
    EXPECT_EQ(combo->ItemIndex(), s.index) << "key " << s.key;
  }
  EXPECT_EQ(changes, 6) << "every step reports, a key at the end of the items does nothing";
  Send(WM_CHAR, L'B', 1);
  EXPECT_EQ(combo->ItemIndex(), 2) << "typing picks the first item starting with the letter";
  Send(WM_CHAR, L'g', 1);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_FALSE(combo->DropDownPopup()->IsOpen());
}

TEST_F(ComboBoxTest, AComboWithoutItemsLeavesKeysAloneAndShowsNothing) {
  auto* combo = Strings({});
  uint16_t key = VK_DOWN;
  wchar_t none = 0;
  combo->KeyDown(key, none, {});
  EXPECT_EQ(key, VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), -1);
  auto* shown = Strings({L"WWWWWWW"});
  shown->SetItemIndex(0);
  std::unique_ptr<TvgBitmap> empty = combo->MakeScreenshot();
  std::unique_ptr<TvgBitmap> filled = shown->MakeScreenshot();
  EXPECT_GT(InkedPixels(*filled, *empty), 20) << "the selected item is painted into the content part";
  shown->SetItemIndex(-1);
  std::unique_ptr<TvgBitmap> cleared = shown->MakeScreenshot();
  EXPECT_EQ(InkedPixels(*cleared, *empty), 0);
}

TEST_F(ComboBoxTest, TheWheelStepsWithoutOpening) {
  auto* combo = Strings();
  Wheel(1);
  Wheel(1);
  EXPECT_EQ(combo->ItemIndex(), 1);
  Wheel(-1);
  Wheel(-1);
  EXPECT_EQ(combo->ItemIndex(), 0) << "not above the first";
  for (int i = 0; i < 6; ++i) Wheel(1);
  EXPECT_EQ(combo->ItemIndex(), 3) << "not past the last";
  EXPECT_FALSE(combo->DropDownPopup()->IsOpen());
}

TEST_F(ComboBoxTest, APressDropsTheListDownAndAClickOnAnItemChoosesIt) {
  auto* combo = Strings();
  ClickAt(50, 31);
  TvgPopup* popup = combo->DropDownPopup();
  ASSERT_TRUE(popup->IsOpen());
  const RECT r = PopupRect(popup);
  EXPECT_EQ(r.bottom - r.top, 19 * 4 + 4);
  EXPECT_EQ(r.right - r.left, 100);
  EXPECT_TRUE(combo->ListBox()->IsFocused());
  ClickIn(popup, 40, 2 + 19 * 2 + 9);
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(changes, 1);
  KeyWith({VK_MENU}, VK_DOWN);
  EXPECT_TRUE(popup->IsOpen()) << "Alt+Down drops it down";
  DragIn(popup, 40, 2 + 9, 40, 150);
  EXPECT_FALSE(popup->IsOpen());
  EXPECT_EQ(combo->ItemIndex(), 2) << "a release outside the list changes nothing";
  EXPECT_EQ(changes, 1);
}

TEST_F(ComboBoxTest, AnotherWindowTakingTheActivationClosesTheListUnchosen) {
  auto* combo = Strings();
  combo->SetItemIndex(1);
  combo->DropDown();
  TvgPopup* popup = combo->DropDownPopup();
  KeyIn(popup, VK_DOWN);
  TForm* other = new TForm(nullptr);
  other->SetBounds(0, 0, 50, 50);
  other->Show();
  SetForegroundWindow(other->Handle());
  EXPECT_TRUE(PumpUntil([popup] { return !popup->IsOpen(); }));
  other->Free();
  EXPECT_EQ(combo->ItemIndex(), 1);
}

// The press on the combo first takes the activation from the open list, which closes it.
TEST_F(ComboBoxTest, APressOnTheOpenComboClosesItAndTheNextPressOpensIt) {
  auto* combo = Strings();
  TvgPopup* popup = combo->DropDownPopup();
  ClickOnScreen(50, 31);
  ASSERT_TRUE(PumpUntil([popup] { return popup->IsOpen(); }));
  ClickOnScreen(50, 31);
  EXPECT_TRUE(PumpUntil([popup] { return !popup->IsOpen(); }));
  PumpFor(200);
  EXPECT_FALSE(popup->IsOpen()) << "the press that closed the list opened it again";
  ClickOnScreen(50, 31);
  EXPECT_TRUE(PumpUntil([popup] { return popup->IsOpen(); })) << "a later press opens it";
  EXPECT_EQ(changes, 0);
}

TEST_F(ComboBoxTest, AListClosedByEscapeOrAChoiceGivesTheKeysBackToTheCombo) {
  auto* combo = Strings();
  TvgPopup* popup = combo->DropDownPopup();
  ClickOnScreen(50, 31);
  ASSERT_TRUE(PumpUntil([popup] { return popup->IsOpen(); }));
  TypeKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([popup] { return !popup->IsOpen(); }));
  EXPECT_EQ(GetActiveWindow(), form->Handle());
  TypeKey(VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 0) << "Down after Escape reaches the closed combo";
  ClickOnScreen(50, 31);
  ASSERT_TRUE(PumpUntil([popup] { return popup->IsOpen(); }));
  TypeKey(VK_DOWN);
  TypeKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([popup] { return !popup->IsOpen(); }));
  EXPECT_EQ(combo->ItemIndex(), 1);
  TypeKey(VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 2) << "Down after a choice reaches the closed combo";
}

TEST_F(ComboBoxTest, NewStringsKeepTheIndexAndDataReplacesTheSelectedString) {
  auto* combo = Strings();
  combo->SetItemIndex(3);
  SetStrings(combo->Items(), {L"a", L"b"});
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->GetData().ToWideString(), L"b");
  combo->SetData(Variant(std::wstring(L"bee")));
  EXPECT_EQ(combo->Items()->Get(1), L"bee");
  EXPECT_EQ(combo->ListBox()->Selected()->Text(), L"bee");
  EXPECT_EQ(combo->ListBox()->Selected()->Height(), 19);
  combo->SetItemHeight(30);
  EXPECT_EQ(combo->ListBox()->Selected()->Height(), 30);
  EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(ComboBoxTest, ItemChildrenStreamAsTheCombosOwnWithTheIndex) {
  auto* combo = Combo<TvgComboBox>();
  for (const wchar_t* text : {L"one", L"two", L"three"}) {
    auto* item = new TvgListBoxItem(nullptr);
    item->SetText(text);
    item->SetHeight(20);
    combo->AddObject(item);
  }
  EXPECT_EQ(combo->ListBox()->GetCount(), 3) << "items go into the list";
  combo->SetItemIndex(2);
  TStringStream written;
  vgSaveObjectToText(combo, written);
  const std::string text = written.DataString();
  EXPECT_NE(text.find("object TvgListBoxItem"), std::string::npos) << text;
  TStringStream input(text);
  auto* loaded = dynamic_cast<TvgComboBox*>(vgLoadObjectFromText(nullptr, input));
  ASSERT_NE(loaded, nullptr);
  root->AddObject(loaded);
  EXPECT_EQ(loaded->ListBox()->GetCount(), 3);
  EXPECT_EQ(loaded->ItemIndex(), 2);
  EXPECT_EQ(loaded->ListBox()->Selected()->Text(), L"three");
}

// Each change of Resource frees the content part that the previous style hooked.
TEST_F(ComboBoxTest, ReapplyingTheStyleStillPaintsTheSelectedItem) {
  auto* combo = Strings({L"WWWWWWW"});
  std::unique_ptr<TvgBitmap> empty = combo->MakeScreenshot();
  combo->SetItemIndex(0);
  for (const char* style : {"hudcomboboxstyle", "comboboxstyle", "comboboxstyle"}) {
    combo->SetResource(style);
    combo->Repaint();
    PumpFor(20);
  }
  combo->UpdateResource();
  std::unique_ptr<TvgBitmap> filled = combo->MakeScreenshot();
  EXPECT_GT(InkedPixels(*filled, *empty), 20) << "the new content part paints the selected item";
  combo->Free();
  auto* next = Strings({L"WWWWWWW"});
  next->SetItemIndex(0);
  EXPECT_GT(InkedPixels(*next->MakeScreenshot(), *empty), 20) << "the heap is whole after the combo's freeing";
}

// The focused combo's style glows: an effect whose bitmap holds the content part, which paints
// the selected item by laying it out for the part. None of that may ask for another paint.
TEST_F(ComboBoxTest, PaintingTheSelectedItemAsksForNoFurtherPaint) {
  for (int index : {-1, 0}) {
    auto* combo = Strings();
    combo->SetItemIndex(index);
    combo->Repaint();
    for (int pass = 0; pass < 3 && GetUpdateRect(Window(), nullptr, FALSE); ++pass) UpdateWindow(Window());
    EXPECT_FALSE(GetUpdateRect(Window(), nullptr, FALSE)) << "item " << index;
    combo->Free();
  }
}

TEST_F(ComboBoxTest, HudCombosUseTheHudStyles) {
  auto* hud = Combo<TvgHudStringComboBox>();
  EXPECT_EQ(hud->Resource(), "hudcomboboxstyle");
  EXPECT_EQ(hud->ListBoxResource(), "hudcombolistboxstyle");
  EXPECT_EQ(hud->ItemStyle(), "hudlistboxitemstyle");
  EXPECT_NE(hud->StyleObject(), nullptr);
  EXPECT_EQ(Combo<TvgHudComboBox>()->ListBoxResource(), "hudcombolistboxstyle");
}

}  // namespace
