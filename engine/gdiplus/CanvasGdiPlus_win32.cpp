#include "engine/gdiplus/CanvasGdiPlus.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "classlib/core/TextCodec.h"
#include "classlib/core/Stream.h"
#include "classlib/core/SysUtils.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/PathData.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObject.h"

CL_PUBLISHED(TvgCanvasGdiPlus) {}

namespace {

constexpr int smoothingHighQuality = 2;
constexpr int interpolationHighQuality = 2;
constexpr int interpolationNearestNeighbor = 5;
constexpr int pixelOffsetHalf = 4;
constexpr int compositingSourceOver = 0;
constexpr UINT textContrast = 2;
constexpr int textHintClearTypeGridFit = 5;
constexpr int textHintAntiAlias = 4;
constexpr int stringFormatMeasureTrailingSpaces = 0x0800;
constexpr int stringFormatNoWrap = 0x1000;
constexpr int stringFormatNoClip = 0x4000;
constexpr int lineCapFlat = 0;
constexpr int lineCapRound = 2;
constexpr size_t maxGradientStops = 101;
constexpr float cornerBezierK = 0.4477152502f;  // one minus the quarter-circle Bezier constant
constexpr uint8_t pathTypeStart = 0, pathTypeLine = 1, pathTypeBezier = 3, pathTypeMask = 7, pathTypeClose = 0x80;

GpRectF ToGp(const TvgRect& r) { return {r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top}; }

std::unique_ptr<TGPMatrix> GdipMatrixOf(const TvgMatrix& m) {
  auto matrix = std::make_unique<TGPMatrix>(m.m11, m.m12, m.m21, m.m22, m.m31, m.m32);
  matrix->Shear(m.m13, m.m23);
  return matrix;
}

int AlignmentOf(TvgTextAlign align) {
  switch (align) {
    case vgTextAlignNear: return 0;
    case vgTextAlignFar: return 2;
    default: return 1;
  }
}

int GdipFontStyle(TvgFontStyle style) {
  static constexpr int styles[] = {0, 1, 2, 3, 4, 8};
  return styles[std::clamp(int(style), 0, 5)];
}

int GdipLineJoin(TvgStrokeJoin join) {
  switch (join) {
    case vgJoinRound: return 2;
    case vgJoinBevel: return 1;
    default: return 0;
  }
}

GpColorMatrix AlphaMatrix(float opacity) {
  GpColorMatrix matrix{};
  for (int i = 0; i < 5; ++i) matrix.M[i][i] = 1;
  matrix.M[3][3] = opacity;
  return matrix;
}

// A resource brush paints as the brush it names, so the canvas takes a copy of that brush.
void ResolveResource(TvgBrush& brush) {
  if (brush.Style() != vgBrushResource) return;
  TvgBrush* resolved = brush.ResolveBrush();
  if (resolved != &brush) brush.Assign(resolved);
}

struct GradientStops {
  std::vector<GpArgb> Colors;
  std::vector<float> Positions;

