// Start-up and shut-down of the toolkit. Shut-down runs once per process, so the tests that shut
// down do it in a child process of their own.
#include "toolkit/Toolkit.h"

#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/support/DesktopFixture.h"
#include "tests/support/PaintLog.h"
#include "classlib/core/StringStream.h"
#include "classlib/desktop/Form.h"
#include "engine/gdiplus/CanvasGdiPlus.h"
#include "engine/paint/Filter.h"
#include "engine/gdiplus/GdiPlusApi.h"
#include "engine/gdiplus/ImageFilterGdiPlus.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/styles/ResourceObjects.h"
#include "engine/scene/Scene.h"
#include "engine/scene/SceneUnit.h"

namespace {

// Whether this thread's OLE was started before the call; leaves it as it was.
bool OleWasStarted() {
  const HRESULT result = OleInitialize(nullptr);
  if (SUCCEEDED(result)) OleUninitialize();
  return result == S_FALSE;
}

// In the child process: reports each failed check on stderr; the exit code says whether all held.
class TChecks {
public:
  void Expect(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "not so: %s\n", what);
    failed_ = true;
  }
  [[noreturn]] void Exit() {
    std::fflush(stderr);
    std::exit(failed_ ? 1 : 0);
  }

private:
  bool failed_ = false;
};

// A layered scene with a small tree, shown and painted, then freed with its form.
void ShowAndFreeALayeredScene() {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(40, 40, 120, 80);
  auto* scene = new TvgWindowScene(form);
  scene->SetParent(form);
  scene->SetAlign(alClient);
  scene->SetTransparency(true);
  auto* root = new TPaintProbe(nullptr);
  scene->AddObject(root);
  AddProbe(root, 0xFFFF0000, {10, 10, 50, 50});
  form->Show();
  PumpFor(100);
  form->Free();
}

}  // namespace

TEST(Toolkit, UnitsStartInTheToolkitsOrder) {
  const std::vector<std::string> order = {"vg_effects",   "vg_objects",    "vg_ani",         "vg_actions",
                                          "vg_controls",  "vg_layouts",    "vg_listbox",     "vg_textbox",
                                          "vg_colors",    "vg_tabcontrol", "vg_treeview",    "vg_dsgn_bmp",
                                          "vg_memo",      "vg_dsgn_path",  "vg_inspector",   "vg_dsgn",
                                          "vg_canvas_gdip", "vg_canvas_d2d", "vg_version",   "vg_grid",
                                          "vg_extctrls",  "vg_scene"};
  auto next = order.begin();
  for (const TvgToolkitUnit& unit : vgToolkitUnits()) {
    next = std::find(next, order.end(), unit.Name);
    EXPECT_NE(next, order.end()) << unit.Name << " is out of order or unknown";
    if (next == order.end()) break;
    ++next;
  }
}

TEST(Toolkit, TheGdiPlusUnitStartsBeforeTheSceneUnitWhichComesLast) {
  const auto& units = vgToolkitUnits();
  ASSERT_GE(units.size(), 2u);
  EXPECT_EQ(units.back().Name, "vg_scene");
  auto named = [&units](const std::string& name) {
    return std::find_if(units.begin(), units.end(), [&](const TvgToolkitUnit& u) { return u.Name == name; });
  };
  EXPECT_LT(named("vg_canvas_gdip"), named("vg_scene"));
}

TEST(Toolkit, StartUpMakesTheClassesKnownAndTheWindowFunctionsAndGdiPlusReady) {
  vgInitializeToolkit();
  for (const char* name : {"TvgCustomScene", "TvgWindowScene", "TvgBrushObject", "TvgPathObject", "TvgBitmapObject",
                           "TvgObject", "TvgControl", "TvgBrush", "TvgBounds", "TvgPosition", "TvgWideStringList"})
    EXPECT_NE(GetClass(name), nullptr) << name;
  EXPECT_EQ(DefaultCanvasClass, vgCanvasClass<TvgCanvasGdiPlus>());
  EXPECT_EQ(DefaultFilterClass, TvgFilterGdiPlus::StaticClass());
  EXPECT_TRUE(GdiplusLoaded());
  EXPECT_NE(vgUpdateLayeredWindow, nullptr);
  EXPECT_NE(vgSetLayeredWindowAttributes, nullptr);
  EXPECT_NE(vgPrintWindow, nullptr);
  EXPECT_TRUE(OleWasStarted());

  // The category list is sorted by name and holds each class registered under a category once.
  const auto& categories = vgObjectCategories();
  EXPECT_TRUE(std::is_sorted(categories.begin(), categories.end(), [](const auto& a, const auto& b) {
    return CompareText(a.Category, b.Category) < 0;
  }));
  const auto resources = std::count_if(categories.begin(), categories.end(),
                                       [](const TvgObjectCategory& c) { return c.Category == "Resources"; });
  EXPECT_EQ(resources, 3);
  vgInitializeToolkit();
  EXPECT_EQ(vgObjectCategories().size(), categories.size()) << "a second start-up registers again";
}

