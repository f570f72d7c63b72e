#pragma once
// Named resource objects: a brush, a path or a bitmap kept in a style or a form under a resource name,
// which brushes and bitmaps elsewhere find again by that name. Naming one of them also gives it
// that resource name, unless it has one already.
#include <memory>

#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/tree/Object.h"
#include "engine/paint/PathData.h"

class TvgBrushObject : public TvgObject {
  CL_CLASS(TvgBrushObject, TvgObject)
public:
  explicit TvgBrushObject(TComponent* owner);
  TvgBrush* Brush() const { return brush_.get(); }
  void SetBrush(TvgBrush* brush) { brush_->Assign(brush); }
  void SetName(const std::string& name) override;

private:
  std::unique_ptr<TvgBrush> brush_;
};

class TvgPathObject : public TvgObject {
  CL_CLASS(TvgPathObject, TvgObject)
public:
  explicit TvgPathObject(TComponent* owner);
  TvgPathData* Path() const { return path_.get(); }
  void SetPath(TvgPathData* path) { path_->Assign(path); }
  void SetName(const std::string& name) override;

private:
  std::unique_ptr<TvgPathData> path_;
};

class TvgBitmapObject : public TvgObject {
  CL_CLASS(TvgBitmapObject, TvgObject)
public:
  explicit TvgBitmapObject(TComponent* owner);
  TvgBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TvgBitmap* bitmap) { bitmap_->Assign(bitmap); }
  void SetName(const std::string& name) override;

private:
  std::unique_ptr<TvgBitmap> bitmap_;
};
