// The scene's designer: selecting by a press, moving and resizing by the handles with the grid,
// the lines of siblings and the parent's bounds, insertion by class name, the design hit test,
// the overlay's pixels, and the design menu's commands.
#include "engine/design/SceneDesigner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "classlib/core/MemoryStream.h"
#include "classlib/core/Reader.h"
#include "classlib/core/Writer.h"
#include "classlib/desktop/Menus.h"
#include "engine/design/TabOrderEditor.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/paint/Canvas.h"
#include "engine/shapes/Shapes.h"
#include "engine/shapes/Text.h"
#include "engine/styles/Resources.h"
#include "engine/tree/Control.h"
#include "tests/support/SceneFixture.h"

namespace {

// Counts what the designer tells it.
class TDesignProbe : public TvgRectangle {
public:
  using TvgRectangle::TvgRectangle;
  void DesignSelect() override { ++selects; }
  void DesignDblClick() override { ++doubleClicks; }
  int selects = 0, doubleClicks = 0;
};

// A container whose items a designer adds from the menu.
class TItemsProbe : public TDesignProbe {
public:
  using TDesignProbe::TDesignProbe;
  std::string GetItemClasses() override { return "TvgText;TvgEllipse"; }
};

class TFocusProbe : public TvgControl {
public:
  explicit TFocusProbe(TComponent* owner) : TvgControl(owner) { SetCanFocused(true); }
};

// Answers the open dialog with a prepared file.
class TFileAnswer : public TvgSystemDialogs {
public:
  bool OpenFile(const std::string& filter, std::string& fileName) override {
    asked = filter;
    fileName = answer;
    return !answer.empty();
  }
  std::string answer, asked;
};

class SceneDesign : public SceneTest {
protected:
  bool Designing() const override { return true; }
  void SetUp() override {
    SceneTest::SetUp();
    ASSERT_NE(scene->Designer(), nullptr);
    ASSERT_NE(scene->GetCanvas(), nullptr) << "no default canvas class: the scene cannot paint";
    designer = scene->Designer();
    panel = Add(root, "Panel", 20, 20, 200, 150);
    a = Add(panel, "A", 10, 10, 40, 30);
    b = Add(panel, "B", 120, 80, 40, 30);
    form->Show();
    Application->ProcessMessages();
  }
  TDesignProbe* Add(TvgObject* parent, const std::string& name, float x, float y, float w, float h) {
    auto* object = new TDesignProbe(form);
    object->SetName(name);
    object->SetBounds(x, y, w, h);
    parent->AddObject(object);
    return object;
  }
  // A press at one scene point, moves to another with the button held, and the release.
  void Drag(TvgPoint from, TvgPoint to, WPARAM keys = MK_LBUTTON) {
    Press(int(from.X), int(from.Y));
    const int steps = 4;
    for (int i = 1; i <= steps; ++i)
      Move(int(from.X + (to.X - from.X) * float(i) / steps), int(from.Y + (to.Y - from.Y) * float(i) / steps), keys);
    Send(WM_LBUTTONUP, 0, MAKELPARAM(int(to.X), int(to.Y)));
  }
  static TvgRect Bounds(TvgVisualObject* object) {
    const TvgPoint p = object->Position()->GetPoint();
    return {p.X, p.Y, p.X + object->Width(), p.Y + object->Height()};
  }
  // The menu item at the path of captions, or nullptr.
  TMenuItem* MenuItem(std::initializer_list<std::string> path) {
    TMenuItem* item = designer->BuildMenu()->Items();
    for (const std::string& caption : path) {
      TMenuItem* found = nullptr;
      for (int i = 0; i < item->Count() && !found; ++i)
        if (item->Items(i)->Caption() == caption) found = item->Items(i);
      if (!found) return nullptr;
      item = found;
    }
    return item;
  }
  void Choose(std::initializer_list<std::string> path) {
    TMenuItem* item = MenuItem(path);
    ASSERT_NE(item, nullptr);
    item->Click();
  }
  TvgColor PixelAt(int x, int y) {
    TvgCanvas* canvas = scene->GetCanvas();
    return canvas->BufferBits()[size_t(y) * size_t(canvas->Width()) + size_t(x)];
  }
  void Paint() {
    InvalidateRect(Window(), nullptr, FALSE);
    UpdateWindow(Window());
  }

