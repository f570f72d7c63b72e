// The list box on a real scene styled by the default style: selection by index, mouse and keys,
// the highlights of runs of selected items, layout in columns and rows, check boxes, sorting,
// alternating rows, drag reordering, and items freed while selected or dragged.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/boxes/CheckBox.h"
#include "controls/lists/ListBox.h"
#include "controls/lists/ListBoxItem.h"
#include "controls/tracks/ScrollBar.h"
#include "engine/paint/Bitmap.h"
#include "engine/scene/DragDrop.h"
#include "tests/support/ControlsFixture.h"

namespace {

// Whole pixels of the scene, as the mouse messages carry them.
struct TScenePoint {
  int X, Y;
};

constexpr uint16_t kEnd = 35, kHome = 36, kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

class ListBoxTest : public ControlsTest {
protected:
  // A list at (10, 10) of the root holding items "item 0" .. "item n-1", each 20 high.
  TvgListBox* NewList(int count, float width = 150, float height = 120,
                      const std::function<void(TvgListBox&)>& setUp = nullptr) {
    TvgListBox* list = Add<TvgListBox>(10, 10, width, height, "", setUp);
    list->BeginUpdate();
    for (int i = 0; i < count; ++i) AddItem(list, L"item " + std::to_wstring(i));
    list->EndUpdate();
    return list;
  }
  static TvgListBoxItem* AddItem(TvgListBox* list, const std::wstring& text) {
    auto* item = new TvgListBoxItem(nullptr);
    item->SetText(text);
    item->SetHeight(20);
    list->AddObject(item);
    return item;
  }
  void Record(TvgListBox* list) {
    list->OnChange = [this](TObject* sender) { changes.push_back(dynamic_cast<TvgListBoxItem*>(sender)); };
  }
  static void PressKey(TvgListBox* list, uint16_t key, wchar_t keyChar = 0) { list->KeyDown(key, keyChar, {}); }
  // Scene coordinates of an item's middle.
  static TScenePoint Middle(TvgListBoxItem* item) {
    const TvgPoint point = item->LocalToAbsolute({item->Width() / 2, item->Height() / 2});
    return {int(point.X), int(point.Y)};
  }
  // A click with Shift or Ctrl held, as the mouse messages report them.
  void ClickItem(TvgListBoxItem* item, WPARAM keys = 0) {
    const TScenePoint at = Middle(item);
    Move(at.X, at.Y, keys);
    Send(WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(at.X, at.Y));
    Send(WM_LBUTTONUP, keys, MAKELPARAM(at.X, at.Y));
  }
  static std::vector<int> SelectedIndexes(TvgListBox* list) {
    std::vector<int> indexes;
    for (int i = 0; i < list->GetCount(); ++i)
      if (list->ItemByIndex(i)->IsSelected()) indexes.push_back(i);
    return indexes;
  }
  static std::vector<TvgVisualObject*> ShownHighlights(TvgListBox* list) {
    std::vector<TvgVisualObject*> shown;
    for (TvgVisualObject* highlight : list->SelectionHighlights())
      if (highlight->Visible()) shown.push_back(highlight);
    return shown;
  }

  std::vector<TvgListBoxItem*> changes;
};

using Indexes = std::vector<int>;

// --- Selection by index ------------------------------------------------------------------------

TEST_F(ListBoxTest, MovingTheSelectionFiresOnChangeWithNilThenTheNewItem) {
  TvgListBox* list = NewList(4);
  list->SetItemIndex(1);
  Record(list);
  list->SetItemIndex(2);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0], nullptr);
  EXPECT_EQ(changes[1], list->ItemByIndex(2));
  EXPECT_EQ(SelectedIndexes(list), Indexes{2});
  EXPECT_EQ(list->Selected(), list->ItemByIndex(2));
}

TEST_F(ListBoxTest, DeselectingTheSelectedItemSelectsNothing) {
  TvgListBox* list = NewList(3);
  list->SetItemIndex(1);
  Record(list);
  list->ItemByIndex(1)->SetIsSelected(false);
  EXPECT_EQ(list->ItemIndex(), -1);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0], nullptr);
}

