#pragma once
// Doubles for the visual-object tests: a canvas that writes down every drawing and clipping call
// with the matrix it was made under, a scene that keeps roots, a canvas and the invalidated
// rectangles (which are also its dirty rectangles), and an object that fills its local rect with
// its own colour.
#include <algorithm>
#include <string>
#include <vector>

#include "classlib/core/Component.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/tree/Object.h"
#include "engine/scene/SceneInterface.h"
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

class TVisualTestScene : public TComponent, public IvgWindowScene {
public:
  TVisualTestScene() : TComponent(nullptr) {}
  ~TVisualTestScene() override {
    while (!roots.empty()) {
      TvgObject* root = roots.back();
      roots.pop_back();
      root->SetScene(nullptr);
      root->Free();
    }
  }

  std::vector<TvgObject*> roots;
  std::vector<TvgRect> dirty;  // what was invalidated, and what a paint pass paints
  TvgCanvas* canvas = nullptr;
  bool designTime = false;
  bool disableUpdate = false;
  bool animatedCaret = true;
  TvgVisualObject* focused = nullptr;
  TvgVisualObject* selected = nullptr;

  // A visual root object of the given size at the origin.
  template <class T = TvgVisualObject>
  T* AddRoot(float width, float height) {
    T* root = new T(nullptr);
    root->SetBounds(0, 0, width, height);
    AddObject(root);
    return root;
  }
  bool Invalidated(const TvgRect& rect) const { return std::find(dirty.begin(), dirty.end(), rect) != dirty.end(); }

  void AddObject(TvgObject* object) override {
    object->SetParent(nullptr);
    if (std::find(roots.begin(), roots.end(), object) == roots.end()) roots.push_back(object);
    object->SetScene(this);
  }
  void RemoveObject(TvgObject* object) override {
    object->SetScene(nullptr);
    std::erase(roots, object);
  }
  void AddUpdateRect(const TvgRect& rect) override {
    if (!disableUpdate) dirty.push_back(rect);
  }
  TvgObject* GetRoot() const override { return roots.empty() ? nullptr : roots.front(); }
  TComponent* GetComponent() override { return this; }
  TComponent* GetOwner() const override { return Owner(); }
  bool GetDisableUpdate() const override { return disableUpdate; }
  void SetDisableUpdate(bool value) override { disableUpdate = value; }
  bool GetDesignTime() const override { return designTime; }
  TvgCanvas* GetCanvas() const override { return canvas; }
  int GetUpdateRectsCount() const override { return int(dirty.size()); }
  TvgRect GetUpdateRect(int index) const override { return dirty.at(size_t(index)); }
  void SetFocused(TvgVisualObject* object) override {
    if (object == focused) return;
    if (focused) focused->KillFocus();
    focused = object;
    if (focused) focused->EnterFocus();
  }
  TvgVisualObject* GetFocused() const override { return focused; }
  TvgVisualObject* GetSelected() const override { return selected; }
  void DesignSelect(TvgVisualObject* object) override { selected = object; }
  void Notification(TComponent*, TOperation) override {}

  void BeginWindowDrag() override {}
  void BeginWindowResize() override {}
  void InsertObject(const std::string&) override {}
  TvgControl* GetActiveControl() const override { return nullptr; }
  TvgResources* GetStyle() const override { return nullptr; }
  void SetStyle(TvgResources*) override {}
  bool GetTransparency() const override { return false; }
  void UpdateResource() override {}
  TvgVisualObject* GetDesignPlaceObject() const override { return designPlace; }
  void SetCaptured(TvgVisualObject*) override {}
  TvgVisualObject* GetCaptured() const override { return nullptr; }
  TvgPoint GetMousePos() const override { return {}; }
  TvgPoint LocalToScreen(const TvgPoint& point) const override { return point; }
  void BeginVCLDrag(TvgVisualObject*) override {}
  bool GetAnimatedCaret() const override { return animatedCaret; }
  bool IsSelectedByDesigner(TvgObject* object) const override { return object == designerSelected; }
  TvgObject* designerSelected = nullptr;
  TvgVisualObject* designPlace = nullptr;
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
