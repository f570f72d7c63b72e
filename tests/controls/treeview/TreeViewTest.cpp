// The tree view in the default style, in a real scene: rows laid out and indented, expanding and
// collapsing by the expander, the keys and code, selection by click and keys (single and multiple)
// drawn by the style's selection, check boxes, sorting, and dragging items onto other items.
#include "tests/support/ControlsFixture.h"
//
#include <memory>
#include <string>
#include <vector>

#include "controls/boxes/CheckBox.h"
#include "controls/buttons/Button.h"
#include "controls/treeview/TreeView.h"
#include "engine/paint/Bitmap.h"
#include "classlib/core/StringStream.h"
#include "engine/scene/DragDrop.h"
#include "engine/shapes/Shapes.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/values/WideTextCompare.h"

namespace {

// A tree 200 x 150 at (10, 10) of the root. Its viewport starts 2 inside (the frame's margin and
// the viewport's padding), so row k spans y 12 + 19 k .. 31 + 19 k of the scene.
//   A        row 0
//     a1
//     a2
//       a2x
//   B
//   C
//     c1
// Collapsed, the rows are A, B, C.
class TreeViewTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    tree = Add<TvgTreeView>(10, 10, 200, 150);
    A = Item(tree, L"A");
    a1 = Item(A, L"a1");
    a2 = Item(A, L"a2");
    a2x = Item(a2, L"a2x");
    B = Item(tree, L"B");
    C = Item(tree, L"C");
    c1 = Item(C, L"c1");
    tree->OnChange = [this](TObject*) { ++changes; };
  }
  TvgTreeViewItem* Item(TvgObject* parent, const std::wstring& text) {
    auto* item = new TvgTreeViewItem(nullptr);
    item->SetText(text);
    parent->AddObject(item);
    item->ApplyResource();
    return item;
  }
  void ExpandAll() {
    for (TvgTreeViewItem* item : {A, a2, C}) item->SetIsExpanded(true);
  }
  std::vector<std::wstring> Rows() const {
    std::vector<std::wstring> rows;
    for (int i = 0; i < tree->GlobalCount(); ++i) {
      TvgTreeViewItem* item = tree->ItemByGlobalIndex(i);
      EXPECT_EQ(item->GlobalIndex(), i);
      rows.push_back(item->Text());
    }
    return rows;
  }
  static int RowCenter(int row) { return 12 + 19 * row + 9; }
  // The scene point at x of the tree's local left edge, on the given row.
  void ClickRow(int row, int x = 120) { ClickAt(10 + x, RowCenter(row)); }
  std::vector<TvgVisualObject*> ShownSelection() {
    std::vector<TvgVisualObject*> shown;
    TvgObject* part = tree->FindResource("selection");
    for (int i = 0; part && i < part->Parent()->ChildrenCount(); ++i)
      if (TvgVisualObject* clone = part->Parent()->Children(i)->Visual(); clone != part && clone->Visible())
        shown.push_back(clone);
    return shown;
  }

  TvgTreeView* tree = nullptr;
  TvgTreeViewItem *A, *a1, *a2, *a2x, *B, *C, *c1;
  int changes = 0;
};

