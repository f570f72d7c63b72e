// The extra controls in a real scene: the icon tile's colour, drops through the scene's OLE drop
// target, the plot grid's lines in real pixels (and none closer than a pixel), the image viewer's
// placement, zoom and data.
#include "tests/support/ControlsFixture.h"
//
#include <memory>
#include <vector>

#include "controls/extra/DropTarget.h"
#include "controls/extra/IPhoneButton.h"
#include "controls/extra/ImageViewer.h"
#include "controls/extra/PlotGrid.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/scene/DragDrop.h"
#include "engine/shapes/Image.h"
#include "engine/shapes/Shape.h"
#include "engine/tree/ObjectRegistry.h"
#include "tests/support/HandMadeData.h"

namespace {

class ExtraControlsTest : public ControlsTest {
protected:
  static TvgColor Pixel(const TvgBitmap& shot, int x, int y) { return shot.Bits()[y * shot.Width() + x]; }
};

TEST_F(ExtraControlsTest, TheIconTileTakesItsBackgroundColourAtOnce) {
  auto* button = Add<TvgIPhoneButton>(10, 10, 60, 60);
  auto* background = dynamic_cast<TvgShape*>(button->FindResource("background"));
  ASSERT_NE(background, nullptr);
  EXPECT_EQ(background->Fill()->SolidColor(), 0xFF808080u);
  button->Background()->SetSolidColor(0xFF2080F0);
  EXPECT_EQ(background->Fill()->SolidColor(), 0xFF2080F0u);
  TvgBrush red(vgBrushSolid, 0xFFFF0000);
  button->SetBackground(&red);
  EXPECT_EQ(background->Fill()->SolidColor(), 0xFFFF0000u);
  std::unique_ptr<TvgBitmap> shot = button->MakeScreenshot();
  EXPECT_EQ(Pixel(*shot, 30, 30), 0xFFFF0000u) << "the tile is painted in its colour";
  EXPECT_EQ(Pixel(*shot, 0, 0), 0u) << "the rounded corner stays clear";
}

class DropZoneTest : public ExtraControlsTest {
protected:
  void SetUp() override {
    ExtraControlsTest::SetUp();
    zone = Add<TvgDropTarget>(20, 20, 120, 120);
    zone->OnDroped = [this](TObject* sender, TvgDragObject* drag, const TvgPoint& point) {
      EXPECT_EQ(sender, zone);
      dropped.push_back(drag->Files);
      where = point;
    };
    target = new TvgSceneDropTarget(scene);
  }
  void TearDown() override {
    target->Release();
    vgReleaseDragDrop();
    ExtraControlsTest::TearDown();
  }
  DWORD DragTo(THandMadeData& data, int x, int y) {
    const POINTL at{kFormLeft + x, kFormTop + y};
    DWORD effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->DragEnter(&data, MK_LBUTTON, at, &effect), S_OK);
    effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->DragOver(MK_LBUTTON, at, &effect), S_OK);
    const bool over = zone->IsDragOver();
    effect = DROPEFFECT_COPY;
    EXPECT_EQ(target->Drop(&data, 0, at, &effect), S_OK);
    EXPECT_EQ(over, effect != DROPEFFECT_NONE);
    return effect;
  }

  TvgDropTarget* zone = nullptr;
  TvgSceneDropTarget* target = nullptr;
  std::vector<std::vector<std::wstring>> dropped;
  TvgPoint where;
};

TEST_F(DropZoneTest, ShellFilesDroppedOnTheZoneReachOnDroped) {
  EXPECT_EQ(zone->Width(), 120);
  EXPECT_TRUE(zone->DragDisableHighlight());
  THandMadeData data;
  data.SetFiles({L"C:\\windows\\win.ini", L"C:\\\u4e2d\u6587.txt"});
  EXPECT_EQ(DragTo(data, 80, 80), DWORD(DROPEFFECT_LINK));
  ASSERT_EQ(dropped.size(), 1u);
  EXPECT_EQ(dropped[0], (std::vector<std::wstring>{L"C:\\windows\\win.ini", L"C:\\\u4e2d\u6587.txt"}));
  EXPECT_FALSE(zone->IsDragOver()) << "the drop ends the drag-over state";
}

