// The grid on a real scene styled by the default style: the pool of cells bound to the rows in
// view, selection and editing by keys and clicks, the header's resizing and reordering, shaded
// rows, string storage, and what happens to an edit when its rows or columns go.
#include "tests/support/ControlsFixture.h"
//
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/grid/Column.h"
#include "controls/grid/Grid.h"
#include "controls/grid/Header.h"
#include "controls/tracks/ScrollBar.h"
#include "engine/paint/Bitmap.h"
#include "engine/values/TextForms.h"
#include "engine/values/WideStrings.h"

namespace {

struct TSetCall {
  int32_t Col, Row;
  std::wstring Value;
  bool operator==(const TSetCall&) const = default;
};

class GridTest : public ControlsTest {
protected:
  TvgVisualObject* NewRoot() override {
    auto* made = new TvgVisualObject(nullptr);
    made->SetBounds(0, 0, 300, 200);
    return made;
  }

  // A grid of the given size whose values are "c,r" texts unless stored by SetValue.
  TvgGrid* NewGrid(int columns = 3, float width = 300, float height = 200) {
    TvgGrid* made = Add<TvgGrid>(0, 0, width, height);
    made->OnGetValue = [this](TObject*, int32_t col, int32_t row, Variant& value) {
      ++gets;
      const auto stored = values.find({col, row});
      value = stored != values.end() ? Variant(stored->second)
                                     : Variant(std::to_wstring(col) + L"," + std::to_wstring(row));
    };
    made->OnSetValue = [this](TObject*, int32_t col, int32_t row, const Variant& value) {
      sets.push_back({col, row, value.ToWideString()});
      values[{col, row}] = value.ToWideString();
    };
    made->OnEdititingDone = [this](TObject*, int32_t col, int32_t row) { done.push_back({col, row, L""}); };
    for (int i = 0; i < columns; ++i) AddColumn<TvgColumn>(made, L"Col" + std::to_wstring(i));
    return made;
  }
  template <class C>
  C* AddColumn(TvgCustomGrid* grid, const std::wstring& header = L"", float width = 80) {
    auto* column = new C(nullptr);
    column->SetWidth(width);
    grid->AddObject(column);
    column->SetHeader(header);
    return column;
  }
  static TvgScrollBar* VBar(TvgCustomGrid* grid) { return dynamic_cast<TvgScrollBar*>(grid->VScrollBar()); }
  static TvgPoint Center(TvgVisualObject* object) {
    return object->LocalToAbsolute({object->Width() / 2, object->Height() / 2});
  }
  void ClickOn(TvgVisualObject* object) {
    const TvgPoint at = Center(object);
    ClickAt(int(at.X), int(at.Y));
  }
  void Type(const std::wstring& text) {
    for (wchar_t c : text) Send(WM_CHAR, c, 0);
  }
  static std::vector<int32_t> BoundRows(TvgColumn* column) {
    std::vector<int32_t> rows;
    for (TvgControl* cell : column->Cells())
      if (cell->Visible()) rows.push_back(int32_t(vgStrToPoint(cell->TagString).Y));
    return rows;
  }
  TvgVisualObject* Focused() { return scene->GetFocused(); }