TEST_F(TreeViewTest, RowsListTheShownItemsInOrderAndIndentEachLevel) {
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"A", L"B", L"C"}));
  EXPECT_EQ(tree->Count(), 3);
  EXPECT_EQ(tree->ItemByIndex(1), B);
  EXPECT_EQ(tree->ItemByIndex(3), nullptr);
  EXPECT_EQ(tree->ItemByGlobalIndex(3), nullptr);
  EXPECT_EQ(tree->ItemByGlobalIndex(-1), nullptr);
  EXPECT_FALSE(a1->Visible());
  EXPECT_EQ(a2x->Opacity(), 0) << "every hidden descendant, at any depth";

  ExpandAll();
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"A", L"a1", L"a2", L"a2x", L"B", L"C", L"c1"}));
  EXPECT_TRUE(a2x->Visible());
  EXPECT_EQ(a2x->Opacity(), 1);
  struct Row {
    TvgTreeViewItem* item;
    int level;
  } rows[] = {{A, 0}, {a1, 1}, {a2, 1}, {a2x, 2}, {B, 0}, {C, 0}, {c1, 1}};
  for (int k = 0; k < 7; ++k) {
    SCOPED_TRACE(k);
    const TvgRect rect = tree->GetItemRect(rows[k].item);
    EXPECT_EQ(rows[k].item->Level(), rows[k].level);
    EXPECT_EQ(rect.Top, 19.0f * float(k));
    EXPECT_EQ(rect.Left, 19.0f * float(rows[k].level));
    EXPECT_EQ(vgRectWidth(rect), 196 - 19.0f * float(rows[k].level)) << "the viewport's width less the indent";
    EXPECT_EQ(tree->ItemByPoint(100, float(RowCenter(k) - 10)), rows[k].item);
  }
  EXPECT_EQ(a2x->TreeView(), tree);
  EXPECT_EQ(a2->Items(0), a2x);
  EXPECT_EQ(A->Count(), 2);
  EXPECT_EQ(tree->ItemByPoint(100, 140), nullptr) << "below the last row";

  A->SetIsExpanded(false);
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"A", L"B", L"C", L"c1"}));
  EXPECT_FALSE(a2x->Visible());
  EXPECT_EQ(tree->GetItemRect(B).Top, 19);
}

TEST_F(TreeViewTest, AThirdLevelItemIsFiftySevenNarrowerAndItemHeightEvensTheRows) {
  TvgTreeViewItem* deep = Item(a2x, L"deep");
  ExpandAll();
  a2x->SetIsExpanded(true);
  EXPECT_EQ(A->Width() - deep->Width(), 57);
  a1->SetHeight(30);
  tree->Realign();
  EXPECT_EQ(tree->GetItemRect(a2).Top, 19 + 30) << "each item keeps its own height";
  tree->SetItemHeight(25);
  for (TvgTreeViewItem* item : {A, a1, a2, deep}) EXPECT_EQ(item->Height(), 25);
  EXPECT_EQ(tree->GetItemRect(a2).Top, 50);
}

TEST_F(TreeViewTest, AnEmptyTreeHasContentOneHighAndIgnoresTheKeys) {
  auto* empty = Add<TvgTreeView>(220, 10, 70, 70);
  TvgRect bounds;
  empty->GetContentBounds(bounds);
  EXPECT_EQ(vgRectHeight(bounds), 1);
  empty->SetFocus();
  for (uint16_t key : {35, 36, 38, 40, 107, 109}) {
    uint16_t pressed = key;
    wchar_t none = 0;
    empty->KeyDown(pressed, none, {});
    EXPECT_EQ(pressed, key) << "not consumed";
  }
}

TEST_F(TreeViewTest, TheExpanderShowsOnItemsWithSubItemsAndAClickOnItToggles) {
  auto* button = dynamic_cast<TvgCustomButton*>(A->FindResource("button"));
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->Visible());
  EXPECT_FALSE(B->FindResource("button")->Visual()->Visible());
  ClickAt(10 + 2 + 7, RowCenter(0));
  EXPECT_TRUE(A->IsExpanded());
  EXPECT_EQ(tree->GlobalCount(), 5);
  ClickAt(10 + 2 + 7, RowCenter(0));
  EXPECT_FALSE(A->IsExpanded());
  EXPECT_EQ(tree->Selected(), nullptr) << "the expander does not select";

  Item(B, L"b1");
  EXPECT_TRUE(B->FindResource("button")->Visual()->Visible()) << "a first sub-item brings the expander";
  EXPECT_EQ(tree->GlobalCount(), 3) << "collapsed: the new sub-item is no row";
}

