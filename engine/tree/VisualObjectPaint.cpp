// TvgVisualObject's painting: repaint requests, the children, effects, and painting into
// another canvas.
#include "engine/tree/VisualObject.h"

#include <algorithm>

#include "classlib/core/SysUtils.h"
#include "engine/effects/Effect.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObjectInternal.h"

namespace {

constexpr TvgCorners kAllCorners{vgCornerTopLeft, vgCornerTopRight, vgCornerBottomLeft, vgCornerBottomRight};
constexpr TvgColor kDragOverColor = 0xB2005ACC;
constexpr TvgColor kDesignerMarkColor = 0xB200CC5A;

}  // namespace

void TvgVisualObject::Repaint() {
  IvgWindowScene* scene = Scene();
  if (!scene) return;
  const bool design = scene->GetDesignTime();
  if (!visible_ && !design) return;
  if (design && designHide_) return;
  if (scene->GetDisableUpdate() || (!design && !CheckParentVisible()) || updateCount_ > 0) return;
  if (HasEffectReplacingPainting()) effectBitmapStale_ = true;
  scene->AddUpdateRect(GetUpdateRect());
}

void TvgVisualObject::PaintChildren() {
  for (int i = 0; i < ChildrenCount(); ++i) {
    TvgVisualObject* child = Children(i)->Visual();
    if (!child) continue;
    if (TvgCanvas* canvas = child->GetCanvas()) PaintChild(*canvas, *child);
  }
}

bool TvgVisualObject::MeetsDirtyRects(TvgVisualObject& child) {
  const TvgRect area = child.GetUpdateRect();
  IvgWindowScene* scene = Scene();
  if (!scene) return false;
  for (int i = 0; i < scene->GetUpdateRectsCount(); ++i)
    if (vgRectsIntersect(area, scene->GetUpdateRect(i))) return true;
  return false;
}

void TvgVisualObject::PaintChild(TvgCanvas& canvas, TvgVisualObject& child) {
  const bool design = Designing();
  if (!child.visible_ && (!design || child.locked_)) return;
  if (design && child.designHide_) return;
  const TvgRect childArea = child.GetUpdateRect();
  if (IsEmptyArea(childArea)) return;
  if (clipChildren_ && !vgRectsIntersect(childArea, GetUpdateRect())) return;
  if (!design && !paintingToCanvas_ && !MeetsDirtyRects(child)) return;

  int clipState = -1;
  if (clipChildren_ && child.canClipped_) {
    clipState = canvas.SaveState();
    canvas.SetMatrix(GetAbsoluteMatrix());
    canvas.IntersectClipRect(GetClipRect());
  }
  canvas.SetMatrix(child.GetAbsoluteMatrix());
  child.BeforePaint();
  const bool effectsAfter = child.HasEffectPaintingAfter();
  if (child.hasEffects_ && !effectsAfter) {
    child.ApplyEffects(canvas);
    canvas.SetMatrix(child.GetAbsoluteMatrix());
  }
  if (!child.HasEffectReplacingPainting()) child.PaintOwnLook(canvas);
  child.AfterPaint();
  IvgWindowScene* scene = Scene();
  if (scene && scene->GetSelected() != &child && scene->IsSelectedByDesigner(&child))
    child.PaintInnerOutline(canvas, kDesignerMarkColor, 1, vgDashDash);
  if (child.isDragOver_ && !child.dragDisableHighlight_) child.PaintInnerOutline(canvas, kDragOverColor, 3, vgDashSolid);
  if (clipState >= 0) canvas.RestoreState(clipState);
  if (effectsAfter) {
    canvas.SetMatrix(child.GetAbsoluteMatrix());
    child.ApplyEffects(canvas);
  }
}

// The object's own drawing, its children and its paint events. Children marked ClipParent cut
// their area out of the object's drawing.
void TvgVisualObject::PaintOwnLook(TvgCanvas& canvas) {
  int excludeState = -1;
  for (int i = 0; i < ChildrenCount(); ++i) {
    TvgVisualObject* child = Children(i)->Visual();
    if (!child || !child->clipParent_) continue;
    if (excludeState < 0) excludeState = canvas.SaveState();
    canvas.SetMatrix(child->GetAbsoluteMatrix());
    canvas.ExcludeClipRect(child->GetLocalRect());
  }
  if (excludeState >= 0) canvas.SetMatrix(GetAbsoluteMatrix());
  const TvgRect local = GetLocalRect();
  int clipState = -1;
  if (clipChildren_) {
    clipState = canvas.SaveState();
    canvas.IntersectClipRect(local);
  }
  if (OnBeforePaint) OnBeforePaint(this, &canvas, local);
  Paint();
  if (clipState >= 0) canvas.RestoreState(clipState);
  if (excludeState >= 0) canvas.RestoreState(excludeState);
  PaintChildren();
  if (OnPaint) {
    canvas.SetMatrix(GetAbsoluteMatrix());
    OnPaint(this, &canvas, local);
  }
}

void TvgVisualObject::PaintInnerOutline(TvgCanvas& canvas, TvgColor color, float thickness, TvgStrokeDash dash) {
  const int state = canvas.SaveState();
  canvas.Stroke()->SetStyle(vgBrushSolid);
  canvas.Stroke()->SetSolidColor(color);
  canvas.StrokeThickness = thickness;
  canvas.SetStrokeDash(dash);
  TvgRect outline = GetLocalRect();
  vgInflateRect(outline, -1, -1);
  canvas.DrawRect(outline, 0, 0, kAllCorners, 1, vgCornerRound);
  if (state >= 0) canvas.RestoreState(state);
}

