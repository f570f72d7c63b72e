#include "engine/layouts/ScrollBox.h"

#include <typeinfo>

#include "classlib/core/Property.h"
#include "classlib/desktop/Control.h"
#include "engine/animation/Animation.h"
#include "engine/paint/Canvas.h"
#include "engine/effects/Effect.h"
#include "engine/animation/FloatAnimation.h"

CL_PUBLISHED(TvgScrollContent) {}

CL_PUBLISHED(TvgScrollBox) {
  using B = TvgScrollBox;
  published.Property("AutoHide", &B::AutoHide, &B::SetAutoHide).Default(true);
  published.Property("Animated", &B::Animated, &B::SetAnimated).Default(true);
  published.Property("DisableMouseWheel", &B::DisableMouseWheel, &B::SetDisableMouseWheel).Default(false);
  published.Property("MouseTracking", &B::MouseTracking, &B::SetMouseTracking).Default(false);
  published.Property("ShowScrollBars", &B::ShowScrollBars, &B::SetShowScrollBars).Default(true);
  published.Property("ShowSizeGrip", &B::ShowSizeGrip, &B::SetShowSizeGrip).Default(false);
  published.Property("UseSmallScrollBars", &B::UseSmallScrollBars, &B::SetUseSmallScrollBars).Default(false);
}

CL_PUBLISHED(TvgVertScrollBox) {}
CL_PUBLISHED(TvgFramedScrollBox) {}
CL_PUBLISHED(TvgFramedVertScrollBox) {}

namespace {

// The scroll bars are reached through their published values.
bool IsScrollBar(TvgObject* object) {
  for (TClass c = object->ClassType(); c; c = c->Parent)
    if (SameText(c->Name, "TvgScrollBar")) return true;
  return false;
}

float BarValue(TvgControl* bar, const char* name) {
  const TPropValue value = GetPropValue(bar, name);
  const double* number = std::get_if<double>(&value);
  return number ? float(*number) : 0;
}

void SetBarValue(TvgControl* bar, const char* name, float value) { SetPropValue(bar, name, double(value)); }

// The bars' OnChange handlers, as method references that a published event holds.
void HScrollChanged(TObject* box, TObject*) { static_cast<TvgScrollBox*>(box)->HScrollChange(); }
void VScrollChanged(TObject* box, TObject*) { static_cast<TvgScrollBox*>(box)->VScrollChange(); }
const TMethodInfo kHScrollChange{"HScrollChange", &typeid(void(TObject*)),
                                 reinterpret_cast<void (*)()>(&HScrollChanged)};
const TMethodInfo kVScrollChange{"VScrollChange", &typeid(void(TObject*)),
                                 reinterpret_cast<void (*)()>(&VScrollChanged)};

bool BarEnabled(const TvgControl* bar) { return bar && bar->Enabled(); }
bool BarVisible(const TvgControl* bar) { return bar && bar->Visible(); }

}  // namespace

// --- Scroll content ----------------------------------------------------------------------------

TvgScrollContent::TvgScrollContent(TComponent* owner) : TvgContent(owner) { SetClipChildren(true); }

TvgScrollBox* TvgScrollContent::Box() const {
  auto* box = dynamic_cast<TvgScrollBox*>(Parent());
  return box && !box->HasState(csDestroying) ? box : nullptr;
}

TvgRect TvgScrollContent::GetClipRect() {
  TvgScrollBox* box = Box();
  if (!box || !box->Viewport()) return GetLocalRect();
  TvgRect rect = box->Viewport()->GetLocalRect();
  vgOffsetRect(rect, BarEnabled(box->HScrollBar()) ? box->GetHScrollOffset() : 0,
               BarEnabled(box->VScrollBar()) ? box->GetVScrollOffset() : 0);
  return rect;
}

TvgVisualObject* TvgScrollContent::ObjectAtPoint(const TvgPoint& point) {
  TvgVisualObject* hit = TvgContent::ObjectAtPoint(point);
  if (!hit) return nullptr;
  const TvgPoint local = AbsoluteToLocal(point);
  const TvgRect clip = GetClipRect();
  const bool inView = local.X >= clip.Left && local.X <= clip.Right && local.Y >= clip.Top && local.Y <= clip.Bottom;
  return inView ? hit : nullptr;
}

