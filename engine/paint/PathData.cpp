#include "engine/paint/PathData.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

#include "classlib/core/Stream.h"
#include "classlib/core/SysUtils.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/styles/ResourceObjects.h"
#include "engine/values/TextForms.h"

CL_PUBLISHED(TvgPathData) {
  published.Property("Data", &TvgPathData::Data, &TvgPathData::SetData).Stored(false);
  published.Property("ResourceName", &TvgPathData::ResourceName, &TvgPathData::SetResourceName);
}

namespace {

TvgPoint operator+(const TvgPoint& a, const TvgPoint& b) { return {a.X + b.X, a.Y + b.Y}; }
TvgPoint operator-(const TvgPoint& a, const TvgPoint& b) { return {a.X - b.X, a.Y - b.Y}; }

constexpr double kPi = 3.14159265358979323846;
// A curve's flattening never takes more points than this, however small the tolerance.
constexpr int64_t kMaxCurveSteps = 4096;

bool IsFinite(const TvgPoint& p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

}  // namespace

// Reads the path text: command letters, each followed by its numbers. Whatever it cannot read
// ends the parse; a number that does not convert abandons only its command. A command whose
// points leave the float range (relative steps add up to infinity) ends the path before it.
class TvgPathData::TTextParser {
public:
  TTextParser(TvgPathData& path, std::string text) : path_(path), text_(std::move(text)) {}

  void Parse() {
    while (true) {
      size_t start = pos_;
      for (char command : ReadCommandToken()) {
        const size_t before = path_.points_.size();
        const TvgPoint figureStart = path_.figureStart_;
        try {
          RunCommand(command);
        } catch (const Exception&) {
        }
        if (!AllFinite(before)) {
          path_.points_.resize(before);
          path_.figureStart_ = figureStart;
          return;
        }
      }
      if (pos_ == start) break;
    }
  }

private:
  bool AllFinite(size_t from) const {
    return std::all_of(path_.points_.begin() + std::ptrdiff_t(from), path_.points_.end(),
                       [](const TvgPathPoint& p) { return IsFinite(p.Point); });
  }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Current() const { return AtEnd() ? '\0' : text_[pos_]; }
  bool StartsNumber() const { return (Current() >= '0' && Current() <= '9') || Current() == '-'; }

  void SkipSpaces() {
    while (Current() == ' ') ++pos_;
  }
  void SkipSpacesAndCommas() {
    while (Current() == ' ' || Current() == ',') ++pos_;
  }

  std::string ReadCommandToken() {
    static constexpr std::string_view kLetters = "zmlchvsqtaZMLCHVSQTA";
    SkipSpaces();
    std::string token;
    while (!AtEnd() && kLetters.find(Current()) != std::string_view::npos) token += text_[pos_++];
    return token;
  }