  void Add(GpArgb color, float position) {
    Colors.push_back(color);
    Positions.push_back(position);
  }
  // At most maxGradientStops: the stops in the middle are dropped, both ends kept.
  void Cut() {
    if (Colors.size() <= maxGradientStops) return;
    Colors.erase(Colors.begin() + (maxGradientStops - 1), Colors.end() - 1);
    Positions.erase(Positions.begin() + (maxGradientStops - 1), Positions.end() - 1);
  }
};

// Fills repeat the end colours out to 0 and 1; strokes take the points only.
GradientStops StopsOf(const TvgGradient& gradient, float opacity, bool withEnds) {
  GradientStops stops;
  const TvgGradientPoints& points = *gradient.Points();
  const TvgGradientPoint& first = *points.Points(0);
  const TvgGradientPoint& last = *points.Points(points.Count() - 1);
  if (withEnds && first.Offset() > 0) stops.Add(vgOpacityColor(first.IntColor(), opacity), 0);
  for (int i = 0; i < points.Count(); ++i)
    stops.Add(vgOpacityColor(points.Points(i)->IntColor(), opacity), points.Points(i)->Offset());
  if (withEnds && last.Offset() < 1) stops.Add(vgOpacityColor(last.IntColor(), opacity), 1);
  stops.Cut();
  return stops;
}

GpPointF MapInto(const TvgRect& r, const TvgPosition& p) {
  return {r.Left + p.X() * vgRectWidth(r), r.Top + p.Y() * vgRectHeight(r)};
}

std::unique_ptr<TGPBrush> LinearGradientBrush(const TvgGradient& gradient, const GradientStops& stops,
                                              const TvgRect& r) {
  auto brush = std::make_unique<TGPLinearGradientBrush>(MapInto(r, *gradient.StartPosition()),
                                                        MapInto(r, *gradient.StopPosition()), stops.Colors.front(),
                                                        stops.Colors.back());
  brush->SetInterpolationColors(stops.Colors, stops.Positions);
  return brush;
}

std::unique_ptr<TGPBrush> GradientFillBrush(const TvgGradient& gradient, const TvgRect& r, float opacity) {
  GradientStops stops = StopsOf(gradient, opacity, true);
  if (gradient.Style() == vgLinearGradient) {
    auto brush = LinearGradientBrush(gradient, stops, r);
    static_cast<TGPLinearGradientBrush&>(*brush).SetWrapMode(gpWrapModeTileFlipX);
    return brush;
  }
  TGPGraphicsPath ellipse;
  ellipse.AddEllipse(ToGp(r));
  auto brush = std::make_unique<TGPPathGradientBrush>(ellipse);
  const TvgMatrix& m = gradient.RadialTransform()->Matrix();
  brush->SetTransform(TGPMatrix(m.m11, m.m12, m.m21, m.m22, m.m31, m.m32));
  brush->SetWrapMode(gpWrapModeClamp);
  // The end colours as well: a library that ignores the preset blend still runs edge to centre.
  brush->SetSurroundColor(stops.Colors.front());
  brush->SetCenterColor(stops.Colors.back());
  brush->SetInterpolationColors(stops.Colors, stops.Positions);  // 0 at the edge, 1 at the centre
  return brush;
}

// The bitmap a bitmap brush paints: its resource's when linked; null without pixels.
TvgBitmap* BrushPixels(const TvgBrush& brush) {
  TvgBitmap* bitmap = brush.Bitmap()->Bitmap();
  if (TvgBitmap* resource = bitmap->GetResourceBitmap()) bitmap = resource;
  return bitmap->Width() > 0 && bitmap->Height() > 0 ? bitmap : nullptr;
}

std::unique_ptr<TGPBrush> BitmapFillBrush(TvgBitmap& bitmap, TvgWrapMode wrap, const TvgRect& r, float opacity,
                                          float strokeThickness) {
  TGPBitmap* image = vgSharedBitmapImage(&bitmap);
  std::unique_ptr<TGPImageAttributes> attributes;
  if (opacity != 1) {
    attributes = std::make_unique<TGPImageAttributes>();
    attributes->SetColorMatrix(AlphaMatrix(opacity));
  }
  float width = float(bitmap.Width()), height = float(bitmap.Height());
  auto brush = std::make_unique<TGPTextureBrush>(*image, attributes.get(), GpRectF{0, 0, width, height});
  if (wrap == vgWrapTileStretch) {
    brush->SetWrapMode(gpWrapModeClamp);
    brush->ScaleTransform((vgRectWidth(r) + strokeThickness / 2) / width,
                          (vgRectHeight(r) + strokeThickness / 2) / height);
  } else {
    brush->SetWrapMode(int(wrap));
  }
  return brush;
}

std::unique_ptr<TGPBrush> BitmapStrokeBrush(TvgBitmap& bitmap, TvgWrapMode wrap, const TvgRect& r) {
  TGPBitmap* image = vgSharedBitmapImage(&bitmap);
  if (wrap != vgWrapTileStretch) return std::make_unique<TGPTextureBrush>(*image, int(wrap));
  auto brush = std::make_unique<TGPTextureBrush>(*image, gpWrapModeClamp);
  brush->ScaleTransform(vgRectWidth(r) / float(bitmap.Width()), vgRectHeight(r) / float(bitmap.Height()));
  return brush;
}

bool HasGradient(const TvgBrush& brush) {
  return brush.Style() == vgBrushGradient && brush.Gradient()->Points()->Count() >= 2;
}

bool IsSolid(const TvgBrush& brush) {
  return brush.Style() == vgBrushSolid || (brush.Style() == vgBrushGradient && !HasGradient(brush));
}

void ReleaseSharedImage(TvgBitmap* bitmap) {
  delete static_cast<TGPBitmap*>(bitmap->PlatformImage);
  bitmap->PlatformImage = nullptr;
}

// The figure of a rectangle with shaped corners, clockwise from the left end of the top-left
// corner. Each corner is given in its own coordinates: (a, b) is the point a x XRadius along
// the horizontal edge and b x YRadius along the vertical edge, away from the corner point.
class TRectFigure {
public:
  TRectFigure(const TvgRect& r, float rx, float ry, TvgCorners corners, TvgCornerType type)
      : r_(r), rx_(rx), ry_(ry), corners_(corners), type_(type) {}

  void AddTo(TGPGraphicsPath& path) {
    struct Corner {
      TvgCorner Which;
      float X, Y, SX, SY;
      bool FromVertical;  // the figure reaches this corner along a vertical edge
    };
    const Corner corners[] = {{vgCornerTopLeft, r_.Left, r_.Top, 1, 1, true},
                              {vgCornerTopRight, r_.Right, r_.Top, -1, 1, false},
                              {vgCornerBottomRight, r_.Right, r_.Bottom, -1, -1, true},
                              {vgCornerBottomLeft, r_.Left, r_.Bottom, 1, -1, false}};
    for (const Corner& c : corners) {
      auto at = [&](float a, float b) { return GpPointF{c.X + c.SX * a * rx_, c.Y + c.SY * b * ry_}; };
      std::vector<GpPointF> points = CornerPoints(corners_.Contains(c.Which), at);
      if (!c.FromVertical) std::reverse(points.begin(), points.end());
      bool curve = corners_.Contains(c.Which) && (type_ == vgCornerRound || type_ == vgCornerInnerRound);
      if (havePoint_) path.AddLine(last_.X, last_.Y, points.front().X, points.front().Y);
      if (curve) {
        path.AddBezier(points[0], points[1], points[2], points[3]);
      } else {
        for (size_t i = 1; i < points.size(); ++i)
          path.AddLine(points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y);
      }
      last_ = points.back();
      havePoint_ = true;
    }
    path.CloseFigure();
  }

private:
  // From the vertical edge (0, 1) to the horizontal one (1, 0).
  template <class At>
  std::vector<GpPointF> CornerPoints(bool shaped, At at) const {
    const float k = cornerBezierK;
    if (!shaped) return {at(0, 1), at(0, 0), at(1, 0)};
    switch (type_) {
      case vgCornerRound: return {at(0, 1), at(0, k), at(k, 0), at(1, 0)};
      case vgCornerBevel: return {at(0, 1), at(1, 0)};
      case vgCornerInnerRound: return {at(0, 1), at(k, 1), at(1, k), at(1, 0)};
      case vgCornerInnerLine: return {at(0, 1), at(k, 1), at(1, k), at(1, 0)};
    }
    return {at(0, 1), at(1, 0)};
  }

