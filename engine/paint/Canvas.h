#pragma once
// TvgCanvas: the toolkit's abstract drawing surface. It holds the drawing state (matrix, fill and
// stroke brushes, stroke thickness, cap, join and dash, font), the table of saved states and, for
// window canvases, an off-screen 32-bit premultiplied buffer. Its virtual operations are the whole
// drawing contract; the platform implementation fills them in.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Persistent.h"
#include "engine/values/Colors.h"
#include "engine/paint/Font.h"
#include "engine/values/Geometry.h"

class IvgWindowScene;
class TStream;
class TvgBitmap;
class TvgBrush;
class TvgPathData;

CL_ENUM(TvgStrokeCap, vgCapFlat, vgCapRound)
CL_ENUM(TvgStrokeJoin, vgJoinMiter, vgJoinRound, vgJoinBevel)
CL_ENUM(TvgStrokeDash, vgDashSolid, vgDashDash, vgDashDot, vgDashDashDot, vgDashDashDotDot, vgDashCustom)
// Horizontally centre, left, right; vertically centre, top, bottom.
CL_ENUM(TvgTextAlign, vgTextAlignCenter, vgTextAlignNear, vgTextAlignFar)
CL_ENUM(TvgCorner, vgCornerTopLeft, vgCornerTopRight, vgCornerBottomLeft, vgCornerBottomRight)
using TvgCorners = TSet<TvgCorner>;
CL_ENUM(TvgCornerType, vgCornerRound, vgCornerBevel, vgCornerInnerRound, vgCornerInnerLine)
CL_ENUM(TvgSide, vgSideTop, vgSideLeft, vgSideBottom, vgSideRight)
using TvgSides = TSet<TvgSide>;

// One saved state; State is the implementation's drawing-context state, -1 for a free slot.
struct TvgSaveData {
  int32_t State = -1;
  TvgMatrix Matrix;
  std::unique_ptr<TvgBrush> Fill;
  std::unique_ptr<TvgBrush> Stroke;
  float StrokeThickness = 0;
  TvgStrokeCap StrokeCap = vgCapFlat;
  TvgStrokeJoin StrokeJoin = vgJoinMiter;
  TvgStrokeDash StrokeDash = vgDashSolid;
  std::vector<float> DashArray;
  float DashOffset = 0;
  std::unique_ptr<TvgFont> Font;
};
using TvgSaveDataArray = std::vector<TvgSaveData>;

class TvgCanvas : public TPersistent {
  CL_CLASS(TvgCanvas, TPersistent)
public:
  // Frees the saved states, font and brushes. The base destructor cannot reach an
  // implementation's buffer, so every implementation calls FreeBuffer in its own destructor.
  ~TvgCanvas() override;

  virtual void FontChanged(TObject* Sender) {}
  virtual bool BeginScene() { return true; }
  virtual void EndScene() {}
  // Buffer and surface; FlushBufferRect, ClearRect and GetBitmapScanline work in device pixels.
  virtual void FlushBuffer(int X, int Y, void* DC) = 0;
  virtual void FlushBufferRect(int X, int Y, void* DC, const TvgRect& Rect) = 0;
  virtual void FreeBuffer() = 0;
  virtual void ResizeBuffer(int Width, int Height) = 0;  // at least 1 x 1
  virtual void Clear(TvgColor Color) = 0;
  virtual void ClearRect(const TvgRect& Rect, TvgColor Color) = 0;
  // A class operation: each canvas class hides it with its own (see TvgCanvasClass).
  static TvgColor* GetBitmapScanline(TvgBitmap* Bitmap, int Y) { return nullptr; }
  virtual void SetMatrix(const TvgMatrix& M) { matrix_ = M; }
  virtual void MultiplyMatrix(const TvgMatrix& M) {}
  // Returns the slot index, -1 when nothing can be saved; each save is paired with one restore.
  virtual int SaveState() = 0;
  virtual void RestoreState(int Index) = 0;
  // Clip rects are in the space of the matrix current when they are set.
  virtual void SetClipRects(const std::vector<TvgRect>& Rects) = 0;
  virtual void IntersectClipRect(const TvgRect& Rect) = 0;
  virtual void ExcludeClipRect(const TvgRect& Rect) = 0;
  virtual void ResetClipRect() = 0;
  virtual void DrawLine(const TvgPoint& P1, const TvgPoint& P2, float Opacity) = 0;
  virtual void FillRect(const TvgRect& Rect, float XRadius, float YRadius, TvgCorners Corners, float Opacity,
                        TvgCornerType CornerType) = 0;
  virtual void DrawRect(const TvgRect& Rect, float XRadius, float YRadius, TvgCorners Corners, float Opacity,
                        TvgCornerType CornerType) = 0;
  virtual void FillEllipse(const TvgRect& Rect, float Opacity) = 0;
  virtual void DrawEllipse(const TvgRect& Rect, float Opacity) = 0;
  // Paths are scaled from their own bounds into Rect.
  virtual bool PtInPath(const TvgPoint& Point, const TvgRect& Rect, TvgPathData* Path) = 0;
  virtual void FillPath(TvgPathData* Path, const TvgRect& Rect, float Opacity) = 0;
  virtual void DrawPath(TvgPathData* Path, const TvgRect& Rect, float Opacity) = 0;
  virtual void DrawBitmap(TvgBitmap* Bitmap, const TvgRect& SrcRect, const TvgRect& DstRect, float Opacity,
                          bool HighSpeed) = 0;
  virtual void DrawThumbnail(TvgBitmap* Bitmap, float Width, float Height) = 0;
  // (65535, 65535) in Points closes the current figure; a filled polygon is closed at its end.
  virtual void FillPolygon(const TvgPolygon& Points, float Opacity);
  virtual void DrawPolygon(const TvgPolygon& Points, float Opacity);
  virtual void LoadFontFromStream(TStream& Stream) {}
  virtual void FillText(const TvgRect& Rect, const TvgRect& ClipRect, const std::wstring& Text, bool WordWrap,
                        float Opacity, TvgTextAlign TextAlign, TvgTextAlign VTextAlign) = 0;
  virtual void MeasureText(TvgRect& Rect, const TvgRect& ClipRect, const std::wstring& Text, bool WordWrap,
                           TvgTextAlign TextAlign, TvgTextAlign VTextAlign) = 0;
  virtual bool TextToPath(TvgPathData* Path, const TvgRect& Rect, const std::wstring& Text, bool WordWrap,
                          TvgTextAlign TextAlign, TvgTextAlign VTextAlign) = 0;