TEST_F(ListBoxTest, SelectingAnItemMakesItTheItemIndex) {
  TvgListBox* list = NewList(3);
  list->SetItemIndex(0);
  list->ItemByIndex(2)->SetIsSelected(true);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(SelectedIndexes(list), Indexes{2});
}

TEST_F(ListBoxTest, AnIndexOutsideTheItemsSelectsNothing) {
  TvgListBox* list = NewList(3);
  for (int index : {3, 50, -2, -1000}) {
    list->SetItemIndex(1);
    list->SetItemIndex(index);
    EXPECT_EQ(list->ItemIndex(), -1) << index;
    EXPECT_EQ(list->Selected(), nullptr) << index;
    EXPECT_TRUE(SelectedIndexes(list).empty()) << index;
  }
}

TEST_F(ListBoxTest, DataIsTheSelectedItemsTextAndNothingWithoutOne) {
  TvgListBox* list = NewList(3);
  EXPECT_TRUE(list->GetData().IsEmpty() || list->GetData().IsNull());
  list->SetData(Variant(std::wstring(L"ignored")));  // no selected item: nothing to write
  for (int i = 0; i < 3; ++i) EXPECT_EQ(list->ItemByIndex(i)->Text(), L"item " + std::to_wstring(i));
  list->SetItemIndex(1);
  list->SetData(Variant(std::wstring(L"renamed")));
  EXPECT_EQ(list->ItemByIndex(1)->Text(), L"renamed");
  EXPECT_EQ(list->GetData().ToWideString(), L"renamed");
}

TEST_F(ListBoxTest, SwitchingMultiSelectOffDeselectsEveryItem) {
  TvgListBox* list = NewList(5, 150, 120, [](TvgListBox& l) { l.SetMultiSelect(true); });
  list->SelectRange(list->ItemByIndex(1), list->ItemByIndex(3));
  EXPECT_EQ(SelectedIndexes(list), (Indexes{1, 2, 3}));
  list->SetMultiSelect(false);
  EXPECT_TRUE(SelectedIndexes(list).empty());
}

// --- Keys --------------------------------------------------------------------------------------

TEST_F(ListBoxTest, KeysMoveTheSelectionWithinTheItemsInEveryColumnLayout) {
  struct Case {
    int columns, count, from;
    uint16_t key;
    int expected;
  } cases[] = {
      {1, 5, 2, kDown, 3},  {1, 5, 4, kDown, 4},  {1, 5, 2, kUp, 1},     {1, 5, 0, kUp, 0},
      {1, 5, 2, kEnd, 4},   {1, 5, 2, kHome, 0},  {1, 5, 2, kRight, 3},  {1, 5, 2, kLeft, 1},
      {1, 5, -1, kDown, 0}, {3, 10, 4, kEnd, 9},  {3, 10, 8, kDown, 9},  {3, 10, 4, kDown, 7},
      {3, 10, 1, kUp, 0},   {3, 10, 7, kUp, 4},   {3, 10, 9, kRight, 9}, {3, 2, 0, kEnd, 1},
      {3, 1, 0, kEnd, 0},   {3, 2, -1, kDown, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.columns << " columns, " << c.count << " items, from " << c.from
                                    << ", key " << c.key);
    TvgListBox* list = NewList(c.count, 150, 120, [&](TvgListBox& l) { l.SetColumns(c.columns); });
    list->SetItemIndex(c.from);
    uint16_t key = c.key;
    wchar_t none = 0;
    list->KeyDown(key, none, {});
    EXPECT_EQ(list->ItemIndex(), c.expected);
    EXPECT_EQ(key, 0) << "a handled key is consumed";
    list->Free();
  }
}

TEST_F(ListBoxTest, AnEmptyListIgnoresKeysAndTyping) {
  TvgListBox* list = NewList(0);
  Record(list);
  for (uint16_t key : {kEnd, kHome, kDown, kUp}) {
    uint16_t pressed = key;
    wchar_t none = 0;
    list->KeyDown(pressed, none, {});
    EXPECT_EQ(pressed, key);
  }
  PressKey(list, 0, L'a');
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_TRUE(changes.empty());
}