  TvgRect r_;
  float rx_, ry_;
  TvgCorners corners_;
  TvgCornerType type_;
  GpPointF last_{};
  bool havePoint_ = false;
};

// Halves the radii that do not fit the rect.
void FitRadii(const TvgRect& r, float& rx, float& ry) {
  if (vgRectWidth(r) - 2 * rx < 0) rx = vgRectWidth(r) / 2;
  if (vgRectHeight(r) - 2 * ry < 0) ry = vgRectHeight(r) / 2;
}

// The path a canvas draws for a path object: its resource's when linked.
TvgPathData* DrawnPath(TvgPathData* path) {
  if (!path) return nullptr;
  if (TvgPathData* resource = path->GetResourcePath()) return resource;
  return path;
}

// A path whose points span no area (a straight horizontal or vertical line) draws nothing. The
// path's own bounds are widened for such paths, so the points are looked at here.
bool IsDrawable(TvgPathData* path) {
  if (!path || path->IsEmpty()) return false;
  bool any = false;
  TvgRect bounds;
  for (int i = 0; i < path->Count(); ++i) {
    if (path->Points(i).Kind == vgPathPointClose) continue;
    TvgPoint p = path->Points(i).Point;
    bounds = any ? TvgRect{std::min(bounds.Left, p.X), std::min(bounds.Top, p.Y), std::max(bounds.Right, p.X),
                           std::max(bounds.Bottom, p.Y)}
                 : TvgRect{p.X, p.Y, p.X, p.Y};
    any = true;
  }
  return vgRectWidth(bounds) * vgRectHeight(bounds) > 0;
}

// Maps path points from the path's bounds into a rect.
class TPathMapping {
public:
  TPathMapping(const TvgRect& bounds, const TvgRect& r) : bounds_(bounds), r_(r) {}
  GpPointF operator()(const TvgPoint& p) const {
    return {r_.Left + vgRectWidth(r_) * (p.X - bounds_.Left) / vgRectWidth(bounds_),
            r_.Top + vgRectHeight(r_) * (p.Y - bounds_.Top) / vgRectHeight(bounds_)};
  }

private:
  TvgRect bounds_, r_;
};

std::wstring FamilyName(const std::string& family) { return GbkToUtf16(family); }

}  // namespace

TGPBitmap* vgSharedBitmapImage(TvgBitmap* Bitmap) {
  if (!Bitmap || !Bitmap->Bits()) return nullptr;
  auto* image = static_cast<TGPBitmap*>(Bitmap->PlatformImage);
  if (image && (int(image->GetWidth()) != Bitmap->Width() || int(image->GetHeight()) != Bitmap->Height())) {
    ReleaseSharedImage(Bitmap);
    image = nullptr;
  }
  if (!image) {
    image = new TGPBitmap(Bitmap->Width(), Bitmap->Height(), Bitmap->Width() * 4, gpPixelFormat32bppPARGB,
                          Bitmap->Bits());
    Bitmap->PlatformImage = image;
    Bitmap->OnReleasePlatformImage = &ReleaseSharedImage;
  }
  Bitmap->PlatformImageStale = false;
  return image;
}

// --- Construction and buffer -----------------------------------------------------------------

TvgCanvasGdiPlus::TvgCanvasGdiPlus(int Width, int Height) : TvgCanvas(Width, Height) {
  buffered_ = true;
  ResizeBuffer(Width, Height);
  CreateDrawingObjects();
  dpiFactor_ = 1;
}

TvgCanvasGdiPlus::TvgCanvasGdiPlus(TvgBitmap* Bitmap) : TvgCanvas(Bitmap) {
  if (Bitmap->Bits()) {
    bitmapTarget_ = std::make_unique<TGPBitmap>(Bitmap->Width(), Bitmap->Height(), Bitmap->Width() * 4,
                                                gpPixelFormat32bppPARGB, Bitmap->Bits());
    graphics_ = std::make_unique<TGPGraphics>(*bitmapTarget_);
    graphics_->SetSmoothingMode(smoothingHighQuality);
    graphics_->SetPixelOffsetMode(pixelOffsetHalf);
    graphics_->SetTextContrast(textContrast);
    float dpi = graphics_->GetDpiX();
    dpiFactor_ = dpi > 0 ? 96 / dpi : 1;
  }
  CreateDrawingObjects();
}

TvgCanvasGdiPlus::~TvgCanvasGdiPlus() {
  fontCollection_.reset();
  graphics_.reset();
  fontFamily_.reset();
  fillBrush_.reset();
  strokeBrush_.reset();
  pen_.reset();
  FreeBuffer();
}