TEST_F(DropZoneTest, EveryDragIsAcceptedWhateverTheFilter) {
  zone->SetFilter("*.png");
  THandMadeData text;
  text.SetText(L"plain text");
  EXPECT_EQ(DragTo(text, 30, 30), DWORD(DROPEFFECT_LINK));
  EXPECT_EQ(dropped.size(), 1u);
  THandMadeData outside;
  outside.SetFiles({L"C:\\a.txt"});
  EXPECT_EQ(DragTo(outside, 200, 180), DWORD(DROPEFFECT_NONE)) << "beside the zone nothing takes it";
  EXPECT_EQ(dropped.size(), 1u);
}

class PlotGridTest : public ExtraControlsTest {
protected:
  TvgPlotGrid* Grid(float width, float height) {
    auto* grid = new TvgPlotGrid(nullptr);
    grid->SetBounds(0, 0, width, height);
    root->AddObject(grid);
    grid->LineFill()->SetSolidColor(0xFFFFFFFF);
    return grid;
  }
  // The alpha of the columns of the screenshot's middle row.
  static std::vector<int> Alphas(TvgVisualObject* object) {
    std::unique_ptr<TvgBitmap> shot = object->MakeScreenshot();
    std::vector<int> alphas;
    for (int x = 0; x < shot->Width(); ++x) alphas.push_back(int(Pixel(*shot, x, shot->Height() / 2 + 3) >> 24));
    return alphas;
  }
};

TEST_F(PlotGridTest, ACentreLineTwoThickAndFaintLinesEveryStepOnBothSides) {
  TvgPlotGrid* grid = Grid(100, 40);
  const std::vector<int> alphas = Alphas(grid);
  EXPECT_EQ(alphas[50], 255);
  EXPECT_EQ(alphas[51], 255) << "the centre line is 2 thick";
  int faint = 0;
  for (int x = 0; x < 100; ++x) {
    if (x == 50 || x == 51) continue;
    // A 1-thick line at the offset plus half its thickness lights the pixel after it.
    const bool onLine = (x - 51) % 5 == 0 && x - 51 > -50;
    if (onLine) {
      EXPECT_NEAR(alphas[x], 102, 3) << x;
      ++faint;
    } else {
      EXPECT_EQ(alphas[x], 0) << x;
    }
  }
  EXPECT_EQ(faint, 18) << "9 faint lines on each side";
}

TEST_F(PlotGridTest, EveryMarksthLineIsInTheFullColour) {
  TvgPlotGrid* grid = Grid(100, 40);
  grid->SetMarks(4);
  const std::vector<int> alphas = Alphas(grid);
  EXPECT_EQ(alphas[71], 255);
  EXPECT_EQ(alphas[31], 255) << "mirrored";
  EXPECT_NEAR(alphas[66], 102, 3);
}

TEST_F(PlotGridTest, TheFrequencyNeverFallsBelowItsFloor) {
  TvgPlotGrid* grid = Grid(100, 40);
  for (float given : {0.0f, -3.0f, 0.0004f}) {
    grid->SetFrequency(given);
    EXPECT_EQ(grid->Frequency(), TvgPlotGrid::kMinFrequency) << given;
  }
}

TEST_F(PlotGridTest, LinesCloserThanAPixelAreSkippedKeepingTheMajorOnes) {
  TvgPlotGrid* grid = Grid(100, 40);
  struct Case {
    float frequency, marks, pixelsPerUnit;
    int stride;
  } cases[] = {
      {5, 25, 1, 1}, {0.5f, 25, 1, 5}, {0.5f, 7.5f, 1, 2}, {0.001f, 25, 1, 1000}, {0.001f, 7.5f, 1, 1000},
      {0.3f, 10, 1, 5},  {0.25f, 25, 2, 5},  {0.001f, 25, 10, 100}, {0.2f, 25, 0.5f, 25},
  };
  for (const Case& c : cases) {
    grid->SetFrequency(c.frequency);
    grid->SetMarks(c.marks);
    EXPECT_EQ(grid->LineStride(c.pixelsPerUnit), c.stride) << c.frequency << " " << c.marks << " " << c.pixelsPerUnit;
  }
}

TEST_F(PlotGridTest, TheFloorFrequencyPaintsOneLinePerPixelAtMost) {
  TvgPlotGrid* grid = Grid(300, 200);
  grid->SetFrequency(0);
  grid->SetMarks(1);
  const std::vector<int> alphas = Alphas(grid);
  for (int x = 0; x < 300; ++x) EXPECT_GT(alphas[x], 200) << x;
}

