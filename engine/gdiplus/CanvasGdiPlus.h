#pragma once
// TvgCanvasGdiPlus: the canvas over GDI+. A window canvas draws into its own 32-bit top-down
// DIB section selected into a memory device context; a bitmap canvas draws straight into the
// bitmap's pixels. Brushes, strokes, fonts, paths and bitmaps become GDI+ objects at each call.
// Shapes that cannot reach the clip are not handed to GDI+, and large rect fills are cut to it:
// GDI+ may rasterise a whole shape before it clips.
#include <memory>
#include <string>
#include <vector>

#include "engine/paint/Canvas.h"
#include "engine/paint/ClipBox.h"
#include "engine/gdiplus/GdiPlus.h"

class TvgVisualObject;

class TvgCanvasGdiPlus : public TvgCanvas {
  CL_CLASS(TvgCanvasGdiPlus, TvgCanvas)
public:
  TvgCanvasGdiPlus(int Width, int Height);
  explicit TvgCanvasGdiPlus(TvgBitmap* Bitmap);
  ~TvgCanvasGdiPlus() override;

  // Row Y of the bitmap's pixels; nullptr outside the bitmap or without pixels.
  static TvgColor* GetBitmapScanline(TvgBitmap* Bitmap, int Y);

  void FontChanged(TObject* Sender) override;
  void FlushBuffer(int X, int Y, void* DC) override;
  void FlushBufferRect(int X, int Y, void* DC, const TvgRect& Rect) override;
  void FreeBuffer() override;
  // Raises Exception "Can't allocate the DIB handle", "Can't create compatible DC" or "Can't
  // select an object into DC" and leaves the canvas without a buffer.
  void ResizeBuffer(int Width, int Height) override;
  void Clear(TvgColor Color) override;
  void ClearRect(const TvgRect& Rect, TvgColor Color) override;  // the colour as given, no clip
  void SetMatrix(const TvgMatrix& M) override;
  void MultiplyMatrix(const TvgMatrix& M) override;
  int SaveState() override;
  void RestoreState(int Index) override;
  void SetClipRects(const std::vector<TvgRect>& Rects) override;
  void IntersectClipRect(const TvgRect& Rect) override;
  void ExcludeClipRect(const TvgRect& Rect) override;
  void ResetClipRect() override;
  void DrawLine(const TvgPoint& P1, const TvgPoint& P2, float Opacity) override;
  void FillRect(const TvgRect& Rect, float XRadius, float YRadius, TvgCorners Corners, float Opacity,
                TvgCornerType CornerType) override;
  void DrawRect(const TvgRect& Rect, float XRadius, float YRadius, TvgCorners Corners, float Opacity,
                TvgCornerType CornerType) override;
  void FillEllipse(const TvgRect& Rect, float Opacity) override;
  void DrawEllipse(const TvgRect& Rect, float Opacity) override;
  bool PtInPath(const TvgPoint& Point, const TvgRect& Rect, TvgPathData* Path) override;
  void FillPath(TvgPathData* Path, const TvgRect& Rect, float Opacity) override;
  void DrawPath(TvgPathData* Path, const TvgRect& Rect, float Opacity) override;
  void DrawBitmap(TvgBitmap* Bitmap, const TvgRect& SrcRect, const TvgRect& DstRect, float Opacity,
                  bool HighSpeed) override;
  void DrawThumbnail(TvgBitmap* Bitmap, float Width, float Height) override;
  void LoadFontFromStream(TStream& Stream) override;
  void FillText(const TvgRect& Rect, const TvgRect& ClipRect, const std::wstring& Text, bool WordWrap,
                float Opacity, TvgTextAlign TextAlign, TvgTextAlign VTextAlign) override;
  void MeasureText(TvgRect& Rect, const TvgRect& ClipRect, const std::wstring& Text, bool WordWrap,
                   TvgTextAlign TextAlign, TvgTextAlign VTextAlign) override;
  bool TextToPath(TvgPathData* Path, const TvgRect& Rect, const std::wstring& Text, bool WordWrap,
                  TvgTextAlign TextAlign, TvgTextAlign VTextAlign) override;

