// TvgCanvasGdiPlus's shapes: lines, rectangles with shaped corners, ellipses and paths.
#include "engine/gdiplus/CanvasGdiPlus.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/gdiplus/CanvasGdiPlusInternal.h"
#include "engine/paint/Brush.h"
#include "engine/paint/PathData.h"

namespace {

constexpr float cornerBezierK = 0.4477152502f;  // one minus the quarter-circle Bezier constant

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

bool IsNormal(const TvgRect& r) { return r.Left <= r.Right && r.Top <= r.Bottom; }

TvgRect Inflated(TvgRect r, float by) {
  vgInflateRect(r, by, by);
  return r;
}

// Whether the area keeps off the corners that are shaped, the only places where the figure of a
// rect with shaped corners leaves the rect itself.
bool KeepsOffShapedCorners(const TvgRect& area, const TvgRect& r, float rx, float ry, TvgCorners corners) {
  if (rx < 0 || ry < 0) return false;
  const struct {
    TvgCorner Which;
    TvgRect Square;
  } squares[] = {{vgCornerTopLeft, {r.Left, r.Top, r.Left + rx, r.Top + ry}},
                 {vgCornerTopRight, {r.Right - rx, r.Top, r.Right, r.Top + ry}},
                 {vgCornerBottomRight, {r.Right - rx, r.Bottom - ry, r.Right, r.Bottom}},
                 {vgCornerBottomLeft, {r.Left, r.Bottom - ry, r.Left + rx, r.Bottom}}};
  TvgRect common;
  for (const auto& corner : squares)
    if (corners.Contains(corner.Which) && vgIntersectRect(common, area, corner.Square)) return false;
  return true;
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

}  // namespace

// Half the stroke's width and a unit for the caps and corners of the line.
bool TvgCanvasGdiPlus::StrokeReaches(const TvgRect& Bounds) const {
  return clipBox_.Reaches(Inflated(Bounds, std::fabs(StrokeThickness) + 1));
}

bool TvgCanvasGdiPlus::OutlineMissesClip(const TvgRect& Rect, float XRadius, float YRadius) const {
  if (!IsNormal(Rect)) return false;
  if (!StrokeReaches(Rect)) return true;
  FitRadii(Rect, XRadius, YRadius);
  const TvgRect inside = Inflated(Rect, -(std::max({XRadius, YRadius, 0.0f}) + std::fabs(StrokeThickness) + 1));
  return IsNormal(inside) && clipBox_.Within(inside);
}

void TvgCanvasGdiPlus::DrawLine(const TvgPoint& P1, const TvgPoint& P2, float Opacity) {
  if (!graphics_ || Stroke()->Style() == vgBrushNone) return;
  if (!StrokeReaches({std::min(P1.X, P2.X), std::min(P1.Y, P2.Y), std::max(P1.X, P2.X), std::max(P1.Y, P2.Y)}))
    return;
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
  if (!graphics_ || Fill()->Style() == vgBrushNone || !clipBox_.Reaches(Rect)) return;
  if ((XRadius == 0 && YRadius == 0) || Corners.Empty()) {
    FillArea(nullptr, Rect, Opacity);
    return;
  }
  float rx = XRadius, ry = YRadius;
  FitRadii(Rect, rx, ry);
  // Inside the clip the figure is the rect: the rect is cheaper to fill.
  if (IsNormal(Rect) && Fill()->Style() != vgBrushVisual &&
      KeepsOffShapedCorners(clipBox_.Cut(Rect), Rect, rx, ry, Corners)) {
    FillArea(nullptr, Rect, Opacity);
    return;
  }
  auto figure = RectFigure(Rect, XRadius, YRadius, Corners, CornerType);
  FillArea(figure.get(), Rect, Opacity);
}

void TvgCanvasGdiPlus::DrawRect(const TvgRect& Rect, float XRadius, float YRadius, TvgCorners Corners, float Opacity,
                                TvgCornerType CornerType) {
  if (!graphics_ || Stroke()->Style() == vgBrushNone || OutlineMissesClip(Rect, XRadius, YRadius)) return;
  ApplyStroke(Rect, Opacity);
  if (XRadius < 1E-40f && YRadius < 1E-40f) {
    graphics_->DrawRectangle(*pen_, ToGp(Rect));
    return;
  }
  graphics_->DrawPath(*pen_, *RectFigure(Rect, XRadius, YRadius, Corners, CornerType));
}

void TvgCanvasGdiPlus::FillEllipse(const TvgRect& Rect, float Opacity) {
  if (!graphics_ || Fill()->Style() == vgBrushNone || !clipBox_.Reaches(Rect)) return;
  TGPGraphicsPath path;
  path.AddEllipse(ToGp(Rect));
  FillArea(&path, Rect, Opacity);
}

void TvgCanvasGdiPlus::DrawEllipse(const TvgRect& Rect, float Opacity) {
  if (!graphics_ || Stroke()->Style() == vgBrushNone || !StrokeReaches(Rect)) return;
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
  if (!graphics_ || !IsDrawable(Path) || !clipBox_.Reaches(Rect)) return;
  FillArea(MappedPath(*Path, Rect).get(), Rect, Opacity);
}

// Each segment is drawn on its own: no joins between segments, dashes restart per segment.
void TvgCanvasGdiPlus::DrawPath(TvgPathData* Path, const TvgRect& Rect, float Opacity) {
  Path = DrawnPath(Path);
  if (!graphics_ || !IsDrawable(Path) || Stroke()->Style() == vgBrushNone || !StrokeReaches(Rect)) return;
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