TEST(Toolkit, EveryClassOfEveryCategoryLoadsByNameFromAFormResource) {
  vgInitializeToolkit();
  std::set<std::string> categories;
  for (const TvgObjectCategory& entry : vgObjectCategories()) {
    categories.insert(entry.Category);
    SCOPED_TRACE(entry.Category + " " + entry.Class->Name);
    TStringStream text("object Loaded: " + entry.Class->Name + "\r\nend\r\n");
    std::unique_ptr<TvgObject, TFreeObject> loaded(vgLoadObjectFromText(nullptr, text));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->ClassType(), entry.Class);
  }
  for (const char* category : {"Effects", "Shapes", "Animations", "Windows", "Boxes", "Controls", "Tool and Status",
                               "Buttons", "HUD", "Layout", "Resources", "Popup"})
    EXPECT_EQ(categories.count(category), 1u) << category << " has no class";
}

TEST(Toolkit, StartingAgainRegistersNothingTwice) {
  vgInitializeToolkit();
  auto entries = [] {
    std::vector<std::string> result;
    for (const TvgObjectCategory& entry : vgObjectCategories())
      result.push_back(entry.Category + ": " + entry.Class->Name);
    return result;
  };
  const auto first = entries();
  std::set<std::string> classes;
  for (const TvgObjectCategory& entry : vgObjectCategories())
    EXPECT_TRUE(classes.insert(entry.Class->Name).second) << entry.Class->Name << " registered twice";

  vgInitializeToolkit();
  for (const TvgToolkitUnit& unit : vgToolkitUnits())
    for (void (*initialize)() : unit.Initialize) initialize();
  EXPECT_EQ(entries(), first);
}

TEST(Toolkit, AnEarlierChoiceOfCanvasClassStays) {
  EXPECT_EXIT(
      {
        TChecks checks;
        DefaultCanvasClass = vgCanvasClass<TPaintLogCanvas>();
        vgInitializeToolkit();
        checks.Expect(DefaultCanvasClass == vgCanvasClass<TPaintLogCanvas>(), "the earlier canvas class stays");
        checks.Expect(DefaultPrinterCanvasClass == vgCanvasClass<TvgCanvasGdiPlus>(), "printer canvas is GDI+");
        checks.Exit();
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(Toolkit, ShutDownLeavesNothingBehindAndHappensOnce) {
  EXPECT_EXIT(
      {
        TChecks checks;
        {
          TvgToolkit toolkit;
          ShowAndFreeALayeredScene();
        }
        checks.Expect(vgUpdateLayeredWindow == nullptr, "UpdateLayeredWindow forgotten");
        checks.Expect(vgSetLayeredWindowAttributes == nullptr, "SetLayeredWindowAttributes forgotten");
        checks.Expect(vgPrintWindow == nullptr, "PrintWindow forgotten");
        checks.Expect(!GdiplusLoaded(), "GDI+ shut down");
        checks.Expect(vgObjectCategories().empty(), "category list released");
        checks.Expect(vgScenes().empty(), "scene list released");
        checks.Expect(!OleWasStarted(), "OLE uninitialised");
        vgInitializeToolkit();
        checks.Expect(vgUpdateLayeredWindow == nullptr && !GdiplusLoaded(), "no second start-up");
        checks.Exit();
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(Toolkit, ObjectsAliveAtShutDownAreLetGoNotFreed) {
  EXPECT_EXIT(
      {
        TChecks checks;
        vgInitializeToolkit();
        auto* survivor = new TvgBrushObject(nullptr);
        survivor->SetResourceName("survivor");
        checks.Expect(vgFindResourceObject("survivor") == survivor, "listed while the toolkit runs");
        vgFinalizeToolkit();
        checks.Expect(vgFindResourceObject("survivor") == nullptr, "the list let it go");
        checks.Expect(survivor->ResourceName() == "survivor", "still alive");
        survivor->Free();
        checks.Exit();
      },
      ::testing::ExitedWithCode(0), "");
}