TEST_F(ListBoxTest, TypingALetterSelectsTheFirstItemStartingWithItInAnyCase) {
  TvgListBox* list = Add<TvgListBox>(10, 10, 150, 120);
  for (const wchar_t* text : {L"", L"apple", L"Banana", L"berry", L"Ärger"}) AddItem(list, text);
  struct Case {
    wchar_t typed;
    int expected;
  } cases[] = {{L'b', 2}, {L'B', 2}, {L'a', 1}, {L'ä', 4}, {L'z', 4}};
  for (const Case& c : cases) {
    wchar_t typed = c.typed;
    uint16_t none = 0;
    list->KeyDown(none, typed, {});
    EXPECT_EQ(list->ItemIndex(), c.expected) << char(c.typed);
    EXPECT_EQ(typed, 0);
  }
}

TEST_F(ListBoxTest, KeysScrollTheSelectedItemIntoView) {
  TvgListBox* list = NewList(30);
  auto* bar = dynamic_cast<TvgScrollBar*>(list->VScrollBar());
  ASSERT_NE(bar, nullptr);
  PressKey(list, kEnd);
  TvgListBoxItem* last = list->ItemByIndex(29);
  const TvgRect view = list->Viewport()->GetAbsoluteRect();
  const TvgRect shown = last->GetAbsoluteRect();
  EXPECT_GT(bar->Value(), 0);
  EXPECT_LE(shown.Bottom, view.Bottom + 0.5f);
  EXPECT_GE(shown.Top, view.Top - 0.5f);
  PressKey(list, kHome);
  EXPECT_EQ(bar->Value(), 0);
}

// --- Mouse -------------------------------------------------------------------------------------

TEST_F(ListBoxTest, ClicksSelectOneItemWithoutMultiSelect) {
  TvgListBox* list = NewList(4);
  ClickItem(list->ItemByIndex(2));
  EXPECT_EQ(list->ItemIndex(), 2);
  ClickItem(list->ItemByIndex(0), MK_CONTROL);
  EXPECT_EQ(SelectedIndexes(list), Indexes{0});
}

TEST_F(ListBoxTest, ClicksWithCtrlAndShiftBuildAMultipleSelection) {
  TvgListBox* list = NewList(6, 150, 140, [](TvgListBox& l) { l.SetMultiSelect(true); });
  ClickItem(list->ItemByIndex(1));
  EXPECT_EQ(SelectedIndexes(list), Indexes{1});
  ClickItem(list->ItemByIndex(3), MK_SHIFT);
  EXPECT_EQ(SelectedIndexes(list), (Indexes{1, 2, 3}));
  EXPECT_EQ(list->ItemIndex(), 3);
  ClickItem(list->ItemByIndex(5), MK_CONTROL);
  EXPECT_EQ(SelectedIndexes(list), (Indexes{1, 2, 3, 5}));
  ClickItem(list->ItemByIndex(2), MK_CONTROL);
  EXPECT_EQ(SelectedIndexes(list), (Indexes{1, 3, 5}));
  ClickItem(list->ItemByIndex(4));
  EXPECT_EQ(SelectedIndexes(list), Indexes{4});
}

TEST_F(ListBoxTest, DraggingThePressedMouseSelectsTheRangeFromTheAnchor) {
  TvgListBox* list = NewList(6, 150, 140, [](TvgListBox& l) { l.SetMultiSelect(true); });
  const TScenePoint from = Middle(list->ItemByIndex(1)), to = Middle(list->ItemByIndex(4));
  Press(from.X, from.Y);
  Move(to.X, to.Y - 5, MK_LBUTTON);
  Move(to.X, to.Y, MK_LBUTTON);
  Release(to.X, to.Y);
  EXPECT_EQ(SelectedIndexes(list), (Indexes{1, 2, 3, 4}));
}

// --- Highlights --------------------------------------------------------------------------------