  TvgSceneDesigner* designer = nullptr;
  TDesignProbe *panel = nullptr, *a = nullptr, *b = nullptr;
};

TEST_F(SceneDesign, APressSelectsTheObjectUnderThePointerAndTellsIt) {
  Press(35, 35);  // A at (30, 30) in the scene
  EXPECT_EQ(scene->GetSelected(), a);
  EXPECT_EQ(a->selects, 1);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(35, 35));
  Press(100, 100);
  EXPECT_EQ(scene->GetSelected(), panel);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
}

TEST_F(SceneDesign, WithTheMenuSwitchedOffARightPressOnlySelects) {
  designer->SetMenuEnabled(false);
  Press(35, 35, WM_RBUTTONDOWN, MK_RBUTTON);
  Send(WM_RBUTTONUP, 0, MAKELPARAM(35, 35));
  EXPECT_EQ(scene->GetSelected(), a);
  EXPECT_EQ(designer->DraggedHandle(), TvgSceneDesigner::hNone);
}

TEST_F(SceneDesign, ADoubleClickReachesTheObjectsDesignHook) {
  Press(35, 35);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(35, 35));
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(35, 35));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(35, 35));
  EXPECT_EQ(a->doubleClicks, 1);
  EXPECT_EQ(b->doubleClicks, 0);
}

TEST_F(SceneDesign, DraggingMovesTheSelectionAndKeepsItInsideItsParent) {
  scene->SetDesignSnapToLines(false);
  const struct {
    TvgPoint to;
    TvgRect expected;
  } cases[] = {
      {{55, 45}, {30, 20, 70, 50}},       // by (20, 10)
      {{-50, -50}, {0, 0, 40, 30}},       // beyond the top-left corner
      {{400, 400}, {160, 120, 200, 150}}, // beyond the bottom-right corner
  };
  for (const auto& c : cases) {
    a->SetBounds(10, 10, 40, 30);
    scene->DesignSelect(nullptr);
    Drag({35, 35}, c.to);
    EXPECT_EQ(Bounds(a), c.expected) << c.to.X << "," << c.to.Y;
  }
}

TEST_F(SceneDesign, TheCornerAndEdgeHandlesResizeWithTheOppositeSideStaying) {
  scene->SetDesignSnapToLines(false);
  const struct {
    TvgPoint grip, to;
    TvgRect expected;
  } cases[] = {
      {{70, 60}, {90, 75}, {10, 10, 70, 55}},    // bottom-right corner
      {{30, 30}, {20, 25}, {0, 5, 50, 40}},      // top-left corner
      {{50, 60}, {50, 300}, {10, 10, 50, 150}},  // bottom edge, cut to the parent
      {{70, 45}, {10, 45}, {10, 10, 11, 40}},    // right edge past the left one: 1 wide
  };
  for (const auto& c : cases) {
    a->SetBounds(10, 10, 40, 30);
    scene->DesignSelect(a);
    Drag(c.grip, c.to);
    EXPECT_EQ(Bounds(a), c.expected) << c.grip.X << "," << c.grip.Y;
  }
}

TEST_F(SceneDesign, WithTheGridOnPointsAndMovesLandOnTheGrid) {
  scene->SetDesignSnapToLines(false);
  scene->SetDesignSnapToGrid(true);
  scene->SetDesignSnapGridSize(8);
  scene->DesignSelect(a);
  Drag({70, 60}, {95, 77});  // bottom-right grip to (88, 72) in the scene: (68, 52) in the panel
  EXPECT_EQ(Bounds(a), (TvgRect{10, 10, 68, 52}));
  Move(15, 9);
  EXPECT_EQ(scene->GetMousePos(), (TvgPoint{8, 8}));
  a->SetBounds(10, 10, 40, 30);
  // Grabbed at (32, 32) and moved to (48, 48) on the grid: (26, 26) in the panel, on its grid.
  Drag({36, 36}, {51, 49});
  EXPECT_EQ(Bounds(a), (TvgRect{24, 24, 64, 54}));
}

