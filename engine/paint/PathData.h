#pragma once
// TvgPathData: the toolkit's vector path, a list of move, line, cubic-curve and close points.
// Built by code or from SVG-style path text, written back as text, streamed as the binary
// property "Path", flattened into polygons and measured. It may stand for a named path resource,
// whose path the canvas then draws instead.
#include <cstdint>
#include <string>
#include <vector>

#include "classlib/core/Persistent.h"
#include "engine/values/Geometry.h"
#include "engine/tree/Object.h"

class TvgPathObject;

enum TvgPathPointKind : int32_t { vgPathPointMoveTo = 0, vgPathPointLineTo = 1, vgPathPointCurveTo = 2, vgPathPointClose = 3 };

// A curve is three consecutive curve-to points: two control points, then the end point. A close
// point holds the start of the figure it closes.
struct TvgPathPoint {
  int32_t Kind = vgPathPointMoveTo;
  TvgPoint Point;
  bool operator==(const TvgPathPoint&) const = default;
};

class TvgPathData : public TPersistent, public IvgFreeNotify {
  CL_CLASS(TvgPathData, TPersistent)
public:
  TvgPathData() = default;
  ~TvgPathData() override;
  TvgPathData(const TvgPathData&) = delete;
  TvgPathData& operator=(const TvgPathData&) = delete;

  int Count() const { return int(points_.size()); }
  const TvgPathPoint& Points(int Index) const { return points_.at(size_t(Index)); }
  bool IsEmpty() const { return points_.empty(); }
  TvgPoint LastPoint() const;  // (0, 0) for an empty path

  // Building raises no OnChange: the caller announces the finished path.
  void MoveTo(const TvgPoint& P);
  void MoveToRel(const TvgPoint& D);
  void LineTo(const TvgPoint& P);
  void LineToRel(const TvgPoint& D);
  void HLineTo(float X);
  void HLineToRel(float DX);
  void VLineTo(float Y);
  void VLineToRel(float DY);
  void CurveTo(const TvgPoint& C1, const TvgPoint& C2, const TvgPoint& P);
  void CurveToRel(const TvgPoint& D1, const TvgPoint& D2, const TvgPoint& DP);
  void SmoothCurveTo(const TvgPoint& C2, const TvgPoint& P);
  void SmoothCurveToRel(const TvgPoint& D2, const TvgPoint& DP);
  void ClosePath();
  // Angles in degrees, Y downwards. AddArc first connects to the arc's start (a move-to on an
  // empty path); AddArcNoConnect continues from wherever the path ends.
  void AddArc(const TvgPoint& Center, const TvgPoint& Radius, float StartAngle, float SweepAngle);
  void AddArcNoConnect(const TvgPoint& Center, const TvgPoint& Radius, float StartAngle, float SweepAngle);
  void AddArcSvg(const TvgPoint& P1, const TvgPoint& Radius, const TvgPoint& P2, bool LargeArc, bool Sweep,
                 float Angle);

  void Clear();  // raises OnChange
  void Scale(float SX, float SY);
  // Bounds of all but close points; a zero extent is widened by 0.001 so scaling never divides by 0.
  TvgRect GetBounds() const;
  // Polygon with (65535, 65535) after each closed figure; returns the path's size.
  TvgPoint FlattenToPolygon(TvgPolygon& Polygon, float Flatness) const;

  std::string Data() const;
  // Parses; one OnChange at the end. A command that would give a coordinate beyond the float range
  // ends the path before it.
  void SetData(const std::string& Value);

  TvgPathObject* Resource() const { return resource_; }
  void SetResource(TvgPathObject* Value);
  const std::string& ResourceName() const { return resourceName_; }
  void SetResourceName(const std::string& Value);
  TvgPathData* GetResourcePath();  // the linked resource's path, looked up by name on demand

  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler& Filer) override;
  void FreeNotify(TvgObject* Object) override;

  TNotifyEvent OnChange;

private:
  class TTextParser;

  void Append(int32_t kind, const TvgPoint& p) { points_.push_back({kind, p}); }
  void AppendArcCurves(const TvgPoint& center, const TvgPoint& radius, float startAngle, float sweepAngle,
                       bool connect);
  void LinkResource(TvgPathObject* resource);
  void ReadPath(TStream& stream);
  void WritePath(TStream& stream);
  void Changed() { OnChange(this); }

  std::vector<TvgPathPoint> points_;
  TvgPoint figureStart_;
  TvgPathObject* resource_ = nullptr;
  std::string resourceName_;
};