void TvgCanvasGdiPlus::CreateDrawingObjects() {
  pen_ = std::make_unique<TGPPen>(0xFF000000, 1);
  strokeBrush_ = std::make_unique<TGPSolidBrush>(0xFF000000);
  fillBrush_ = std::make_unique<TGPSolidBrush>(0xFFFFFFFF);
  fontFamily_ = std::make_unique<TGPFontFamily>(L"Tahoma");
}

TvgColor* TvgCanvasGdiPlus::GetBitmapScanline(TvgBitmap* Bitmap, int Y) {
  if (!Bitmap || !Bitmap->Bits() || Y < 0 || Y >= Bitmap->Height()) return nullptr;
  return Bitmap->Bits() + size_t(Y) * size_t(Bitmap->Width());
}

void TvgCanvasGdiPlus::FreeBuffer() {
  graphics_.reset();
  if (buffered_ && dib_) DeleteDib();
}

void TvgCanvasGdiPlus::DeleteDib() {
  DeleteDC(static_cast<HDC>(handle_));
  DeleteObject(dib_);
  handle_ = nullptr;
  dib_ = nullptr;
  bufferBits_ = nullptr;
}

void TvgCanvasGdiPlus::ResizeBuffer(int Width, int Height) {
  if (!buffered_) return;  // a bitmap canvas has its bitmap's size
  if (Width == width_ && Height == height_ && graphics_) return;
  FreeBuffer();
  width_ = std::max(Width, 1);
  height_ = std::max(Height, 1);
  BufferChanged = true;

  bitmapInfo_ = {};
  BITMAPINFOHEADER& header = bitmapInfo_.bmiHeader;
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = width_;
  header.biHeight = -height_;  // rows top-down
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  void* bits = nullptr;
  dib_ = CreateDIBSection(nullptr, &bitmapInfo_, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bits) {
    if (dib_) DeleteObject(dib_);
    dib_ = nullptr;
    throw Exception("Can't allocate the DIB handle");
  }
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) {
    DeleteObject(dib_);
    dib_ = nullptr;
    throw Exception("Can't create compatible DC");
  }
  if (!SelectObject(dc, dib_)) {
    DeleteDC(dc);
    DeleteObject(dib_);
    dib_ = nullptr;
    throw Exception("Can't select an object into DC");
  }
  handle_ = dc;
  bufferBits_ = static_cast<TvgColor*>(bits);
  graphics_ = std::make_unique<TGPGraphics>(dc);
  SetUpGraphics();
}

void TvgCanvasGdiPlus::SetUpGraphics() {
  graphics_->SetSmoothingMode(smoothingHighQuality);
  graphics_->SetInterpolationMode(interpolationHighQuality);
  graphics_->SetPixelOffsetMode(pixelOffsetHalf);
  graphics_->SetCompositingMode(compositingSourceOver);
  graphics_->SetTextContrast(textContrast);
  float dpi = graphics_->GetDpiX();
  dpiFactor_ = dpi > 0 ? 96 / dpi : 1;
}

void TvgCanvasGdiPlus::FlushBuffer(int X, int Y, void* DC) {
  if (dib_ && DC) BitBlt(static_cast<HDC>(DC), X, Y, width_, height_, static_cast<HDC>(handle_), 0, 0, SRCCOPY);
}

void TvgCanvasGdiPlus::FlushBufferRect(int X, int Y, void* DC, const TvgRect& Rect) {
  if (!dib_ || !DC) return;
  int left = int(Trunc(Rect.Left)), top = int(Trunc(Rect.Top));
  int right = int(Trunc(Rect.Right)) + 1, bottom = int(Trunc(Rect.Bottom)) + 1;
  BitBlt(static_cast<HDC>(DC), X + left, Y + top, right - left, bottom - top, static_cast<HDC>(handle_), left, top,
         SRCCOPY);
}

void TvgCanvasGdiPlus::Clear(TvgColor Color) {
  if (graphics_ && (buffered_ || Bitmap())) graphics_->Clear(Color);
}

void TvgCanvasGdiPlus::ClearRect(const TvgRect& Rect, TvgColor Color) {
  if (!buffered_ || !bufferBits_) return;
  auto cut = [](int64_t value, int limit) { return int(std::clamp<int64_t>(value, 0, limit)); };
  vgFillLongwordRect(bufferBits_, width_, height_, cut(Trunc(Rect.Left), width_), cut(Trunc(Rect.Top), height_),
                     cut(Round(Rect.Right), width_), cut(Round(Rect.Bottom), height_), Color);
}

// --- Matrix, state and clipping --------------------------------------------------------------

void TvgCanvasGdiPlus::SetMatrix(const TvgMatrix& M) {
  TvgCanvas::SetMatrix(M);
  if (graphics_) graphics_->SetTransform(*GdipMatrixOf(M));
}

void TvgCanvasGdiPlus::MultiplyMatrix(const TvgMatrix& M) {
  if (graphics_) graphics_->MultiplyTransform(*GdipMatrixOf(M));
}

int TvgCanvasGdiPlus::SaveState() {
  if (!graphics_) return -1;
  return SaveStateToSlot(int32_t(graphics_->Save()));
}