TEST_F(ListBoxTest, EachRunOfAdjacentSelectedItemsShowsOneHighlight) {
  TvgListBox* list = NewList(8, 150, 170, [](TvgListBox& l) { l.SetMultiSelect(true); });
  list->SetFocus();
  list->SelectRange(list->ItemByIndex(1), list->ItemByIndex(3));
  std::vector<TvgVisualObject*> shown = ShownHighlights(list);
  ASSERT_EQ(shown.size(), 1u);
  const TvgRect run = shown[0]->GetAbsoluteRect();
  EXPECT_NEAR(run.Top, list->ItemByIndex(1)->GetAbsoluteRect().Top, 0.5f);
  EXPECT_NEAR(run.Bottom, list->ItemByIndex(3)->GetAbsoluteRect().Bottom, 0.5f);
  list->ItemByIndex(6)->SetIsSelected(true);
  shown = ShownHighlights(list);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NEAR(shown[1]->GetAbsoluteRect().Top, list->ItemByIndex(6)->GetAbsoluteRect().Top, 0.5f);
  list->DeselectAll();
  EXPECT_TRUE(ShownHighlights(list).empty());
}

TEST_F(ListBoxTest, TheHighlightHidesWhileTheListIsNotFocused) {
  TvgListBox* list = NewList(4);
  list->SetItemIndex(1);
  EXPECT_TRUE(ShownHighlights(list).empty());
  list->SetFocus();
  EXPECT_EQ(ShownHighlights(list).size(), 1u);
  list->SetHideSelectionUnfocused(false);
  scene->SetFocused(nullptr);
  EXPECT_EQ(ShownHighlights(list).size(), 1u);
}

TEST_F(ListBoxTest, TheSelectionIsPaintedBehindTheSelectedItem) {
  TvgListBox* list = NewList(4);
  list->SetFocus();
  list->SetItemIndex(2);
  TickFor(300);
  std::unique_ptr<TvgBitmap> shot = list->MakeScreenshot();
  auto at = [&](TvgListBoxItem* item) {
    const TvgPoint point = list->AbsoluteToLocal(item->LocalToAbsolute({item->Width() - 8, 3}));
    return shot->GetScanline(int(point.Y))[int(point.X)];
  };
  const TvgColor selected = at(list->ItemByIndex(2)), plain = at(list->ItemByIndex(1));
  EXPECT_GT(selected & 0xFF, (selected >> 16) & 0xFF) << "the selection is blue";
  EXPECT_LT(plain & 0xFF, 0x40u) << "an unselected row shows the dark background";
}

TEST_F(ListBoxTest, TheStyleAppliedAgainStillShowsOnlyTheSelectedItem) {
  TvgListBox* list = NewList(4);
  list->SetFocus();
  list->SetItemIndex(1);
  list->ApplyStyle();
  list->SetItemIndex(3);
  std::unique_ptr<TvgBitmap> shot = list->MakeScreenshot();
  auto blue = [&](int row) {
    TvgListBoxItem* item = list->ItemByIndex(row);
    const TvgPoint point = list->AbsoluteToLocal(item->LocalToAbsolute({item->Width() - 8, 3}));
    const TvgColor color = shot->GetScanline(int(point.Y))[int(point.X)];
    return (color & 0xFF) > ((color >> 16) & 0xFF) + 40;
  };
  EXPECT_FALSE(blue(1)) << "the highlight of the earlier selection is gone";
  EXPECT_TRUE(blue(3));
}

// --- Layout ------------------------------------------------------------------------------------

TEST_F(ListBoxTest, ColumnsPlaceItemsInRowsOfEqualCells) {
  TvgListBox* list = NewList(7, 150, 120, [](TvgListBox& l) { l.SetColumns(3); });
  const float cell = list->GetViewportWidth() / 3;
  for (int i = 0; i < 7; ++i) {
    TvgListBoxItem* item = list->ItemByIndex(i);
    SCOPED_TRACE(i);
    EXPECT_FLOAT_EQ(item->Position()->X(), cell * float(i % 3));
    EXPECT_FLOAT_EQ(item->Position()->Y(), 20.0f * float(i / 3));
    EXPECT_FLOAT_EQ(item->Width(), cell);
  }
  list->SetColumns(0);
  EXPECT_EQ(list->Columns(), 1);
  EXPECT_FLOAT_EQ(list->ItemByIndex(6)->Position()->Y(), 120.0f);
}

