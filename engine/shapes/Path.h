#pragma once
// Path shapes: TvgCustomPath fills and strokes a vector path placed into the shape rect as it
// is, fitted, stretched or tiled; TvgPath publishes the path and the wrap mode; the scroll arrows
// hold fixed triangles pointing left and right.
#include <memory>

#include "engine/paint/PathData.h"
#include "engine/shapes/Shape.h"

CL_ENUM(TvgPathWrap, vgPathOriginal, vgPathFit, vgPathStretch, vgPathTile)

class TvgCustomPath : public TvgShape {
  CL_CLASS(TvgCustomPath, TvgShape)
public:
  explicit TvgCustomPath(TComponent* owner);

  TvgPathData* Data() const { return data_.get(); }
  void SetPathData(TvgPathData* data) { data_->Assign(data); }
  TvgPathWrap WrapMode() const { return wrapMode_; }
  void SetWrapMode(TvgPathWrap mode) { StoreAndRepaint(wrapMode_, mode); }

  void Paint() override;
  // Outside design mode (and for locked objects, and while painting into another canvas) the
  // path stretched into the shape rect decides; otherwise the object's rect.
  bool PointInObject(float x, float y) override;

private:
  // The named path resource's path when Data stands for one, else Data.
  TvgPathData* DrawnPath() const;
  void PaintTiled(TvgCanvas& canvas, TvgPathData& path, float opacity);

  std::unique_ptr<TvgPathData> data_;
  TvgPathWrap wrapMode_ = vgPathStretch;
};

class TvgPath : public TvgCustomPath {
  CL_CLASS(TvgPath, TvgCustomPath)
public:
  using TvgCustomPath::TvgCustomPath;
};

class TvgScrollArrowLeft : public TvgCustomPath {
  CL_CLASS(TvgScrollArrowLeft, TvgCustomPath)
public:
  explicit TvgScrollArrowLeft(TComponent* owner);
};

class TvgScrollArrowRight : public TvgCustomPath {
  CL_CLASS(TvgScrollArrowRight, TvgCustomPath)
public:
  explicit TvgScrollArrowRight(TComponent* owner);
};