// The arrow pointing right shows while collapsed, the one pointing down while expanded.
TEST_F(TreeViewTest, TheExpanderArrowsSwapWithIsExpanded) {
  TvgObject* style = A->FindResource("button")->Visual()->Children(0);
  ASSERT_NE(style, nullptr);
  auto fills = [&] {
    std::vector<TvgColor> colors;
    for (int i = 0; i < style->ChildrenCount(); ++i)
      if (auto* path = dynamic_cast<TvgShape*>(style->Children(i))) colors.push_back(path->Fill()->SolidColor() >> 24);
    return colors;
  };
  EXPECT_EQ(fills(), (std::vector<TvgColor>{0xFF, 0x00}));
  A->SetIsExpanded(true);
  TickFor(300);
  EXPECT_EQ(fills(), (std::vector<TvgColor>{0x00, 0xFF}));
}

TEST_F(TreeViewTest, AClickSelectsAndTheKeysWalkTheRows) {
  ExpandAll();
  ClickRow(2);
  EXPECT_EQ(tree->Selected(), a2);
  EXPECT_TRUE(a2->IsSelected());
  EXPECT_TRUE(tree->IsFocused());
  EXPECT_EQ(changes, 1);
  struct Step {
    WPARAM key;
    TvgTreeViewItem* selected;
    int rows;
  } steps[] = {
      {VK_DOWN, a2x, 7},     {VK_UP, a2, 7},        {VK_SUBTRACT, a2, 6}, {VK_DOWN, B, 6}, {VK_UP, a2, 6},
      {VK_ADD, a2, 7},       {VK_END, c1, 7},       {VK_DOWN, c1, 7},     {VK_HOME, A, 7}, {VK_UP, A, 7},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.key);
    Key(step.key);
    EXPECT_EQ(tree->Selected(), step.selected);
    EXPECT_EQ(tree->GlobalCount(), step.rows);
  }
  EXPECT_FALSE(a2->IsSelected()) << "one item selected at a time";
  EXPECT_TRUE(A->IsSelected());
}