void TvgCanvasGdiPlus::RestoreState(int Index) {
  if (!graphics_) return;
  RestoreStateFromSlot(Index, [this](int32_t state) { graphics_->Restore(GpGraphicsState(state)); });
}

void TvgCanvasGdiPlus::SetClipRects(const std::vector<TvgRect>& Rects) {
  if (!graphics_) return;
  TGPRegion region;
  region.MakeEmpty();
  for (const TvgRect& rect : Rects) region.Union(ToGp(rect));
  graphics_->SetClip(region, gpCombineModeReplace);
}

void TvgCanvasGdiPlus::IntersectClipRect(const TvgRect& Rect) {
  if (graphics_) graphics_->SetClip(ToGp(Rect), gpCombineModeIntersect);
}

void TvgCanvasGdiPlus::ExcludeClipRect(const TvgRect& Rect) {
  if (graphics_) graphics_->SetClip(ToGp(Rect), gpCombineModeExclude);
}

void TvgCanvasGdiPlus::ResetClipRect() {
  if (graphics_) graphics_->ResetClip();
}

// --- Brush and pen mapping -------------------------------------------------------------------

void TvgCanvasGdiPlus::ApplyFill(const TvgRect& Rect, float Opacity) {
  fillBrush_.reset();
  TvgBrush& fill = *Fill();
  ResolveResource(fill);
  if (IsSolid(fill)) {
    fillBrush_ = std::make_unique<TGPSolidBrush>(vgOpacityColor(fill.GetSolidColor(), Opacity));
  } else if (HasGradient(fill)) {
    fillBrush_ = GradientFillBrush(*fill.Gradient(), Rect, Opacity);
  } else if (TvgBitmap* pixels = fill.Style() == vgBrushBitmap ? BrushPixels(fill) : nullptr) {
    fillBrush_ = BitmapFillBrush(*pixels, fill.Bitmap()->WrapMode(), Rect, Opacity, StrokeThickness);
  } else {
    fillBrush_ = std::make_unique<TGPSolidBrush>(0);
  }
}

void TvgCanvasGdiPlus::ApplyStroke(const TvgRect& Rect, float Opacity) {
  pen_.reset();
  strokeBrush_.reset();
  TvgBrush& stroke = *Stroke();
  ResolveResource(stroke);
  if (IsSolid(stroke)) {
    strokeBrush_ = std::make_unique<TGPSolidBrush>(vgOpacityColor(stroke.GetSolidColor(), Opacity));
  } else if (HasGradient(stroke)) {
    // Gradient strokes are mapped into the rect as gradient fills are.
    strokeBrush_ = LinearGradientBrush(*stroke.Gradient(), StopsOf(*stroke.Gradient(), Opacity, false), Rect);
  } else if (TvgBitmap* pixels = stroke.Style() == vgBrushBitmap ? BrushPixels(stroke) : nullptr) {
    strokeBrush_ = BitmapStrokeBrush(*pixels, stroke.Bitmap()->WrapMode(), Rect);
  } else {
    strokeBrush_ = std::make_unique<TGPSolidBrush>(0);
  }
  SetUpPen();
}

void TvgCanvasGdiPlus::SetUpPen() {
  pen_ = std::make_unique<TGPPen>(*strokeBrush_, 1);
  int cap = StrokeCap == vgCapRound ? lineCapRound : lineCapFlat;
  pen_->SetLineCap(cap, cap, cap);
  if (DashArray.empty()) {
    pen_->SetDashStyle(gpDashStyleSolid);
  } else {
    pen_->SetDashOffset(DashOffset);
    pen_->SetDashPattern(DashArray);
  }
  pen_->SetLineJoin(GdipLineJoin(StrokeJoin));
  pen_->SetWidth(StrokeThickness);
}

// Fills the path, or the rect itself when there is no path.
void TvgCanvasGdiPlus::FillArea(const TGPGraphicsPath* Path, const TvgRect& Rect, float Opacity) {
  if (Fill()->Style() == vgBrushNone) return;
  if (Fill()->Style() == vgBrushVisual) {
    int state = SaveState();
    if (Path) graphics_->SetClip(TGPRegion(*Path), gpCombineModeIntersect);
    else graphics_->SetClip(ToGp(Rect), gpCombineModeIntersect);
    if (TvgVisualObject* visual = Fill()->Visual()->VisualObject()) PaintVisual(*visual, Rect, Opacity);
    RestoreState(state);
    return;
  }
  ApplyFill(Rect, Opacity);
  if (Path) graphics_->FillPath(*fillBrush_, *Path);
  else graphics_->FillRectangle(*fillBrush_, ToGp(Rect));
}