  // 96 divided by the drawing context's horizontal resolution.
  float DpiFactor() const { return dpiFactor_; }

private:
  void CreateDrawingObjects();
  void SetUpGraphics();
  void DeleteDib();
  void SetTextHint();
  void ApplyFill(const TvgRect& Rect, float Opacity);
  void ApplyStroke(const TvgRect& Rect, float Opacity);
  void SetUpPen();
  void FillArea(const TGPGraphicsPath* Path, const TvgRect& Rect, float Opacity);
  // After ApplyFill: fills the rect when the fill is opaque and solid, false when GDI+ is to.
  bool FillOpaqueInterior(const TvgRect& Area, float Opacity);
  // Whether the outline of the rect (with the stroke's width) keeps out of the clip.
  bool OutlineMissesClip(const TvgRect& Rect, float XRadius, float YRadius) const;
  // Whether the stroke's line around Bounds can reach the clip.
  bool StrokeReaches(const TvgRect& Bounds) const;
  void PaintVisual(TvgVisualObject& Visual, const TvgRect& Rect, float Opacity);
  std::unique_ptr<TGPGraphicsPath> RectFigure(const TvgRect& Rect, float XRadius, float YRadius,
                                              TvgCorners Corners, TvgCornerType CornerType) const;
  std::unique_ptr<TGPGraphicsPath> MappedPath(TvgPathData& Path, const TvgRect& Rect) const;
  std::unique_ptr<TGPFont> MakeFont();
  std::unique_ptr<TGPFont> MakeFontOf(const TGPFontFamily& Family, int Style);
  std::unique_ptr<TGPStringFormat> MakeStringFormat(int Flags, TvgTextAlign TextAlign, TvgTextAlign VTextAlign);
  bool FractionalScale() const;
  void DrawSurrogateGlyphs(const std::wstring& Text, const std::wstring& Cells, const TGPFont& TextFont,
                           const GpRectF& Layout, int Flags, TvgTextAlign TextAlign, TvgTextAlign VTextAlign);
  std::vector<GpRectF> LaidOutBounds(TGPGraphics& Graphics, const std::wstring& Text, const TGPFont& Font,
                                     const GpRectF& Layout, int Flags, TvgTextAlign TextAlign,
                                     TvgTextAlign VTextAlign, std::vector<GpCharacterRange> Ranges);
  static std::vector<GpRectF> MeasureRanges(TGPGraphics& Graphics, const std::wstring& Text, const TGPFont& Font,
                                            const GpRectF& Layout, TGPStringFormat& Format,
                                            std::span<const GpCharacterRange> Ranges);

  HBITMAP dib_ = nullptr;
  BITMAPINFO bitmapInfo_{};
  std::unique_ptr<TGPBitmap> bitmapTarget_;  // the view of the buffer's or the bitmap's pixels
  std::unique_ptr<TGPGraphics> graphics_;
  std::unique_ptr<TGPPen> pen_;
  std::unique_ptr<TGPBrush> strokeBrush_;
  std::unique_ptr<TGPBrush> fillBrush_;
  std::unique_ptr<TGPFontFamily> fontFamily_;
  std::unique_ptr<TGPPrivateFontCollection> fontCollection_;
  float dpiFactor_ = 1;
  std::vector<TvgVisualObject*> visualsPainting_;
  TvgClipBox clipBox_;
  std::vector<TvgClipBox> savedClipBoxes_;  // by saved-state slot
};

// The platform image of a bitmap, made over its own pixels on first use and kept with the
// bitmap until its pixels are reallocated or freed; null for a bitmap without pixels.
TGPBitmap* vgSharedBitmapImage(TvgBitmap* Bitmap);