// The selection's ancestor collapses under it: the selection moves up to the collapsed item, so
// that the keys go on from a shown row.
TEST_F(TreeViewTest, CollapsingAnAncestorOfTheSelectionSelectsTheCollapsedItem) {
  ExpandAll();
  tree->SetSelected(a2x);
  struct Case {
    const char* how;
    std::function<void()> collapse;
  } cases[] = {
      {"by code", [&] { A->SetIsExpanded(false); }},
      {"by the expander", [&] { ClickAt(10 + 2 + 7, RowCenter(0)); }},
      {"by the key", [&] { Key(VK_SUBTRACT); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    ExpandAll();
    tree->SetSelected(a2x);
    if (std::string(c.how) == "by the key") tree->SetSelected(A);
    tree->SetFocus();
    c.collapse();
    EXPECT_EQ(tree->Selected(), A);
    EXPECT_FALSE(a2x->IsSelected());
    Key(VK_DOWN);
    EXPECT_EQ(tree->Selected(), B) << "the next shown row";
    Key(VK_UP);
    EXPECT_EQ(tree->Selected(), A);
  }
}

TEST_F(TreeViewTest, SelectingAHiddenItemExpandsItsAncestorsAndScrollsItIntoView) {
  for (int i = 0; i < 20; ++i) Item(tree, L"more " + std::to_wstring(i));
  TvgTreeViewItem* last = Item(tree, L"last");
  TvgTreeViewItem* hidden = Item(last, L"hidden");
  tree->SetSelected(hidden);
  EXPECT_TRUE(last->IsExpanded());
  EXPECT_TRUE(hidden->Visible());
  const TvgRect view = tree->Viewport()->GetAbsoluteRect();
  const TvgRect shown = hidden->GetAbsoluteRect();
  EXPECT_GE(shown.Top, view.Top);
  EXPECT_LE(shown.Bottom, view.Bottom + 0.5f) << "scrolled to the bottom of the view";
  tree->SetSelected(A);
  EXPECT_EQ(A->GetAbsoluteRect().Top, view.Top) << "and back to the top";
}

TEST_F(TreeViewTest, MultiSelectTogglesWithCtrlAndSpansWithShift) {
  tree->SetMultiSelect(true);
  ExpandAll();
  ClickRow(1);
  HoldKeys({VK_SHIFT});
  Press(10 + 120, RowCenter(3), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT);
  Release(10 + 120, RowCenter(3));
  HoldKeys({});
  std::vector<bool> selected;
  for (int i = 0; i < 7; ++i) selected.push_back(tree->ItemByGlobalIndex(i)->IsSelected());
  EXPECT_EQ(selected, (std::vector<bool>{false, true, true, true, false, false, false}));
  EXPECT_EQ(tree->Selected(), a2x);
  EXPECT_EQ(ShownSelection().size(), 1u) << "three adjacent rows, one shape";

  HoldKeys({VK_CONTROL});
  Press(10 + 120, RowCenter(2), WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL);
  Release(10 + 120, RowCenter(2));
  HoldKeys({});
  EXPECT_FALSE(a2->IsSelected());
  EXPECT_EQ(tree->Selected(), a2x) << "Ctrl leaves Selected";
  EXPECT_EQ(ShownSelection().size(), 2u) << "rows 1 and 3";
  const std::vector<TvgVisualObject*> shapes = ShownSelection();
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[0]->Height(), 19);
  EXPECT_EQ(shapes[1]->Position()->Y() - shapes[0]->Position()->Y(), 38);

  ClickRow(5);
  EXPECT_EQ(ShownSelection().size(), 1u) << "a plain click selects that row only";
  EXPECT_FALSE(a1->IsSelected());
}

TEST_F(TreeViewTest, TheSelectionHidesWhileTheTreeIsUnfocused) {
  ClickRow(1);
  ASSERT_EQ(ShownSelection().size(), 1u);
  EXPECT_EQ(ShownSelection()[0]->Position()->Y(), 19);
  auto* other = Add<TvgButton>(220, 10, 60, 22);
  other->SetCanFocused(true);
  other->SetFocus();
  EXPECT_TRUE(ShownSelection().empty());
  tree->SetFocus();
  EXPECT_EQ(ShownSelection().size(), 1u);
  tree->SetHideSelectionUnfocused(false);
  other->SetFocus();
  EXPECT_EQ(ShownSelection().size(), 1u);
}

// The selection is painted in the style's colour on the selected row, behind the item's text.
// Unfocused: a screenshot does not show what lies under the focus glow's own snapshot.
TEST_F(TreeViewTest, TheSelectedRowIsPaintedInTheSelectionColour) {
  tree->SetHideSelectionUnfocused(false);
  tree->SetSelected(B);
  std::unique_ptr<TvgBitmap> shot = root->MakeScreenshot();
  ASSERT_NE(shot, nullptr);
  auto at = [&](int x, int y) { return shot->GetScanline(10 + y)[10 + x]; };
  EXPECT_EQ(at(190, 2 + 19 + 9), 0xFF936639u) << "selected row";
  EXPECT_NE(at(190, 2 + 9), 0xFF936639u) << "row above";
  EXPECT_NE(at(190, 2 + 38 + 9), 0xFF936639u) << "row below";
  int textPixels = 0;
  for (int x = 20; x < 40; ++x)
    for (int y = 2 + 19; y < 2 + 38; ++y)
      if ((at(x, y) & 0xFF) > 0xA0) ++textPixels;
  EXPECT_GT(textPixels, 3) << "the text of B shows over the selection";
}

TEST_F(TreeViewTest, ACheckBoxClickChecksSelectsAndReports) {
  TvgTreeViewItem* reported = nullptr;
  tree->OnChangeCheck = [&](TObject* sender) { reported = dynamic_cast<TvgTreeViewItem*>(sender); };
  auto* box = dynamic_cast<TvgCheckBox*>(B->FindResource("check"));
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->Visible());
  tree->SetShowCheckboxes(true);
  EXPECT_TRUE(box->Visible());
  EXPECT_TRUE(a2x->FindResource("check")->Visual()->Visible()) << "every item, at any depth";
  ClickAt(10 + 2 + 15 + 8, RowCenter(1));
  EXPECT_TRUE(B->IsChecked());
  EXPECT_EQ(reported, B);
  EXPECT_EQ(tree->Selected(), B);
  EXPECT_TRUE(tree->IsFocused());
  C->SetIsChecked(true);
  EXPECT_TRUE(dynamic_cast<TvgCheckBox*>(C->FindResource("check"))->IsChecked());
}