// The visual object painted into the rect at the given opacity. What its painting changes of the
// object and of the stroke is put back, also when painting fails; an object that is already
// being painted as a brush (a visual brush showing itself) is skipped.
void TvgCanvasGdiPlus::PaintVisual(TvgVisualObject& Visual, const TvgRect& Rect, float Opacity) {
  if (std::find(visualsPainting_.begin(), visualsPainting_.end(), &Visual) != visualsPainting_.end()) return;
  struct TRestore {
    TvgCanvasGdiPlus& canvas;
    TvgVisualObject& visual;
    float opacity = visual.Opacity();
    TvgBrush stroke;
    float thickness = canvas.StrokeThickness;
    ~TRestore() {
      canvas.visualsPainting_.pop_back();
      SetQuietly(visual, opacity);
      canvas.Stroke()->Assign(&stroke);
      canvas.StrokeThickness = thickness;
    }
    // The opacity is the painting's own: no invalidation of the scene.
    static void SetQuietly(TvgVisualObject& visual, float value) {
      IvgWindowScene* scene = visual.Scene();
      bool disabled = scene && scene->GetDisableUpdate();
      if (scene) scene->SetDisableUpdate(true);
      visual.SetOpacity(value);
      if (scene) scene->SetDisableUpdate(disabled);
    }
  } restore{*this, Visual};
  restore.stroke.Assign(Stroke());
  visualsPainting_.push_back(&Visual);
  TRestore::SetQuietly(Visual, Opacity);
  Visual.PaintTo(this, Rect);
}

// --- Shapes ----------------------------------------------------------------------------------

void TvgCanvasGdiPlus::DrawLine(const TvgPoint& P1, const TvgPoint& P2, float Opacity) {
  if (!graphics_ || Stroke()->Style() == vgBrushNone) return;
  ApplyStroke({P1.X, P1.Y, P2.X, P2.Y}, Opacity);
  graphics_->DrawLine(*pen_, P1.X, P1.Y, P2.X, P2.Y);
}

std::unique_ptr<TGPGraphicsPath> TvgCanvasGdiPlus::RectFigure(const TvgRect& Rect, float XRadius, float YRadius,
                                                              TvgCorners Corners, TvgCornerType CornerType) const {
  FitRadii(Rect, XRadius, YRadius);
  auto path = std::make_unique<TGPGraphicsPath>();
  TRectFigure(Rect, XRadius, YRadius, Corners, CornerType).AddTo(*path);
  return path;
}

void TvgCanvasGdiPlus::FillRect(const TvgRect& Rect, float XRadius, float YRadius, TvgCorners Corners, float Opacity,
                                TvgCornerType CornerType) {
  if (!graphics_ || Fill()->Style() == vgBrushNone) return;
  if ((XRadius == 0 && YRadius == 0) || Corners.Empty()) {
    FillArea(nullptr, Rect, Opacity);
    return;
  }
  auto figure = RectFigure(Rect, XRadius, YRadius, Corners, CornerType);
  FillArea(figure.get(), Rect, Opacity);
}

void TvgCanvasGdiPlus::DrawRect(const TvgRect& Rect, float XRadius, float YRadius, TvgCorners Corners, float Opacity,
                                TvgCornerType CornerType) {
  if (!graphics_ || Stroke()->Style() == vgBrushNone) return;
  ApplyStroke(Rect, Opacity);
  if (XRadius < 1E-40f && YRadius < 1E-40f) {
    graphics_->DrawRectangle(*pen_, ToGp(Rect));
    return;
  }
  graphics_->DrawPath(*pen_, *RectFigure(Rect, XRadius, YRadius, Corners, CornerType));
}

void TvgCanvasGdiPlus::FillEllipse(const TvgRect& Rect, float Opacity) {
  if (!graphics_ || Fill()->Style() == vgBrushNone) return;
  TGPGraphicsPath path;
  path.AddEllipse(ToGp(Rect));
  FillArea(&path, Rect, Opacity);
}

void TvgCanvasGdiPlus::DrawEllipse(const TvgRect& Rect, float Opacity) {
  if (!graphics_ || Stroke()->Style() == vgBrushNone) return;
  ApplyStroke(Rect, Opacity);
  graphics_->DrawEllipse(*pen_, ToGp(Rect));
}

std::unique_ptr<TGPGraphicsPath> TvgCanvasGdiPlus::MappedPath(TvgPathData& Path, const TvgRect& Rect) const {
  TPathMapping map(Path.GetBounds(), Rect);
  auto path = std::make_unique<TGPGraphicsPath>();
  GpPointF current{};
  for (int i = 0; i < Path.Count(); ++i) {
    const TvgPathPoint& point = Path.Points(i);
    GpPointF p = map(point.Point);
    switch (point.Kind) {
      case vgPathPointMoveTo: path->StartFigure(); break;
      case vgPathPointLineTo: path->AddLine(current.X, current.Y, p.X, p.Y); break;
      case vgPathPointCurveTo:
        if (i + 2 >= Path.Count()) return path;
        p = map(Path.Points(i + 2).Point);
        path->AddBezier(current, map(point.Point), map(Path.Points(i + 1).Point), p);
        i += 2;
        break;
      case vgPathPointClose: path->CloseFigure(); break;
    }
    current = p;
  }
  return path;
}

bool TvgCanvasGdiPlus::PtInPath(const TvgPoint& Point, const TvgRect& Rect, TvgPathData* Path) {
  Path = DrawnPath(Path);
  if (!IsDrawable(Path) || !vgPtInRect(Point, Rect)) return false;
  return MappedPath(*Path, Rect)->IsVisible(Point.X, Point.Y);
}

void TvgCanvasGdiPlus::FillPath(TvgPathData* Path, const TvgRect& Rect, float Opacity) {
  Path = DrawnPath(Path);
  if (!graphics_ || !IsDrawable(Path)) return;
  FillArea(MappedPath(*Path, Rect).get(), Rect, Opacity);
}