class ImageViewerTest : public ExtraControlsTest {
protected:
  TvgImageViewer* Viewer(int bitmapWidth, int bitmapHeight) {
    auto* viewer = Add<TvgImageViewer>(0, 0, 200, 200);
    viewer->SetShowScrollBars(false);
    viewer->Bitmap()->SetSize(bitmapWidth, bitmapHeight);
    viewer->Bitmap()->Clear(0xFF00C000);
    return viewer;
  }
  static TvgRect ImageRect(TvgImageViewer* viewer) { return viewer->Image()->GetParentedRect(); }
};

TEST_F(ImageViewerTest, ASmallImageIsCentredInTheViewport) {
  TvgImageViewer* viewer = Viewer(50, 50);
  const float viewport = viewer->GetViewportWidth();
  const TvgRect r = ImageRect(viewer);
  EXPECT_EQ(r.Left, float(Round((viewport - 50) / 2)));
  EXPECT_EQ(r.Top, float(Round((viewer->GetViewportHeight() - 50) / 2)));
  EXPECT_EQ(vgRectWidth(r), 50);
  std::unique_ptr<TvgBitmap> shot = viewer->MakeScreenshot();
  EXPECT_EQ(Pixel(*shot, 100, 100), 0xFF00C000u) << "the image shows in the middle";
}

TEST_F(ImageViewerTest, TheScaleIsKeptInItsRangeAndSizesTheImage) {
  TvgImageViewer* viewer = Viewer(50, 40);
  struct Case {
    float given, kept;
  } cases[] = {{20, 10}, {0, 0.01f}, {-1, 0.01f}, {2, 2}};
  for (const Case& c : cases) {
    viewer->SetBitmapScale(c.given);
    EXPECT_EQ(viewer->BitmapScale(), c.kept) << c.given;
  }
  EXPECT_EQ(vgRectWidth(ImageRect(viewer)), 100);
  EXPECT_EQ(vgRectHeight(ImageRect(viewer)), 80);
  viewer->SetBitmapScale(5);
  EXPECT_EQ(ImageRect(viewer).Left, 0) << "an image larger than the viewport starts at its left";
}

TEST_F(ImageViewerTest, EachWheelNotchZoomsByAStepUnlessScalingIsOff) {
  TvgImageViewer* viewer = Viewer(50, 50);
  Move(100, 100);
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(kFormLeft + 100, kFormTop + 100));
  EXPECT_FLOAT_EQ(viewer->BitmapScale(), 1.04f);
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, -2 * WHEEL_DELTA), MAKELPARAM(kFormLeft + 100, kFormTop + 100));
  EXPECT_FLOAT_EQ(viewer->BitmapScale(), 0.96f);
  viewer->SetMouseScaling(false);
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(kFormLeft + 100, kFormTop + 100));
  EXPECT_FLOAT_EQ(viewer->BitmapScale(), 0.96f);
}

TEST_F(ImageViewerTest, DataIsTheBitmapAndSettingItCopiesEmptiesOrLoads) {
  TvgImageViewer* viewer = Viewer(50, 50);
  EXPECT_EQ(vgVariantToObject(viewer->GetData()), viewer->Bitmap());
  TvgBitmap other(30, 20);
  viewer->SetData(vgObjectToVariant(&other));
  EXPECT_EQ(viewer->Bitmap()->Width(), 30);
  EXPECT_EQ(vgRectWidth(ImageRect(viewer)), 30) << "a new bitmap realigns the viewer";
  viewer->SetData(Variant::Null());
  EXPECT_EQ(viewer->Bitmap()->Width(), 1);
}

TEST_F(ImageViewerTest, TheBackgroundFollowsTheImageOnlyWhenShown) {
  TvgImageViewer* viewer = Viewer(50, 50);
  viewer->Bitmap()->Clear(0);
  viewer->BackgroundFill()->SetSolidColor(0xFFFF00FF);
  std::unique_ptr<TvgBitmap> hidden = viewer->MakeScreenshot();
  EXPECT_NE(Pixel(*hidden, 100, 100), 0xFFFF00FFu);
  viewer->SetShowBackground(true);
  std::unique_ptr<TvgBitmap> shown = viewer->MakeScreenshot();
  EXPECT_EQ(Pixel(*shown, 100, 100), 0xFFFF00FFu);
}

TEST(ExtraUnit, RegistersTheControlsUnderTheirCategories) {
  vgInitializeToolkit();
  for (const char* name : {"TvgIPhoneButton", "TvgDropTarget", "TvgImageViewer", "TvgPlotGrid"})
    EXPECT_NE(GetClass(name), nullptr) << name;
}

}  // namespace
