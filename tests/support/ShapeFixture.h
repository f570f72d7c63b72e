#pragma once
// Fixtures for the shape, text, image, path and paint box tests: a canvas that writes down every
// drawing call with its arguments (its text measure is a fixed 10 x 20 cell per character), a
// scene that hands objects a canvas, and a pixel fixture that paints a root's children through
// the GDI+ canvas into its buffer as the scene host does.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/gdiplus/CanvasGdiPlus.h"
#include "engine/gdiplus/GdiPlusUnit.h"
#include "engine/paint/PathData.h"
#include "engine/tree/VisualObject.h"
#include "RecordingScene.h"

struct TShapeCall {
  std::string Name;
  TvgRect Rect;
  TvgRect Source;  // DrawBitmap
  const TvgBitmap* Bitmap = nullptr;
  TvgPoint P1, P2;  // DrawLine
  float XRadius = 0, YRadius = 0;
  TvgCorners Corners;
  TvgCornerType CornerType = vgCornerRound;
  float Opacity = 0;
  bool HighSpeed = false;
  std::vector<TvgPathPoint> Path;
  TvgColor Fill = 0, Stroke = 0;  // solid colours of the canvas brushes at the call
  TvgBrushStyle FillStyle = vgBrushNone, StrokeStyle = vgBrushNone;
  float Thickness = 0;
  TvgStrokeDash Dash = vgDashSolid;
  std::wstring Text;
  bool WordWrap = false;
  TvgTextAlign Align = vgTextAlignCenter, VAlign = vgTextAlignCenter;
  TvgMatrix Matrix;
  float FontSize = 0;
};

inline std::vector<TvgPathPoint> PathPoints(const TvgPathData& path) {
  std::vector<TvgPathPoint> points;
  for (int i = 0; i < path.Count(); ++i) points.push_back(path.Points(i));
  return points;
}

class TShapeLogCanvas : public TvgCanvas {
public:
  TShapeLogCanvas(int width = 200, int height = 200) : TvgCanvas(width, height) {}
  explicit TShapeLogCanvas(TvgBitmap* bitmap) : TvgCanvas(bitmap) {}
  ~TShapeLogCanvas() override { FreeBuffer(); }

  std::vector<TShapeCall> calls;