  void SetStrokeDash(TvgStrokeDash Dash);
  float TextWidth(const std::wstring& Text);
  void FillArc(const TvgPoint& Center, const TvgPoint& Radius, float StartAngle, float SweepAngle, float Opacity);
  void DrawArc(const TvgPoint& Center, const TvgPoint& Radius, float StartAngle, float SweepAngle, float Opacity);
  // Outlines only the given sides of the rect, and its corners, with the stroke.
  void DrawRectSides(const TvgRect& Rect, float XRadius, float YRadius, TvgCorners Corners, float Opacity,
                     TvgSides Sides, TvgCornerType CornerType);

  int Width() const { return width_; }
  int Height() const { return height_; }
  const TvgMatrix& Matrix() const { return matrix_; }
  TvgBrush* Fill() const { return fill_.get(); }
  TvgBrush* Stroke() const { return stroke_.get(); }
  TvgFont* Font() const { return font_.get(); }
  TvgBitmap* Bitmap() const { return bitmap_; }
  const TvgSaveDataArray& SaveData() const { return saveData_; }
  bool Buffered() const { return buffered_; }
  TvgColor* BufferBits() const { return bufferBits_; }
  void* Handle() const { return handle_; }

  float StrokeThickness = 0;
  TvgStrokeCap StrokeCap = vgCapFlat;
  TvgStrokeJoin StrokeJoin = vgJoinMiter;
  TvgStrokeDash StrokeDash() const { return strokeDash_; }
  std::vector<float> DashArray;  // in units of the stroke thickness; empty is solid
  float DashOffset = 0;
  bool BufferChanged = false;
  void* WindowHandle = nullptr;    // set by the scene host; the canvas does not use it
  IvgWindowScene* Scene = nullptr;  // the scene host that owns this canvas

protected:
  // A window canvas (the factory then sizes its buffer) and a canvas over a bitmap's pixels.
  TvgCanvas(int Width, int Height);
  explicit TvgCanvas(TvgBitmap* Bitmap);

  // Into a bitmap: its size, and the buffer's rows when there is a buffer.
  void AssignTo(TPersistent* Dest) override;

  // Slot bookkeeping for SaveState and RestoreState: the first free slot (or a new one) takes
  // the canvas state with ContextState. Restoring hands the slot's context state to
  // RestoreContext first, then puts the canvas state back; false for an index outside the array
  // or a free slot.
  int SaveStateToSlot(int32_t ContextState);
  bool RestoreStateFromSlot(int Index, const std::function<void(int32_t)>& RestoreContext);

  int width_ = 0;
  int height_ = 0;
  bool buffered_ = false;
  TvgColor* bufferBits_ = nullptr;
  void* handle_ = nullptr;

private:
  void CreateDrawingObjects();
  void PolygonToPath(const TvgPolygon& points, bool closeLast, TvgPathData& path) const;

  TvgMatrix matrix_ = vgIdentityMatrix;
  std::unique_ptr<TvgBrush> fill_;
  std::unique_ptr<TvgBrush> stroke_;
  std::unique_ptr<TvgFont> font_;
  TvgBitmap* bitmap_ = nullptr;
  TvgStrokeDash strokeDash_ = vgDashSolid;
  TvgSaveDataArray saveData_;
};

// A canvas class as the toolkit chooses it: its two constructors and its row access.
struct TvgCanvasClass {
  TClass Class;
  TvgCanvas* (*Create)(int Width, int Height);
  TvgCanvas* (*CreateFromBitmap)(TvgBitmap* Bitmap);
  TvgColor* (*GetBitmapScanline)(TvgBitmap* Bitmap, int Y);
};

// C constructs as C(Width, Height) and C(Bitmap); the window constructor is followed by
// ResizeBuffer(Width, Height), as every canvas's construction ends.
template <class C>
const TvgCanvasClass* vgCanvasClass() {
  static const TvgCanvasClass info{
      C::StaticClass(),
      [](int width, int height) -> TvgCanvas* {
        auto canvas = std::make_unique<C>(width, height);
        canvas->ResizeBuffer(width, height);
        return canvas.release();
      },
      [](TvgBitmap* bitmap) -> TvgCanvas* { return new C(bitmap); },
      &C::GetBitmapScanline,
  };
  return &info;
}

// The canvas class that scenes and bitmaps instantiate, set at toolkit start-up.
extern const TvgCanvasClass* DefaultCanvasClass;
extern const TvgCanvasClass* DefaultPrinterCanvasClass;