  // Digits, ".", "e", a "-" right after "e" or as the first character; "+", "E" and "," end it.
  float ReadNumber() {
    SkipSpaces();
    std::string number;
    while (!AtEnd()) {
      char c = Current();
      bool minusAllowed = number.empty() || number.back() == 'e';
      if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || (c == '-' && minusAllowed))) break;
      number += c;
      ++pos_;
    }
    SkipSpaces();
    return vgStrToFloat(number);
  }

  TvgPoint ReadPoint() {
    SkipSpacesAndCommas();
    if (AtEnd()) return {};
    TvgPoint p;
    p.X = ReadNumber();
    SkipSpacesAndCommas();
    p.Y = ReadNumber();
    SkipSpacesAndCommas();
    return p;
  }

  void RunCommand(char command) {
    switch (command) {
      case 'M': path_.MoveTo(ReadPoint()); return RepeatWhileNumber([&] { path_.LineTo(ReadPoint()); });
      case 'm': path_.MoveToRel(ReadPoint()); return RepeatWhileNumber([&] { path_.LineToRel(ReadPoint()); });
      case 'L': return RepeatAtLeastOnce([&] { path_.LineTo(ReadPoint()); });
      case 'l': return RepeatAtLeastOnce([&] { path_.LineToRel(ReadPoint()); });
      case 'H': return path_.HLineTo(ReadNumber());
      case 'h': return path_.HLineToRel(ReadNumber());
      case 'V': return path_.VLineTo(ReadNumber());
      case 'v': return path_.VLineToRel(ReadNumber());
      case 'C': return RepeatAtLeastOnce([&] { ReadCurve(false); });
      case 'c': return RepeatAtLeastOnce([&] { ReadCurve(true); });
      case 'S': return RepeatAtLeastOnce([&] { ReadSmoothCurve(false); });
      case 's': return RepeatAtLeastOnce([&] { ReadSmoothCurve(true); });
      case 'Q':
      case 'q':  // quadratic curves add nothing
        ReadPoint();
        ReadPoint();
        return;
      case 'T':
      case 't':
        ReadPoint();
        return;
      case 'A':
      case 'a': return ReadArc(command == 'a');
      case 'Z':
      case 'z': return path_.ClosePath();
    }
  }

  template <class F>
  void RepeatWhileNumber(F step) {
    while (StartsNumber()) step();
  }
  template <class F>
  void RepeatAtLeastOnce(F step) {
    step();
    RepeatWhileNumber(step);
  }

  void ReadCurve(bool relative) {
    TvgPoint c1 = ReadPoint(), c2 = ReadPoint(), p = ReadPoint();
    relative ? path_.CurveToRel(c1, c2, p) : path_.CurveTo(c1, c2, p);
  }

  void ReadSmoothCurve(bool relative) {
    TvgPoint c2 = ReadPoint(), p = ReadPoint();
    relative ? path_.SmoothCurveToRel(c2, p) : path_.SmoothCurveTo(c2, p);
  }

  void ReadArc(bool relative) {
    TvgPoint current = path_.LastPoint();
    TvgPoint radius = ReadPoint();
    float rotation = ReadNumber();
    TvgPoint flags = ReadPoint();
    TvgPoint end = ReadPoint();
    if (relative) end = current + end;
    path_.AddArcSvg(current, radius, end, flags.X != 0, flags.Y != 0, rotation);
  }

  TvgPathData& path_;
  std::string text_;
  size_t pos_ = 0;
};

namespace {

std::string PointText(const TvgPoint& p) { return vgFloatToStr(p.X) + "," + vgFloatToStr(p.Y); }

// The coefficients in doubles: for points near the float range they would overflow in floats,
// while every point of the curve lies within its control points.
TvgPoint CubicAt(const TvgPoint& start, const TvgPoint& c1, const TvgPoint& c2, const TvgPoint& end, float t) {
  auto axis = [t](double p0, double p1, double p2, double p3) {
    double c = 3 * (p1 - p0);
    double b = 3 * (p2 - p1) - c;
    double a = p3 - p0 - c - b;
    return float(a * t * t * t + b * t * t + c * t + p0);
  };
  return {axis(start.X, c1.X, c2.X, end.X), axis(start.Y, c1.Y, c2.Y, end.Y)};
}

}  // namespace

TvgPathData::~TvgPathData() { LinkResource(nullptr); }

TvgPoint TvgPathData::LastPoint() const { return points_.empty() ? TvgPoint{} : points_.back().Point; }

// --- Building --------------------------------------------------------------------------------

void TvgPathData::MoveTo(const TvgPoint& P) {
  Append(vgPathPointMoveTo, P);
  figureStart_ = P;
}

void TvgPathData::MoveToRel(const TvgPoint& D) { MoveTo(LastPoint() + D); }
void TvgPathData::LineTo(const TvgPoint& P) { Append(vgPathPointLineTo, P); }
void TvgPathData::LineToRel(const TvgPoint& D) { LineTo(LastPoint() + D); }
void TvgPathData::HLineTo(float X) { LineTo({X, LastPoint().Y}); }
void TvgPathData::HLineToRel(float DX) { LineTo({LastPoint().X + DX, LastPoint().Y}); }
void TvgPathData::VLineTo(float Y) { LineTo({LastPoint().X, Y}); }
void TvgPathData::VLineToRel(float DY) { LineTo({LastPoint().X, LastPoint().Y + DY}); }

void TvgPathData::CurveTo(const TvgPoint& C1, const TvgPoint& C2, const TvgPoint& P) {
  Append(vgPathPointCurveTo, C1);
  Append(vgPathPointCurveTo, C2);
  Append(vgPathPointCurveTo, P);
}

void TvgPathData::CurveToRel(const TvgPoint& D1, const TvgPoint& D2, const TvgPoint& DP) {
  TvgPoint last = LastPoint();
  CurveTo(last + D1, last + D2, last + DP);
}

