#pragma once
// Doubles for the visual-object tests: a canvas that writes down every drawing and clipping call
// with the matrix it was made under, and an object that fills its local rect with its own colour.
// The scene they go with is RecordingScene.h's.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/tree/VisualObject.h"

struct TPaintCall {
  std::string Name;
  TvgMatrix Matrix;
  TvgRect Rect;
  TvgColor Color = 0;  // FillRect: the fill's colour; DrawRect: the stroke's
  float Opacity = 0;
  float Thickness = 0;
  bool HighSpeed = false;
};

class TPaintLogCanvas : public TvgCanvas {
  CL_CLASS(TPaintLogCanvas, TvgCanvas)
public:
  TPaintLogCanvas(int width, int height) : TvgCanvas(width, height) {}
  explicit TPaintLogCanvas(TvgBitmap* bitmap) : TvgCanvas(bitmap) {}
  ~TPaintLogCanvas() override { FreeBuffer(); }

  std::vector<TPaintCall> calls;

  // The calls with this name, in order.
  std::vector<TPaintCall> Calls(const std::string& name) const {
    std::vector<TPaintCall> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                 [&name](const TPaintCall& c) { return c.Name == name; });
    return found;
  }
  // The names of the calls, without the matrix changes.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const TPaintCall& c : calls)
      if (c.Name != "SetMatrix") names.push_back(c.Name);
    return names;
  }
  // The colours filled, in order: which objects painted.
  std::vector<TvgColor> FilledColors() const {
    std::vector<TvgColor> colors;
    for (const TPaintCall& c : Calls("FillRect")) colors.push_back(c.Color);
    return colors;
  }

  static TvgColor* GetBitmapScanline(TvgBitmap* bitmap, int y) { return bitmap->GetScanline(y); }
  void FlushBuffer(int, int, void*) override {}
  void FlushBufferRect(int, int, void*, const TvgRect&) override {}
  void FreeBuffer() override {
    buffer_.clear();
    bufferBits_ = nullptr;
  }
  void ResizeBuffer(int width, int height) override {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    buffered_ = true;
    buffer_.assign(size_t(width_) * size_t(height_), 0);
    bufferBits_ = buffer_.data();
  }
  void Clear(TvgColor color) override { Record("Clear", {}, color); }
  void ClearRect(const TvgRect& rect, TvgColor color) override { Record("ClearRect", rect, color); }
  void SetMatrix(const TvgMatrix& m) override {
    TvgCanvas::SetMatrix(m);
    Record("SetMatrix", {});
  }
  int SaveState() override {
    Record("SaveState", {});
    return SaveStateToSlot(0);
  }
  void RestoreState(int index) override {
    Record("RestoreState", {});
    RestoreStateFromSlot(index, [](int32_t) {});
  }
  void SetClipRects(const std::vector<TvgRect>& rects) override {
    for (const TvgRect& r : rects) Record("SetClipRects", r);
  }
  void IntersectClipRect(const TvgRect& rect) override { Record("IntersectClipRect", rect); }
  void ExcludeClipRect(const TvgRect& rect) override { Record("ExcludeClipRect", rect); }
  void ResetClipRect() override { Record("ResetClipRect", {}); }
  void DrawLine(const TvgPoint&, const TvgPoint&, float) override {}
  void FillRect(const TvgRect& rect, float, float, TvgCorners, float opacity, TvgCornerType) override {
    Record("FillRect", rect, Fill()->SolidColor(), opacity);
  }
  void DrawRect(const TvgRect& rect, float, float, TvgCorners, float opacity, TvgCornerType) override {
    Record("DrawRect", rect, Stroke()->SolidColor(), opacity);
  }
  void FillEllipse(const TvgRect&, float) override {}
  void DrawEllipse(const TvgRect&, float) override {}
  bool PtInPath(const TvgPoint&, const TvgRect&, TvgPathData*) override { return false; }
  void FillPath(TvgPathData*, const TvgRect&, float) override {}
  void DrawPath(TvgPathData*, const TvgRect&, float) override {}
  void DrawBitmap(TvgBitmap*, const TvgRect&, const TvgRect& dst, float opacity, bool highSpeed) override {
    Record("DrawBitmap", dst, 0, opacity);
    calls.back().HighSpeed = highSpeed;
  }
  void DrawThumbnail(TvgBitmap*, float, float) override {}
  void FillText(const TvgRect&, const TvgRect&, const std::wstring&, bool, float, TvgTextAlign,
                TvgTextAlign) override {}
  void MeasureText(TvgRect&, const TvgRect&, const std::wstring&, bool, TvgTextAlign, TvgTextAlign) override {}
  bool TextToPath(TvgPathData*, const TvgRect&, const std::wstring&, bool, TvgTextAlign, TvgTextAlign) override {
    return false;
  }

private:
  void Record(const char* name, const TvgRect& rect, TvgColor color = 0, float opacity = 0) {
    calls.push_back({name, Matrix(), rect, color, opacity, StrokeThickness});
  }
  std::vector<TvgColor> buffer_;
};

// Fills its local rect with its colour at its absolute opacity.
class TPaintProbe : public TvgVisualObject {
  CL_CLASS(TPaintProbe, TvgVisualObject)
public:
  using TvgVisualObject::TvgVisualObject;
  TvgColor color = 0xFF000000;
  void Paint() override {
    TvgCanvas* canvas = GetCanvas();
    canvas->Fill()->SetSolidColor(color);
    canvas->FillRect(GetLocalRect(), 0, 0, {}, GetAbsoluteOpacity(), vgCornerRound);
  }
};

// Adds a probe of the given colour and bounds to parent.
inline TPaintProbe* AddProbe(TvgObject* parent, TvgColor color, const TvgRect& bounds) {
  auto* probe = new TPaintProbe(nullptr);
  probe->color = color;
  probe->SetBounds(bounds.Left, bounds.Top, vgRectWidth(bounds), vgRectHeight(bounds));
  parent->AddObject(probe);
  return probe;
}