  std::map<std::pair<int32_t, int32_t>, std::wstring> values;
  std::vector<TSetCall> sets, done;
  int gets = 0;
};

TEST_F(GridTest, EachColumnBindsOnlyTheRowsInViewPlusTwo) {
  struct Case {
    float viewportHeight, rowHeight;
    int32_t rowCount;
    size_t cells;
  } cases[] = {{22, 21, 100, 3}, {22, 21, 2, 2}, {105, 21, 100000, 7}, {100, 10, 100, 12}, {100, 10, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.viewportHeight);
    TvgGrid* grid = NewGrid(2);
    grid->SetRowHeight(c.rowHeight);
    grid->SetHeight(grid->Height() - grid->GetViewportHeight() + c.viewportHeight);
    grid->SetRowCount(c.rowCount);
    ASSERT_FLOAT_EQ(grid->GetViewportHeight(), c.viewportHeight);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(BoundRows(grid->Columns(i)).size(), c.cells);
    grid->Free();
  }
}

TEST_F(GridTest, ScrollingRebindsThePoolInsteadOfMakingCells) {
  TvgGrid* grid = NewGrid(2);
  grid->SetRowCount(1000);
  TvgColumn* column = grid->Columns(1);
  const size_t pool = column->Cells().size();
  const TvgControl* first = column->Cells().front();
  VBar(grid)->SetValue(500 * 21 + 5);
  EXPECT_EQ(grid->TopRow(), 500);
  EXPECT_EQ(column->Cells().size(), pool);
  EXPECT_EQ(column->Cells().front(), first);
  EXPECT_EQ(BoundRows(column).front(), 500);
  EXPECT_EQ(static_cast<TvgTextCell*>(column->Cells()[2])->Text(), L"1,502");
  EXPECT_FLOAT_EQ(column->Position()->Y(), 500 * 21);
  VBar(grid)->SetValue(1e9f);
  EXPECT_EQ(BoundRows(column).back(), 999) << "the last row is bound at the end";
}

// In a shown window the cells are styled by their first paint, and each scroll paints again: the
// grid must settle after every way of scrolling past a page.
TEST_F(GridTest, AShownGridScrollsByItsBarTheWheelAndKeysAndPaintsTheRowsInView) {
  TvgGrid* grid = NewGrid(4);
  grid->SetRowCount(1000);
  form->Show();
  auto painted = [&] { return PumpUntil([&] { return !GetUpdateRect(Window(), nullptr, FALSE); }); };
  ASSERT_TRUE(painted());
  TvgColumn* column = grid->Columns(1);
  ASSERT_NE(column->Cells().front()->StyleObject(), nullptr) << "the paint styles the cells";
  const int32_t page = grid->BoundRows();
  struct Scroll {
    const char* how;
    std::function<void()> scroll;
    int32_t top;
  } scrolls[] = {
      {"the bar past a page", [&] { VBar(grid)->SetValue(21.0f * (page + 3)); }, page + 3},
      {"the bar back to the top", [&] { VBar(grid)->SetValue(0); }, 0},
      {"the wheel", [&] { grid->SetAnimated(false); Move(50, 50); Send(WM_MOUSEWHEEL, MAKEWPARAM(0, -120 * 4), MAKELPARAM(kFormLeft + 50, kFormTop + 50)); }, -1},
      {"Page Down twice", [&] { grid->SetFocus(); grid->SetSelected(grid->TopRow()); Key(VK_NEXT); Key(VK_NEXT); }, -1},
      {"Ctrl+End", [&] { HoldKeys({VK_CONTROL}); Key(VK_END); HoldKeys({}); }, -1},
  };
  int32_t lastTop = 0;
  for (const Scroll& s : scrolls) {
    SCOPED_TRACE(s.how);
    s.scroll();
    ASSERT_TRUE(painted()) << "the grid settles and paints";
    if (s.top >= 0) EXPECT_EQ(grid->TopRow(), s.top);
    else EXPECT_GT(grid->TopRow(), lastTop) << "the view moved down";
    lastTop = grid->TopRow();
    const std::vector<int32_t> rows = BoundRows(column);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), grid->TopRow());
    EXPECT_EQ(static_cast<TvgTextCell*>(column->CellByRow(rows.front()))->Text(), L"1," + std::to_wstring(rows.front()));
  }
  EXPECT_EQ(BoundRows(column).back(), 999) << "Ctrl+End shows the last row";
  EXPECT_EQ(grid->Selected(), 999);
}