TEST_F(ListBoxTest, ItemWidthSetsTheColumnsToWhatFits) {
  TvgListBox* list = NewList(5, 150, 120, [](TvgListBox& l) { l.SetItemWidth(40); });
  const int expected = int(list->GetViewportWidth() / 40);
  EXPECT_EQ(list->Columns(), expected);
  EXPECT_FLOAT_EQ(list->ItemByIndex(1)->Position()->X(), 40.0f);
  EXPECT_FLOAT_EQ(list->ItemByIndex(1)->Width(), 40.0f);
}

TEST_F(ListBoxTest, AHorizontalListPlacesItemsSideBySideAndScrollsAcross) {
  TvgListBox* list = NewList(12, 150, 60, [](TvgListBox& l) {
    l.SetListStyle(vgListHorizontal);
    l.SetItemWidth(50);
  });
  TvgListBoxItem* second = list->ItemByIndex(1);
  EXPECT_FLOAT_EQ(second->Position()->X(), 50.0f);
  EXPECT_FLOAT_EQ(second->Position()->Y(), 0.0f);
  EXPECT_FLOAT_EQ(second->Height(), list->GetViewportHeight());
  ASSERT_NE(list->HScrollBar(), nullptr);
  EXPECT_TRUE(list->HScrollBar()->Visible());
  PressKey(list, kEnd);
  EXPECT_EQ(list->ItemIndex(), 11);
  EXPECT_LE(list->ItemByIndex(11)->GetAbsoluteRect().Right, list->Viewport()->GetAbsoluteRect().Right + 0.5f);
}

TEST_F(ListBoxTest, SortedListsOrderTheirItemsAndKeepTheSelectionOnItsItem) {
  TvgListBox* list = Add<TvgListBox>(10, 10, 150, 120);
  for (const wchar_t* text : {L"pear", L"Apple", L"fig", L"banana"}) AddItem(list, text);
  list->SetItemIndex(2);  // fig
  list->SetSorted(true);
  std::vector<std::wstring> texts;
  for (int i = 0; i < list->GetCount(); ++i) texts.push_back(list->ItemByIndex(i)->Text());
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"Apple", L"banana", L"fig", L"pear"}));
  EXPECT_EQ(list->Selected()->Text(), L"fig");
  EXPECT_EQ(SelectedIndexes(list), Indexes{2});

  list->OnCompare = [](TObject*, TvgListBoxItem* a, TvgListBoxItem* b, int& result) {
    result = int(b->Text().size()) - int(a->Text().size());  // longest first
  };
  list->Realign();
  EXPECT_EQ(list->ItemByIndex(0)->Text(), L"banana");
  EXPECT_EQ(list->ItemByIndex(3)->Text(), L"fig");
}

TEST_F(ListBoxTest, AlternateRowsAreShadedInPaint) {
  TvgListBox* list = NewList(4, 150, 120, [](TvgListBox& l) { l.SetAlternatingRowBackground(true); });
  std::unique_ptr<TvgBitmap> shaded = list->MakeScreenshot();
  list->SetAlternatingRowBackground(false);
  std::unique_ptr<TvgBitmap> plain = list->MakeScreenshot();
  auto pixel = [&](TvgBitmap& shot, int row) {
    const TvgPoint point = list->AbsoluteToLocal(list->ItemByIndex(row)->LocalToAbsolute({list->ItemByIndex(row)->Width() - 4, 2}));
    return shot.GetScanline(int(point.Y))[int(point.X)];
  };
  EXPECT_EQ(pixel(*shaded, 0), pixel(*plain, 0)) << "the first row is not shaded";
  EXPECT_NE(pixel(*shaded, 1), pixel(*plain, 1)) << "the second row is";
  EXPECT_EQ(pixel(*shaded, 2), pixel(*plain, 2));
  EXPECT_NE(pixel(*shaded, 3), pixel(*plain, 3));
}

// --- Check boxes -------------------------------------------------------------------------------

