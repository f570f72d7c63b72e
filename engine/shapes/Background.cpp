#include "engine/shapes/Background.h"

#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/scene/SceneInterface.h"

namespace {
constexpr TvgCorners kAllCorners{vgCornerTopLeft, vgCornerTopRight, vgCornerBottomLeft, vgCornerBottomRight};
}

CL_PUBLISHED(TvgBackground) { published.Property("Fill", &TvgBackground::Fill, &TvgBackground::SetFill); }

TvgBackground::TvgBackground(TComponent* owner)
    : TvgControl(owner), fill_(std::make_unique<TvgBrush>(vgBrushSolid, 0xFFE0E0E0)) {
  fill_->OnChanged = [this](TObject*) { FillChanged(); };
}

TvgBackground::~TvgBackground() { fill_->OnChanged = nullptr; }

void TvgBackground::SetFill(TvgBrush* fill) { fill_->Assign(fill); }

void TvgBackground::Paint() {
  if (fill_->Style() == vgBrushNone) return;
  TvgCanvas* canvas = GetCanvas();
  if (!canvas) return;
  canvas->Fill()->Assign(fill_.get());
  canvas->FillRect(GetLocalRect(), 0, 0, kAllCorners, GetAbsoluteOpacity(), vgCornerRound);
}

bool TvgBackground::HidesStyle() const {
  if (fill_->Style() != vgBrushNone) return true;
  return !Parent() && Scene() && Scene()->GetTransparency();
}

// The own fill (or nothing) replaces the style's look, so the style object is passed over while
// the children paint. It is not hidden for it: hiding would realign this background, whose
// children would then ask for a paint of their whole area after every paint.
void TvgBackground::PaintChildren() {
  TvgObject* style = StyleObject();
  if (!style || !HidesStyle()) return TvgControl::PaintChildren();
  for (int i = 0; i < ChildrenCount(); ++i) {
    TvgVisualObject* child = Children(i)->Visual();
    if (!child || child == style) continue;
    if (TvgCanvas* canvas = child->GetCanvas()) PaintChild(*canvas, *child);
  }
}
