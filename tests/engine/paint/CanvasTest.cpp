#include "engine/paint/Canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/PathData.h"

namespace {

// A canvas that draws nothing and writes down what it was asked to do.
class TRecordingCanvas : public TvgCanvas {
  CL_CLASS(TRecordingCanvas, TvgCanvas)
public:
  TRecordingCanvas(int width, int height) : TvgCanvas(width, height) {}
  explicit TRecordingCanvas(TvgBitmap* bitmap) : TvgCanvas(bitmap) {}
  ~TRecordingCanvas() override { FreeBuffer(); }

  std::vector<std::string> calls;
  std::vector<TvgPathPoint> lastPath;
  TvgRect lastRect;
  int fontChanges = 0;
  bool hasContext = true;
  std::vector<int32_t> restoredContexts;

  void FontChanged(TObject*) override { ++fontChanges; }
  void FlushBuffer(int, int, void*) override { calls.push_back("FlushBuffer"); }
  void FlushBufferRect(int, int, void*, const TvgRect&) override { calls.push_back("FlushBufferRect"); }
  void FreeBuffer() override { buffer_.clear(); bufferBits_ = nullptr; }
  void ResizeBuffer(int width, int height) override {
    calls.push_back("ResizeBuffer " + std::to_string(width) + "x" + std::to_string(height));
    width_ = width < 1 ? 1 : width;
    height_ = height < 1 ? 1 : height;
    buffered_ = true;
    buffer_.assign(size_t(width_) * size_t(height_), 0);
    bufferBits_ = buffer_.data();
    BufferChanged = true;
  }
  void Clear(TvgColor) override { calls.push_back("Clear"); }
  void ClearRect(const TvgRect&, TvgColor) override { calls.push_back("ClearRect"); }
  static TvgColor* GetBitmapScanline(TvgBitmap* bitmap, int y) { return bitmap->Bits() + y * bitmap->Width(); }
  void SetMatrix(const TvgMatrix& m) override {
    calls.push_back("SetMatrix");
    TvgCanvas::SetMatrix(m);
  }
  int SaveState() override { return hasContext ? SaveStateToSlot(nextContext_++) : -1; }
  void RestoreState(int index) override {
    if (hasContext) RestoreStateFromSlot(index, [this](int32_t state) { restoredContexts.push_back(state); });
  }
  void SetClipRects(const std::vector<TvgRect>&) override {}
  void IntersectClipRect(const TvgRect&) override {}
  void ExcludeClipRect(const TvgRect&) override {}
  void ResetClipRect() override {}
  void DrawLine(const TvgPoint&, const TvgPoint&, float) override {}
  void FillRect(const TvgRect&, float, float, TvgCorners, float, TvgCornerType) override {}
  void DrawRect(const TvgRect&, float, float, TvgCorners, float, TvgCornerType) override {}
  void FillEllipse(const TvgRect&, float) override {}
  void DrawEllipse(const TvgRect&, float) override {}
  bool PtInPath(const TvgPoint&, const TvgRect&, TvgPathData*) override { return false; }
  void FillPath(TvgPathData* path, const TvgRect& rect, float) override { RecordPath("FillPath", path, rect); }
  void DrawPath(TvgPathData* path, const TvgRect& rect, float) override { RecordPath("DrawPath", path, rect); }
  void DrawBitmap(TvgBitmap*, const TvgRect&, const TvgRect&, float, bool) override {}
  void DrawThumbnail(TvgBitmap*, float, float) override {}
  void FillText(const TvgRect&, const TvgRect&, const std::wstring&, bool, float, TvgTextAlign,
                TvgTextAlign) override {}
  // Six units per character, as a fixed-pitch font would.
  void MeasureText(TvgRect& rect, const TvgRect&, const std::wstring& text, bool wordWrap, TvgTextAlign align,
                   TvgTextAlign vertical) override {
    calls.push_back("MeasureText " + std::to_string(int(rect.Right)) + "x" + std::to_string(int(rect.Bottom)) +
                    (wordWrap ? " wrap" : " nowrap") + " " + std::to_string(int(align)) + std::to_string(int(vertical)));
    rect.Right = rect.Left + 6.0f * float(text.size());
  }
  bool TextToPath(TvgPathData*, const TvgRect&, const std::wstring&, bool, TvgTextAlign, TvgTextAlign) override {
    return false;
  }