// Whatever the content paints shows only inside the viewport. Without one it is the box's area;
// the box asks its children while working out its own, so then the box's rect answers.
TvgRect TvgScrollContent::GetUpdateRect() {
  TvgScrollBox* box = Box();
  if (!box) return TvgContent::GetUpdateRect();
  if (box->Viewport()) return box->Viewport()->GetUpdateRect();
  if (askingBox_) return box->GetAbsoluteRect();
  askingBox_ = true;
  const TvgRect rect = box->GetUpdateRect();
  askingBox_ = false;
  return rect;
}

void TvgScrollContent::Paint() {
  TvgCanvas* canvas = GetCanvas();
  const int state = canvas->SaveState();
  canvas->SetMatrix(GetAbsoluteMatrix());
  canvas->IntersectClipRect(GetClipRect());
  TvgScrollBox* box = Box();
  if (box && box->Viewport()) box->ContentPaint(canvas, GetLocalRect());
  if (state >= 0) canvas->RestoreState(state);
}

void TvgScrollContent::AddObject(TvgObject* object) {
  TvgContent::AddObject(object);
  if (TvgScrollBox* box = Box()) box->ContentAddObject(object);
}

void TvgScrollContent::RemoveObject(TvgObject* object) {
  TvgScrollBox* box = Box();
  if (box) box->ContentBeforeRemoveObject(object);
  TvgContent::RemoveObject(object);
  if (box) box->ContentRemoveObject(object);
}

// --- Scroll box: content and style -------------------------------------------------------------

TvgScrollBox::TvgScrollBox(TComponent* owner) : TvgControl(owner) {
  content_ = new TvgScrollContent(nullptr);
  content_->SetStored(false);
  content_->SetLocked(true);
  content_->SetHitTest(false);
  TvgControl::AddObject(content_);
}

bool TvgScrollBox::KeepsAsOwnChild(TvgObject* object) const {
  return !content_ || object == content_ || object == StyleObject() || object->TagString == "self" ||
         dynamic_cast<TvgEffect*>(object) || dynamic_cast<TvgAnimation*>(object);
}

void TvgScrollBox::AddObject(TvgObject* object) {
  if (KeepsAsOwnChild(object)) TvgControl::AddObject(object);
  else content_->AddObject(object);
}

void TvgScrollBox::ApplyStyle() {
  TvgControl::ApplyStyle();
  if (TvgObject* grip = FindResource("sizegrip"); grip && grip->Visual()) grip->Visual()->SetVisible(showSizeGrip_);
  const bool small = useSmallScrollBars_ && FindResource("vsmallscrollbar") && FindResource("hsmallscrollbar");
  vBar_ = BindBar(small ? "vsmallscrollbar" : "vscrollbar", true);
  hBar_ = BindBar(small ? "hsmallscrollbar" : "hscrollbar", false);
  HidePart(small ? "vscrollbar" : "vsmallscrollbar");
  HidePart(small ? "hscrollbar" : "hsmallscrollbar");
  TvgObject* viewport = FindResource("content");
  viewport_ = viewport ? viewport->Visual() : nullptr;
  Realign();
  hGlide_ = vGlide_ = nullptr;
}

// The bar's style alignment is kept in its Tag, since hiding the bars takes it away.
TvgControl* TvgScrollBox::BindBar(const char* name, bool vertical) {
  TvgObject* part = FindResource(name);
  auto* bar = part && IsScrollBar(part) ? dynamic_cast<TvgControl*>(part) : nullptr;
  if (!bar) return nullptr;
  SetPropValue(bar, "OnChange", TMethod{vertical ? &kVScrollChange : &kHScrollChange, this});
  bar->SetLocked(true);
  if (bar->Tag() == 0) bar->SetTag(int32_t(bar->Align()));
  return bar;
}

void TvgScrollBox::HidePart(const char* name) {
  if (TvgObject* part = FindResource(name); part && part->Visual()) part->Visual()->SetVisible(false);
}

// The glides are children of the bars and go with the style.
void TvgScrollBox::FreeStyle() {
  viewport_ = nullptr;
  hBar_ = vBar_ = nullptr;
  hGlide_ = vGlide_ = nullptr;
}

void TvgScrollBox::SetShowScrollBars(bool value) {
  if (value == showScrollBars_) return;
  showScrollBars_ = value;
  Realign();
}

void TvgScrollBox::SetShowSizeGrip(bool value) {
  if (value == showSizeGrip_) return;
  showSizeGrip_ = value;
  ApplyStyle();
}

void TvgScrollBox::SetUseSmallScrollBars(bool value) {
  if (value == useSmallScrollBars_) return;
  useSmallScrollBars_ = value;
  ApplyStyle();
}

// --- Scroll box: geometry ----------------------------------------------------------------------

