#include "engine/shapes/Shapes.h"

#include <algorithm>

CL_PUBLISHED(TvgLine) {
  published.Property("LineType", &TvgLine::LineType, &TvgLine::SetLineType).Default(vgLineNormal);
}

CL_PUBLISHED(TvgEllipse) { published.Property("Fill", &TvgEllipse::Fill, &TvgEllipse::SetFill); }

CL_PUBLISHED(TvgCircle) {}

CL_PUBLISHED(TvgPie) {
  published.Property("StartAngle", &TvgPie::StartAngle, &TvgPie::SetStartAngle);
  published.Property("EndAngle", &TvgPie::EndAngle, &TvgPie::SetEndAngle).Default(-90.0f);
}

CL_PUBLISHED(TvgArc) {
  published.Property("StartAngle", &TvgArc::StartAngle, &TvgArc::SetStartAngle);
  published.Property("EndAngle", &TvgArc::EndAngle, &TvgArc::SetEndAngle).Default(-90.0f);
}

CL_PUBLISHED(TvgRectangle) {
  using R = TvgRectangle;
  published.Property("Fill", &R::Fill, &R::SetFill);
  published.Property("xRadius", &R::XRadius, &R::SetXRadius);
  published.Property("yRadius", &R::YRadius, &R::SetYRadius);
  published.Property("Corners", &R::Corners, &R::SetCorners).Default(vgAllCorners);
  published.Property("CornerType", &R::CornerType, &R::SetCornerType).Default(vgCornerRound);
  published.Property("Sides", &R::Sides, &R::SetSides).Default(vgAllSides);
}

CL_PUBLISHED(TvgSidesRectangle) {}

CL_PUBLISHED(TvgRoundRect) {
  published.Property("Fill", &TvgRoundRect::Fill, &TvgRoundRect::SetFill);
  published.Property("Corners", &TvgRoundRect::Corners, &TvgRoundRect::SetCorners).Default(vgAllCorners);
}

CL_PUBLISHED(TvgCalloutRectangle) {
  using C = TvgCalloutRectangle;
  published.Property("CalloutWidth", &C::CalloutWidth, &C::SetCalloutWidth).Default(23.0f);
  published.Property("CalloutLength", &C::CalloutLength, &C::SetCalloutLength).Default(11.0f);
  published.Property("CalloutPosition", &C::CalloutPosition, &C::SetCalloutPosition).Default(vgCalloutTop);
  published.Property("CalloutOffset", &C::CalloutOffset, &C::SetCalloutOffset);
}

// --- Line ----------------------------------------------------------------------------------

void TvgLine::Paint() {
  TvgCanvas* canvas = GetCanvas();
  const TvgRect r = GetShapeRect();
  TvgPoint end{r.Right, r.Bottom};
  if (lineType_ == vgLineHorizontal) end.Y = r.Top;
  if (lineType_ == vgLineVertical) end.X = r.Left;
  canvas->DrawLine({r.Left, r.Top}, end, GetAbsoluteOpacity());
}

// --- Ellipses ------------------------------------------------------------------------------

void TvgEllipse::Paint() {
  TvgCanvas* canvas = GetCanvas();
  const TvgRect r = GetShapeRect();
  canvas->FillEllipse(r, GetAbsoluteOpacity());
  canvas->DrawEllipse(r, GetAbsoluteOpacity());
}

bool TvgEllipse::PointInObject(float x, float y) {
  if (Width() * Height() == 0) return false;
  const TvgPoint p = AbsoluteToLocal({x, y});
  const float dx = (2 * p.X - Width()) / Width(), dy = (2 * p.Y - Height()) / Height();
  return dx * dx + dy * dy <= 1;
}

void TvgCircle::Paint() {
  TvgCanvas* canvas = GetCanvas();
  const float side = std::max(Width(), Height());
  TvgRect square{0, 0, side, side};
  vgRectFit(square, GetShapeRect());
  canvas->FillEllipse(square, GetAbsoluteOpacity());
  canvas->DrawEllipse(square, GetAbsoluteOpacity());
}

void TvgPie::BuildPath(TvgPathData& path) {
  const TvgPoint center{Width() / 2, Height() / 2};
  path.MoveTo(center);
  path.AddArc(center, {(Width() - StrokeThickness()) / 2, (Height() - StrokeThickness()) / 2}, startAngle_,
              endAngle_ - startAngle_);
  path.LineTo(center);
  path.ClosePath();
}

