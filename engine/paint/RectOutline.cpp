#include "engine/paint/RectOutline.h"

#include <cmath>

#include "engine/paint/PathData.h"

namespace {

TvgPoint operator+(const TvgPoint& a, const TvgPoint& b) { return {a.X + b.X, a.Y + b.Y}; }
TvgPoint operator*(const TvgPoint& a, float f) { return {a.X * f, a.Y * f}; }

// Where the pointer's base starts and ends along its side (running from low to high
// coordinates, first to last), and where its tip lies. A negative offset is taken from the far
// end on every side.
struct TCalloutBase {
  float Start, Tip, End;
};

TCalloutBase CalloutBase(const TvgCallout& callout, float first, float last) {
  const float w = callout.Width, f = callout.Offset;
  if (f > 0) return {first + f, first + f + w / 2, first + f + w};
  if (f < 0) return {last - std::fabs(f) - w, last - std::fabs(f) - w / 2, last - std::fabs(f)};
  const float middle = (last - first) / 2;
  return {middle - w / 2, middle, middle + w / 2};
}

class TOutlineTracer {
public:
  TOutlineTracer(TvgPathData& path, TvgCorners corners, TvgCornerType cornerType)
      : path_(path), corners_(corners), cornerType_(cornerType) {}

  void Start(const TvgPoint& p) { path_.MoveTo(p); }

  // From the current point c + toIncoming around the corner c to c + toOutgoing. A square
  // corner takes each half by its side: a line along a present side, a move along a missing one.
  void Corner(TvgCorner corner, const TvgPoint& c, const TvgPoint& toIncoming, const TvgPoint& toOutgoing,
              bool sideBefore, bool sideAfter) {
    const TvgPoint end = c + toOutgoing;
    if (!corners_.Contains(corner)) {
      To(c, sideBefore);
      To(end, sideAfter);
      return;
    }
    switch (cornerType_) {
      case vgCornerRound: path_.CurveTo(c + toIncoming * 0.5f, c + toOutgoing * 0.5f, end); break;
      case vgCornerBevel: path_.LineTo(end); break;
      case vgCornerInnerRound:
        path_.CurveTo(c + toOutgoing * 0.5f + toIncoming, c + toOutgoing + toIncoming * 0.5f, end);
        break;
      case vgCornerInnerLine:
        path_.LineTo(c + toOutgoing * 0.5f + toIncoming);
        path_.LineTo(c + toOutgoing + toIncoming * 0.5f);
        path_.LineTo(end);
        break;
    }
  }

  void Side(const TvgPoint& end, bool present) { To(end, present); }

  void Pointer(const TvgPoint& baseStart, const TvgPoint& tip, const TvgPoint& baseEnd) {
    path_.LineTo(baseStart);
    path_.LineTo(tip);
    path_.LineTo(baseEnd);
  }

private:
  void To(const TvgPoint& p, bool draw) { draw ? path_.LineTo(p) : path_.MoveTo(p); }

  TvgPathData& path_;
  TvgCorners corners_;
  TvgCornerType cornerType_;
};

}  // namespace

void vgAddRectOutline(TvgPathData& Path, const TvgRect& Rect, float XRadius, float YRadius, TvgCorners Corners,
                      TvgSides Sides, TvgCornerType CornerType, const TvgCallout* Callout) {
  const float l = Rect.Left, t = Rect.Top, r = Rect.Right, b = Rect.Bottom;
  const float rx = 2 * XRadius > vgRectWidth(Rect) ? vgRectWidth(Rect) / 2 : XRadius;
  const float ry = 2 * YRadius > vgRectHeight(Rect) ? vgRectHeight(Rect) / 2 : YRadius;
  const bool top = Sides.Contains(vgSideTop), left = Sides.Contains(vgSideLeft);
  const bool bottom = Sides.Contains(vgSideBottom), right = Sides.Contains(vgSideRight);
  auto pointerOn = [Callout](TvgCalloutPosition position, bool present) {
    return Callout && Callout->Position == position && present;
  };

  TOutlineTracer tracer(Path, Corners, CornerType);
  tracer.Start({l, t + ry});
  tracer.Corner(vgCornerTopLeft, {l, t}, {0, ry}, {rx, 0}, left, top);
  if (pointerOn(vgCalloutTop, top)) {
    TCalloutBase base = CalloutBase(*Callout, l, r);
    tracer.Pointer({base.Start, t}, {base.Tip, t - Callout->Length}, {base.End, t});
  }
  tracer.Side({r - rx, t}, top);
  tracer.Corner(vgCornerTopRight, {r, t}, {-rx, 0}, {0, ry}, top, right);
  if (pointerOn(vgCalloutRight, right)) {
    TCalloutBase base = CalloutBase(*Callout, t, b);
    tracer.Pointer({r, base.Start}, {r + Callout->Length, base.Tip}, {r, base.End});
  }
  tracer.Side({r, b - ry}, right);
  tracer.Corner(vgCornerBottomRight, {r, b}, {0, -ry}, {-rx, 0}, right, bottom);
  if (pointerOn(vgCalloutBottom, bottom)) {
    TCalloutBase base = CalloutBase(*Callout, l, r);
    tracer.Pointer({base.End, b}, {base.Tip, b + Callout->Length}, {base.Start, b});
  }
  tracer.Side({l + rx, b}, bottom);
  tracer.Corner(vgCornerBottomLeft, {l, b}, {rx, 0}, {0, -ry}, bottom, left);
  if (pointerOn(vgCalloutLeft, left)) {
    TCalloutBase base = CalloutBase(*Callout, t, b);
    tracer.Pointer({l, base.End}, {l - Callout->Length, base.Tip}, {l, base.Start});
  }
  tracer.Side({l, t + ry}, left);
}