TEST_F(GridTest, RowHeightNeverGoesBelowFive) {
  TvgGrid* grid = NewGrid();
  for (auto [given, kept] : {std::pair{3.0f, 5.0f}, {-1.0f, 5.0f}, {5.0f, 5.0f}, {30.0f, 30.0f}}) {
    grid->SetRowHeight(given);
    EXPECT_EQ(grid->RowHeight(), kept) << given;
  }
}

TEST_F(GridTest, ShrinkingRowCountBelowTheSelectionSelectsTheNewLastRow) {
  TvgGrid* grid = NewGrid();
  grid->SetSelected(50);
  grid->SetRowCount(20);
  EXPECT_EQ(grid->Selected(), 19);
  grid->SetRowCount(40);
  EXPECT_EQ(grid->Selected(), 19);
}

TEST_F(GridTest, KeysMoveTheSelectionWithinRowsAndColumns) {
  TvgGrid* grid = NewGrid(4);
  grid->SetRowCount(50);
  grid->SetFocus();
  const int32_t page = grid->BoundRows();
  struct Step {
    WPARAM key;
    bool ctrl;
    int32_t row, col;
  } steps[] = {
      {VK_UP, false, 0, 0},     {VK_DOWN, false, 1, 0},          {VK_NEXT, false, 1 + page, 0},
      {VK_RIGHT, false, 1 + page, 1}, {VK_END, false, 1 + page, 3}, {VK_RIGHT, false, 1 + page, 3},
      {VK_END, true, 49, 3},    {VK_DOWN, false, 49, 3},         {VK_NEXT, false, 49, 3},
      {VK_HOME, false, 49, 0},  {VK_LEFT, false, 49, 0},         {VK_PRIOR, false, 49 - page, 0},
      {VK_HOME, true, 0, 0},    {VK_PRIOR, false, 0, 0},
  };
  for (const Step& s : steps) {
    HoldKeys(s.ctrl ? std::initializer_list<int>{VK_CONTROL} : std::initializer_list<int>{});
    Key(s.key);
    EXPECT_EQ(grid->Selected(), s.row) << s.key;
    EXPECT_EQ(grid->ColumnIndex(), s.col) << s.key;
  }
}

TEST_F(GridTest, SelectingARowOutOfViewScrollsItIntoView) {
  TvgGrid* grid = NewGrid();
  grid->SetSelected(80);
  const float value = VBar(grid)->Value();
  EXPECT_GE(80 * 21 + 21, value + grid->GetViewportHeight() - 0.5f);
  EXPECT_LE(80 * 21, value + grid->GetViewportHeight());
  ASSERT_NE(grid->Columns(0)->CellByRow(80), nullptr);
  grid->SetSelected(3);
  EXPECT_FLOAT_EQ(VBar(grid)->Value(), 3 * 21);
}

TEST_F(GridTest, TypingALetterEditsTheSelectedCellAndEscapeRestoresIt) {
  TvgGrid* grid = NewGrid(3);
  grid->SetFocus();
  grid->SetSelected(5);
  grid->SetColumnIndex(2);
  Type(L"x");
  auto* cell = dynamic_cast<TvgTextCell*>(grid->Columns(2)->CellByRow(5));
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(Focused(), cell);
  EXPECT_EQ(cell->Text(), L"x") << "the letter replaces the cell's text";
  Type(L"yz");
  Key(VK_ESCAPE);
  EXPECT_EQ(cell->Text(), L"2,5");
  EXPECT_EQ(Focused(), grid);
  EXPECT_TRUE(sets.empty());
  EXPECT_TRUE(done.empty());
}