void TvgPie::Paint() {
  TvgCanvas* canvas = GetCanvas();
  TvgPathData path;
  BuildPath(path);
  canvas->FillPath(&path, path.GetBounds(), GetAbsoluteOpacity());
  canvas->DrawPath(&path, path.GetBounds(), GetAbsoluteOpacity());
}

bool TvgPie::PointInObject(float x, float y) {
  TvgCanvas* canvas = GetCanvas();
  if (!canvas) return TvgEllipse::PointInObject(x, y);
  TvgPathData path;
  BuildPath(path);
  return canvas->PtInPath(AbsoluteToLocal({x, y}), path.GetBounds(), &path);
}

TvgArc::TvgArc(TComponent* owner) : TvgEllipse(owner, {vgBrushNone, 0}, {vgBrushSolid, 0xFF000000}) {}

void TvgArc::Paint() {
  TvgCanvas* canvas = GetCanvas();
  const TvgPoint center{Width() / 2, Height() / 2};
  const TvgPoint radius{(Width() - StrokeThickness()) / 2, (Height() - StrokeThickness()) / 2};
  canvas->FillArc(center, radius, startAngle_, endAngle_, GetAbsoluteOpacity());
  canvas->DrawArc(center, radius, startAngle_, endAngle_, GetAbsoluteOpacity());
}

// --- Rectangles ----------------------------------------------------------------------------

TvgRect TvgRectangle::WidenedForMissingSides(TvgRect rect) {
  const float d = GetShapeRect().Left;
  if (!sides_.Contains(vgSideTop)) rect.Top -= d;
  if (!sides_.Contains(vgSideLeft)) rect.Left -= d;
  if (!sides_.Contains(vgSideBottom)) rect.Bottom += d;
  if (!sides_.Contains(vgSideRight)) rect.Right += d;
  return rect;
}

void TvgRectangle::Paint() {
  TvgCanvas* canvas = GetCanvas();
  const TvgRect r = GetShapeRect();
  const float opacity = GetAbsoluteOpacity();
  if (sides_ == vgAllSides) {
    canvas->FillRect(r, xRadius_, yRadius_, corners_, opacity, cornerType_);
    canvas->DrawRect(r, xRadius_, yRadius_, corners_, opacity, cornerType_);
    return;
  }
  canvas->FillRect(WidenedForMissingSides(r), xRadius_, yRadius_, corners_, opacity, cornerType_);
  canvas->DrawRectSides(r, xRadius_, yRadius_, corners_, opacity, sides_, cornerType_);
}

float TvgRoundRect::Radius(const TvgRect& rect) const {
  return Height() >= Width() ? vgRectWidth(rect) / 2 : vgRectHeight(rect) / 2;
}

void TvgRoundRect::Paint() {
  TvgCanvas* canvas = GetCanvas();
  const TvgRect r = GetShapeRect();
  const float radius = Radius(r);
  canvas->FillRect(r, radius, radius, corners_, GetAbsoluteOpacity(), vgCornerRound);
  canvas->DrawRect(r, radius, radius, corners_, GetAbsoluteOpacity(), vgCornerRound);
}

// --- Callout -------------------------------------------------------------------------------

TvgCalloutRectangle::TvgCalloutRectangle(TComponent* owner)
    : TvgRectangle(owner), outline_(std::make_unique<TvgPathData>()) {}

void TvgCalloutRectangle::RebuildOutline() {
  TvgRect body = GetShapeRect();
  switch (callout_.Position) {
    case vgCalloutTop: body.Top += callout_.Length; break;
    case vgCalloutLeft: body.Left += callout_.Length; break;
    case vgCalloutBottom: body.Bottom -= callout_.Length; break;
    case vgCalloutRight: body.Right -= callout_.Length; break;
  }
  outline_->Clear();
  vgAddRectOutline(*outline_, WidenedForMissingSides(body), XRadius(), YRadius(), Corners(), Sides(), CornerType(),
                   &callout_);
}

void TvgCalloutRectangle::Paint() {
  TvgCanvas* canvas = GetCanvas();
  RebuildOutline();
  canvas->FillPath(outline_.get(), outline_->GetBounds(), GetAbsoluteOpacity());
  canvas->DrawPath(outline_.get(), outline_->GetBounds(), GetAbsoluteOpacity());
}
