#pragma once
// The shapes: lines, ellipses, circles, pies, arcs, rectangles with chosen corners and sides,
// rounded rectangles and rectangles with a callout pointer. Each paints its figure in its shape
// rect (see TvgShape) at its absolute opacity.
#include <memory>

#include "engine/paint/PathData.h"
#include "engine/paint/RectOutline.h"
#include "engine/shapes/Shape.h"

CL_ENUM(TvgLineType, vgLineNormal, vgLineHorizontal, vgLineVertical)

inline constexpr TvgCorners vgAllCorners{vgCornerTopLeft, vgCornerTopRight, vgCornerBottomLeft,
                                         vgCornerBottomRight};
inline constexpr TvgSides vgAllSides{vgSideTop, vgSideLeft, vgSideBottom, vgSideRight};

// A diagonal of the shape rect, or its top or left edge.
class TvgLine : public TvgShape {
  CL_CLASS(TvgLine, TvgShape)
public:
  using TvgShape::TvgShape;
  TvgLineType LineType() const { return lineType_; }
  void SetLineType(TvgLineType type) { StoreAndRepaint(lineType_, type); }
  void Paint() override;

private:
  TvgLineType lineType_ = vgLineNormal;
};

class TvgEllipse : public TvgShape {
  CL_CLASS(TvgEllipse, TvgShape)
public:
  using TvgShape::TvgShape;
  void Paint() override;
  // Inside the ellipse inscribed in the whole local rect.
  bool PointInObject(float x, float y) override;
};

// The largest circle centred in the shape rect.
class TvgCircle : public TvgEllipse {
  CL_CLASS(TvgCircle, TvgEllipse)
public:
  using TvgEllipse::TvgEllipse;
  void Paint() override;
};

// A slice from the centre: the arc starts at StartAngle and sweeps EndAngle - StartAngle degrees.
class TvgPie : public TvgEllipse {
  CL_CLASS(TvgPie, TvgEllipse)
public:
  using TvgEllipse::TvgEllipse;
  float StartAngle() const { return startAngle_; }
  void SetStartAngle(float angle) { StoreAndRepaint(startAngle_, angle); }
  float EndAngle() const { return endAngle_; }
  void SetEndAngle(float angle) { StoreAndRepaint(endAngle_, angle); }
  void Paint() override;
  bool PointInObject(float x, float y) override;

private:
  void BuildPath(TvgPathData& path);

  float startAngle_ = 0;
  float endAngle_ = -90;
};

// An open arc: it starts at StartAngle and sweeps EndAngle degrees. It has no fill by default.
class TvgArc : public TvgEllipse {
  CL_CLASS(TvgArc, TvgEllipse)
public:
  explicit TvgArc(TComponent* owner);
  float StartAngle() const { return startAngle_; }
  void SetStartAngle(float angle) { StoreAndRepaint(startAngle_, angle); }
  float EndAngle() const { return endAngle_; }
  void SetEndAngle(float angle) { StoreAndRepaint(endAngle_, angle); }
  void Paint() override;

private:
  float startAngle_ = 0;
  float endAngle_ = -90;
};

class TvgRectangle : public TvgShape {
  CL_CLASS(TvgRectangle, TvgShape)
public:
  using TvgShape::TvgShape;
  float XRadius() const { return xRadius_; }
  float YRadius() const { return yRadius_; }
  TvgCorners Corners() const { return corners_; }
  TvgCornerType CornerType() const { return cornerType_; }
  TvgSides Sides() const { return sides_; }

  // Missing sides are not outlined; the fill reaches out under them to the local rect's edge.
  void Paint() override;

  virtual void SetXRadius(float radius) { StoreAndRepaintArea(xRadius_, radius); }
  virtual void SetYRadius(float radius) { StoreAndRepaintArea(yRadius_, radius); }
  virtual void SetCorners(TvgCorners corners) { StoreAndRepaint(corners_, corners); }
  virtual void SetCornerType(TvgCornerType type) { StoreAndRepaintArea(cornerType_, type); }
  virtual void SetSides(TvgSides sides) { StoreAndRepaintArea(sides_, sides); }

protected:
  // rect widened by the shape rect's inset on each side missing from Sides.
  TvgRect WidenedForMissingSides(TvgRect rect);

private:
  float xRadius_ = 0;
  float yRadius_ = 0;
  TvgCorners corners_ = vgAllCorners;
  TvgCornerType cornerType_ = vgCornerRound;
  TvgSides sides_ = vgAllSides;
};

// The rectangle under the name styles use for rectangles with chosen sides.
class TvgSidesRectangle : public TvgRectangle {
  CL_CLASS(TvgSidesRectangle, TvgRectangle)
public:
  using TvgRectangle::TvgRectangle;
};

// Corners as round as the shorter side allows.
class TvgRoundRect : public TvgShape {
  CL_CLASS(TvgRoundRect, TvgShape)
public:
  using TvgShape::TvgShape;
  TvgCorners Corners() const { return corners_; }
  void Paint() override;

  virtual void SetCorners(TvgCorners corners) { StoreAndRepaint(corners_, corners); }

private:
  // Half the rect's extent across the object's shorter side.
  float Radius(const TvgRect& rect) const;

  TvgCorners corners_ = vgAllCorners;
};

// A rectangle with a pointer on one side; the body gives up CalloutLength on that side to it.
class TvgCalloutRectangle : public TvgRectangle {
  CL_CLASS(TvgCalloutRectangle, TvgRectangle)
public:
  explicit TvgCalloutRectangle(TComponent* owner);
  float CalloutWidth() const { return callout_.Width; }
  void SetCalloutWidth(float width) { StoreAndRebuild(callout_.Width, width); }
  float CalloutLength() const { return callout_.Length; }
  void SetCalloutLength(float length) { StoreAndRebuild(callout_.Length, length); }
  TvgCalloutPosition CalloutPosition() const { return callout_.Position; }
  void SetCalloutPosition(TvgCalloutPosition position) { StoreAndRebuild(callout_.Position, position); }
  float CalloutOffset() const { return callout_.Offset; }
  void SetCalloutOffset(float offset) { StoreAndRebuild(callout_.Offset, offset); }

  // The outline as last built, in local coordinates.
  TvgPathData* Outline() const { return outline_.get(); }
  void Paint() override;

private:
  template <class T>
  void StoreAndRebuild(T& field, const T& value) {
    if (field == value) return;
    field = value;
    RebuildOutline();
    Repaint();
  }
  void RebuildOutline();

  TvgCallout callout_;
  std::unique_ptr<TvgPathData> outline_;
};
