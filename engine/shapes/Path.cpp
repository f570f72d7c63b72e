#include "engine/shapes/Path.h"

#include "classlib/core/SysUtils.h"
#include "engine/paint/Canvas.h"
#include "engine/design/DesignOutline.h"
#include "engine/paint/TileGrid.h"

CL_PUBLISHED(TvgCustomPath) { published.Property("Fill", &TvgCustomPath::Fill, &TvgCustomPath::SetFill); }

CL_PUBLISHED(TvgPath) {
  published.Property("Data", &TvgPath::Data, &TvgPath::SetPathData);
  published.Property("WrapMode", &TvgPath::WrapMode, &TvgPath::SetWrapMode).Default(vgPathStretch);
}

CL_PUBLISHED(TvgScrollArrowLeft) {}

CL_PUBLISHED(TvgScrollArrowRight) {}

namespace {

void FillAndStroke(TvgCanvas& canvas, TvgPathData& path, const TvgRect& rect, float opacity) {
  canvas.FillPath(&path, rect, opacity);
  canvas.DrawPath(&path, rect, opacity);
}

// Arrows are drawn fitted, so the unit triangle is made large enough to be placed with whole
// pixels.
void SetArrow(TvgCustomPath& arrow, const char* triangle) {
  arrow.Data()->SetData(triangle);
  arrow.Data()->Scale(100, 100);
  arrow.SetWrapMode(vgPathFit);
}

}  // namespace

TvgCustomPath::TvgCustomPath(TComponent* owner) : TvgShape(owner), data_(std::make_unique<TvgPathData>()) {
  data_->OnChange = [this](TObject*) { Repaint(); };
}

TvgPathData* TvgCustomPath::DrawnPath() const {
  TvgPathData* resource = data_->GetResourcePath();
  return resource ? resource : data_.get();
}

void TvgCustomPath::Paint() {
  TvgCanvas* canvas = GetCanvas();
  TvgPathData* path = DrawnPath();
  if (!path->IsEmpty()) {
    const TvgRect shape = GetShapeRect();
    const float opacity = GetAbsoluteOpacity();
    TvgRect placed = path->GetBounds();
    switch (wrapMode_) {
      case vgPathOriginal: {
        const int state = canvas->SaveState();
        canvas->IntersectClipRect(GetLocalRect());
        vgOffsetRect(placed, shape.Left, shape.Top);
        FillAndStroke(*canvas, *path, placed, opacity);
        canvas->RestoreState(state);
        break;
      }
      case vgPathFit:
        vgRectFit(placed, shape);
        FillAndStroke(*canvas, *path, placed, opacity);
        break;
      case vgPathStretch: FillAndStroke(*canvas, *path, shape, opacity); break;
      case vgPathTile: PaintTiled(*canvas, *path, opacity); break;
    }
  }
  vgPaintDesignOutline(*this, *canvas);
}

// Tiles keep the shape rect's inset between each other.
void TvgCustomPath::PaintTiled(TvgCanvas& canvas, TvgPathData& path, float opacity) {
  const TvgRect shape = GetShapeRect();
  const TvgRect bounds = path.GetBounds();
  const float bw = vgRectWidth(bounds), bh = vgRectHeight(bounds);
  const TvgPoint step{bw + 2 * shape.Left, bh + 2 * shape.Top};
  const int state = canvas.SaveState();
  canvas.IntersectClipRect(GetLocalRect());
  vgForEachVisibleTile(canvas, {bounds.Left + shape.Left, bounds.Top + shape.Top}, {bw, bh}, step,
                       Round(Width() / bw), Round(Height() / bh), [&](int64_t column, int64_t row) {
                         TvgRect tile = bounds;
                         vgOffsetRect(tile, shape.Left + float(column) * step.X, shape.Top + float(row) * step.Y);
                         FillAndStroke(canvas, path, tile, opacity);
                       });
  canvas.RestoreState(state);
}

bool TvgCustomPath::PointInObject(float x, float y) {
  const bool pathDecides = !Designing() || Locked() || vgPaintingIntoAnotherCanvas(*this);
  TvgCanvas* canvas = GetCanvas();
  TvgPathData* path = DrawnPath();
  if (pathDecides && canvas && path->Count() > 1)
    return canvas->PtInPath(AbsoluteToLocal({x, y}), GetShapeRect(), path);
  return TvgShape::PointInObject(x, y);
}

TvgScrollArrowLeft::TvgScrollArrowLeft(TComponent* owner) : TvgCustomPath(owner) {
  SetArrow(*this, "M 1,0 L 1,1 L 0,0.500 L 1,0 Z");
}

TvgScrollArrowRight::TvgScrollArrowRight(TComponent* owner) : TvgCustomPath(owner) {
  SetArrow(*this, "M 0,0 L 0,1 L 1,0.500 Z");
}