TEST_F(ListBoxTest, ClickingAnItemsCheckBoxChecksItSelectsItAndReports) {
  TvgListBox* list = NewList(3, 150, 120, [](TvgListBox& l) { l.SetShowCheckboxes(true); });
  TvgListBoxItem* item = list->ItemByIndex(1);
  item->ApplyResource();
  ASSERT_NE(item->CheckPart(), nullptr);
  EXPECT_TRUE(item->CheckPart()->Visible());
  std::vector<TObject*> checked;
  list->OnChangeCheck = [&](TObject* sender) { checked.push_back(sender); };
  const TvgPoint box = item->CheckPart()->LocalToAbsolute({item->CheckPart()->Width() / 2, item->Height() / 2});
  ClickAt(int(box.X), int(box.Y));
  EXPECT_TRUE(item->IsChecked());
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_TRUE(list->IsFocused());
  EXPECT_EQ(checked, std::vector<TObject*>{item});

  item->SetIsChecked(false);
  EXPECT_FALSE(item->CheckPart()->IsChecked()) << "the item's state shows in its check box";
  EXPECT_EQ(checked.size(), 1u) << "only the user's change is reported";
  list->SetShowCheckboxes(false);
  EXPECT_FALSE(item->CheckPart()->Visible());
}

// --- Removal -----------------------------------------------------------------------------------

TEST_F(ListBoxTest, RemovingItemsKeepsTheSameItemSelected) {
  TvgListBox* list = NewList(5);
  list->SetItemIndex(3);
  TvgListBoxItem* selected = list->Selected();
  list->ItemByIndex(0)->Free();
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->Selected(), selected);
  list->ItemByIndex(3)->Free();  // after the selected one
  EXPECT_EQ(list->Selected(), selected);
}

TEST_F(ListBoxTest, FreeingTheSelectedItemSelectsNothingAndKeysGoOn) {
  TvgListBox* list = NewList(5, 150, 120, [](TvgListBox& l) { l.SetMultiSelect(false); });
  list->SetItemIndex(4);
  delete list->ItemByIndex(4);  // deleted directly, not through Free
  EXPECT_EQ(list->ItemIndex(), -1);
  PressKey(list, kEnd);
  EXPECT_EQ(list->ItemIndex(), 3);
  list->Clear();
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
  PressKey(list, kDown);
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ListBoxTest, FreeingTheAnchorOfARangeInTheMiddleOfAMouseDragIsSafe) {
  TvgListBox* list = NewList(6, 150, 140, [](TvgListBox& l) { l.SetMultiSelect(true); });
  const TScenePoint from = Middle(list->ItemByIndex(1)), to = Middle(list->ItemByIndex(4));
  Press(from.X, from.Y);
  list->ItemByIndex(1)->Free();  // the items below move up by one row
  Move(to.X, to.Y, MK_LBUTTON);
  Release(to.X, to.Y);
  EXPECT_EQ(list->GetCount(), 5);
  EXPECT_EQ(list->ItemIndex(), 4);
  EXPECT_EQ(list->Selected()->Text(), L"item 5");
}

// --- Drag reordering ---------------------------------------------------------------------------

class ListBoxDragTest : public ListBoxTest {
protected:
  void SetUp() override {
    ListBoxTest::SetUp();
    list = NewList(4, 150, 120, [](TvgListBox& l) { l.SetAllowDrag(true); });
    list->SetItemIndex(0);
  }
  TvgPoint Over(int index) {
    TvgListBoxItem* item = list->ItemByIndex(index);
    return item->LocalToAbsolute({item->Width() / 2, item->Height() / 2});
  }
  bool Accepts(TObject* source, int index) {
    TvgDragObject data;
    data.Source = source;
    bool accept = false;
    list->DragOver(&data, Over(index), accept);
    return accept;
  }
  std::vector<std::wstring> Texts() {
    std::vector<std::wstring> texts;
    for (int i = 0; i < list->GetCount(); ++i) texts.push_back(list->ItemByIndex(i)->Text());
    return texts;
  }
  TvgListBox* list = nullptr;
};

