// TvgImage: where each wrap mode and the nine-patch draw the bitmap, its design outline, its
// data, and its pixels through the GDI+ canvas.
#include "engine/shapes/Image.h"

#include <gtest/gtest.h>

#include "classlib/desktop/Win32.h"

#include <functional>
#include <string>
#include <vector>

#include "engine/tree/ObjectRegistry.h"
#include "engine/styles/ResourceObjects.h"
#include "tests/support/ShapeFixture.h"

namespace {

constexpr TvgColor kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

class ImageCalls : public ShapeCalls {
protected:
  TvgImage* AddImage(float width, float height, int bitmapWidth, int bitmapHeight) {
    auto* image = Add<TvgImage>(0, 0, width, height);
    image->Bitmap()->SetSize(bitmapWidth, bitmapHeight);
    return image;
  }
  std::vector<TvgRect> Drawn() const {
    std::vector<TvgRect> rects;
    for (const TShapeCall& c : canvas.Calls("DrawBitmap")) rects.push_back(c.Rect);
    return rects;
  }
};

TEST_F(ImageCalls, EachWrapModePlacesTheBitmapInTheLocalRect) {
  struct Case {
    const char* what;
    TvgImageWrap mode;
    int bitmapWidth, bitmapHeight;
    TvgRect drawn;
    bool highSpeed, clipped;
  } cases[] = {
      {"original", vgImageOriginal, 130, 20, {0, 0, 130, 20}, true, true},
      {"fit, smaller bitmap", vgImageFit, 30, 20, {35, 10, 65, 30}, false, false},
      {"fit, larger bitmap", vgImageFit, 200, 100, {10, 0, 90, 40}, false, false},
      {"stretch", vgImageStretch, 30, 20, {0, 0, 100, 40}, false, false},
  };
  for (const Case& c : cases) {
    TvgImage* image = AddImage(100, 40, c.bitmapWidth, c.bitmapHeight);
    image->SetWrapMode(c.mode);
    image->SetOpacity(0.5f);
    Paint();
    ASSERT_EQ(canvas.Calls("DrawBitmap").size(), 1u) << c.what;
    const TShapeCall draw = canvas.Calls("DrawBitmap").at(0);
    EXPECT_EQ(draw.Source, (TvgRect{0, 0, float(c.bitmapWidth), float(c.bitmapHeight)})) << c.what;
    EXPECT_EQ(draw.Rect, c.drawn) << c.what;
    EXPECT_EQ(draw.HighSpeed, c.highSpeed) << c.what;
    EXPECT_EQ(draw.Opacity, 0.5f) << c.what;
    EXPECT_EQ(draw.Bitmap, image->Bitmap()) << c.what;
    EXPECT_EQ(canvas.Calls("IntersectClipRect").size(), c.clipped ? 1u : 0u) << c.what;
    image->Free();
  }
}

TEST_F(ImageCalls, DisabledInterpolationDrawsFittedAndStretchedBitmapsWithoutSmoothing) {
  for (TvgImageWrap mode : {vgImageFit, vgImageStretch}) {
    TvgImage* image = AddImage(100, 40, 30, 20);
    image->SetWrapMode(mode);
    image->SetDisableInterpolation(true);
    Paint();
    EXPECT_TRUE(canvas.Calls("DrawBitmap").at(0).HighSpeed) << mode;
    image->Free();
  }
}

TEST_F(ImageCalls, TilesCoverTheRectRoundedUpByOneAndAreClippedToIt) {
  TvgImage* image = AddImage(100, 40, 30, 30);
  image->SetWrapMode(vgImageTile);
  Paint();
  std::vector<TvgRect> expected;
  for (int column = 0; column < 4; ++column)
    for (int row = 0; row < 2; ++row)
      expected.push_back({30.0f * column, 30.0f * row, 30.0f * column + 30, 30.0f * row + 30});
  EXPECT_EQ(Drawn(), expected);
  EXPECT_EQ(canvas.Calls("IntersectClipRect").at(0).Rect, (TvgRect{0, 0, 100, 40}));
  for (const TShapeCall& c : canvas.Calls("DrawBitmap")) EXPECT_TRUE(c.HighSpeed);
}

TEST_F(ImageCalls, TilesOffTheCanvasAreNotDrawn) {
  TvgImage* image = AddImage(3000, 40, 10, 10);
  image->SetWrapMode(vgImageTile);
  image->Position()->SetPoint({-1000, 0});
  Paint();
  const std::vector<TvgRect> drawn = Drawn();
  ASSERT_FALSE(drawn.empty());
  EXPECT_LE(drawn.front().Left, 1000) << "the first tile that reaches the canvas";
  EXPECT_GE(drawn.front().Right, 1000);
  EXPECT_GE(drawn.back().Right, 1200) << "the last tile that reaches the canvas";
  EXPECT_LE(drawn.back().Left, 1200);
  EXPECT_LT(drawn.size(), size_t(30 * 5));
}

TEST_F(ImageCalls, ANinePatchKeepsItsCornersAndStretchesItsEdgesAndCentre) {
  TvgImage* image = AddImage(100, 60, 30, 40);
  image->BitmapMargins()->SetRect({5, 6, 7, 8});
  image->SetWrapMode(vgImageStretch);
  Paint();
  const std::vector<std::pair<TvgRect, TvgRect>> expected = {
      {{0, 0, 5, 6}, {0, 0, 5, 6}},         {{5, 0, 23, 6}, {5, 0, 93, 6}},       {{23, 0, 30, 6}, {93, 0, 100, 6}},
      {{0, 6, 5, 32}, {0, 6, 5, 52}},       {{5, 6, 23, 32}, {5, 6, 93, 52}},     {{23, 6, 30, 32}, {93, 6, 100, 52}},
      {{0, 32, 5, 40}, {0, 52, 5, 60}},     {{5, 32, 23, 40}, {5, 52, 93, 60}},   {{23, 32, 30, 40}, {93, 52, 100, 60}},
  };
  const std::vector<TShapeCall> draws = canvas.Calls("DrawBitmap");
  ASSERT_EQ(draws.size(), expected.size());
  for (size_t i = 0; i < draws.size(); ++i) {
    EXPECT_EQ(draws[i].Source, expected[i].first) << i;
    EXPECT_EQ(draws[i].Rect, expected[i].second) << i;
    EXPECT_TRUE(draws[i].HighSpeed) << i;
  }
}

TEST_F(ImageCalls, ABitmapStandingForAResourceDrawsTheResourcesBitmap) {
  TvgBitmapObject logo(nullptr);
  logo.SetResourceName("imagetestlogo");
  logo.Bitmap()->SetSize(8, 8);
  AddImage(100, 40, 0, 0)->Bitmap()->SetResourceName("imagetestlogo");
  AddImage(100, 40, 0, 0)->Bitmap()->SetResourceName("no such logo");
  AddImage(100, 40, 0, 0);
  Paint();
  ASSERT_EQ(canvas.Calls("DrawBitmap").size(), 1u) << "a missing resource and an empty bitmap draw nothing";
  EXPECT_EQ(canvas.Calls("DrawBitmap").at(0).Bitmap, logo.Bitmap());
}

TEST_F(ImageCalls, InDesignModeAnUnlockedImageGetsADashedOutline) {
  scene.designing = true;
  TvgImage* image = AddImage(100, 40, 0, 0);
  image->SetOpacity(0.5f);
  Paint();
  ASSERT_EQ(canvas.Names(), (std::vector<std::string>{"DrawRect"}));
  const TShapeCall outline = canvas.Calls("DrawRect").at(0);
  EXPECT_EQ(outline.Rect, (TvgRect{0.5f, 0.5f, 99.5f, 39.5f}));
  EXPECT_EQ(outline.Stroke, 0xA0909090u);
  EXPECT_EQ(outline.StrokeStyle, vgBrushSolid);
  EXPECT_EQ(outline.Dash, vgDashDash);
  EXPECT_EQ(outline.Thickness, 1);
  EXPECT_EQ(outline.Opacity, 0.5f);
  EXPECT_EQ(canvas.StrokeDash(), vgDashSolid) << "the canvas state is put back";
  EXPECT_EQ(canvas.Stroke()->SolidColor(), 0xFF000000u);

  image->SetLocked(true);
  Paint();
  EXPECT_TRUE(canvas.Names().empty()) << "locked";
  image->SetLocked(false);
  scene.designing = false;
  Paint();
  EXPECT_TRUE(canvas.Names().empty()) << "not designing";
}

TEST_F(ImageCalls, SettersRepaintOnlyForANewValue) {
  TvgImage* image = AddImage(100, 40, 4, 4);
  TvgBitmap other(6, 6);
  struct Case {
    const char* what;
    std::function<void()> set;
    bool again;  // setting the same value repaints again
  } cases[] = {
      {"WrapMode", [&] { image->SetWrapMode(vgImageTile); }, false},
      {"DisableInterpolation", [&] { image->SetDisableInterpolation(true); }, false},
      {"BitmapMargins", [&] { image->BitmapMargins()->SetLeft(3); }, false},
      {"Bitmap", [&] { image->SetBitmap(&other); }, true},
  };
  for (const Case& c : cases) {
    scene.updateRects.clear();
    c.set();
    EXPECT_FALSE(scene.updateRects.empty()) << c.what;
    scene.updateRects.clear();
    c.set();
    EXPECT_EQ(!scene.updateRects.empty(), c.again) << c.what << " again";
  }
  EXPECT_EQ(image->Bitmap()->Width(), 6);
  EXPECT_NE(image->Bitmap(), &other);
}

TEST_F(ImageCalls, ItsDataRefersToItsBitmapAndTakesBitmapsOrFileNames) {
  TvgImage* image = AddImage(100, 40, 2, 2);
  EXPECT_EQ(vgVariantToObject(image->GetData()), image->Bitmap());
  TvgBitmap other(7, 3);
  image->SetData(vgObjectToVariant(&other));
  EXPECT_EQ(image->Bitmap()->Width(), 7);
  image->SetData(vgObjectToVariant(nullptr));
  EXPECT_EQ(image->Bitmap()->Width(), 7);
  image->SetData(Variant("Z:\\no\\such\\picture.png"));
  EXPECT_EQ(image->Bitmap()->Width(), 7) << "a file that does not exist changes nothing";
}

// --- Pixels --------------------------------------------------------------------------------

class ImagePixels : public ShapePixels {
protected:
  TvgImage* AddImage(float x, float y, float width, float height, int bitmapWidth, int bitmapHeight,
                     TvgColor color) {
    auto* image = Add<TvgImage>(x, y, width, height);
    image->Bitmap()->SetSize(bitmapWidth, bitmapHeight);
    image->Bitmap()->Clear(color);
    return image;
  }
};

TEST_F(ImagePixels, AFittedBitmapIsShrunkAndCentredOrShownAtItsOwnSize) {
  AddImage(0, 0, 80, 40, 60, 60, kRed);      // shrunk to 40 x 40 at x 20
  AddImage(0, 80, 80, 40, 20, 10, kBlue);    // its own size at (30, 95)
  Paint();
  EXPECT_EQ(InkBounds(), (TvgRect{20, 0, 60, 105}));
  EXPECT_TRUE(NearColor(At(40, 20), kRed, 0));
  EXPECT_EQ(Alpha(15, 20), 0u);
  EXPECT_TRUE(NearColor(At(30, 95), kBlue, 0));
  EXPECT_TRUE(NearColor(At(49, 104), kBlue, 0));
  EXPECT_EQ(Alpha(50, 100), 0u);
  EXPECT_EQ(Alpha(30, 94), 0u);
}

TEST_F(ImagePixels, TiledBitmapsFillTheObjectAndStopAtItsEdge) {
  TvgImage* image = AddImage(10, 10, 100, 40, 30, 30, kGreen);
  image->Bitmap()->ClearRect({0, 0, 1, 30}, kRed);  // a red first column marks each tile's start
  image->SetWrapMode(vgImageTile);
  Paint();
  EXPECT_EQ(InkBounds(), (TvgRect{10, 10, 110, 50}));
  for (int column = 0; column < 4; ++column) EXPECT_TRUE(NearColor(At(10 + 30 * column, 45), kRed, 0)) << column;
  EXPECT_TRUE(NearColor(At(105, 45), kGreen, 0));
}

TEST_F(ImagePixels, ANinePatchKeepsItsCornerColours) {
  TvgImage* image = AddImage(0, 0, 120, 90, 30, 30, kGreen);
  image->Bitmap()->ClearRect({0, 0, 10, 10}, kRed);
  image->Bitmap()->ClearRect({20, 20, 30, 30}, kBlue);
  image->BitmapMargins()->SetRect({10, 10, 10, 10});
  Paint();
  EXPECT_EQ(InkBounds(), (TvgRect{0, 0, 120, 90}));
  EXPECT_TRUE(NearColor(At(9, 9), kRed, 0));
  EXPECT_TRUE(NearColor(At(10, 10), kGreen, 0));
  EXPECT_TRUE(NearColor(At(110, 80), kBlue, 0));
  EXPECT_TRUE(NearColor(At(109, 79), kGreen, 0));
  EXPECT_TRUE(NearColor(At(60, 45), kGreen, 0));
}

TEST_F(ImagePixels, ABitmapIsLoadedFromTheFileItsDataNames) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string file = std::string(temp) + "image-test-data.png";
  TvgBitmap source(5, 4);
  source.Clear(0x80FF0000);
  source.SaveToFile(file);
  TvgImage* image = Add<TvgImage>(0, 0, 50, 50);
  image->SetData(Variant(file));
  DeleteFileA(file.c_str());
  EXPECT_EQ(image->Bitmap()->Width(), 5);
  EXPECT_EQ(image->Bitmap()->Height(), 4);
  image->SetData(Variant(file));
  EXPECT_EQ(image->Bitmap()->Width(), 5) << "once it is gone, nothing changes";
}

TEST_F(ImagePixels, EmptyBitmapsAndImagesOfNoSizeDrawNothing) {
  Add<TvgImage>(0, 0, 100, 100);
  for (TvgImageWrap mode : {vgImageOriginal, vgImageFit, vgImageStretch, vgImageTile}) {
    TvgImage* image = AddImage(0, 0, 0, 40, 10, 10, kRed);
    image->SetWrapMode(mode);
    image = AddImage(0, 0, 40, 0, 10, 10, kRed);
    image->SetWrapMode(mode);
    image->BitmapMargins()->SetRect({2, 2, 2, 2});
  }
  Paint();
  EXPECT_EQ(InkedCount(), 0);
}

}  // namespace