// Each segment is drawn on its own: no joins between segments, dashes restart per segment.
void TvgCanvasGdiPlus::DrawPath(TvgPathData* Path, const TvgRect& Rect, float Opacity) {
  Path = DrawnPath(Path);
  if (!graphics_ || !IsDrawable(Path) || Stroke()->Style() == vgBrushNone) return;
  ApplyStroke(Rect, Opacity);
  TPathMapping map(Path->GetBounds(), Rect);
  GpPointF current{}, figureStart{};
  for (int i = 0; i < Path->Count(); ++i) {
    const TvgPathPoint& point = Path->Points(i);
    GpPointF p = map(point.Point);
    switch (point.Kind) {
      case vgPathPointMoveTo: figureStart = p; break;
      case vgPathPointLineTo: graphics_->DrawLine(*pen_, current.X, current.Y, p.X, p.Y); break;
      case vgPathPointCurveTo:
        if (i + 2 >= Path->Count()) return;
        p = map(Path->Points(i + 2).Point);
        graphics_->DrawBezier(*pen_, current, map(point.Point), map(Path->Points(i + 1).Point), p);
        i += 2;
        break;
      case vgPathPointClose:
        graphics_->DrawLine(*pen_, current.X, current.Y, figureStart.X, figureStart.Y);
        p = figureStart;
        break;
    }
    current = p;
  }
}

// --- Bitmaps ---------------------------------------------------------------------------------

void TvgCanvasGdiPlus::DrawBitmap(TvgBitmap* Bitmap, const TvgRect& SrcRect, const TvgRect& DstRect, float Opacity,
                                  bool HighSpeed) {
  if (!graphics_ || !Bitmap) return;
  if (TvgBitmap* resource = Bitmap->GetResourceBitmap()) Bitmap = resource;
  graphics_->SetInterpolationMode(HighSpeed ? interpolationNearestNeighbor : interpolationHighQuality);
  if (Opacity == 0) return;
  TGPBitmap* image = vgSharedBitmapImage(Bitmap);
  if (!image) return;
  std::unique_ptr<TGPImageAttributes> attributes;
  if (Opacity < 1) {
    attributes = std::make_unique<TGPImageAttributes>();
    attributes->SetColorMatrix(AlphaMatrix(Opacity));
  }
  graphics_->DrawImage(*image, ToGp(DstRect), ToGp(SrcRect), gpUnitPixel, attributes.get());
}

void TvgCanvasGdiPlus::DrawThumbnail(TvgBitmap* Bitmap, float Width, float) {
  if (!graphics_ || !this->Bitmap() || !Bitmap) return;
  TGPBitmap* image = vgSharedBitmapImage(Bitmap);
  if (!image) return;
  float scale = Width / float(Bitmap->Width());
  graphics_->ScaleTransform(scale, scale);
  graphics_->DrawImage(*image, GpRect{0, 0, Bitmap->Width(), Bitmap->Height()});
}

// --- Text ------------------------------------------------------------------------------------

void TvgCanvasGdiPlus::LoadFontFromStream(TStream& Stream) {
  if (!fontCollection_) fontCollection_ = std::make_unique<TGPPrivateFontCollection>();
  std::vector<uint8_t> memory(size_t(std::max<int64_t>(Stream.Size(), 0)));
  int64_t read = Stream.Read(memory.data(), int64_t(memory.size()));
  fontCollection_->AddMemoryFont(memory.data(), int(read));
}

void TvgCanvasGdiPlus::FontChanged(TObject*) {
  std::wstring name = FamilyName(Font()->Family());
  fontFamily_.reset();
  if (fontCollection_) {
    fontFamily_ = std::make_unique<TGPFontFamily>(name, fontCollection_.get());
    if (!fontFamily_->Handle()) fontFamily_.reset();
  }
  if (!fontFamily_) {
    fontFamily_ = std::make_unique<TGPFontFamily>(name);
    if (!fontFamily_->Handle()) fontFamily_ = GenericSansSerifFontFamily();
  }
  if (graphics_) SetTextHint();
}

void TvgCanvasGdiPlus::SetTextHint() {
  graphics_->SetTextRenderingHint(Font()->ClearType() ? textHintClearTypeGridFit : textHintAntiAlias);
}

bool TvgCanvasGdiPlus::FractionalScale() const { return Frac(Matrix().m11) != 0 || Frac(Matrix().m22) != 0; }

std::unique_ptr<TGPFont> TvgCanvasGdiPlus::MakeFont() {
  int style = GdipFontStyle(Font()->Style());
  if (!fontFamily_->IsStyleAvailable(style)) {
    for (int candidate : {0, 1, 2, 3, 4, 8}) {
      if (fontFamily_->IsStyleAvailable(candidate)) {
        style = candidate;
        break;
      }
    }
  }
  return std::make_unique<TGPFont>(*fontFamily_, Font()->Size() * 0.75f * dpiFactor_, style, gpUnitPoint);
}

std::unique_ptr<TGPStringFormat> TvgCanvasGdiPlus::MakeStringFormat(int Flags, TvgTextAlign TextAlign,
                                                                   TvgTextAlign VTextAlign) {
  auto format = std::make_unique<TGPStringFormat>(Flags);
  format->SetAlignment(AlignmentOf(TextAlign));
  format->SetLineAlignment(AlignmentOf(VTextAlign));
  return format;
}