TEST_F(SceneDesign, AMoveSnapsOntoALinedUpSiblingAndItsGuidesGoAtTheRelease) {
  scene->DesignSelect(a);
  // A's left edge dragged to 1 short of B's left edge: it lines up exactly.
  Press(35, 35);
  Move(95, 55, MK_LBUTTON);
  Move(144, 55, MK_LBUTTON);
  EXPECT_EQ(a->Position()->X(), 120);
  ASSERT_EQ(designer->SnapLines().Objects().size(), 1u);
  EXPECT_EQ(designer->SnapLines().Objects().front(), b);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(144, 55));
  EXPECT_TRUE(designer->SnapLines().Objects().empty());
  EXPECT_EQ(designer->DraggedHandle(), TvgSceneDesigner::hNone);
}

TEST_F(SceneDesign, AResizedCornerSnapsToTheEdgeOfALinedUpSibling) {
  // A's bottom lines up with B's top: its right edge dragged to 3 short of B's left edge
  // lands on it.
  a->SetBounds(10, 50, 40, 30);
  scene->DesignSelect(a);
  Drag({70, 100}, {137, 100});
  EXPECT_EQ(Bounds(a).Right, 120);
}

TEST_F(SceneDesign, AnAltDragOffersTheObjectUnderThePointerAndPlacesTheSelectionIntoIt) {
  scene->SetDesignSnapToLines(false);
  HoldKeys({VK_MENU});
  Press(35, 35);
  for (int step = 1; step <= 5; ++step) Move(35 + 23 * step, 35 + 15 * step, MK_LBUTTON);  // to (150, 110)
  EXPECT_EQ(scene->GetDesignPlaceObject(), b);
  Paint();
  EXPECT_EQ(PixelAt(141, 90) & 0xFFFFFF, 0x5B91DEu) << "the label above B";
  Send(WM_LBUTTONUP, 0, MAKELPARAM(150, 110));
  HoldKeys({});
  EXPECT_EQ(a->Parent(), b);
  EXPECT_EQ(a->LocalToAbsolute({0, 0}), (TvgPoint{145, 105})) << "kept its place on the screen";
  EXPECT_EQ(scene->GetDesignPlaceObject(), nullptr);
}

TEST_F(SceneDesign, AnOfferedParentFreedWithItsOwnParentIsForgotten) {
  scene->SetDesignSnapToLines(false);
  auto* inner = Add(b, "Inner", 0, 0, 40, 30);
  HoldKeys({VK_MENU});
  Press(35, 35);
  for (int step = 1; step <= 5; ++step) Move(35 + 23 * step, 35 + 15 * step, MK_LBUTTON);
  ASSERT_EQ(scene->GetDesignPlaceObject(), inner);
  b->Free();
  EXPECT_EQ(scene->GetDesignPlaceObject(), nullptr);
  Paint();
  Send(WM_LBUTTONUP, 0, MAKELPARAM(150, 110));
  HoldKeys({});
  EXPECT_EQ(a->Parent(), panel);
}

TEST_F(SceneDesign, TheRotationHandleTurnsTheSelectionTowardsThePointer) {
  scene->DesignSelect(a);
  Drag({50, 20}, {100, 45});  // from above A's centre (50, 45) to its right
  EXPECT_EQ(a->RotateAngle(), 90);
}

TEST_F(SceneDesign, InsertObjectAddsANamedClassUnderTheSelectionAndSelectsIt) {
  scene->DesignSelect(a);
  scene->InsertObject("TvgText");
  ASSERT_EQ(a->ChildrenCount(), 1);
  auto* text = dynamic_cast<TvgText*>(a->Children(0));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Text(), L"Text");
  EXPECT_EQ(text->Owner(), form);
  EXPECT_EQ(scene->GetSelected(), text);
}

TEST_F(SceneDesign, AnUnknownClassNameIsAClearErrorAndInsertsNothing) {
  scene->DesignSelect(a);
  try {
    scene->InsertObject("TvgNoSuchThing");
    FAIL() << "no error";
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class TvgNoSuchThing not found");
  }
  EXPECT_EQ(a->ChildrenCount(), 0);
  EXPECT_EQ(scene->GetSelected(), a);
}