  std::vector<TShapeCall> Calls(const std::string& name) const {
    std::vector<TShapeCall> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                 [&name](const TShapeCall& c) { return c.Name == name; });
    return found;
  }
  // The drawing calls, without state changes.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const TShapeCall& c : calls)
      if (c.Name != "SetMatrix" && c.Name != "SaveState" && c.Name != "RestoreState") names.push_back(c.Name);
    return names;
  }

  static TvgColor* GetBitmapScanline(TvgBitmap* bitmap, int y) { return bitmap->GetScanline(y); }
  void FlushBuffer(int, int, void*) override {}
  void FlushBufferRect(int, int, void*, const TvgRect&) override {}
  void FreeBuffer() override {}
  void ResizeBuffer(int width, int height) override {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
  }
  void Clear(TvgColor) override {}
  void ClearRect(const TvgRect&, TvgColor) override {}
  void SetMatrix(const TvgMatrix& m) override {
    TvgCanvas::SetMatrix(m);
    Record("SetMatrix");
  }
  void MultiplyMatrix(const TvgMatrix& m) override { Record("MultiplyMatrix").Matrix = m; }
  int SaveState() override {
    Record("SaveState");
    return SaveStateToSlot(0);
  }
  void RestoreState(int index) override {
    Record("RestoreState");
    RestoreStateFromSlot(index, [](int32_t) {});
  }
  void SetClipRects(const std::vector<TvgRect>&) override {}
  void IntersectClipRect(const TvgRect& rect) override { Record("IntersectClipRect").Rect = rect; }
  void ExcludeClipRect(const TvgRect& rect) override { Record("ExcludeClipRect").Rect = rect; }
  void ResetClipRect() override {}
  void DrawLine(const TvgPoint& p1, const TvgPoint& p2, float opacity) override {
    TShapeCall& c = Record("DrawLine", opacity);
    c.P1 = p1;
    c.P2 = p2;
  }
  void FillRect(const TvgRect& rect, float xRadius, float yRadius, TvgCorners corners, float opacity,
                TvgCornerType type) override {
    RecordRect("FillRect", rect, xRadius, yRadius, corners, opacity, type);
  }
  void DrawRect(const TvgRect& rect, float xRadius, float yRadius, TvgCorners corners, float opacity,
                TvgCornerType type) override {
    RecordRect("DrawRect", rect, xRadius, yRadius, corners, opacity, type);
  }
  void FillEllipse(const TvgRect& rect, float opacity) override { Record("FillEllipse", opacity).Rect = rect; }
  void DrawEllipse(const TvgRect& rect, float opacity) override { Record("DrawEllipse", opacity).Rect = rect; }
  bool PtInPath(const TvgPoint&, const TvgRect&, TvgPathData*) override { return false; }
  void FillPath(TvgPathData* path, const TvgRect& rect, float opacity) override {
    RecordPath("FillPath", path, rect, opacity);
  }
  void DrawPath(TvgPathData* path, const TvgRect& rect, float opacity) override {
    RecordPath("DrawPath", path, rect, opacity);
  }
  void DrawBitmap(TvgBitmap* bitmap, const TvgRect& source, const TvgRect& dest, float opacity,
                  bool highSpeed) override {
    TShapeCall& c = Record("DrawBitmap", opacity);
    c.Bitmap = bitmap;
    c.Source = source;
    c.Rect = dest;
    c.HighSpeed = highSpeed;
  }
  void DrawThumbnail(TvgBitmap*, float, float) override {}
  void FillText(const TvgRect& rect, const TvgRect&, const std::wstring& text, bool wordWrap, float opacity,
                TvgTextAlign align, TvgTextAlign valign) override {
    TShapeCall& c = Record("FillText", opacity);
    c.Rect = rect;
    c.Text = text;
    c.WordWrap = wordWrap;
    c.Align = align;
    c.VAlign = valign;
  }
  // Each character takes a cell of 10 x 20; wrapped lines hold as many cells as the width takes.
  void MeasureText(TvgRect& rect, const TvgRect&, const std::wstring& text, bool wordWrap, TvgTextAlign align,
                   TvgTextAlign valign) override {
    TShapeCall& call = Record("MeasureText");
    call.WordWrap = wordWrap;
    call.Text = text;
    if (!wordWrap) rect.Right = rect.Left;
    if (text.empty()) return;
    const float chars = float(text.size());
    const float perLine = wordWrap ? std::max(1.0f, std::floor(vgRectWidth(rect) / 10)) : chars;
    const float width = std::min(chars, perLine) * 10, height = std::ceil(chars / perLine) * 20;
    auto place = [](float first, float last, float extent, TvgTextAlign a) {
      if (a == vgTextAlignNear) return first;
      if (a == vgTextAlignFar) return last - extent;
      return (first + last - extent) / 2;
    };
    const float left = wordWrap ? place(rect.Left, rect.Right, width, align) : rect.Left;
    const float top = place(rect.Top, rect.Bottom, height, valign);
    rect = {left, top, left + width, top + height};
  }
  bool TextToPath(TvgPathData*, const TvgRect&, const std::wstring&, bool, TvgTextAlign, TvgTextAlign) override {
    return false;
  }

private:
  TShapeCall& Record(const char* name, float opacity = 0) {
    TShapeCall c;
    c.Name = name;
    c.Opacity = opacity;
    c.Fill = Fill()->SolidColor();
    c.Stroke = Stroke()->SolidColor();
    c.FillStyle = Fill()->Style();
    c.StrokeStyle = Stroke()->Style();
    c.Thickness = StrokeThickness;
    c.Dash = StrokeDash();
    c.Matrix = Matrix();
    c.FontSize = Font()->Size();
    calls.push_back(c);
    return calls.back();
  }
  void RecordRect(const char* name, const TvgRect& rect, float xRadius, float yRadius, TvgCorners corners,
                  float opacity, TvgCornerType type) {
    TShapeCall& c = Record(name, opacity);
    c.Rect = rect;
    c.XRadius = xRadius;
    c.YRadius = yRadius;
    c.Corners = corners;
    c.CornerType = type;
  }
  void RecordPath(const char* name, TvgPathData* path, const TvgRect& rect, float opacity) {
    TShapeCall& c = Record(name, opacity);
    c.Rect = rect;
    if (path) c.Path = PathPoints(*path);
  }
};