  std::vector<int> PathKinds() const {
    std::vector<int> kinds;
    for (const TvgPathPoint& p : lastPath) kinds.push_back(p.Kind);
    return kinds;
  }

private:
  void RecordPath(const char* name, TvgPathData* path, const TvgRect& rect) {
    calls.push_back(name);
    lastPath.clear();
    for (int i = 0; i < path->Count(); ++i) lastPath.push_back(path->Points(i));
    lastRect = rect;
  }

  std::vector<TvgColor> buffer_;
  int32_t nextContext_ = 100;
};

constexpr int M = vgPathPointMoveTo, L = vgPathPointLineTo, Z = vgPathPointClose;

std::unique_ptr<TRecordingCanvas> NewCanvas(int width = 8, int height = 4) {
  return std::unique_ptr<TRecordingCanvas>(
      static_cast<TRecordingCanvas*>(vgCanvasClass<TRecordingCanvas>()->Create(width, height)));
}

}  // namespace

CL_PUBLISHED(TRecordingCanvas) {}

TEST(Canvas, CreationMakesBrushesAndFontThenSizesTheBuffer) {
  auto canvas = NewCanvas(0, 5);
  EXPECT_EQ(canvas->calls, (std::vector<std::string>{"ResizeBuffer 0x5"}));
  EXPECT_EQ(canvas->Width(), 1);
  EXPECT_EQ(canvas->Height(), 5);
  EXPECT_EQ(canvas->Fill()->Style(), vgBrushSolid);
  EXPECT_EQ(canvas->Fill()->SolidColor(), 0xFFFFFFFFu);
  EXPECT_EQ(canvas->Stroke()->SolidColor(), 0xFF000000u);
  EXPECT_EQ(canvas->StrokeThickness, 0);
  EXPECT_EQ(canvas->Matrix(), vgIdentityMatrix);
  EXPECT_EQ(canvas->Font()->Family(), "Tahoma");
  EXPECT_EQ(canvas->Bitmap(), nullptr);
  canvas->Font()->SetSize(20);
  EXPECT_EQ(canvas->fontChanges, 1);
}

TEST(Canvas, BitmapCanvasTakesTheBitmapsSizeAndHasNoBuffer) {
  TvgBitmap bitmap(3, 2);
  std::unique_ptr<TvgCanvas> canvas(vgCanvasClass<TRecordingCanvas>()->CreateFromBitmap(&bitmap));
  EXPECT_EQ(canvas->Width(), 3);
  EXPECT_EQ(canvas->Height(), 2);
  EXPECT_EQ(canvas->Bitmap(), &bitmap);
  EXPECT_FALSE(canvas->Buffered());
  EXPECT_EQ(canvas->BufferBits(), nullptr);
  EXPECT_EQ(vgCanvasClass<TRecordingCanvas>()->GetBitmapScanline(&bitmap, 1), bitmap.Bits() + 3);
}