void TvgCanvasGdiPlus::FillText(const TvgRect& Rect, const TvgRect&, const std::wstring& Text, bool WordWrap,
                                float Opacity, TvgTextAlign TextAlign, TvgTextAlign VTextAlign) {
  if (!graphics_ || Fill()->Style() == vgBrushNone || Text.empty()) return;
  auto format = MakeStringFormat(stringFormatNoClip | (WordWrap ? 0 : stringFormatNoWrap), TextAlign, VTextAlign);
  auto font = MakeFont();
  ApplyFill(Rect, Opacity == 1 ? 0.99f : Opacity);
  bool fractional = FractionalScale();
  if (fractional) graphics_->SetTextRenderingHint(textHintAntiAlias);
  graphics_->DrawString(Text.c_str(), -1, *font, ToGp(Rect), *format, *fillBrush_);
  if (fractional) SetTextHint();
}

void TvgCanvasGdiPlus::MeasureText(TvgRect& Rect, const TvgRect&, const std::wstring& Text, bool WordWrap,
                                   TvgTextAlign TextAlign, TvgTextAlign VTextAlign) {
  if (!WordWrap) Rect.Right = Rect.Left;
  if (Text.empty()) return;
  std::unique_ptr<TGPBitmap> scratch;
  std::unique_ptr<TGPGraphics> temporary;
  TGPGraphics* graphics = graphics_.get();
  if (!graphics) {
    scratch = std::make_unique<TGPBitmap>(1, 1, gpPixelFormat32bppARGB);
    temporary = std::make_unique<TGPGraphics>(*scratch);
    temporary->SetSmoothingMode(smoothingHighQuality);
    temporary->SetInterpolationMode(interpolationHighQuality);
    temporary->SetPixelOffsetMode(pixelOffsetHalf);
    graphics = temporary.get();
  }
  int hint = Font()->ClearType() ? textHintClearTypeGridFit : textHintAntiAlias;
  graphics->SetTextRenderingHint(FractionalScale() ? textHintAntiAlias : hint);

  int flags = stringFormatNoClip | stringFormatMeasureTrailingSpaces | (WordWrap ? 0 : stringFormatNoWrap);
  auto font = MakeFont();
  GpRectF layout = ToGp(Rect);
  GpRectF bounds = MeasureRange(*graphics, Text, *font, layout, *MakeStringFormat(flags, TextAlign, VTextAlign));
  if (bounds.Width * bounds.Height == 0 && layout.Height > 0) {
    // Wine's library lays out no line taller than the layout rect, even without clipping: the
    // text is measured without a height limit and aligned in the rect's height here.
    layout.Height = 0;
    bounds = MeasureRange(*graphics, Text, *font, layout, *MakeStringFormat(flags, TextAlign, vgTextAlignNear));
    float room = vgRectHeight(Rect) - bounds.Height;
    if (VTextAlign == vgTextAlignCenter) bounds.Y += room / 2;
    if (VTextAlign == vgTextAlignFar) bounds.Y += room;
  }
  if (bounds.Width * bounds.Height != 0)
    Rect = {bounds.X, bounds.Y, bounds.X + bounds.Width, bounds.Y + bounds.Height};
  graphics->SetTextRenderingHint(hint);
}

// The bounds of the whole text laid out in the layout rect; empty when nothing was laid out.
GpRectF TvgCanvasGdiPlus::MeasureRange(TGPGraphics& Graphics, const std::wstring& Text, const TGPFont& Font,
                                       const GpRectF& Layout, TGPStringFormat& Format) {
  const GpCharacterRange range{0, int(Text.size())};
  Format.SetMeasurableCharacterRanges({&range, 1});
  TGPRegion region;
  TGPRegion* regions[] = {&region};
  if (Graphics.MeasureCharacterRanges(Text.c_str(), -1, Font, Layout, Format, regions) != gpOk) return {};
  return region.GetBounds(Graphics);
}

bool TvgCanvasGdiPlus::TextToPath(TvgPathData* Path, const TvgRect& Rect, const std::wstring& Text, bool WordWrap,
                                  TvgTextAlign TextAlign, TvgTextAlign VTextAlign) {
  int style = GdipFontStyle(Font()->Style());
  if (!Path || Text.empty() || !fontFamily_->IsStyleAvailable(style)) return false;
  Path->Clear();
  auto format = MakeStringFormat(WordWrap ? 0 : stringFormatNoWrap | stringFormatMeasureTrailingSpaces, TextAlign,
                                 VTextAlign);
  TGPGraphicsPath outline;
  outline.AddString(Text.c_str(), -1, *fontFamily_, style, Font()->Size(), ToGp(Rect), *format);
  TPathData data;
  outline.GetPathData(data);
  for (int i = 0; i < data.Count; ++i) {
    uint8_t type = data.Types[size_t(i)];
    auto at = [&](int index) { return TvgPoint{data.Points[size_t(index)].X, data.Points[size_t(index)].Y}; };
    if ((type & pathTypeMask) == pathTypeStart) {
      Path->MoveTo(at(i));
    } else if ((type & pathTypeBezier) == pathTypeBezier && i + 2 < data.Count) {
      Path->CurveTo(at(i), at(i + 1), at(i + 2));
      i += 2;
      type = data.Types[size_t(i)];
    }
    if (type & pathTypeLine) Path->LineTo(at(i));
    if (type & pathTypeClose) Path->ClosePath();
  }
  return true;
}