void TvgPathData::SmoothCurveTo(const TvgPoint& C2, const TvgPoint& P) {
  TvgPoint c1 = C2;
  if (points_.size() >= 3) {
    TvgPoint last = LastPoint();
    c1 = last + (last - points_[points_.size() - 2].Point);
  }
  CurveTo(c1, C2, P);
}

void TvgPathData::SmoothCurveToRel(const TvgPoint& D2, const TvgPoint& DP) {
  TvgPoint last = LastPoint();
  SmoothCurveTo(last + D2, last + DP);
}

void TvgPathData::ClosePath() { Append(vgPathPointClose, figureStart_); }

void TvgPathData::AddArc(const TvgPoint& Center, const TvgPoint& Radius, float StartAngle, float SweepAngle) {
  AppendArcCurves(Center, Radius, StartAngle, SweepAngle, true);
}

void TvgPathData::AddArcNoConnect(const TvgPoint& Center, const TvgPoint& Radius, float StartAngle,
                                  float SweepAngle) {
  AppendArcCurves(Center, Radius, StartAngle, SweepAngle, false);
}

// Quarter turns while more than a quarter (plus 0.01) remains, the last segment taking the rest;
// each segment is one cubic built on the unit circle, rotated into place and scaled by the radii.
void TvgPathData::AppendArcCurves(const TvgPoint& center, const TvgPoint& radius, float startAngle,
                                  float sweepAngle, bool connect) {
  double start = startAngle * kPi / 180;
  double sweep = sweepAngle * kPi / 180;
  // The segment loop counts quarter turns of the sweep: a sweep that is no number, or a start no
  // turn can be taken off, draws nothing.
  if (std::isnan(sweep) || !std::isfinite(start)) return;
  start -= 2 * kPi * std::trunc(start / (2 * kPi));
  if (sweep > 2 * kPi) sweep = 2 * kPi;
  if (sweep < -2 * kPi) sweep = -2 * kPi;
  if (std::fabs(sweep) < 1E-10) return;

  const double quarter = sweep < 0 ? -kPi / 2 : kPi / 2;
  double done = 0;
  bool first = true;
  while (true) {
    bool last = std::fabs(sweep - done) <= kPi / 2 + 0.01;
    double segment = last ? sweep - done : quarter;
    double r = segment / 2;
    double k = 4.0 / 3 * (1 - std::cos(r));
    double ty = std::sin(r) - std::cos(r) * k / std::sin(r);
    const double unit[4][2] = {{std::cos(r), -std::sin(r)}, {std::cos(r) + k, -ty}, {std::cos(r) + k, ty},
                               {std::cos(r), std::sin(r)}};
    double turn = start + r;
    TvgPoint mapped[4];
    for (int i = 0; i < 4; ++i) {
      double x = unit[i][0], y = unit[i][1];
      mapped[i] = {float(center.X + radius.X * (x * std::cos(turn) - y * std::sin(turn))),
                   float(center.Y + radius.Y * (x * std::sin(turn) + y * std::cos(turn)))};
    }
    if (first && connect) points_.empty() ? MoveTo(mapped[0]) : LineTo(mapped[0]);
    CurveTo(mapped[1], mapped[2], mapped[3]);
    first = false;
    start += segment;
    done += segment;
    if (last) break;
  }
}

