// TvgCanvasGdiPlus's mapping of the canvas's fill and stroke onto GDI+ brushes and the pen, and
// fills of areas, visual brushes included.
#include "engine/gdiplus/CanvasGdiPlus.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/gdiplus/CanvasGdiPlusInternal.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObject.h"

namespace {

constexpr int lineCapFlat = 0;
constexpr int lineCapRound = 2;
constexpr size_t maxGradientStops = 101;
// Interiors narrower than this are left to GDI+ with the rest.
constexpr int minInteriorSide = 8;

int GdipLineJoin(TvgStrokeJoin join) {
  switch (join) {
    case vgJoinRound: return 2;
    case vgJoinBevel: return 1;
    default: return 0;
  }
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

void AddRectFigure(TGPGraphicsPath& path, const TvgRect& r) {
  path.StartFigure();
  path.AddLine(r.Left, r.Top, r.Right, r.Top);
  path.AddLine(r.Right, r.Top, r.Right, r.Bottom);
  path.AddLine(r.Right, r.Bottom, r.Left, r.Bottom);
  path.CloseFigure();
}

bool HasGradient(const TvgBrush& brush) {
  return brush.Style() == vgBrushGradient && brush.Gradient()->Points()->Count() >= 2;
}

bool IsSolid(const TvgBrush& brush) {
  return brush.Style() == vgBrushSolid || (brush.Style() == vgBrushGradient && !HasGradient(brush));
}

}  // namespace

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

// Fills the path, or the rect itself when there is no path: only the part of the rect within the
// clip box, with the brush laid over the whole rect.
void TvgCanvasGdiPlus::FillArea(const TGPGraphicsPath* Path, const TvgRect& Rect, float Opacity) {
  if (Fill()->Style() == vgBrushNone) return;
  if (Fill()->Style() == vgBrushVisual) {
    int state = SaveState();
    if (Path) {
      graphics_->SetClip(TGPRegion(*Path), gpCombineModeIntersect);
      clipBox_.Loosen();
    } else {
      graphics_->SetClip(ToGp(Rect), gpCombineModeIntersect);
      clipBox_.Intersect(Rect);
    }
    if (TvgVisualObject* visual = Fill()->Visual()->VisualObject()) PaintVisual(*visual, Rect, Opacity);
    RestoreState(state);
    return;
  }
  const bool normal = Rect.Left <= Rect.Right && Rect.Top <= Rect.Bottom;
  const TvgRect area = Path || !normal ? Rect : clipBox_.Cut(Rect);
  if (!Path && normal && vgIsRectEmpty(area)) return;
  ApplyFill(Rect, Opacity);
  if (Path) graphics_->FillPath(*fillBrush_, *Path);
  else if (!normal || !FillOpaqueInterior(area, Opacity)) graphics_->FillRectangle(*fillBrush_, ToGp(area));
}

// An opaque colour over anything is that colour, so the pixels well inside the rect and inside
// the clip are set here, and GDI+, which blends large areas pixel by pixel, fills only a frame
// around them that overlaps them by a pixel: what it draws at the rect's edges stays its own.
bool TvgCanvasGdiPlus::FillOpaqueInterior(const TvgRect& Area, float Opacity) {
  TvgBrush& fill = *Fill();
  if (!buffered_ || !bufferBits_ || !IsSolid(fill) || !clipBox_.Exact() || !clipBox_.AxisAligned()) return false;
  const TvgColor color = vgOpacityColor(fill.GetSolidColor(), Opacity);
  if ((color >> 24) != 0xFF) return false;
  const TvgRect device = clipBox_.DeviceBounds(Area);
  const TvgRect& clip = clipBox_.Box();
  // Whole pixels a pixel away from the rect's edges and from the clip's.
  const int left = int(std::max(std::ceil(device.Left + 1), clip.Left + 1));
  const int top = int(std::max(std::ceil(device.Top + 1), clip.Top + 1));
  const int right = int(std::min(std::floor(device.Right - 1), clip.Right - 1));
  const int bottom = int(std::min(std::floor(device.Bottom - 1), clip.Bottom - 1));
  if (right - left < minInteriorSide || bottom - top < minInteriorSide) return false;
  TGPGraphicsPath frame;  // the even-odd fill leaves the inner rect out
  AddRectFigure(frame, Area);
  AddRectFigure(frame, clipBox_.WorldBounds({float(left + 1), float(top + 1), float(right - 1), float(bottom - 1)}));
  graphics_->FillPath(*fillBrush_, frame);
  vgFillLongwordRect(bufferBits_, width_, height_, left, top, right, bottom, color);
  return true;
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
