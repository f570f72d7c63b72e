#include "engine/design/SnapLines.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "classlib/core/SysUtils.h"
#include "engine/design/Grips.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/tree/VisualObject.h"

namespace {

// Lines that lie closer than this line up.
constexpr float kLineUp = 2;
// A dragged point closer than this to an edge snaps onto it.
constexpr float kPointSnap = 4;
constexpr TvgColor kGuideColor = 0xFFFF3399;

// An object's lines along one axis in its parent: near edge, far edge, centre.
struct TAxis {
  std::array<float, 3> Lines;  // near, far, centre
  float From, To;              // its extent along the other axis
};

TAxis Axis(TvgVisualObject& object, bool vertical) {
  const float x = object.Position()->X(), y = object.Position()->Y();
  const float w = object.Width(), h = object.Height();
  if (vertical) return {{x, x + w, float(Round(w / 2)) + x}, y, y + h};
  return {{y, y + h, float(Round(h / 2)) + y}, x, x + w};
}

// Which of the selection's lines is compared with which of the other object's: the same kind,
// and each edge against the opposite one.
constexpr std::array<std::array<int, 2>, 5> kPairs{{{0, 0}, {1, 1}, {2, 2}, {0, 1}, {1, 0}}};

// The first pair that lines up: the offset that makes the selection's line coincide, or none.
bool LineUpOffset(const TAxis& selection, const TAxis& other, float& offset) {
  for (const auto& [own, theirs] : kPairs) {
    const float d = other.Lines[size_t(theirs)] - selection.Lines[size_t(own)];
    if (std::fabs(d) < kLineUp) {
      offset = d;
      return true;
    }
  }
  return false;
}

std::vector<TvgVisualObject*> Siblings(TvgVisualObject& selection) {
  std::vector<TvgVisualObject*> siblings;
  TvgVisualObject* parent = vgVisualParent(selection);
  if (!parent) return siblings;
  for (int i = 0; i < parent->ChildrenCount(); ++i)
    if (TvgVisualObject* child = parent->Children(i)->Visual(); child && child != &selection && child->Visible())
      siblings.push_back(child);
  return siblings;
}

}  // namespace

void TvgSnapLines::Search(TvgVisualObject& selection, bool adjust) {
  objects_.clear();
  bool movedX = !adjust, movedY = !adjust;
  for (TvgVisualObject* other : Siblings(selection)) {
    float dx = 0, dy = 0;
    const bool linesX = LineUpOffset(Axis(selection, true), Axis(*other, true), dx);
    const bool linesY = LineUpOffset(Axis(selection, false), Axis(*other, false), dy);
    if (!linesX && !linesY) continue;
    objects_.push_back(other);
    TvgPoint position = selection.Position()->GetPoint();
    if (linesX && !movedX) {
      position.X += dx;
      movedX = true;
    }
    if (linesY && !movedY) {
      position.Y += dy;
      movedY = true;
    }
    if (adjust) selection.Position()->SetPoint(position);
  }
}

TvgPoint TvgSnapLines::Snap(const TvgPoint& point) const {
  TvgPoint snapped = point;
  for (TvgVisualObject* object : objects_) {
    const TAxis x = Axis(*object, true), y = Axis(*object, false);
    for (float edge : {x.Lines[0], x.Lines[1]})
      if (std::fabs(point.X - edge) < kPointSnap) snapped.X = edge;
    for (float edge : {y.Lines[0], y.Lines[1]})
      if (std::fabs(point.Y - edge) < kPointSnap) snapped.Y = edge;
  }
  return snapped;
}

std::vector<TvgSnapLines::TLine> TvgSnapLines::Lines(TvgVisualObject& selection) const {
  std::vector<TLine> lines;
  for (TvgVisualObject* object : objects_) {
    for (bool vertical : {true, false}) {
      const TAxis own = Axis(selection, vertical), other = Axis(*object, vertical);
      for (const auto& [mine, theirs] : kPairs) {
        if (std::fabs(own.Lines[size_t(mine)] - other.Lines[size_t(theirs)]) >= kLineUp) continue;
        lines.push_back({vertical, other.Lines[size_t(theirs)], std::min(own.From, other.From),
                         std::max(own.To, other.To)});
      }
    }
  }
  return lines;
}

void TvgSnapLines::Paint(TvgVisualObject& selection, TvgCanvas& canvas) const {
  TvgVisualObject* parent = vgVisualParent(selection);
  if (!parent) return;
  canvas.SetMatrix(parent->GetAbsoluteMatrix());
  canvas.Stroke()->SetStyle(vgBrushSolid);
  canvas.Stroke()->SetSolidColor(kGuideColor);
  canvas.StrokeThickness = 1;
  canvas.SetStrokeDash(vgDashSolid);
  for (const TLine& line : Lines(selection)) {
    const float at = line.At + 0.5f;
    if (line.Vertical) canvas.DrawLine({at, line.From}, {at, line.To}, 1);
    else canvas.DrawLine({line.From, at}, {line.To, at}, 1);
  }
}

std::vector<TvgRect> TvgSnapLines::LineRects(TvgVisualObject& selection) const {
  std::vector<TvgRect> rects;
  TvgVisualObject* parent = vgVisualParent(selection);
  if (!parent) return rects;
  for (const TLine& line : Lines(selection)) {
    const TvgRect local = line.Vertical ? TvgRect{line.At, line.From, line.At + 1, line.To}
                                        : TvgRect{line.From, line.At, line.To, line.At + 1};
    const TvgPoint corners[2] = {parent->LocalToAbsolute({local.Left, local.Top}),
                                 parent->LocalToAbsolute({local.Right, local.Bottom})};
    TvgRect rect;
    vgPointsBounds(corners, 1, rect);
    vgInflateRect(rect, 1, 1);
    if (std::find(rects.begin(), rects.end(), rect) == rects.end()) rects.push_back(rect);
  }
  return rects;
}

void TvgSnapLines::Forget(TComponent* component) {
  std::erase_if(objects_, [component](TvgVisualObject* o) { return static_cast<TComponent*>(o) == component; });
}