// Objects under a root in a scene whose canvas writes down what they draw.
class ShapeCalls : public testing::Test {
protected:
  ShapeCalls() {
    scene.canvas = &canvas;
    root = new TvgVisualObject(nullptr);
    scene.AddObject(root);
    root->SetBounds(0, 0, 200, 200);
  }

  template <class T>
  T* Add(float x, float y, float width, float height, TvgObject* parent = nullptr) {
    auto* object = new T(nullptr);
    (parent ? parent : root)->AddObject(object);
    object->SetBounds(x, y, width, height);
    return object;
  }

  // One pass over the root's children; the calls of earlier passes are forgotten.
  void Paint() {
    scene.updateRects = {{0, 0, 200, 200}};
    canvas.calls.clear();
    canvas.SetMatrix(vgIdentityMatrix);
    root->PaintChildren();
  }

  TShapeLogCanvas canvas;
  TRecordingScene scene;
  TvgVisualObject* root;
};

inline int ColorChannel(TvgColor c, int shift) { return int((c >> shift) & 0xFF); }

// Each channel within the tolerance.
inline testing::AssertionResult NearColor(TvgColor actual, TvgColor expected, int tolerance) {
  for (int shift : {24, 16, 8, 0})
    if (std::abs(ColorChannel(actual, shift) - ColorChannel(expected, shift)) > tolerance)
      return testing::AssertionFailure() << "pixel " << vgColorToStr(actual) << " is not within " << tolerance
                                         << " of " << vgColorToStr(expected);
  return testing::AssertionSuccess();
}

// Objects under a root painted through the GDI+ canvas into its buffer.
class ShapePixels : public testing::Test {
protected:
  void SetUp() override {
    vgInitializeGdiPlusUnit();
    canvas = std::make_unique<TvgCanvasGdiPlus>(kSize, kSize);
    scene = std::make_unique<TRecordingScene>();
    scene->canvas = canvas.get();
    root = new TvgVisualObject(nullptr);
    scene->AddObject(root);
    root->SetBounds(0, 0, kSize, kSize);
  }
  void TearDown() override {
    scene.reset();
    canvas.reset();
  }

  template <class T>
  T* Add(float x, float y, float width, float height) {
    auto* object = new T(nullptr);
    root->AddObject(object);
    object->SetBounds(x, y, width, height);
    return object;
  }

  // A fresh transparent buffer and one pass of the root's children over all of it.
  void Paint() {
    scene->updateRects = {{0, 0, float(kSize), float(kSize)}};
    canvas->SetMatrix(vgIdentityMatrix);
    canvas->ResetClipRect();
    canvas->Clear(0);
    root->PaintChildren();
  }

  TvgColor At(int x, int y) const { return canvas->BufferBits()[y * canvas->Width() + x]; }
  uint32_t Alpha(int x, int y) const { return At(x, y) >> 24; }
  bool Inked(int x, int y) const { return Alpha(x, y) != 0; }

  // The bounds of the pixels whose alpha exceeds the threshold; (0, 0, 0, 0) when none.
  TvgRect InkBounds(uint32_t threshold = 0) const {
    TvgRect bounds{float(kSize), float(kSize), 0, 0};
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        if (Alpha(x, y) > threshold)
          bounds = {std::min(bounds.Left, float(x)), std::min(bounds.Top, float(y)),
                    std::max(bounds.Right, float(x + 1)), std::max(bounds.Bottom, float(y + 1))};
    return bounds.Right == 0 ? TvgRect{} : bounds;
  }
  int InkedCount() const {
    int count = 0;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) count += Inked(x, y);
    return count;
  }

  static constexpr int kSize = 160;
  std::unique_ptr<TvgCanvasGdiPlus> canvas;
  std::unique_ptr<TRecordingScene> scene;
  TvgVisualObject* root = nullptr;
};

inline void SetSolid(TvgBrush* brush, TvgColor color) {
  brush->SetStyle(vgBrushSolid);
  brush->SetSolidColor(color);
}