// The endpoint-to-centre conversion of an SVG elliptical arc. As SVG prescribes, an arc with a
// zero radius is a straight line and one that ends where it starts draws nothing.
void TvgPathData::AddArcSvg(const TvgPoint& P1, const TvgPoint& Radius, const TvgPoint& P2, bool LargeArc,
                            bool Sweep, float Angle) {
  double rx = std::fabs(Radius.X), ry = std::fabs(Radius.Y);
  if (P1 == P2) return;
  if (rx == 0 || ry == 0) return LineTo(P2);
  double phi = Angle * kPi / 180;
  double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
  double dx = (P1.X - P2.X) / 2.0, dy = (P1.Y - P2.Y) / 2.0;
  double x1 = cosPhi * dx + sinPhi * dy;
  double y1 = -sinPhi * dx + cosPhi * dy;
  double l = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry);
  if (l > 1) {
    rx *= std::sqrt(l);
    ry *= std::sqrt(l);
  }
  double q = (rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1) / (rx * rx * y1 * y1 + ry * ry * x1 * x1);
  double coef = q < 0 ? 0 : std::sqrt(q);
  if (LargeArc == Sweep) coef = -coef;
  double cx1 = coef * rx * y1 / ry, cy1 = -coef * ry * x1 / rx;
  double cx = cosPhi * cx1 - sinPhi * cy1 + (P1.X + P2.X) / 2.0;
  double cy = sinPhi * cx1 + cosPhi * cy1 + (P1.Y + P2.Y) / 2.0;
  double ux = (x1 - cx1) / rx, uy = (y1 - cy1) / ry;
  double vx = (-x1 - cx1) / rx, vy = (-y1 - cy1) / ry;
  auto clampedAcos = [](double c) { return std::acos(c < -1 ? -1 : c > 1 ? 1 : c); };
  double uLength = std::hypot(ux, uy), vLength = std::hypot(vx, vy);
  double theta1 = clampedAcos(ux / uLength);
  if (uy < 0) theta1 = -theta1;
  double dtheta = clampedAcos((ux * vx + uy * vy) / (uLength * vLength));
  if (ux * vy - uy * vx < 0) dtheta = -dtheta;
  if (!Sweep && dtheta > 0) dtheta -= 2 * kPi;
  if (Sweep && dtheta < 0) dtheta += 2 * kPi;

  size_t first = points_.size();
  AddArcNoConnect({0, 0}, {float(rx), float(ry)}, float(theta1 * 180 / kPi), float(dtheta * 180 / kPi));
  for (size_t i = first; i < points_.size(); ++i) {
    TvgPoint& p = points_[i].Point;
    double x = p.X, y = p.Y;
    p = {float(cosPhi * x - sinPhi * y + cx), float(sinPhi * x + cosPhi * y + cy)};
  }
}

// --- Whole-path operations -------------------------------------------------------------------

void TvgPathData::Clear() {
  points_.clear();
  Changed();
}

void TvgPathData::Scale(float SX, float SY) {
  for (TvgPathPoint& p : points_)
    if (p.Kind != vgPathPointClose) p.Point = {p.Point.X * SX, p.Point.Y * SY};
}

TvgRect TvgPathData::GetBounds() const {
  TvgRect r{65535, 65535, -65535, -65535};
  bool measured = false;
  for (const TvgPathPoint& p : points_) {
    if (p.Kind == vgPathPointClose) continue;
    measured = true;
    r = {vgMin(r.Left, p.Point.X), vgMin(r.Top, p.Point.Y), vgMax(r.Right, p.Point.X), vgMax(r.Bottom, p.Point.Y)};
  }
  if (!measured) return {};  // an empty path, or one of close points only
  if (vgRectWidth(r) == 0) r.Right = r.Left + 0.001f;
  if (vgRectHeight(r) == 0) r.Bottom = r.Top + 0.001f;
  return r;
}

TvgPoint TvgPathData::FlattenToPolygon(TvgPolygon& Polygon, float Flatness) const {
  Polygon.clear();
  if (points_.empty()) return {};
  const TvgRect bounds = GetBounds();
  float tolerance = Flatness * vgMin(vgRectWidth(bounds), vgRectHeight(bounds)) / 100;
  if (!(tolerance >= 0.05f)) tolerance = 0.05f;

  TvgPoint current, figureStart;
  for (size_t i = 0; i < points_.size(); ++i) {
    const TvgPathPoint& p = points_[i];
    bool wholeCurve = p.Kind == vgPathPointCurveTo && i + 2 < points_.size();
    if (wholeCurve) {
      const TvgPoint &c1 = p.Point, &c2 = points_[i + 1].Point, &end = points_[i + 2].Point;
      const double ratio = std::hypot(c1.X - end.X, c1.Y - end.Y) / tolerance;
      int64_t steps = std::isnan(ratio) ? 2 : Round(std::min(ratio, double(kMaxCurveSteps)));
      if (steps < 2) steps = 2;
      float t = 0, step = 1.0f / float(steps - 1);
      for (int64_t n = 0; n < steps; ++n, t += step) Polygon.push_back(CubicAt(current, c1, c2, end, t));
      current = end;
      i += 2;
    } else if (p.Kind == vgPathPointClose) {
      Polygon.push_back(figureStart);
      Polygon.push_back(vgClosePolygon);
    } else {
      // Move-to, line-to, and the points of a curve cut short at the end of the path.
      if (p.Kind == vgPathPointMoveTo) figureStart = p.Point;
      Polygon.push_back(p.Point);
      current = p.Point;
    }
  }
  return {std::fabs(vgRectWidth(bounds)), std::fabs(vgRectHeight(bounds))};
}

// --- Text form -------------------------------------------------------------------------------

