// The pop-up box: its items and index, the text that selects, data binding with an index kept
// within the items, and the menu a click opens.
#include "tests/support/ControlsFixture.h"
//
#include <string>

#include "classlib/desktop/Menus.h"
#include "tests/support/PackedMethod.h"
#include "controls/boxes/PopupBox.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/values/WideStrings.h"

namespace {

class PopupBoxTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    box = Add<TvgPopupBox>(20, 20, 100, 21);
    box->Items()->SetTextStr(L"A\r\nB\r\n");
    box->OnChange = [this](TObject*) { ++changes; };
  }
  // Closes the menu that the next popping up shows, from inside its loop.
  static void CloseMenuSoon() { SetTimer(nullptr, 0, 50, EndMenuOnce); }
  static void CALLBACK EndMenuOnce(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
  }

  TvgPopupBox* box = nullptr;
  int changes = 0;
};

TEST_F(PopupBoxTest, TheTextSelectsItsEntryAndAnyOtherTextSelectsNothing) {
  box->SetText(L"B");
  EXPECT_EQ(box->ItemIndex(), 1);
  EXPECT_EQ(box->Text(), L"B");
  EXPECT_EQ(changes, 1);
  box->SetText(L"C");
  EXPECT_EQ(box->ItemIndex(), -1);
  EXPECT_EQ(box->Text(), L"");
  box->SetItemIndex(0);
  EXPECT_EQ(box->Text(), L"A");
  box->SetItemIndex(-1);
  EXPECT_EQ(box->Text(), L"");
  EXPECT_EQ(changes, 4);
  box->Items()->Clear();
  box->SetText(L"A");
  EXPECT_EQ(box->Text(), L"");
  EXPECT_EQ(box->ItemIndex(), -1);
}

TEST_F(PopupBoxTest, AnIndexBeyondTheItemsSelectsNothing) {
  struct Case {
    Variant data;
    int index;
    const wchar_t* text;
  } cases[] = {
      {Variant(1), 1, L"B"},   {Variant(2), -1, L""},         {Variant(1.0), 1, L"B"},   {Variant(-5), -1, L""},
      {Variant(L"A"), 0, L"A"}, {Variant(L"nothing"), -1, L""}, {Variant::Null(), -1, L""}, {Variant(99), -1, L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.data.ToString());
    box->SetItemIndex(0);
    box->SetData(c.data);
    EXPECT_EQ(box->ItemIndex(), c.index);
    EXPECT_EQ(box->Text(), c.text);
    EXPECT_EQ(box->GetData(), Variant(std::wstring(c.text)));
  }
  changes = 0;
  box->SetItemIndex(-1);
  box->SetItemIndex(7);
  EXPECT_EQ(changes, 0) << "nothing selected before, nothing after";
}

TEST_F(PopupBoxTest, APackedMethodBecomesOnChange) {
  TChangeCounter counter(nullptr);
  box->SetData(PackedMethod(counter, "Changed"));
  box->SetItemIndex(1);
  EXPECT_EQ(counter.calls, 1);
  EXPECT_EQ(box->ItemIndex(), 1) << "the method selects nothing";
}

TEST_F(PopupBoxTest, AClickListsTheItemsWithTheCurrentOneCheckedAndAChoiceSelectsIt) {
  box->SetItemIndex(1);
  CloseMenuSoon();
  ClickAt(60, 30);
  TPopupMenu* menu = box->Menu();
  ASSERT_EQ(menu->Items()->Count(), 2);
  EXPECT_EQ(menu->Items()->Items(0)->Caption(), "A");
  EXPECT_FALSE(menu->Items()->Items(0)->Checked());
  EXPECT_TRUE(menu->Items()->Items(1)->Checked());
  menu->Items()->Items(0)->Click();
  EXPECT_EQ(box->ItemIndex(), 0);
  EXPECT_EQ(box->Text(), L"A");

  box->Items()->Add(L"C");
  CloseMenuSoon();
  ClickAt(60, 30);
  ASSERT_EQ(menu->Items()->Count(), 3) << "filled afresh";
  EXPECT_TRUE(menu->Items()->Items(0)->Checked());
}

}  // namespace