TvgRect TvgScrollBox::GetViewportRect() { return viewport_ ? viewport_->GetParentedRect() : GetLocalRect(); }
float TvgScrollBox::GetViewportWidth() { return viewport_ ? viewport_->Width() : Width(); }
float TvgScrollBox::GetViewportHeight() { return viewport_ ? viewport_->Height() : Height(); }
float TvgScrollBox::GetHScrollOffset() const { return BarVisible(hBar_) ? BarValue(hBar_, "Value") : 0; }
float TvgScrollBox::GetVScrollOffset() const { return BarVisible(vBar_) ? BarValue(vBar_, "Value") : 0; }

void TvgScrollBox::GetContentBounds(TvgRect& rect) {
  if (!content_ || !viewport_) {
    rect = {0, 0, Width(), Height()};
    return;
  }
  rect = viewport_->GetLocalRect();
  for (int i = 0; i < content_->ChildrenCount(); ++i) {
    TvgVisualObject* child = content_->Children(i)->Visual();
    if (child && child->Visible()) rect = vgUnionRect(rect, child->GetParentedRect());
  }
}

void TvgScrollBox::RealignContent(const TvgRect& rect) {
  if (!content_ || !viewport_) return;
  content_->SetBounds(rect.Left, rect.Top, vgRectWidth(rect), vgRectHeight(rect));
  content_->RecalcUpdateRect();
}

void TvgScrollBox::HScrollChange() {
  if (!viewport_ || !hBar_) return;
  const float value = BarValue(hBar_, "Value");
  content_->Position()->SetX(viewport_->Position()->X() - (hBar_->Visible() ? value : 0));
  hValue_ = value;
}

void TvgScrollBox::VScrollChange() {
  if (!viewport_ || !vBar_) return;
  const float value = BarValue(vBar_, "Value");
  content_->Position()->SetY(viewport_->Position()->Y() - (vBar_->Visible() ? value : 0));
  vValue_ = value;
}

// --- Scroll box: layout ------------------------------------------------------------------------

void TvgScrollBox::Realign() {
  if (HasState(csDestroying)) return;
  TvgControl::Realign();
  if (Loading() || !viewport_ || updatingBars_ || Updating()) return;
  updatingBars_ = true;
  try {
    const TvgRect before = viewport_->GetLocalRect();
    UpdateScrollBars();
    if (viewport_ && viewport_->GetLocalRect() != before) UpdateScrollBars();
  } catch (...) {
    updatingBars_ = false;
    throw;
  }
  updatingBars_ = false;
}

void TvgScrollBox::UpdateScrollBars() {
  TvgRect rect;
  GetContentBounds(rect);
  if (vgRectWidth(rect) * vgRectHeight(rect) == 0) return;
  vgOffsetRect(rect, viewport_->Position()->X(), viewport_->Position()->Y());
  vgOffsetRect(rect, BarEnabled(hBar_) ? -hValue_ : 0, BarEnabled(vBar_) ? -vValue_ : 0);
  RealignContent(rect);

  if (TvgVisualObject* parent = viewport_->Parent() ? viewport_->Parent()->Visual() : nullptr) {
    parent->BeginUpdate();
    ShowBars(rect);
    parent->EndUpdate();
  }

  ShowBars(rect);
  if (vBar_) {
    vBar_->BringToFront();
    if (!showScrollBars_) HideBarOutOfSight(vBar_, true);
    else vBar_->SetHitTest(true);
    SetBarRange(vBar_, vgRectHeight(rect), viewport_->Height(), vValue_);
  }
  if (hBar_) {
    hBar_->BringToFront();
    if (!showScrollBars_) HideBarOutOfSight(hBar_, false);
    SetBarRange(hBar_, vgRectWidth(rect), viewport_->Width(), viewport_->Position()->X() - content_->Position()->X());
  }
}

// Enabled when the content is larger than the viewport on the bar's axis; the horizontal bar
// leaves room for a vertical bar that is there.
void TvgScrollBox::ShowBars(const TvgRect& contentRect) {
  ShowBar(vBar_, vgRectHeight(contentRect) > viewport_->Height());
  ShowBar(hBar_, vgRectWidth(contentRect) > viewport_->Width());
  if (hBar_) hBar_->Padding()->SetRight(BarEnabled(vBar_) ? vBar_->Width() : 0);
}

