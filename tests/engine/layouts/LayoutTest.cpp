// Layouts: the grid's flow of cells, the scaled layout's stretching of its children, the design
// outline of invisible groups, registration and streaming.
#include "engine/layouts/Layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/PaintLog.h"
#include "tests/support/RecordingScene.h"
#include "classlib/core/StringStream.h"
#include "engine/layouts/LayoutsUnit.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/tree/ObjectStreaming.h"

namespace {

class LayoutScene : public testing::Test {
protected:
  LayoutScene() : canvas(static_cast<TPaintLogCanvas*>(vgCanvasClass<TPaintLogCanvas>()->Create(300, 300))) {
    scene.canvas = canvas.get();
  }
  template <class T>
  T* AddLayout(float width, float height) {
    return scene.AddRoot<T>(width, height);
  }
  static std::vector<TvgPoint> ChildPositions(TvgObject* parent) {
    std::vector<TvgPoint> positions;
    for (int i = 0; i < parent->ChildrenCount(); ++i) {
      TvgVisualObject* child = parent->Children(i)->Visual();
      positions.push_back({child->Position()->X(), child->Position()->Y()});
    }
    return positions;
  }

  TRecordingScene scene;
  std::unique_ptr<TPaintLogCanvas> canvas;
};

struct GridCase {
  const char* name;
  float width, height;
  TvgOrientation orientation;
  float margin;
  int children;
  std::vector<TvgPoint> expected;
  friend void PrintTo(const GridCase& c, std::ostream* out) { *out << c.name; }
};

class GridLayoutFlow : public LayoutScene, public testing::WithParamInterface<GridCase> {};

TEST_P(GridLayoutFlow, PlacesEachChildInTheNextCell) {
  const GridCase& c = GetParam();
  auto* grid = AddLayout<TvgGridLayout>(c.width, c.height);
  grid->Margins()->SetRect({c.margin, c.margin, c.margin, c.margin});
  grid->SetOrientation(c.orientation);
  for (int i = 0; i < c.children; ++i) AddProbe(grid, 0xFF000000, {0, 0, 10, 10});
  grid->Realign();
  EXPECT_EQ(ChildPositions(grid), c.expected);
  for (int i = 0; i < grid->ChildrenCount(); ++i) {
    EXPECT_EQ(grid->Children(i)->Visual()->Width(), 64);
    EXPECT_EQ(grid->Children(i)->Visual()->Height(), 64);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridLayoutFlow,
    testing::Values(
        GridCase{"ThreeCellsPerRowIn200", 200, 200, vgHorizontal, 0, 4, {{0, 0}, {64, 0}, {128, 0}, {0, 64}}},
        GridCase{"MarginsNarrowTheRow", 200, 200, vgHorizontal, 10, 3, {{10, 10}, {74, 10}, {10, 74}}},
        GridCase{"VerticalFillsColumns", 200, 150, vgVertical, 0, 3, {{0, 0}, {0, 64}, {64, 0}}},
        GridCase{"ExactFitKeepsTheLastCell", 128, 200, vgHorizontal, 0, 3, {{0, 0}, {64, 0}, {0, 64}}}),
    [](const testing::TestParamInfo<GridCase>& info) { return std::string(info.param.name); });

TEST_F(LayoutScene, GridCellsLeaveEachChildsPaddingFree) {
  auto* grid = AddLayout<TvgGridLayout>(200, 200);
  TPaintProbe* child = AddProbe(grid, 0xFF000000, {0, 0, 10, 10});
  child->Padding()->SetRect({1, 2, 3, 4});
  grid->Realign();
  EXPECT_EQ(child->GetParentedRect(), (TvgRect{1, 2, 61, 60}));
}

TEST_F(LayoutScene, GridCountsHiddenChildrenAndRealignsOnChange) {
  auto* grid = AddLayout<TvgGridLayout>(200, 200);
  AddProbe(grid, 0xFF000000, {0, 0, 10, 10})->SetVisible(false);
  TPaintProbe* second = AddProbe(grid, 0xFF000000, {0, 0, 10, 10});
  grid->Realign();
  EXPECT_EQ(second->Position()->X(), 64);
  grid->SetItemWidth(50);
  EXPECT_EQ(second->Position()->X(), 50);
  grid->SetItemHeight(30);
  EXPECT_EQ(second->Height(), 30);
}

TEST_F(LayoutScene, ScaledLayoutDrawsChildrenStretchedToItsSize) {
  auto* layout = AddLayout<TvgScaledLayout>(100, 100);
  layout->SetOriginalWidth(100);
  layout->SetOriginalHeight(100);
  TPaintProbe* child = AddProbe(layout, 0xFF000000, {10, 10, 20, 20});
  EXPECT_EQ(child->GetAbsoluteRect(), (TvgRect{10, 10, 20, 20}));
  layout->SetWidth(200);
  EXPECT_EQ(child->GetAbsoluteRect(), (TvgRect{20, 10, 40, 20}));
  layout->SetOriginalHeight(50);
  EXPECT_EQ(child->GetAbsoluteRect(), (TvgRect{20, 20, 40, 40}));
  EXPECT_EQ(layout->OriginalWidth(), 100) << "the original size stays at run time";
}

TEST_F(LayoutScene, ScaledLayoutOriginalSizeIsAtLeastOne) {
  auto* layout = AddLayout<TvgScaledLayout>(100, 100);
  for (float value : {0.5f, 0.0f, -20.0f}) {
    layout->SetOriginalWidth(value);
    layout->SetOriginalHeight(value);
    EXPECT_EQ(layout->OriginalWidth(), 1) << value;
    EXPECT_EQ(layout->OriginalHeight(), 1) << value;
  }
}

TEST_F(LayoutScene, ScaledLayoutWhileDesigningFollowsItsSize) {
  scene.designing = true;
  auto* layout = AddLayout<TvgScaledLayout>(80, 60);
  TPaintProbe* child = AddProbe(layout, 0xFF000000, {10, 10, 20, 20});
  layout->SetWidth(160);
  EXPECT_EQ(layout->OriginalWidth(), 160);
  EXPECT_EQ(layout->OriginalHeight(), 60);
  EXPECT_EQ(child->GetAbsoluteRect(), (TvgRect{10, 10, 20, 20}));
}

struct OutlineCase {
  bool design, locked;
  size_t outlines;
};

TEST_F(LayoutScene, InvisibleGroupsShowADashedOutlineOnlyWhileDesigning) {
  const OutlineCase cases[] = {{false, false, 0}, {true, false, 1}, {true, true, 0}};
  for (const OutlineCase& c : cases) {
    scene.designing = c.design;
    auto* layout = AddLayout<TvgLayout>(40, 30);
    auto* scaled = AddLayout<TvgScaledLayout>(40, 30);
    for (TvgVisualObject* object : {static_cast<TvgVisualObject*>(layout), static_cast<TvgVisualObject*>(scaled)}) {
      object->SetLocked(c.locked);
      canvas->calls.clear();
      object->Paint();
      const auto drawn = canvas->Calls("DrawRect");
      ASSERT_EQ(drawn.size(), c.outlines) << object->ClassName() << " design " << c.design;
      if (c.outlines == 0) continue;
      EXPECT_EQ(drawn[0].Rect, (TvgRect{0.5f, 0.5f, 39.5f, 29.5f}));
      EXPECT_EQ(drawn[0].Color, 0xA0909090);
    }
  }
}

TEST_F(LayoutScene, LayoutLetsTheMouseThroughToWhatLiesBelow) {
  TvgLayout layout(nullptr);
  TvgSplitLayout split(nullptr);
  EXPECT_FALSE(layout.HitTest());
  EXPECT_TRUE(split.HitTest());
}

class LayoutStreaming : public testing::Test {
protected:
  void SetUp() override { vgInitializeLayoutsUnit(); }
  static std::string Text(TvgObject* object) {
    TStringStream text;
    vgSaveObjectToText(object, text);
    return text.DataString();
  }
  static TvgObject* Load(const std::string& text) {
    TStringStream stream(text);
    return vgLoadObjectFromText(nullptr, stream);
  }
};

TEST_F(LayoutStreaming, RegistersTheLayoutsUnderLayoutOnce) {
  vgInitializeLayoutsUnit();
  for (const char* name : {"TvgLayout", "TvgScaledLayout", "TvgGridLayout", "TvgSplitLayout", "TvgNonVGLayout"}) {
    TClass objectClass = GetClass(name);
    ASSERT_NE(objectClass, nullptr) << name;
    const auto& categories = vgObjectCategories();
    EXPECT_EQ(std::count_if(categories.begin(), categories.end(),
                            [objectClass](const TvgObjectCategory& c) {
                              return c.Class == objectClass && c.Category == "Layout";
                            }),
              1)
        << name;
  }
}

TEST_F(LayoutStreaming, DefaultsAreNotWrittenAndChangesSurviveARoundTrip) {
  TvgGridLayout grid(nullptr);
  EXPECT_EQ(Text(&grid).find("Item"), std::string::npos);
  grid.SetItemWidth(32.5f);
  grid.SetOrientation(vgVertical);
  TvgObject* loaded = Load(Text(&grid));
  auto* copy = dynamic_cast<TvgGridLayout*>(loaded);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->ItemWidth(), 32.5f);
  EXPECT_EQ(copy->ItemHeight(), 64);
  EXPECT_EQ(copy->Orientation(), vgVertical);
  loaded->Free();

  TvgLayout layout(nullptr);
  EXPECT_EQ(Text(&layout).find("HitTest"), std::string::npos);
  layout.SetHitTest(true);
  loaded = Load(Text(&layout));
  ASSERT_NE(loaded, nullptr);
  EXPECT_TRUE(loaded->Visual()->HitTest());
  loaded->Free();
}

TEST_F(LayoutStreaming, AStreamedOriginalSizeBelowOneBecomesOne) {
  TvgObject* loaded = Load("object TvgScaledLayout\n  OriginalWidth = -3\n  OriginalHeight = 0.25\nend\n");
  auto* layout = dynamic_cast<TvgScaledLayout*>(loaded);
  ASSERT_NE(layout, nullptr);
  EXPECT_EQ(layout->OriginalWidth(), 1);
  EXPECT_EQ(layout->OriginalHeight(), 1);
  loaded->Free();
}

TEST_F(LayoutStreaming, AnUnknownOrientationDoesNotLoadAsAGrid) {
  TvgObject* loaded = Load("object TvgGridLayout\n  Orientation = vgDiagonal\nend\n");
  if (auto* grid = dynamic_cast<TvgGridLayout*>(loaded)) EXPECT_EQ(grid->Orientation(), vgHorizontal);
  if (loaded) loaded->Free();
}

}  // namespace