// The wheel or the bar can take the selected row out of view; typing or F2 is still meant for it.
TEST_F(GridTest, AnEditOfTheSelectedRowScrolledOutOfViewBringsItBack) {
  for (WPARAM start : {WPARAM('q'), WPARAM(VK_F2)}) {
    SCOPED_TRACE(start);
    TvgGrid* grid = NewGrid(3);
    grid->SetRowCount(1000);
    grid->SetFocus();
    grid->SetSelected(4);
    grid->SetColumnIndex(1);
    VBar(grid)->SetValue(21 * 300);
    ASSERT_EQ(grid->Columns(1)->CellByRow(4), nullptr);
    if (start == VK_F2) Key(start);
    else Type(L"q");
    auto* cell = dynamic_cast<TvgTextCell*>(grid->Columns(1)->CellByRow(4));
    ASSERT_NE(cell, nullptr) << "the selected row is in view again";
    EXPECT_EQ(Focused(), cell);
    EXPECT_EQ(cell->Text(), start == VK_F2 ? L"1,4" : L"q");
    Key(VK_ESCAPE);
    grid->Free();
  }
}

TEST_F(GridTest, EnterWritesTheEditBackOnceAndReturnsToTheGrid) {
  TvgGrid* grid = NewGrid(3);
  grid->SetFocus();
  grid->SetSelected(1);
  grid->SetColumnIndex(1);
  Type(L"new");
  Key(VK_RETURN);
  EXPECT_EQ(Focused(), grid);
  EXPECT_EQ(sets, (std::vector<TSetCall>{{1, 1, L"new"}}));
  EXPECT_EQ(done, (std::vector<TSetCall>{{1, 1, L""}}));
  Send(WM_CHAR, VK_RETURN, 0);
  EXPECT_EQ(Focused(), grid) << "the Enter's character does not start another edit";
  Key(VK_F2);
  EXPECT_EQ(Focused(), grid->Columns(1)->CellByRow(1));
  Key(VK_DOWN);
  EXPECT_EQ(Focused(), grid);
  EXPECT_EQ(grid->Selected(), 2);
}

TEST_F(GridTest, AClickSelectsTheCellAndASecondEditsItUntilAClickElsewhere) {
  TvgGrid* grid = NewGrid(3);
  TvgControl* cell = grid->Columns(1)->CellByRow(2);
  ClickOn(cell);
  EXPECT_EQ(grid->Selected(), 2);
  EXPECT_EQ(grid->ColumnIndex(), 1);
  EXPECT_EQ(Focused(), grid);
  EXPECT_TRUE(cell->HitTest());
  EXPECT_FALSE(grid->Columns(0)->CellByRow(2)->HitTest());
  ClickOn(cell);
  EXPECT_EQ(Focused(), cell);
  Type(L"!");
  ClickOn(grid->Columns(0)->CellByRow(4));
  EXPECT_EQ(Focused(), grid);
  EXPECT_EQ(grid->Selected(), 4);
  EXPECT_EQ(grid->ColumnIndex(), 0);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].Col, 1);
  EXPECT_EQ(sets[0].Row, 2);
}

TEST_F(GridTest, ACheckCellWritesEveryChangeBackAndAReadOnlyGridTakesNoEdit) {
  TvgGrid* grid = NewGrid(0);
  grid->OnGetValue = [](TObject*, int32_t, int32_t row, Variant& value) { value = Variant(row == 1); };
  AddColumn<TvgCheckColumn>(grid);
  auto* cell = dynamic_cast<TvgCheckCell*>(grid->Columns(0)->CellByRow(1));
  ASSERT_NE(cell, nullptr);
  EXPECT_TRUE(cell->IsChecked());
  EXPECT_FALSE(grid->Columns(0)->CellByRow(0)->GetData().ToBoolean());
  ClickOn(cell);
  ClickOn(cell);
  EXPECT_FALSE(cell->IsChecked());
  Key(VK_SPACE);
  EXPECT_EQ(sets, (std::vector<TSetCall>{{0, 1, L"False"}, {0, 1, L"True"}}));
  grid->SetReadOnly(true);
  grid->SetSelected(2);
  TvgControl* other = grid->Columns(0)->CellByRow(2);
  ClickOn(other);
  EXPECT_NE(Focused(), other);
}