TEST_F(ListBoxDragTest, OnlyTheListsOwnItemsAreAcceptedOverAnotherItem) {
  TvgListBox* other = NewList(2);
  TvgDragObject files;
  files.Files = {L"C:\\a.txt"};
  files.Data = Variant(std::wstring(L"C:\\a.txt"));
  bool accept = false;
  list->DragOver(&files, Over(2), accept);
  EXPECT_FALSE(accept) << "shell files";
  EXPECT_FALSE(Accepts(other->ItemByIndex(0), 2)) << "an item of another list";
  EXPECT_FALSE(Accepts(other, 2)) << "any other object";
  EXPECT_FALSE(Accepts(list->ItemByIndex(0), 0)) << "the dragged item itself";
  EXPECT_TRUE(Accepts(list->ItemByIndex(0), 2));
  EXPECT_EQ(list->DragOverItem(), list->ItemByIndex(2));
  EXPECT_TRUE(list->ItemByIndex(2)->IsDragOver());
}

TEST_F(ListBoxDragTest, DroppingAnItemOnAnotherSwapsThemAndTheSelectionFollows) {
  TvgDragObject data;
  data.Source = list->ItemByIndex(0);
  bool accept = false;
  list->DragOver(&data, Over(2), accept);
  list->DragDrop(&data, Over(2));
  EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"item 2", L"item 1", L"item 0", L"item 3"}));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->Selected()->Text(), L"item 0");
  EXPECT_EQ(SelectedIndexes(list), Indexes{2}) << "only the dragged item is selected";
  EXPECT_EQ(list->DragOverItem(), nullptr);
  EXPECT_FALSE(list->ItemByIndex(0)->IsDragOver());
}

TEST_F(ListBoxDragTest, ForeignDropsAndRefusedChangesLeaveTheOrder) {
  const std::vector<std::wstring> before = Texts();
  TvgListBox* other = NewList(2);
  TvgDragObject foreign;
  foreign.Source = other->ItemByIndex(1);
  list->DragDrop(&foreign, Over(2));
  TvgDragObject files;
  files.Files = {L"C:\\a.txt"};
  list->DragDrop(&files, Over(2));
  EXPECT_EQ(Texts(), before);
  EXPECT_EQ(other->GetCount(), 2);

  list->OnDragChange = [](TObject*, TvgListBoxItem*, TvgListBoxItem*, bool& allow) { allow = false; };
  TvgDragObject own;
  own.Source = list->ItemByIndex(0);
  list->DragDrop(&own, Over(3));
  EXPECT_EQ(Texts(), before);
}

TEST_F(ListBoxDragTest, AnItemFreedByTheDropHandlerIsNotSwapped) {
  list->OnDragChange = [](TObject*, TvgListBoxItem*, TvgListBoxItem* dest, bool&) { dest->Free(); };
  TvgDragObject own;
  own.Source = list->ItemByIndex(0);
  list->DragDrop(&own, Over(2));
  EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"item 0", L"item 1", L"item 3"}));
  EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(ListBoxDragTest, PressingTheSelectedItemDragsItAndTheReleaseOverAnotherSwapsThem) {
  const TScenePoint from = Middle(list->ItemByIndex(0)), to = Middle(list->ItemByIndex(3));
  Press(from.X, from.Y);
  EXPECT_EQ(vgDraggedObject(), list->ItemByIndex(0));
  Move(to.X, to.Y - 4, MK_LBUTTON);
  Move(to.X, to.Y, MK_LBUTTON);
  Release(to.X, to.Y);
  EXPECT_EQ(vgDraggedObject(), nullptr);
  EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"item 3", L"item 1", L"item 2", L"item 0"}));
  EXPECT_EQ(list->ItemIndex(), 3);
}

TEST_F(ListBoxDragTest, AnItemFreedWhileDraggedEndsTheDragQuietly) {
  const TScenePoint from = Middle(list->ItemByIndex(0)), to = Middle(list->ItemByIndex(3));
  Press(from.X, from.Y);
  ASSERT_EQ(vgDraggedObject(), list->ItemByIndex(0));
  Move(to.X, to.Y, MK_LBUTTON);
  list->ItemByIndex(0)->Free();
  EXPECT_EQ(vgDraggedObject(), nullptr);
  Move(to.X, to.Y + 2, MK_LBUTTON);
  Release(to.X, to.Y);
  EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"item 1", L"item 2", L"item 3"}));
  EXPECT_EQ(list->ItemIndex(), -1);
}

}  // namespace
