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

// The style object is hidden for the length of the children's painting, also when painting
// fails; with the scene's updates off, so that neither hiding nor showing asks for a paint.
void TvgBackground::PaintChildren() {
  TvgVisualObject* style = StyleObject() ? StyleObject()->Visual() : nullptr;
  if (!style || !style->Visible() || !Scene() || !HidesStyle()) return TvgControl::PaintChildren();
  class QuietlyHidden {
  public:
    QuietlyHidden(IvgWindowScene& scene, TvgVisualObject& object) : scene_(scene), object_(object) { Show(false); }
    ~QuietlyHidden() { Show(true); }

  private:
    void Show(bool visible) {
      const bool updatesWereDisabled = scene_.GetDisableUpdate();
      scene_.SetDisableUpdate(true);
      object_.SetVisible(visible);
      scene_.SetDisableUpdate(updatesWereDisabled);
    }
    IvgWindowScene& scene_;
    TvgVisualObject& object_;
  } hidden(*Scene(), *style);
  TvgControl::PaintChildren();
}