TEST_F(SceneDesign, AnObjectInsertedIntoAnEmptySceneBecomesItsRoot) {
  root->Free();
  root = nullptr;
  ASSERT_EQ(scene->RootCount(), 0);
  scene->InsertObject("TvgRectangle");
  ASSERT_EQ(scene->RootCount(), 1);
  EXPECT_NE(dynamic_cast<TvgRectangle*>(scene->GetRoot()), nullptr);
  EXPECT_EQ(scene->GetSelected(), scene->GetRoot());
}

TEST_F(SceneDesign, ASelectionFreedWithItsParentIsForgotten) {
  scene->DesignSelect(a);
  panel->Free();
  EXPECT_EQ(scene->GetSelected(), nullptr);
  Paint();
  Press(100, 100);
  EXPECT_EQ(scene->GetSelected(), root);
  Send(WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
}

TEST_F(SceneDesign, DeleteFreesTheSelection) {
  scene->DesignSelect(b);
  Send(WM_KEYUP, VK_DELETE, 0);
  EXPECT_EQ(panel->ChildrenCount(), 1);
  EXPECT_EQ(scene->GetSelected(), nullptr);
}

TEST_F(SceneDesign, TheDesignHitTestTakesTheMouseOverObjectsTheSelectionAndAnEmptyScene) {
  auto hit = [&](int x, int y) { return Send(CM_DESIGNHITTEST, 0, MAKELPARAM(x, y)); };
  root->SetLocked(true);  // empty space then has no object under it
  EXPECT_EQ(hit(35, 35), 1);
  EXPECT_EQ(hit(5, 5), 0);
  panel->SetLocked(true);
  EXPECT_EQ(hit(100, 100), 0);
  scene->DesignSelect(panel);
  EXPECT_EQ(hit(100, 100), 1);
  root->Free();
  root = nullptr;
  EXPECT_EQ(hit(5, 5), 1);
}

TEST_F(SceneDesign, TheOverlayDrawsTheFrameAndHandlesOverTheSelection) {
  root->Free();  // nothing below the overlay but the scene's black fill
  root = nullptr;
  auto* shape = new TvgRectangle(form);
  shape->SetBounds(0, 0, 300, 200);
  shape->Fill()->SetSolidColor(0xFF000000);
  shape->Stroke()->SetStyle(vgBrushNone);
  scene->AddObject(shape);
  auto* box = new TvgRectangle(form);
  box->SetBounds(100, 60, 80, 50);
  box->Fill()->SetSolidColor(0xFF000000);
  box->Stroke()->SetStyle(vgBrushNone);
  shape->AddObject(box);
  scene->DesignSelect(box);
  Paint();
  EXPECT_EQ(PixelAt(100, 60) & 0xFFFFFF, 0xFFFFFFu) << "corner handle";
  EXPECT_EQ(PixelAt(140, 50) & 0xFFFFFF, 0xFFFFFFu) << "rotation handle";
  EXPECT_EQ(PixelAt(140, 110) & 0xFFFFFF, 0xFFFFFFu) << "bottom edge handle";
  int framePixels = 0;
  for (int x = 110; x < 130; ++x)  // half a unit inside the top edge
    for (int y : {60, 61}) framePixels += (PixelAt(x, y) & 0xFFFFFF) == 0x1072C5;
  EXPECT_GT(framePixels, 4) << "dashed frame";
  EXPECT_EQ(PixelAt(140, 85) & 0xFFFFFF, 0u) << "inside";
  Move(100, 60);  // the handle under the mouse turns red
  Paint();
  EXPECT_EQ(designer->HotHandle(), TvgSceneDesigner::hTopLeft);
  EXPECT_EQ(PixelAt(100, 60) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(SceneDesign, TheSnapGridShowsOnlyInTheDesigner) {
  Owned<TForm> source(new TForm(nullptr));
  auto* stored = new TvgWindowScene(source.get());
  stored->SetParent(source.get());
  stored->SetDesignSnapGridShow(true);
  TMemoryStream stream;
  WriteComponentToStream(stream, stored);
  for (bool designing : {true, false}) {
    stream.SetPosition(0);
    Owned<TForm> other(new TForm(nullptr));
    if (designing) other->SetDesigning(true);
    auto* copy = new TvgWindowScene(other.get());
    copy->SetParent(other.get());
    ReadComponentFromStream(stream, copy);
    EXPECT_EQ(copy->DesignSnapGridShow(), designing);
  }
}

// --- Menu ------------------------------------------------------------------------------------

TEST_F(SceneDesign, TheMenuAddsTheSelectionsItemClassesAndAnyRegisteredClass) {
  scene->DesignSelect(a);
  ASSERT_NE(MenuItem({"Add object", "Shapes", "Ellipse"}), nullptr);
  EXPECT_EQ(MenuItem({"Add object", "Shapes", "TvgEllipse"}), nullptr);
  Choose({"Add object", "Shapes", "Ellipse"});
  ASSERT_EQ(a->ChildrenCount(), 1);
  EXPECT_EQ(a->Children(0)->ClassName(), "TvgEllipse");
  TMenuItem* shapes = MenuItem({"Add object", "Shapes"});
  for (int i = 1; i < shapes->Count(); ++i) EXPECT_LT(shapes->Items(i - 1)->Caption(), shapes->Items(i)->Caption());
  // One submenu a category, in the category list's order.
  TMenuItem* categories = MenuItem({"Add object"});
  for (int i = 1; i < categories->Count(); ++i)
    EXPECT_LT(CompareText(categories->Items(i - 1)->Caption(), categories->Items(i)->Caption()), 0);
}

TEST_F(SceneDesign, TheMenuOffersTheItemClassesOfTheSelection) {
  auto* list = new TItemsProbe(form);
  list->SetBounds(0, 0, 50, 50);
  b->AddObject(list);
  scene->DesignSelect(list);
  EXPECT_EQ(designer->BuildMenu()->Items()->Items(0)->Caption(), "Add Text");
  Choose({"Add Ellipse"});
  ASSERT_EQ(list->ChildrenCount(), 1);
  EXPECT_EQ(list->Children(0)->ClassName(), "TvgEllipse");
}

TEST_F(SceneDesign, DeleteObjectPassesTheSelectionToTheParentAndKeepsTheRoot) {
  scene->DesignSelect(a);
  Choose({"Delete object"});
  EXPECT_EQ(panel->ChildrenCount(), 1);
  EXPECT_EQ(scene->GetSelected(), panel);
  EXPECT_EQ(panel->selects, 1);
  scene->DesignSelect(root);
  Choose({"Delete object"});
  EXPECT_EQ(scene->RootCount(), 1);
}

TEST_F(SceneDesign, OrderBringsToTheFrontAndSendsToTheBack) {
  scene->DesignSelect(a);
  Choose({"Order", "Bring to front"});
  EXPECT_EQ(panel->Children(1), a);
  Choose({"Order", "Send to back"});
  EXPECT_EQ(panel->Children(0), a);
}

TEST_F(SceneDesign, CopyAndPastePutACopyUnderTheSelection) {
  a->Fill()->SetSolidColor(0xFF00FF00);
  scene->DesignSelect(a);
  Choose({"Edit", "Copy to clipboard"});
  scene->DesignSelect(b);
  Choose({"Edit", "Paste from clipboard"});
  ASSERT_EQ(b->ChildrenCount(), 1);
  auto* copy = dynamic_cast<TvgRectangle*>(b->Children(0));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Fill()->SolidColor(), 0xFF00FF00u);
  EXPECT_EQ(copy->Width(), 40);
}

TEST_F(SceneDesign, HideInDesignTimeHidesAndSelectsTheParent) {
  scene->DesignSelect(a);
  EXPECT_FALSE(MenuItem({"Hide in Design-time"})->Checked());
  Choose({"Hide in Design-time"});
  EXPECT_TRUE(a->DesignHide());
  EXPECT_EQ(scene->GetSelected(), panel);
}

TEST_F(SceneDesign, GridChoicesNeverLeaveGridAndLinesOnTogether) {
  const struct {
    const char* item;
    bool grid, lines;
  } cases[] = {{"Snap to grid", true, false}, {"Snap to lines", false, true}, {"Snap disabled", false, false},
               {"Snap to grid", true, false}};
  for (const auto& c : cases) {
    Choose({"Grid", c.item});
    EXPECT_EQ(scene->DesignSnapToGrid(), c.grid) << c.item;
    EXPECT_EQ(scene->DesignSnapToLines(), c.lines) << c.item;
    EXPECT_TRUE(MenuItem({"Grid", c.item})->Checked()) << c.item;
  }
  Choose({"Grid", "Show snap grid"});
  EXPECT_TRUE(scene->DesignSnapGridShow());
}

TEST_F(SceneDesign, LoadFromFileReadsASceneFileUnderTheSelectionAndIgnoresAnyOtherFile) {
  TFileAnswer dialogs;
  vgSetSystemDialogs(&dialogs);
  const auto folder = std::filesystem::temp_directory_path();
  const std::string good = (folder / "design_load.scene").string(), bad = (folder / "design_bad.scene").string();
  std::ofstream(good) << "object TvgEllipse\r\n  Width = 33\r\n  Height = 22\r\nend\r\n";
  std::ofstream(bad) << "object TvgEllipse\r\n  Width = \r\n";
  scene->DesignSelect(b);
  dialogs.answer = good;
  Choose({"Load From File..."});
  EXPECT_EQ(dialogs.asked, "Scene Files|*.scene;*.scn");
  ASSERT_EQ(b->ChildrenCount(), 1);
  EXPECT_EQ(b->Children(0)->Visual()->Width(), 33);
  dialogs.answer = bad;
  Choose({"Load From File..."});
  dialogs.answer = (folder / "design_missing.scene").string();
  Choose({"Load From File..."});
  EXPECT_EQ(b->ChildrenCount(), 1);
  vgSetSystemDialogs(nullptr);
  std::filesystem::remove(good);
  std::filesystem::remove(bad);
}

TEST_F(SceneDesign, TabOrderIsOfferedForObjectsThatTakeTheFocus) {
  scene->DesignSelect(a);
  EXPECT_EQ(MenuItem({"Tab Order..."}), nullptr);
  a->SetCanFocused(true);
  EXPECT_NE(MenuItem({"Tab Order..."}), nullptr);
}

TEST_F(SceneDesign, TheTabOrderEditorReordersThreeControls) {
  TFocusProbe* controls[3];
  for (int i = 0; i < 3; ++i) {
    controls[i] = new TFocusProbe(form);
    controls[i]->SetName("Control" + std::to_string(i + 1));
    b->AddObject(controls[i]);
  }
  auto* unnamed = new TFocusProbe(form);
  b->AddObject(unnamed);
  TvgTabOrderEditor editor(*controls[1]);
  EXPECT_EQ(editor.Entries(),
            (std::vector<std::wstring>{L"Control1", L"Control2", L"Control3", L"TvgControl"}));
  EXPECT_EQ(editor.ItemIndex(), 1);
  editor.MoveUp();
  EXPECT_EQ(controls[1]->TabOrder(), 0);
  EXPECT_EQ(editor.ItemIndex(), 0);
  editor.MoveUp();  // already first
  EXPECT_EQ(controls[1]->TabOrder(), 0);
  editor.SetItemIndex(1);
  editor.MoveDown();
  editor.MoveDown();
  EXPECT_EQ(editor.Entries(), (std::vector<std::wstring>{L"Control2", L"Control3", L"TvgControl", L"Control1"}));
  EXPECT_EQ(editor.ItemIndex(), 3);
  EXPECT_EQ(editor.Form()->Width(), 400);
  EXPECT_EQ(editor.Form()->Height(), 300);
}

TEST_F(SceneDesign, EditCustomStyleCopiesTheStyleIntoTheScenesStyleUnderTheControlsName) {
  auto* background = static_cast<TvgControl*>(FindClass("TvgBackground")->Construct(form));
  background->SetName("Back");
  background->SetBounds(0, 0, 50, 50);
  panel->AddObject(background);
  background->ApplyResource();
  ASSERT_NE(background->StyleObject(), nullptr);
  scene->DesignSelect(background);
  Choose({"Edit Default Style..."});
  ASSERT_NE(scene->GetStyle(), nullptr);
  ASSERT_NE(scene->GetStyle()->Root(), nullptr);
  EXPECT_NE(scene->GetStyle()->Root()->FindResource("BackgroundStyle"), nullptr);
  Choose({"Edit Custom Style..."});
  EXPECT_NE(scene->GetStyle()->Root()->FindResource("Back"), nullptr);
  EXPECT_EQ(background->Resource(), "Back");
  EXPECT_NE(background->StyleObject(), nullptr);
}

}  // namespace