TEST(Canvas, StrokeDashSetsItsPatternOnlyWhenTheKindChanges) {
  struct Case {
    TvgStrokeDash dash;
    std::vector<float> pattern;
  } cases[] = {{vgDashDash, {3, 1}},
               {vgDashDot, {1, 1}},
               {vgDashDashDot, {3, 1, 1, 1}},
               {vgDashDashDotDot, {3, 1, 1, 1, 1, 1}},
               {vgDashSolid, {}}};
  auto canvas = NewCanvas();
  for (const Case& c : cases) {
    canvas->DashOffset = 2;
    canvas->SetStrokeDash(c.dash);
    EXPECT_EQ(canvas->StrokeDash(), c.dash);
    EXPECT_EQ(canvas->DashArray, c.pattern);
    EXPECT_EQ(canvas->DashOffset, 0);
  }
  canvas->SetStrokeDash(vgDashDot);
  canvas->DashArray = {7, 7};  // an unchanged kind is ignored, so the pattern stays as the caller left it
  canvas->SetStrokeDash(vgDashDot);
  EXPECT_EQ(canvas->DashArray, (std::vector<float>{7, 7}));
  canvas->SetStrokeDash(vgDashDash);
  canvas->SetStrokeDash(vgDashDot);
  canvas->DashOffset = 4;
  canvas->SetStrokeDash(vgDashCustom);
  EXPECT_EQ(canvas->DashArray, (std::vector<float>{1, 1}));
  EXPECT_EQ(canvas->DashOffset, 4);
}

TEST(Canvas, PolygonsBecomePathsFigureByFigure) {
  auto canvas = NewCanvas();
  const TvgPolygon polygon{{0, 0}, {10, 0}, vgClosePolygon, {20, 20}, {30, 20}};
  canvas->FillPolygon(polygon, 1);
  // The last point stays a vertex of the fill, then the figure closes back to its start.
  EXPECT_EQ(canvas->PathKinds(), (std::vector<int>{M, L, Z, M, L, Z}));
  EXPECT_EQ(canvas->lastPath[4].Point, (TvgPoint{30, 20}));
  EXPECT_EQ(canvas->lastPath[5].Point, (TvgPoint{20, 20}));
  EXPECT_EQ(canvas->lastRect, (TvgRect{0, 0, 30, 20}));
  canvas->FillPolygon({{0, 0}, {10, 0}, {10, 10}, vgClosePolygon}, 1);
  EXPECT_EQ(canvas->PathKinds(), (std::vector<int>{M, L, L, Z}));
  canvas->DrawPolygon(polygon, 1);
  EXPECT_EQ(canvas->PathKinds(), (std::vector<int>{M, L, Z, M, L}));
  EXPECT_EQ(canvas->calls.back(), "DrawPath");
  canvas->FillPolygon({}, 1);
  EXPECT_TRUE(canvas->lastPath.empty());
}

TEST(Canvas, ArcsAreDrawnWhereTheirCoordinatesSay) {
  auto canvas = NewCanvas();
  canvas->FillArc({10, 10}, {5, 5}, 0, 360, 1);
  EXPECT_EQ(canvas->calls.back(), "FillPath");
  EXPECT_EQ(canvas->lastPath.size(), 13u);
  EXPECT_NEAR(canvas->lastRect.Left, 5, 1e-4);
  EXPECT_NEAR(canvas->lastRect.Bottom, 15, 1e-4);
  canvas->DrawArc({0, 0}, {1, 1}, 0, 90, 1);
  EXPECT_EQ(canvas->calls.back(), "DrawPath");
  EXPECT_EQ(canvas->lastPath.size(), 4u);
}

TEST(Canvas, TextWidthMeasuresOneUnwrappedLine) {
  auto canvas = NewCanvas();
  EXPECT_EQ(canvas->TextWidth(L""), 0);
  EXPECT_EQ(canvas->TextWidth(L"abc"), 18);
  EXPECT_EQ(canvas->calls.back(), "MeasureText 10000x20 nowrap 10");  // near, centre
}