TEST_F(GridTest, EveryColumnKindSetsUpItsCells) {
  TvgGrid* grid = NewGrid(0);
  auto* progress = AddColumn<TvgProgressColumn>(grid);
  progress->SetMax(10);
  auto* popup = AddColumn<TvgPopupColumn>(grid);
  popup->Items()->SetTextStr(L"red\r\ngreen\r\n");
  AddColumn<TvgImageColumn>(grid);
  grid->OnGetValue = [](TObject*, int32_t col, int32_t row, Variant& value) {
    if (col == 0) value = Variant(double(row));
    if (col == 1) value = Variant(row % 2 ? L"green" : L"red");
  };
  grid->SetRowCount(0);
  grid->SetRowCount(5);
  auto* bar = dynamic_cast<TvgProgressCell*>(grid->Columns(0)->CellByRow(4));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Max(), 10);
  EXPECT_EQ(bar->Value(), 4);
  auto* box = dynamic_cast<TvgPopupCell*>(grid->Columns(1)->CellByRow(3));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Items()->Count(), 2);
  EXPECT_EQ(box->ItemIndex(), 1);
  auto* image = dynamic_cast<TvgImageCell*>(grid->Columns(2)->CellByRow(0));
  ASSERT_NE(image, nullptr);
  EXPECT_FALSE(image->EnableOpenDialog());
}

TEST_F(GridTest, DraggingAHeaderGripResizesTheColumnToAtLeastTen) {
  TvgGrid* grid = NewGrid(3);
  ASSERT_NE(grid->Header(), nullptr);
  TvgHeaderItem* item = grid->Header()->Items(1);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->Text(), L"Col1");
  const TvgPoint grip = Center(item->RightGrip());
  const TvgPoint left = item->LocalToAbsolute({0, 0});
  Press(int(grip.X), int(grip.Y));
  Move(int(grip.X) + 30, int(grip.Y), MK_LBUTTON);
  EXPECT_NEAR(grid->Columns(1)->Width(), grip.X + 30 - left.X, 1);
  Move(int(left.X) + 4, int(grip.Y), MK_LBUTTON);
  Release(int(left.X) + 4, int(grip.Y));
  EXPECT_FLOAT_EQ(grid->Columns(1)->Width(), 10);
  EXPECT_FLOAT_EQ(item->Width(), 10);
  EXPECT_FLOAT_EQ(grid->Columns(2)->Position()->X(), 80 + 10);
  // The left grip of an item resizes the item before it.
  const TvgPoint leftGrip = Center(grid->Header()->Items(2)->LeftGrip());
  Press(int(leftGrip.X), int(leftGrip.Y));
  Release(int(leftGrip.X) + 20, int(leftGrip.Y));
  EXPECT_NEAR(grid->Columns(1)->Width(), 30, 1.5);
}

TEST_F(GridTest, DroppingAHeaderItemOnAnotherMovesItsColumnAndTheSelectionFollows) {
  TvgGrid* grid = NewGrid(3);
  TvgColumn* first = grid->Columns(0);
  TvgColumn* selected = grid->Columns(1);
  grid->SetColumnIndex(1);
  const TvgPoint from = Center(grid->Header()->Items(0));
  const TvgPoint to = Center(grid->Header()->Items(2));
  Press(int(from.X), int(from.Y));
  Move(int(to.X) - 5, int(to.Y), MK_LBUTTON);
  Move(int(to.X), int(to.Y), MK_LBUTTON);
  Release(int(to.X), int(to.Y));
  EXPECT_EQ(grid->Columns(2), first);
  EXPECT_EQ(grid->Header()->Items(2)->Text(), L"Col0");
  EXPECT_EQ(grid->Columns(grid->ColumnIndex()), selected);
  EXPECT_FLOAT_EQ(first->Position()->X(), 160);
  EXPECT_EQ(grid->Columns(2)->CellByRow(0)->GetData().ToWideString(), L"2,0") << "cells ask by the new index";
  // The filler item takes no drop.
  const TvgPoint filler = Center(grid->Header()->Filler());
  Press(int(to.X), int(to.Y));
  Move(int(filler.X) - 5, int(filler.Y), MK_LBUTTON);
  Move(int(filler.X), int(filler.Y), MK_LBUTTON);
  Release(int(filler.X), int(filler.Y));
  EXPECT_EQ(grid->Columns(2), first);
}