TEST_F(TreeViewTest, SortedOrdersTheTopLevelIgnoringCaseAndKeepsSubItems) {
  TvgTreeViewItem* lower = Item(tree, L"b0");
  Item(A, L"a0");
  tree->SetSorted(true);
  A->SetIsExpanded(true);
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"A", L"a1", L"a2", L"a0", L"B", L"b0", L"C"}));
  tree->OnCompare = [](TvgTreeViewItem* x, TvgTreeViewItem* y, int& order) {
    order = -vgWideCompareText(x->Text(), y->Text());
  };
  tree->Realign();
  EXPECT_EQ(tree->ItemByIndex(0), C);
  EXPECT_EQ(tree->ItemByIndex(1), lower);
}

// The items travel as the tree's children, nested as they are, with their states.
TEST_F(TreeViewTest, AStreamKeepsTheNestingAndTheItemsStates) {
  tree->SetShowCheckboxes(true);
  tree->SetItemHeight(21);
  A->SetIsExpanded(true);
  a2->SetIsChecked(true);
  TStringStream text;
  vgSaveObjectToText(tree, text);
  TStringStream input(text.DataString());
  auto* loaded = dynamic_cast<TvgTreeView*>(vgLoadObjectFromText(nullptr, input));
  ASSERT_NE(loaded, nullptr);
  root->AddObject(loaded);
  loaded->SetBounds(10, 10, 200, 150);
  loaded->ApplyResource();
  EXPECT_TRUE(loaded->ShowCheckboxes());
  EXPECT_EQ(loaded->ItemHeight(), 21);
  ASSERT_EQ(loaded->Count(), 3);
  TvgTreeViewItem* first = loaded->ItemByIndex(0);
  EXPECT_TRUE(first->IsExpanded());
  ASSERT_EQ(first->Count(), 2);
  EXPECT_TRUE(first->Items(1)->IsChecked());
  EXPECT_EQ(first->Items(1)->Items(0)->Text(), L"a2x");
  EXPECT_EQ(loaded->GlobalCount(), 5) << "A, a1, a2, B, C";
  EXPECT_EQ(loaded->ItemByGlobalIndex(3)->Text(), L"B");
  loaded->Free();
}

// --- Dragging --------------------------------------------------------------------------------------

class TreeViewDragTest : public TreeViewTest {
protected:
  void SetUp() override {
    TreeViewTest::SetUp();
    tree->SetAllowDrag(true);
    ExpandAll();
  }
  TvgPoint Scene(int row) const { return {120, float(RowCenter(row))}; }
  bool Accepts(TObject* source, int row) {
    TvgDragObject data;
    data.Source = source;
    bool accept = false;
    tree->DragOver(&data, Scene(row), accept);
    return accept;
  }
  void Drop(TObject* source, const TvgPoint& point) {
    TvgDragObject data;
    data.Source = source;
    tree->DragDrop(&data, point);
  }
};

TEST_F(TreeViewDragTest, DraggingTheSelectedItemWithTheMouseMakesItAChildOfTheTarget) {
  ClickRow(4);  // B
  ASSERT_EQ(tree->Selected(), B);
  Press(10 + 120, RowCenter(4));
  for (int y = RowCenter(4); y >= RowCenter(1); y -= 6) Move(10 + 120, y, MK_LBUTTON);
  Move(10 + 120, RowCenter(1), MK_LBUTTON);
  EXPECT_TRUE(a1->IsDragOver());
  Release(10 + 120, RowCenter(1));
  EXPECT_EQ(B->Parent(), a1);
  EXPECT_TRUE(a1->IsExpanded());
  EXPECT_FALSE(a1->IsDragOver());
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"A", L"a1", L"B", L"a2", L"a2x", L"C", L"c1"}));
  EXPECT_EQ(B->Level(), 2);
  EXPECT_EQ(tree->Selected(), B);
  EXPECT_TRUE(B->IsSelected()) << "the moved item stays selected";
}