void TvgScrollBox::ShowBar(TvgControl* bar, bool enabled) {
  if (!bar) return;
  bar->SetEnabled(enabled);
  if (autoHide_) bar->SetVisible(enabled);
  bar->SetOpacity(showScrollBars_ ? 1 : 0);
  bar->SetAlign(showScrollBars_ ? TvgAlign(bar->Tag()) : vaNone);
}

void TvgScrollBox::HideBarOutOfSight(TvgControl* bar, bool vertical) {
  bar->Position()->SetY((vertical ? Width() : Height()) + 100);
}

void TvgScrollBox::SetBarRange(TvgControl* bar, float contentExtent, float viewportExtent, float value) {
  if (!bar->Visible()) {
    SetBarValue(bar, "Value", 0);
    return;
  }
  SetBarValue(bar, "Max", contentExtent);
  SetBarValue(bar, "ViewportSize", viewportExtent);
  SetBarValue(bar, "SmallChange", viewportExtent / 5);
  SetBarValue(bar, "Value", value);
}

// --- Scroll box: scrolling by the user ---------------------------------------------------------

TvgFloatAnimation* TvgScrollBox::Glide(TvgControl* bar) {
  TvgFloatAnimation*& glide = bar == vBar_ ? vGlide_ : hGlide_;
  if (glide) return glide;
  glide = new TvgFloatAnimation(nullptr);
  glide->SetStored(false);
  glide->SetAnimationType(vgAnimationOut);
  glide->SetInterpolation(vgInterpolationQuadratic);
  glide->SetDuration(0.7f);
  glide->SetPropertyName("Value");
  glide->SetStartFromCurrent(true);
  bar->AddObject(glide);
  return glide;
}

void TvgScrollBox::GlideBy(TvgControl* bar, float distance) {
  TvgFloatAnimation* glide = Glide(bar);
  if (glide->Running()) glide->StopAtCurrent();
  glide->SetStopValue(BarValue(bar, "Value") - distance);
  glide->Start();
}

void TvgScrollBox::StopGlides() {
  for (TvgFloatAnimation* glide : {hGlide_, vGlide_})
    if (glide && glide->Running()) glide->StopAtCurrent();
}

void TvgScrollBox::MouseWheel(TShiftState shift, int wheelDelta, bool& handled) {
  TvgControl::MouseWheel(shift, wheelDelta, handled);
  if (handled || disableMouseWheel_) return;
  TvgControl* bar = BarVisible(vBar_) ? vBar_ : BarVisible(hBar_) ? hBar_ : nullptr;
  if (bar) {
    const float step = BarValue(bar, "SmallChange") * 3 * float(wheelDelta) / 120;
    if (animated_) GlideBy(bar, step);
    else SetBarValue(bar, "Value", BarValue(bar, "Value") - step);
  }
  handled = true;
}

void TvgScrollBox::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseDown(button, shift, x, y);
  if (!mouseTracking_ || button != mbLeft) return;
  lastPoint_ = {x, y};
  dragStep_ = {};
  tracking_ = true;
  StopGlides();
}

void TvgScrollBox::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgControl::MouseMove(shift, x, y, dx, dy);
  if (!tracking_) return;
  dragStep_ = {x - lastPoint_.X, y - lastPoint_.Y};
  if (BarVisible(vBar_)) SetBarValue(vBar_, "Value", BarValue(vBar_, "Value") - dragStep_.Y);
  if (BarVisible(hBar_)) SetBarValue(hBar_, "Value", BarValue(hBar_, "Value") - dragStep_.X);
  lastPoint_ = {x, y};
}

// A drag that was still moving at the release glides on by seven of its last steps.
void TvgScrollBox::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseUp(button, shift, x, y);
  if (!tracking_) return;
  tracking_ = false;
  if (!animated_ || (dragStep_.X == 0 && dragStep_.Y == 0)) return;
  if (BarVisible(vBar_)) GlideBy(vBar_, 7 * dragStep_.Y);
  if (BarVisible(hBar_)) GlideBy(hBar_, 7 * dragStep_.X);
}

// --- Variants ----------------------------------------------------------------------------------

TvgVertScrollBox::TvgVertScrollBox(TComponent* owner) : TvgScrollBox(owner) { SetResource("scrollboxstyle"); }

void TvgVertScrollBox::GetContentBounds(TvgRect& rect) {
  if (Content() && Viewport()) Content()->SetWidth(Viewport()->Width());
  TvgScrollBox::GetContentBounds(rect);
}

TvgFramedVertScrollBox::TvgFramedVertScrollBox(TComponent* owner) : TvgVertScrollBox(owner) {
  SetResource("framedscrollboxstyle");
}