TEST_F(GridTest, AlternatingRowsAreShadedWhereverTheViewIsScrolled) {
  TvgGrid* grid = NewGrid(1);
  grid->SetShowHorzLines(false);
  grid->SetShowVertLines(false);
  grid->SetShowSelectedCell(false);
  grid->SetSelected(-1);
  grid->OnGetValue = nullptr;
  grid->SetAlternatingRowBackground(true);
  for (float scroll : {0.0f, 21.0f * 7, 21.0f * 7 + 10}) {
    SCOPED_TRACE(scroll);
    VBar(grid)->SetValue(scroll);
    auto shot = grid->MakeScreenshot();
    const TvgPoint origin = grid->AbsoluteToLocal(grid->Content()->LocalToAbsolute({0, 0}));
    auto luminance = [&](int row) {
      const int y = int(origin.Y + row * 21 + 10);
      const TvgColor c = shot->GetScanline(y)[150];
      return int((c >> 16) & 0xFF) + int((c >> 8) & 0xFF) + int(c & 0xFF);
    };
    const int top = grid->TopRow() + 1;
    for (int row = top; row < top + 4; ++row)
      if (row % 2) EXPECT_LT(luminance(row), luminance(row + 1) - 6) << row;
      else EXPECT_GT(luminance(row), luminance(row + 1) + 6) << row;
  }
}

TEST_F(GridTest, StringGridKeepsItsStringsWhenRowsAreAdded) {
  auto* grid = Add<TvgStringGrid>(0, 0, 300, 200);
  auto* column = AddColumn<TvgStringColumn>(grid, L"Name");
  grid->SetRowCount(3);
  grid->SetValue(0, 1, Variant(L"one"));
  grid->SetValue(0, 7, Variant(L"past the end"));
  grid->SetRowCount(10);
  Variant value;
  grid->GetValue(0, 1, value);
  EXPECT_EQ(value.ToWideString(), L"one");
  grid->GetValue(0, 7, value);
  EXPECT_EQ(value.ToWideString(), L"");
  grid->GetValue(3, 1, value);
  EXPECT_TRUE(value.IsEmpty());
  EXPECT_EQ(column->Strings().size(), 10u);
  EXPECT_EQ(static_cast<TvgTextCell*>(column->CellByRow(1))->Text(), L"one");
  grid->SetFocus();
  grid->SetSelected(2);
  Type(L"typed");
  Key(VK_RETURN);
  EXPECT_EQ(column->Strings()[2], L"typed");
}

// The mended faults: the selected column index follows removed columns; an edit whose row or
// column goes neither writes out of range nor keeps the focus in a hidden cell.
TEST_F(GridTest, RemovingColumnsKeepsTheColumnIndexOnAColumnThatIsThere) {
  TvgGrid* grid = NewGrid(4);
  TvgColumn* third = grid->Columns(2);
  grid->SetColumnIndex(2);
  grid->Columns(0)->Free();
  EXPECT_EQ(grid->Columns(grid->ColumnIndex()), third);
  grid->SetColumnIndex(2);
  grid->Columns(2)->Free();
  EXPECT_EQ(grid->ColumnIndex(), 1);
  ASSERT_NE(grid->FocusPart(), nullptr);
  EXPECT_FLOAT_EQ(grid->FocusPart()->Position()->X(), grid->Columns(1)->Position()->X() + 1);
  EXPECT_FALSE(grid->Header()->Items(2)->Visible());
  while (grid->ColumnCount() > 0) grid->Columns(0)->Free();
  EXPECT_FALSE(grid->FocusPart()->Visible());
  grid->SetFocus();
  for (int key : {VK_RIGHT, VK_END, VK_F2, int('A')}) Key(WPARAM(key));
  Type(L"a");
  EXPECT_EQ(grid->ColumnIndex(), 0);
}

