// TvgVisualObject's layout: update brackets and the alignment of its children.
#include "engine/tree/VisualObject.h"

#include <algorithm>

#include "classlib/core/SysUtils.h"

void TvgVisualObject::MarginsChanged(TObject*) { Realign(); }

void TvgVisualObject::PaddingChanged(TObject*) {
  if (TvgVisualObject* parent = VisualParent()) parent->Realign();
}

void TvgVisualObject::BeginUpdate() {
  ++updateCount_;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual()) child->BeginUpdate();
}

void TvgVisualObject::EndUpdate() {
  --updateCount_;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual()) child->EndUpdate();
  if (updateCount_ == 0) Realign();
}

void TvgVisualObject::Realign() {
  if (HasState(csDestroying)) return;
  if ((width_ > -2 && width_ < 2) || (height_ > -2 && height_ < 2)) return;
  if (layoutDisabled_ || realigning_ || updateCount_ > 0) return;
  if (Loading()) {
    lastWidth_ = width_;
    lastHeight_ = height_;
    return;
  }
  if ((width_ != lastWidth_ || height_ != lastHeight_) && hasEffects_) UpdateEffects();
  // Without aligned children the size counts as laid out too, so that corner and scale kinds
  // aligned later move only by what changes after.
  if (!hasAlignedChildren_ || ChildrenCount() == 0) {
    lastWidth_ = width_;
    lastHeight_ = height_;
    return;
  }
  struct TRealigning {
    bool& flag;
    explicit TRealigning(bool& f) : flag(f) { flag = true; }
    ~TRealigning() { flag = false; }
  } realigning{realigning_};
  TvgRect free{margins_->Left(), margins_->Top(), width_ - margins_->Right(), height_ - margins_->Bottom()};
  for (TvgAlign align : {vaMostTop, vaMostBottom, vaMostLeft, vaMostRight, vaTop, vaBottom, vaLeft, vaRight, vaClient,
                         vaHorizontal, vaVertical, vaContents, vaCenter, vaHorzCenter, vaVertCenter, vaScale, vaFit,
                         vaFitLeft, vaFitRight, vaTopRight, vaBottomLeft, vaBottomRight})
    for (TvgVisualObject* child : ChildrenToAlign(align)) PlaceChild(*child, align, free);
  lastWidth_ = width_;
  lastHeight_ = height_;
  Repaint();
}

// Edge kinds stack from the edge inwards: top and left by position, right and bottom by their far
// edge, the later of two equal children outermost there.
std::vector<TvgVisualObject*> TvgVisualObject::ChildrenToAlign(TvgAlign align) {
  std::vector<TvgVisualObject*> children;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual(); child && child->visible_ && child->align_ == align)
      children.push_back(child);
  auto byKey = [&children](auto key, bool descending) {
    if (descending) std::reverse(children.begin(), children.end());
    std::stable_sort(children.begin(), children.end(), [&](TvgVisualObject* a, TvgVisualObject* b) {
      return descending ? key(a) > key(b) : key(a) < key(b);
    });
  };
  switch (align) {
    case vaTop: case vaMostTop:
      byKey([](TvgVisualObject* o) { return o->position_->Y(); }, false);
      break;
    case vaLeft: case vaMostLeft:
      byKey([](TvgVisualObject* o) { return o->position_->X(); }, false);
      break;
    case vaRight: case vaMostRight:
      byKey([](TvgVisualObject* o) { return o->position_->X() + o->width_; }, true);
      break;
    case vaBottom: case vaMostBottom:
      byKey([](TvgVisualObject* o) { return o->position_->Y() + o->height_; }, true);
      break;
    default:
      break;
  }
  return children;
}

// Position and size are stored without their setters' side effects; the matrix follows.
void TvgVisualObject::SetChildGeometry(TvgVisualObject& child, const TvgPoint& position, float width, float height) {
  child.MoveQuietly(position);
  child.width_ = width;
  child.height_ = height;
  child.MatrixChanged(&child);
  child.Realign();
}