std::string TvgPathData::Data() const {
  std::string text;
  for (size_t i = 0; i < points_.size(); ++i) {
    const TvgPathPoint& p = points_[i];
    switch (p.Kind) {
      case vgPathPointMoveTo: text += "M " + PointText(p.Point) + " "; break;
      case vgPathPointLineTo: text += "L " + PointText(p.Point) + " "; break;
      case vgPathPointClose: text += "Z "; break;
      case vgPathPointCurveTo:
        if (i + 2 < points_.size()) {
          text += "C " + PointText(p.Point) + " " + PointText(points_[i + 1].Point) + " " +
                  PointText(points_[i + 2].Point) + " ";
          i += 2;
        } else {
          text += "L " + PointText(p.Point) + " ";  // a curve cut short
        }
        break;
    }
  }
  return text;
}

void TvgPathData::SetData(const std::string& Value) {
  std::string text;
  for (char c : Value)
    if (c != '\t' && c != '\n' && c != '\r') text += c;
  points_.clear();
  TTextParser(*this, std::move(text)).Parse();
  Changed();
}

// --- Resource link ---------------------------------------------------------------------------

void TvgPathData::LinkResource(TvgPathObject* resource) {
  if (resource_ == resource) return;
  if (resource_) resource_->RemoveFreeNotify(this);
  resource_ = resource;
  if (resource_) resource_->AddFreeNotify(this);
}

void TvgPathData::SetResource(TvgPathObject* Value) {
  LinkResource(Value);
  resourceName_ = Value ? Value->ResourceName() : std::string();
  Changed();
}

void TvgPathData::SetResourceName(const std::string& Value) {
  if (resourceName_ == Value) return;
  resourceName_ = Value;
  Changed();
}

TvgPathData* TvgPathData::GetResourcePath() {
  if (!resource_ && !resourceName_.empty())
    if (auto* found = dynamic_cast<TvgPathObject*>(vgFindResourceObject(resourceName_))) LinkResource(found);
  return resource_ ? resource_->Path() : nullptr;
}

void TvgPathData::FreeNotify(TvgObject* Object) {
  if (Object == resource_) resource_ = nullptr;
}

void TvgPathData::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TvgPathData*>(Source);
  if (!source) return TPersistent::Assign(Source);
  if (source->GetResourcePath()) {
    LinkResource(source->resource_);
    resourceName_ = source->resourceName_;
  } else {
    // A copy of plain points must draw them, not a resource this path linked before.
    LinkResource(nullptr);
    resourceName_.clear();
    points_ = source->points_;
    figureStart_ = source->figureStart_;
  }
  Changed();
}

// --- Binary stream property ------------------------------------------------------------------

void TvgPathData::DefineProperties(TFiler& Filer) {
  Filer.DefineBinaryProperty(
      "Path", [this](TStream& stream) { ReadPath(stream); }, [this](TStream& stream) { WritePath(stream); },
      !points_.empty());
}

// A 32-bit count, then records of kind (32-bit), X, Y; an older layout has an 8-bit kind. Only
// the records that the data really holds are read, up to the first whose point is no finite number.
void TvgPathData::ReadPath(TStream& stream) {
  points_.clear();
  int32_t count = 0;
  if (stream.Read(&count, 4) != 4 || count <= 0) return;
  const int64_t dataSize = stream.Size() - 4;
  const int recordSize = dataSize / count == 9 ? 9 : 12;
  const int64_t available = dataSize / recordSize;
  for (int64_t i = 0; i < count && i < available; ++i) {
    uint8_t record[12] = {};
    stream.ReadBuffer(record, recordSize);
    TvgPathPoint p;
    int kindSize = recordSize - 8;
    if (kindSize == 1) p.Kind = record[0];
    else std::memcpy(&p.Kind, record, 4);
    std::memcpy(&p.Point.X, record + kindSize, 4);
    std::memcpy(&p.Point.Y, record + kindSize + 4, 4);
    if (!IsFinite(p.Point)) break;
    points_.push_back(p);
  }
}

void TvgPathData::WritePath(TStream& stream) {
  int32_t count = int32_t(points_.size());
  stream.WriteBuffer(&count, 4);
  for (const TvgPathPoint& p : points_) {
    stream.WriteBuffer(&p.Kind, 4);
    stream.WriteBuffer(&p.Point.X, 4);
    stream.WriteBuffer(&p.Point.Y, 4);
  }
}
