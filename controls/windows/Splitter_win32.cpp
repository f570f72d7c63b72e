#include "controls/windows/Splitter.h"

#include "classlib/desktop/Control.h"
#include "engine/design/DesignOutline.h"

#include <algorithm>
#include <initializer_list>

CL_PUBLISHED(TvgSplitter) {
  using S = TvgSplitter;
  published.Property("Align", &S::Align, &S::SetAlign).Default(vaLeft);
  published.Property("MinSize", &S::MinSize, &S::SetMinSize).Default(20.0f);
  published.Property("ShowGrip", &S::ShowGrip, &S::SetShowGrip).Default(true);
}

namespace {

// The system's split cursors.
constexpr TCursor kHorizontalSplitCursor = -14;
constexpr TCursor kVerticalSplitCursor = -15;

bool AlignedOneOf(const TvgVisualObject& object, std::initializer_list<TvgAlign> aligns) {
  for (TvgAlign align : aligns)
    if (object.Align() == align) return true;
  return false;
}

bool LeftOrRight(const TvgVisualObject& object) {
  return AlignedOneOf(object, {vaLeft, vaRight, vaMostLeft, vaMostRight});
}

bool TopOrBottom(const TvgVisualObject& object) {
  return AlignedOneOf(object, {vaTop, vaBottom, vaMostTop, vaMostBottom});
}

// The object's rect in its parent, a line of no width widened by one unit so that it can be hit.
TvgRect ParentedRect(TvgVisualObject& object, bool towardsStart) {
  TvgRect rect = object.GetLocalRect();
  vgOffsetRect(rect, object.Position()->X(), object.Position()->Y());
  const float widening = towardsStart ? -1 : 1;
  if (vgRectWidth(rect) == 0) (towardsStart ? rect.Left : rect.Right) += widening;
  if (vgRectHeight(rect) == 0) (towardsStart ? rect.Top : rect.Bottom) += widening;
  return rect;
}

}  // namespace

TvgSplitter::TvgSplitter(TComponent* owner) : TvgControl(owner) {
  SetAutoCapture(true);
  SetSizeDirect(5, Height());
  SetAlign(vaLeft);
}

void TvgSplitter::SetAlign(TvgAlign align) {
  TvgControl::SetAlign(align);
  SetCursor(align == vaTop || align == vaBottom ? kVerticalSplitCursor : kHorizontalSplitCursor);
}

void TvgSplitter::SetShowGrip(bool show) {
  if (show == showGrip_) return;
  showGrip_ = show;
  ApplyStyle();
}

void TvgSplitter::ApplyStyle() {
  TvgControl::ApplyStyle();
  TvgObject* grip = FindResource("grip");
  if (grip && grip->IsVisual()) grip->Visual()->SetVisible(showGrip_);
}

void TvgSplitter::Paint() {
  TvgControl::Paint();
  vgPaintDesignOutline(*this, *GetCanvas());
}

bool TvgSplitter::Horizontal() const { return LeftOrRight(*this); }

// --- Resizing ----------------------------------------------------------------------------------

void TvgSplitter::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  tracking_ = true;
  pressPoint_ = {x, y};
  resized_ = FindResized();
  if (!resized_) return;
  resized_->FreeNotification(this);
  maxSize_ = MaximumSize();
  oldSize_ = SizeAt(x, y);
}

// The first visible, unlocked object aligned on the splitter's axis that lies just beyond the
// splitter's edge on its side.
TvgVisualObject* TvgSplitter::FindResized() {
  TvgVisualObject* parent = Parent() ? Parent()->Visual() : nullptr;
  if (!parent) return nullptr;
  const float x = Position()->X(), y = Position()->Y();
  TvgPoint probe;
  switch (Align()) {
    case vaTop: probe = {x, y - 1}; break;
    case vaLeft: case vaMostLeft: probe = {x - 1, y}; break;
    case vaRight: case vaMostRight: probe = {x + Width() + 1, y}; break;
    case vaBottom: probe = {x, y + Height() + 1}; break;
    default: return nullptr;
  }
  const bool towardsStart = AlignedOneOf(*this, {vaTop, vaLeft, vaMostLeft});
  for (int i = 0; i < parent->ChildrenCount(); ++i) {
    TvgVisualObject* child = parent->Children(i)->Visual();
    if (!child || child == this || child->Locked() || !child->Visible()) continue;
    if (Horizontal() ? !LeftOrRight(*child) : !TopOrBottom(*child)) continue;
    const TvgRect rect = ParentedRect(*child, towardsStart);
    if (probe.X >= rect.Left && probe.X <= rect.Right && probe.Y >= rect.Top && probe.Y <= rect.Bottom) return child;
  }
  return nullptr;
}

// The room the parent leaves the resized object: all of it but MinSize and what the other
// objects aligned on the axis (this splitter included) take.
float TvgSplitter::MaximumSize() const {
  const TvgVisualObject& parent = *Parent()->Visual();
  const TvgRect margins = parent.Margins()->GetRect();
  float size = Horizontal() ? parent.Width() - margins.Left - margins.Right
                            : parent.Height() - margins.Top - margins.Bottom;
  size -= minSize_;
  for (int i = 0; i < parent.ChildrenCount(); ++i) {
    const TvgVisualObject* child = parent.Children(i)->Visual();
    if (!child) continue;
    const TvgRect padding = child->Padding()->GetRect();
    if (Horizontal() && LeftOrRight(*child))
      size -= child->Width() + padding.Left + padding.Right;
    else if (!Horizontal() && AlignedOneOf(*child, {vaTop, vaBottom}))
      size -= child->Height() + padding.Top + padding.Bottom;
  }
  return size + (Horizontal() ? resized_->Width() : resized_->Height());
}

// The size the pointer at (x, y) asks for, kept within the maximum and MinSize (MinSize wins).
float TvgSplitter::SizeAt(float x, float y) const {
  const float split = Horizontal() ? x - pressPoint_.X : y - pressPoint_.Y;
  float size = 0;
  switch (Align()) {
    case vaLeft: case vaMostLeft: size = resized_->Width() + split; break;
    case vaRight: case vaMostRight: size = resized_->Width() - split; break;
    case vaTop: size = resized_->Height() + split; break;
    case vaBottom: size = resized_->Height() - split; break;
    default: break;
  }
  return std::max(std::min(size, maxSize_), minSize_);
}

void TvgSplitter::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgControl::MouseMove(shift, x, y, dx, dy);
  if (!tracking_ || !resized_) return;
  const float size = SizeAt(x, y);
  if (size == oldSize_) return;
  Resize(size);
  oldSize_ = size;
}

// Objects on the far side keep their far edge: they move by what they lose.
void TvgSplitter::Resize(float size) {
  switch (Align()) {
    case vaTop: resized_->SetHeight(size); break;
    case vaLeft: case vaMostLeft: resized_->SetWidth(size); break;
    case vaRight: case vaMostRight:
      resized_->Position()->SetX(resized_->Position()->X() + resized_->Width() - size);
      resized_->SetWidth(size);
      break;
    case vaBottom:
      resized_->Position()->SetY(resized_->Position()->Y() + resized_->Height() - size);
      resized_->SetHeight(size);
      break;
    default: break;
  }
}

void TvgSplitter::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseUp(button, shift, x, y);
  tracking_ = false;
  if (resized_) resized_->RemoveFreeNotification(this);
  resized_ = nullptr;
}

void TvgSplitter::Notification(TComponent* component, TOperation operation) {
  TvgControl::Notification(component, operation);
  if (operation == opRemove && component == resized_) resized_ = nullptr;
}