void TvgVisualObject::PlaceChild(TvgVisualObject& child, TvgAlign align, TvgRect& free) {
  const TvgRect p = child.padding_->GetRect();
  const float ownWidth = child.width_ + p.Left + p.Right, ownHeight = child.height_ + p.Top + p.Bottom;
  const bool keepsWidth = (align >= vaTopLeft && align <= vaBottomRight) || align == vaLeft || align == vaRight ||
                          align == vaMostLeft || align == vaMostRight || align == vaVertical;
  const bool keepsHeight = (align >= vaTopLeft && align <= vaBottomRight) || align == vaTop || align == vaBottom ||
                           align == vaMostTop || align == vaMostBottom || align == vaHorizontal;
  float d = keepsWidth || vgRectWidth(free) < 0 ? ownWidth : vgRectWidth(free);
  float g = keepsHeight || vgRectHeight(free) < 0 ? ownHeight : vgRectHeight(free);
  float px = free.Left, py = free.Top;
  if (align == vaVertical) px = child.position_->X() - p.Left;
  if (align == vaHorizontal) py = child.position_->Y() - p.Top;

  switch (align) {
    case vaTopRight:
      child.position_->SetX(child.position_->X() + width_ - lastWidth_);
      return;
    case vaBottomLeft:
      child.position_->SetY(child.position_->Y() + height_ - lastHeight_);
      return;
    case vaBottomRight:
      child.position_->SetPoint(
          {child.position_->X() + width_ - lastWidth_, child.position_->Y() + height_ - lastHeight_});
      return;
    case vaTop: case vaMostTop:
      free.Top += g;
      break;
    case vaLeft: case vaMostLeft:
      free.Left += d;
      break;
    case vaRight: case vaMostRight:
      px = free.Right - d;
      free.Right = px;
      break;
    case vaBottom: case vaMostBottom:
      py = free.Bottom - g;
      free.Bottom = py;
      break;
    case vaContents:
      SetChildGeometry(child, {p.Left, p.Top}, width_ - p.Left - p.Right, height_ - p.Top - p.Bottom);
      return;
    case vaCenter:
      px = free.Left + float(Trunc((d - ownWidth) / 2));
      py = free.Top + float(Trunc((g - ownHeight) / 2));
      d = ownWidth;
      g = ownHeight;
      break;
    case vaVertCenter:
      py = free.Top + float(Trunc((g - ownHeight) / 2));
      g = ownHeight;
      break;
    case vaHorzCenter:
      px = free.Left + float(Trunc((d - ownWidth) / 2));
      d = ownWidth;
      break;
    case vaScale:
      if (lastWidth_ > 0 && lastHeight_ > 0 && width_ > 0 && height_ > 0) {
        const float sx = width_ / lastWidth_, sy = height_ / lastHeight_;
        SetChildGeometry(child, {child.position_->X() * sx, child.position_->Y() * sy}, child.width_ * sx,
                         child.height_ * sy);
      }
      return;
    case vaFit: case vaFitLeft: case vaFitRight:
      FitChild(child, align);
      return;
    default:
      break;
  }

  child.MoveQuietly({px + p.Left, py + p.Top});
  const float width = d - p.Left - p.Right, height = g - p.Top - p.Bottom;
  if (width != child.width_ || height != child.height_) {
    child.width_ = width;
    child.height_ = height;
    child.Realign();
  }
  child.MatrixChanged(&child);

  // A child that kept a size of its own gives the difference back to the free rect.
  const float outerWidth = child.width_ + p.Left + p.Right, outerHeight = child.height_ + p.Top + p.Bottom;
  if (outerWidth == d && outerHeight == g) return;
  switch (align) {
    case vaTop: free.Top = free.Top - g + outerHeight; break;
    case vaBottom: free.Bottom = free.Bottom + g - outerHeight; break;
    case vaLeft: free.Left = free.Left - d + outerWidth; break;
    case vaRight: free.Right = free.Right + d - outerWidth; break;
    case vaClient:
      free.Right += d - outerWidth;
      free.Bottom += g - outerHeight;
      break;
    default: break;
  }
}

// The child's outer rect is fitted into the margins rect keeping its aspect ratio, grown when it
// is smaller, and for the left and right kinds moved to that edge.
void TvgVisualObject::FitChild(TvgVisualObject& child, TvgAlign align) {
  const TvgRect target = margins_->MarginRect(GetLocalRect());
  const TvgRect p = child.padding_->GetRect();
  TvgRect outer{child.position_->X() - p.Left, child.position_->Y() - p.Top,
                child.position_->X() + child.width_ + p.Right, child.position_->Y() + child.height_ + p.Bottom};
  const float ratio = vgRectFit(outer, target);
  if (ratio < 1) {
    outer = {0, 0, vgRectWidth(outer) / ratio, vgRectHeight(outer) / ratio};
    vgRectCenter(outer, target);
  }
  if (align == vaFitLeft) vgOffsetRect(outer, target.Left - outer.Left, 0);
  if (align == vaFitRight) vgOffsetRect(outer, target.Right - outer.Right, 0);
  SetChildGeometry(child, {outer.Left + p.Left, outer.Top + p.Top}, vgRectWidth(outer) - p.Left - p.Right,
                   vgRectHeight(outer) - p.Top - p.Bottom);
}