TEST_F(GridTest, RowCountZeroWhileEditingEndsTheEditWithoutWritingIt) {
  auto* grid = Add<TvgStringGrid>(0, 0, 300, 200);
  auto* column = AddColumn<TvgStringColumn>(grid);
  grid->SetFocus();
  grid->SetSelected(4);
  Type(L"abc");
  ASSERT_NE(dynamic_cast<TvgTextCell*>(Focused()), nullptr);
  grid->SetRowCount(0);
  EXPECT_EQ(Focused(), grid);
  EXPECT_TRUE(column->Strings().empty());
  Type(L"more");
  Key(VK_RETURN);
  Key(VK_DOWN);
  EXPECT_TRUE(column->Strings().empty());
  EXPECT_FALSE(grid->FocusPart()->Visible());
  grid->SetRowCount(6);
  Variant value;
  grid->GetValue(0, 4, value);
  EXPECT_EQ(value.ToWideString(), L"");
}

TEST_F(GridTest, FreeingColumnsWhileACellEditsLeavesTheGridWorking) {
  TvgGrid* grid = NewGrid(3);
  grid->SetFocus();
  grid->SetSelected(2);
  grid->SetColumnIndex(1);
  Type(L"lost");
  ASSERT_EQ(Focused(), grid->Columns(1)->CellByRow(2));
  grid->Columns(1)->Free();
  EXPECT_NE(dynamic_cast<TvgTextCell*>(Focused()), grid->Columns(1)->CellByRow(2));
  grid->SetFocus();
  Type(L"x");
  ASSERT_EQ(Focused(), grid->Columns(1)->CellByRow(2));
  grid->Content()->DeleteChildren();
  EXPECT_EQ(grid->ColumnCount(), 0);
  Type(L"y");
  Key(VK_RETURN);
  for (const TSetCall& call : sets) EXPECT_LT(call.Col, 3);
}

TEST_F(GridTest, LinesAndTheSelectionAreDrawn) {
  TvgGrid* grid = NewGrid(2);
  grid->OnGetValue = nullptr;
  grid->SetSelected(1);
  auto shot = grid->MakeScreenshot();
  const TvgPoint origin = grid->AbsoluteToLocal(grid->Content()->LocalToAbsolute({0, 0}));
  auto pixel = [&](float x, float y) { return shot->GetScanline(int(y))[int(x)] & 0xFFFFFF; };
  // The darkest of the pixels about a line's place is the line's own colour.
  auto darkestAbout = [&](float x, float y, bool vertical) {
    uint32_t darkest = 0xFFFFFF;
    for (int d = -2; d <= 1; ++d) darkest = std::min(darkest, vertical ? pixel(x + d, y) : pixel(x, y + d));
    return darkest;
  };
  EXPECT_EQ(darkestAbout(origin.X + 40, origin.Y + 4 * 21, false), 0x202020u) << "a row boundary";
  EXPECT_EQ(darkestAbout(origin.X + 80, origin.Y + 3 * 21 + 10, true), 0x202020u) << "a column edge";
  EXPECT_EQ(pixel(origin.X + 120, origin.Y + 21 + 10), 0x936639u) << "the selected row";
  grid->SetShowHorzLines(false);
  grid->SetShowVertLines(false);
  shot = grid->MakeScreenshot();
  EXPECT_NE(darkestAbout(origin.X + 40, origin.Y + 4 * 21, false), 0x202020u);
  EXPECT_NE(darkestAbout(origin.X + 80, origin.Y + 3 * 21 + 10, true), 0x202020u);
}

}  // namespace