TEST(Canvas, RestoringTwoNestedSavesGivesBackTheFirstState) {
  auto canvas = NewCanvas();
  TvgMatrix moved = vgIdentityMatrix;
  moved.m31 = 5;
  canvas->SetMatrix(moved);
  canvas->Fill()->SetSolidColor(0xFF112233);
  canvas->StrokeThickness = 2;
  canvas->SetStrokeDash(vgDashDot);
  canvas->DashOffset = 1.5f;

  int first = canvas->SaveState();
  canvas->Fill()->SetStyle(vgBrushNone);
  canvas->Stroke()->SetSolidColor(0xFFFF0000);
  canvas->SetStrokeDash(vgDashDashDot);
  canvas->StrokeCap = vgCapRound;
  canvas->StrokeJoin = vgJoinBevel;
  canvas->Font()->SetFamily("Arial");
  canvas->SetMatrix(vgIdentityMatrix);
  int second = canvas->SaveState();
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, 1);
  canvas->StrokeThickness = 9;

  canvas->calls.clear();
  canvas->fontChanges = 0;
  canvas->RestoreState(second);
  EXPECT_EQ(canvas->StrokeThickness, 2);
  EXPECT_EQ(canvas->DashArray, (std::vector<float>{3, 1, 1, 1}));
  canvas->RestoreState(first);
  EXPECT_EQ(canvas->restoredContexts, (std::vector<int32_t>{101, 100}));
  EXPECT_EQ(canvas->calls, (std::vector<std::string>{"SetMatrix", "SetMatrix"}));
  EXPECT_EQ(canvas->fontChanges, 2);
  EXPECT_EQ(canvas->Matrix(), moved);
  EXPECT_EQ(canvas->Fill()->Style(), vgBrushSolid);
  EXPECT_EQ(canvas->Fill()->SolidColor(), 0xFF112233u);
  EXPECT_EQ(canvas->Stroke()->SolidColor(), 0xFF000000u);
  EXPECT_EQ(canvas->StrokeDash(), vgDashDot);
  EXPECT_EQ(canvas->DashArray, (std::vector<float>{1, 1}));
  EXPECT_EQ(canvas->DashOffset, 1.5f);
  EXPECT_EQ(canvas->StrokeCap, vgCapFlat);
  EXPECT_EQ(canvas->StrokeJoin, vgJoinMiter);
  EXPECT_EQ(canvas->Font()->Family(), "Tahoma");
  EXPECT_EQ(canvas->SaveState(), 0);  // freed slots are used again
  EXPECT_EQ(canvas->SaveData().size(), 2u);
}

TEST(Canvas, SolidStatesRestoreWithoutADashPattern) {
  auto canvas = NewCanvas();
  int slot = canvas->SaveState();
  canvas->SetStrokeDash(vgDashDash);
  canvas->RestoreState(slot);
  EXPECT_EQ(canvas->StrokeDash(), vgDashSolid);
  EXPECT_TRUE(canvas->DashArray.empty());
}

TEST(Canvas, BadRestoreIndexesAndMissingContextsAreIgnored) {
  auto canvas = NewCanvas();
  int slot = canvas->SaveState();
  canvas->RestoreState(slot);
  canvas->StrokeThickness = 3;
  for (int index : {slot, -1, 5}) canvas->RestoreState(index);
  EXPECT_EQ(canvas->StrokeThickness, 3);
  EXPECT_EQ(canvas->restoredContexts.size(), 1u);
  canvas->hasContext = false;
  EXPECT_EQ(canvas->SaveState(), -1);
  EXPECT_EQ(canvas->SaveData().size(), 1u);
}

TEST(Canvas, AssignsItsBufferToABitmap) {
  auto canvas = NewCanvas(2, 2);
  for (int i = 0; i < 4; ++i) canvas->BufferBits()[i] = 0xFF000000u + TvgColor(i);
  TvgBitmap bitmap;
  bitmap.Assign(canvas.get());
  ASSERT_EQ(bitmap.Width(), 2);
  ASSERT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.Bits()[3], 0xFF000003u);

  TvgBitmap source(3, 1);
  source.Clear(0xFF00FF00);
  std::unique_ptr<TvgCanvas> bitmapCanvas(vgCanvasClass<TRecordingCanvas>()->CreateFromBitmap(&source));
  TvgBitmap target;
  target.Assign(bitmapCanvas.get());
  EXPECT_EQ(target.Width(), 3);
  EXPECT_EQ(target.Bits()[0], 0u);  // resized, no pixels copied

  TvgFont font;
  try {
    font.Assign(canvas.get());
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TRecordingCanvas to a TvgFont");
  }
}