// The effect output is cached in one bitmap, rendered again only when it was marked stale.
void TvgVisualObject::ApplyEffects(TvgCanvas& canvas) {
  if (ChildrenCount() == 0 || !Scene() || effectsDisabled_ || !hasEffects_) return;
  const int state = canvas.SaveState();
  const TvgPoint scale = GetAbsoluteScale();
  for (TvgEffect* effect : EnabledEffects()) {
    if (effectBitmapStale_) RenderEffect(*effect, scale);
    if (!effectBitmap_ || effectBitmap_->IsEmpty()) continue;
    canvas.SetMatrix(GetAbsoluteMatrix());
    const TvgRect source{0, 0, float(effectBitmap_->Width()), float(effectBitmap_->Height())};
    canvas.DrawBitmap(effectBitmap_.get(), source, effect->GetRect(GetLocalRect()), GetAbsoluteOpacity(),
                      rotateAngle_ == 0);
  }
  effectBitmapStale_ = false;
  if (state >= 0) canvas.RestoreState(state);
}

// The object is painted at its absolute scale into the area the effect asks for, and the effect
// processes the result.
void TvgVisualObject::RenderEffect(TvgEffect& effect, const TvgPoint& scale) {
  TvgRect area = effect.GetRect(GetLocalRect());
  vgMultiplyRect(area, scale.X, scale.Y);
  const int width = int(Trunc(vgRectWidth(area))), height = int(Trunc(vgRectHeight(area)));
  if (width <= 0 || height <= 0) {
    effectBitmap_.reset();
    return;
  }
  if (!effectBitmap_) effectBitmap_ = std::make_unique<TvgBitmap>(width, height);
  else effectBitmap_->SetSize(width, height);
  TvgCanvas* target = effectBitmap_->GetCanvas();
  if (!target) return;
  target->SetMatrix(vgIdentityMatrix);
  target->Clear(0);
  const TvgPoint offset = effect.GetOffset();
  PaintTo(target, {offset.X * scale.X, offset.Y * scale.Y, (offset.X + width_) * scale.X,
                   (offset.Y + height_) * scale.Y});
  effect.ProcessEffect(target, effectBitmap_.get(), scale.X);
}

void TvgVisualObject::SetPaintingToCanvas(bool painting) {
  paintingToCanvas_ = painting;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual()) child->SetPaintingToCanvas(painting);
}

// Everything changed for the painting is put back, also when painting fails. The move is told
// to no one: the ancestors (the temporary parent's among them) keep their update rects and
// effect bitmaps, or every painting would ask for the next.
void TvgVisualObject::PaintTo(TvgCanvas* canvas, const TvgRect& rect, TvgVisualObject* temporaryParent) {
  IvgWindowScene* scene = Scene();
  if (!scene || !canvas || width_ * height_ == 0) return;
  struct TRestore {
    TvgVisualObject& self;
    IvgWindowScene* scene;
    TvgCanvas* canvas;
    bool updatesWereDisabled = scene->GetDisableUpdate();
    bool wasRealigning = self.realigning_;
    bool wasPaintingToCanvas = self.paintingToCanvas_;  // painted inside another such painting (an effect's)
    TvgCanvas* ownCanvas = self.canvas_;
    TvgPoint position = self.position_->GetPoint();
    TvgPoint scale = self.scale_->GetPoint();
    float angle = self.rotateAngle_;
    TvgObject* parent = self.Parent();
    int state = -1;
    ~TRestore() {
      self.MoveQuietly(position);
      self.ScaleQuietly(scale);
      self.rotateAngle_ = angle;
      self.SetParentLink(parent);
      self.UpdateLocalMatrix();
      self.RecalcUpdateRectDown();
      self.RecalcOpacity();
      self.RecalcEnabled();
      if (state >= 0) canvas->RestoreState(state);
      self.AssignCanvas(ownCanvas);
      self.SetPaintingToCanvas(wasPaintingToCanvas);
      self.realigning_ = wasRealigning;
      scene->SetDisableUpdate(updatesWereDisabled);
    }
  } restore{*this, scene, canvas};

  scene->SetDisableUpdate(true);
  realigning_ = true;
  SetPaintingToCanvas(true);
  AssignCanvas(canvas);
  restore.state = canvas->SaveState();
  SetParentLink(temporaryParent);
  MoveQuietly({rect.Left, rect.Top});
  ScaleQuietly({vgRectWidth(rect) / width_, vgRectHeight(rect) / height_});
  rotateAngle_ = 0;
  UpdateLocalMatrix();
  RecalcUpdateRectDown();
  RecalcOpacity();
  RecalcEnabled();
  canvas->SetMatrix(GetAbsoluteMatrix());
  BeforePaint();
  Paint();
  AfterPaint();
  PaintChildren();
}

std::unique_ptr<TvgBitmap> TvgVisualObject::MakeScreenshot() {
  auto bitmap = std::make_unique<TvgBitmap>(int(std::max<int64_t>(0, Trunc(width_))),
                                            int(std::max<int64_t>(0, Trunc(height_))));
  TvgCanvas* canvas = bitmap->GetCanvas();
  if (canvas && canvas->BeginScene()) {
    PaintTo(canvas, {0, 0, float(bitmap->Width()), float(bitmap->Height())});
    canvas->EndScene();
  }
  return bitmap;
}