TEST_F(TreeViewDragTest, OnlyItemsOfTheSameTreeAreAcceptedAndNeverOntoThemselvesOrBelow) {
  tree->SetSelected(A);
  auto* otherTree = Add<TvgTreeView>(220, 10, 70, 70);
  TvgTreeViewItem* stranger = Item(otherTree, L"stranger");
  auto* button = Add<TvgButton>(220, 100, 60, 22);
  struct Case {
    const char* what;
    TObject* source;
    int row;
    bool accepted;
  } cases[] = {
      {"an item onto another", B, 5, true},
      {"onto itself", B, 4, false},
      {"onto its own descendant", A, 3, false},
      {"onto the selected item", a2, 0, false},
      {"an item of another tree", stranger, 4, false},
      {"another object", button, 4, false},
      {"files from the shell", nullptr, 4, false},
      {"onto empty space", B, 7, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Accepts(c.source, c.row), c.accepted);
  }
  // Dropped all the same, the refused ones leave the tree as it was.
  for (const Case& c : cases)
    if (!c.accepted && c.row != 7) Drop(c.source, Scene(c.row));
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"A", L"a1", L"a2", L"a2x", L"B", L"C", L"c1"}));
  EXPECT_EQ(tree->Count(), 3) << "the root keeps its children";
  EXPECT_EQ(stranger->TreeView(), otherTree);
  EXPECT_EQ(button->Parent(), root);
}

TEST_F(TreeViewDragTest, ADropOnEmptySpaceMakesATopLevelItemUnlessTheHandlerRefuses) {
  Drop(a2, {120, 152});
  EXPECT_EQ(a2->Parent(), tree->Content());
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"A", L"a1", L"B", L"C", L"c1", L"a2", L"a2x"}));
  TvgTreeViewItem *source = nullptr, *dest = nullptr;
  tree->OnDragChange = [&](TvgTreeViewItem* s, TvgTreeViewItem* d, bool& allow) {
    source = s;
    dest = d;
    allow = false;
  };
  Drop(c1, Scene(0));
  EXPECT_EQ(source, c1);
  EXPECT_EQ(dest, A);
  EXPECT_EQ(c1->Parent(), C) << "left where it was";
}

TEST_F(TreeViewDragTest, ItemsFreedWhileSelectedOrDraggedLeaveNoTrace) {
  ClickRow(4);
  ASSERT_EQ(tree->Selected(), B);
  Press(10 + 120, RowCenter(4));
  Move(10 + 120, RowCenter(2), MK_LBUTTON);
  Move(10 + 120, RowCenter(1), MK_LBUTTON);
  ASSERT_TRUE(a1->IsDragOver());
  a1->Free();  // the drag-over item
  Move(10 + 120, RowCenter(2), MK_LBUTTON);
  B->Free();  // the dragged and selected item
  EXPECT_EQ(tree->Selected(), nullptr);
  EXPECT_EQ(vgDraggedObject(), nullptr);
  Release(10 + 120, RowCenter(2));
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"A", L"a2", L"a2x", L"C", L"c1"}));
  Key(VK_DOWN);
  tree->SetSelected(c1);
  c1->Free();
  EXPECT_EQ(tree->Selected(), nullptr);
  Key(VK_UP);
  tree->Clear();
  EXPECT_EQ(tree->Count(), 0);
  EXPECT_EQ(tree->GlobalCount(), 0);
  EXPECT_TRUE(ShownSelection().empty());
}

}  // namespace
