#include "engine/scene/Popup.h"

#include <algorithm>
#include <utility>

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Timer.h"
#include "engine/design/DesignOutline.h"
#include "engine/scene/PopupForm.h"
#include "engine/styles/Resources.h"
#include "engine/scene/Scene.h"

namespace {

constexpr uint16_t kEscape = 27;
constexpr uint32_t kFollowInterval = 10;

std::vector<TvgPopup*>& OpenList() {
  static std::vector<TvgPopup*> list;
  return list;
}

// Without a target the centred placements fall back to their plain counterparts.
TvgPlacement WithoutCentring(TvgPlacement placement) {
  switch (placement) {
    case vgPlacementBottomCenter: return vgPlacementBottom;
    case vgPlacementTopCenter: return vgPlacementTop;
    case vgPlacementLeftCenter: return vgPlacementLeft;
    case vgPlacementRightCenter: return vgPlacementRight;
    default: return placement;
  }
}

struct TPlacementInput {
  float width, height;      // the pop-up
  float hx, vy;             // its offsets
  float targetWidth, targetHeight;
  TvgRect rect;             // the placement rectangle
};

TvgPoint PointBesideTarget(TvgPlacement placement, const TPlacementInput& in) {
  const float w = in.width, h = in.height, tw = in.targetWidth, th = in.targetHeight;
  switch (placement) {
    case vgPlacementTop: return {in.hx, -h - in.vy};
    case vgPlacementLeft: return {-w - in.hx, in.vy};
    case vgPlacementRight: return {tw + in.hx, in.vy};
    case vgPlacementCenter: return {(tw - w) / 2 + in.hx, (th - h) / 2 + in.vy};
    case vgPlacementBottomCenter: return {in.hx - w / 2 + tw / 2, th + in.vy};
    case vgPlacementTopCenter: return {in.hx - w / 2 + tw / 2, -h - in.vy};
    case vgPlacementLeftCenter: return {-w - in.hx, in.vy - h / 2 + th / 2};
    case vgPlacementRightCenter: return {tw + in.hx, in.vy - h / 2 + th / 2};
    default: return {in.hx, th + in.vy};
  }
}

TvgPoint PointInRectangle(TvgPlacement placement, const TPlacementInput& in) {
  const float w = in.width, h = in.height;
  const TvgRect& r = in.rect;
  switch (placement) {
    case vgPlacementTop: return {r.Left + in.hx, r.Top - h - in.vy};
    case vgPlacementLeft: return {r.Left - w - in.hx, r.Top + in.vy};
    case vgPlacementRight: return {r.Right + in.hx, r.Top + in.vy};
    case vgPlacementCenter:
      return {r.Left + (r.Right - r.Left - w) / 2 + in.hx, r.Top + (r.Bottom - r.Top - h) / 2 + in.vy};
    case vgPlacementBottomCenter: return {in.hx + (r.Left + r.Right) / 2 - w / 2, r.Bottom + in.vy};
    case vgPlacementTopCenter: return {(r.Left + r.Right) / 2 - w / 2 + in.hx, r.Top - h - in.vy};
    case vgPlacementLeftCenter: return {r.Left - w - in.hx, r.Top + in.vy};
    case vgPlacementRightCenter: return {r.Right + in.hx, r.Top + in.vy};
    default: return {r.Left + in.hx, r.Bottom + in.vy};
  }
}

TvgPoint Truncated(const TvgPoint& p) { return {float(Trunc(p.X)), float(Trunc(p.Y))}; }

TCustomForm* AsForm(TComponent* component) { return dynamic_cast<TCustomForm*>(component); }

// The button as the input handled so far tells: down for a press being handled, not for a
// message sent by a program.
bool PrimaryButtonDown() {
  return GetKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) < 0;
}

}  // namespace

CL_PUBLISHED(TvgPopup) {
  using P = TvgPopup;
  published.Property("IsOpen", &P::IsOpen, &P::SetIsOpen).Default(false);
  published.Property("StaysOpen", &P::StaysOpen, &P::SetStaysOpen).Default(false);
  published.Property("Placement", &P::Placement, &P::SetPlacement).Default(vgPlacementBottom);
  published.Property("PlacementTarget", &P::PlacementTarget, &P::SetPlacementTarget);
  published.Property("PlacementRectangle", &P::PlacementRectangle, &P::SetPlacementRectangle);
  published.Property("HorizontalOffset", &P::HorizontalOffset, &P::SetHorizontalOffset);
  published.Property("VerticalOffset", &P::VerticalOffset, &P::SetVerticalOffset);
  published.Property("DragWithParent", &P::DragWithParent, &P::SetDragWithParent).Default(false);
  published.Property("Style", &P::Style, &P::SetStyle);
  published.Property("OnClosePopup", &P::OnClosePopup, &P::OnClosePopup);
}

TvgPopup::TvgPopup(TComponent* owner)
    : TvgControl(owner), placementRectangle_(std::make_unique<TvgBounds>()) {
  SetVisible(false);
  SetCanFocused(true);
}

TvgPopup::~TvgPopup() { std::erase(OpenList(), this); }

// An open pop-up closes, without its closing animations, before it leaves the tree.
void TvgPopup::BeforeDestruction() {
  Destroying();
  modal_ = false;
  ClosePopup();
  Inherited::BeforeDestruction();
}

void TvgPopup::SetIsOpen(bool open) {
  if (open == isOpen_) return;
  // A stream or a designer never opens a pop-up.
  if (Designing() || Loading()) return;
  isOpen_ = open;
  if (open) Popup();
  else ClosePopup();
}

void TvgPopup::SetPlacementTarget(TvgVisualObject* target) {
  if (target == placementTarget_) return;
  placementTarget_ = target;
  if (target) target->FreeNotification(this);
}

void TvgPopup::SetStyle(TvgResources* style) {
  if (style == style_) return;
  style_ = style;
  if (style) style->FreeNotification(this);
}

void TvgPopup::SetModalResult(int result) {
  modalResult_ = result;
  if (popupForm_) popupForm_->SetModalResult(result);
}

void TvgPopup::Notification(TComponent* component, TOperation operation) {
  Inherited::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == placementTarget_) placementTarget_ = nullptr;
  if (component == savedParent_) savedParent_ = nullptr;
  if (component == savedFocused_) savedFocused_ = nullptr;
  if (component == style_) style_ = nullptr;
}

void TvgPopup::DialogKey(uint16_t& key, TShiftState shift) {
  Inherited::DialogKey(key, shift);
  if (key != kEscape || !isOpen_ || staysOpen_) return;
  SetIsOpen(false);
  key = 0;
}

void TvgPopup::Paint() {
  if (TvgCanvas* canvas = GetCanvas()) vgPaintDesignOutline(*this, *canvas);
}

// --- Opening and closing -----------------------------------------------------------------------

void TvgPopup::Popup() {
  if (closing_) {
    isOpen_ = false;
    return;
  }
  if (popupForm_ || overlay_) {
    ClosePopup();
    return;
  }
  savedScale_ = Scale()->GetPoint();
  savedParent_ = Parent();
  if (savedParent_) savedParent_->FreeNotification(this);
  // Listed before its window takes the activation, so that the pop-up it comes from stays open.
  if (!staysOpen_) OpenList().push_back(this);
  if (popupMode_ == vgPopupOwnForm) {
    OpenInOwnForm();
  } else if (!OpenAsOverlay()) {
    std::erase(OpenList(), this);
    isOpen_ = false;
    savedParent_ = nullptr;
    return;
  }
  isOpen_ = true;
  ApplyTriggerEffect(this, "IsOpen");
  StartTriggerAnimation(this, "IsOpen");
  if (popupMode_ == vgPopupOwnForm && dragWithParent_ && staysOpen_) {
    dragTimer_ = std::make_unique<TTimer>(nullptr);
    dragTimer_->SetInterval(kFollowInterval);
    dragTimer_->SetOnTimer([this](TObject*) { ApplyPlacement(); });
  }
}

void TvgPopup::OpenInOwnForm() {
  IvgWindowScene* originalScene = Scene();
  TCustomForm* ownerForm = AsForm(Owner());
  if (originalScene)
    if (TCustomForm* sceneOwner = AsForm(originalScene->GetOwner())) ownerForm = sceneOwner;
  popupForm_ = new TvgPopupForm(Application, ownerForm, this);
  // The pop-up keeps its size on the screen.
  const TvgMatrix matrix = GetAbsoluteMatrix();
  popupForm_->SetBounds(popupForm_->Left(), popupForm_->Top(), int(Round(matrix.m11 * Width())),
                        int(Round(matrix.m22 * Height())));
  Scale()->SetPoint({matrix.m11, matrix.m22});
  ApplyPlacement();
  popupScene_ = new TvgWindowScene(popupForm_);
  popupScene_->SetTransparency(true);
  popupScene_->SetAlign(alClient);
  popupScene_->SetParent(popupForm_);
  popupScene_->SetStyle(style_ ? style_ : originalScene ? originalScene->GetStyle() : nullptr);
  popupScene_->SetBounds(0, 0, int(Round(Width())), int(Round(Height())));
  SetVisible(true);
  popupScene_->AddObject(this);
  popupScene_->SetActiveControl(this);
  UpdateResource();
  popupForm_->Show();
  popupScene_->SetFocus();
  SetFocus();
}

bool TvgPopup::OpenAsOverlay() {
  IvgWindowScene* scene = placementTarget_ && placementTarget_->Scene() ? placementTarget_->Scene() : Scene();
  TvgObject* root = scene ? scene->GetRoot() : nullptr;
  if (!root) return false;
  overlay_ = new TvgVisualObject(this);
  root->AddObject(overlay_);
  overlay_->SetAlign(vaContents);
  overlay_->SetHitTest(!staysOpen_);
  overlay_->OnClick = [this](TObject*) {
    if (isOpen_ && !staysOpen_) SetIsOpen(false);
  };
  savedFocused_ = scene->GetFocused();
  if (savedFocused_) savedFocused_->FreeNotification(this);
  overlay_->AddObject(this);
  SetFocus();
  ApplyPlacement();
  SetVisible(true);
  UpdateResource();
  BringToFront();
  SetFocus();
  return true;
}

void TvgPopup::ClosePopup() {
  if (closing_) return;
  if (popupMode_ == vgPopupOwnForm ? !popupScene_ : !overlay_) return;
  if (modal_ && modalResult_ == 0) {
    SetModalResult(vgPopupCancelled);
    return;
  }
  dragTimer_.reset();
  closing_ = true;
  isOpen_ = false;
  closedAt_ = GetTickCount();
  if (!HasState(csDestroying)) {
    ApplyTriggerEffect(this, "IsOpen");
    StartTriggerAnimationWait(this, "IsOpen");
  }
  SetVisible(false);
  if (popupMode_ == vgPopupOwnForm) CloseOwnForm();
  else CloseOverlay();
  closing_ = false;
  savedParent_ = nullptr;
  OnClosePopup(this);
  std::erase(OpenList(), this);
}

// A press is dispatched after the activation it moves: the press that closed the pop-up is one
// made before the close.
bool TvgPopup::ClosedByCurrentPress() const {
  return closedAt_ && int32_t(uint32_t(GetMessageTime()) - *closedAt_) <= 0 && PrimaryButtonDown();
}

void TvgPopup::CloseOwnForm() {
  std::exchange(popupScene_, nullptr)->RemoveObject(this);
  TvgPopupForm* form = std::exchange(popupForm_, nullptr);
  const bool wasActive = form->HandleAllocated() && GetActiveWindow() == form->Handle();
  if (!form->ClosingBySelf()) {
    form->ForgetPopup();
    form->Release();
  }
  Scale()->SetPoint(savedScale_);
  if (savedParent_) savedParent_->AddObject(this);
  if (wasActive) FocusOwnScene();
}

// The keys go back to the scene the pop-up dropped from, as a closed drop-down gives them back
// to its combo; the system would activate whatever window comes next.
void TvgPopup::FocusOwnScene() {
  IvgWindowScene* scene = Scene();
  auto* window = scene ? dynamic_cast<TWinControl*>(scene->GetComponent()) : nullptr;
  if (window && window->HandleAllocated() && IsWindowVisible(window->Handle())) window->SetFocus();
}

void TvgPopup::CloseOverlay() {
  // A pop-up without a parent to return to must not go with the overlay.
  if (savedParent_) savedParent_->AddObject(this);
  else SetParent(nullptr);
  if (TvgVisualObject* focused = std::exchange(savedFocused_, nullptr)) focused->SetFocus();
  std::exchange(overlay_, nullptr)->Free();
}

int TvgPopup::PopupModal() {
  if (closing_) {
    isOpen_ = false;
    return 0;
  }
  if (isOpen_) {
    if (modal_) {
      SetModalResult(vgPopupCancelled);
      modal_ = false;
    } else {
      ClosePopup();
    }
    return 0;
  }
  Popup();
  SetModalResult(0);
  modal_ = true;
  int result = 0;
  do {
    Application->HandleMessage();
    if (Application->Terminated()) SetModalResult(vgPopupCancelled);
    if (popupForm_) {
      ApplyPlacement();
      modalResult_ = popupForm_->ModalResult();
    }
    result = modalResult_;
  } while (result == 0 && modal_);
  modal_ = false;
  ClosePopup();
  return result;
}

// --- Placement ---------------------------------------------------------------------------------

TvgVisualObject* TvgPopup::PlacementTargetOrParent() const {
  if (placementTarget_) return placementTarget_;
  return Parent() ? Parent()->Visual() : nullptr;
}

TvgPoint TvgPopup::TargetPlacementPoint(TvgVisualObject& target) const {
  const TPlacementInput in{Width(),         Height(),         horizontalOffset_,
                           verticalOffset_, target.Width(),   target.Height(),
                           placementRectangle_->GetRect()};
  const TvgPoint local =
      placementRectangle_->Empty() ? PointBesideTarget(placement_, in) : PointInRectangle(placement_, in);
  TvgPoint p = Truncated(target.LocalToAbsolute(local));
  if (popupMode_ != vgPopupOwnForm) return p;
  IvgWindowScene* scene = target.Scene() ? target.Scene() : Scene();
  if (!scene) return p;
  p = scene->LocalToScreen(p);
  return {float(Round(p.X)), float(Round(p.Y))};
}

TvgPoint TvgPopup::RectanglePlacementPoint() const {
  const TPlacementInput in{Width(), Height(), horizontalOffset_, verticalOffset_, 0, 0, placementRectangle_->GetRect()};
  return Truncated(PointInRectangle(WithoutCentring(placement_), in));
}

void TvgPopup::PlaceAtMouse(bool withTarget) {
  if (popupScene_ || popupMode_ != vgPopupOwnForm || !popupForm_) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (placement_ == vgPlacementMouseCenter) cursor.x -= LONG(Round(Width() / 2));
  if (withTarget) popupForm_->MoveKeptOnMonitor(cursor.x, cursor.y);
  else popupForm_->MoveTo(cursor.x, cursor.y);
}

void TvgPopup::ApplyPlacement() {
  TvgVisualObject* target = PlacementTargetOrParent();
  if (placement_ == vgPlacementAbsolute) {
    if (popupMode_ == vgPopupOwnForm && popupForm_)
      popupForm_->MoveTo(int(Round(placementRectangle_->Left())), int(Round(placementRectangle_->Top())));
    return;
  }
  if (placement_ == vgPlacementMouse || placement_ == vgPlacementMouseCenter) {
    PlaceAtMouse(target != nullptr);
    return;
  }
  const TvgPoint p = target ? TargetPlacementPoint(*target) : RectanglePlacementPoint();
  if (popupMode_ == vgPopupOwnForm) {
    if (popupForm_) popupForm_->MoveKeptOnMonitor(int(p.X), int(p.Y));
    return;
  }
  TvgVisualObject* parent = Parent() ? Parent()->Visual() : nullptr;
  Position()->SetPoint(parent && target ? parent->AbsoluteToLocal(p) : p);
}

// --- The message variant -----------------------------------------------------------------------

CL_PUBLISHED(TvgMessagePopup) {
  using P = TvgMessagePopup;
  published.Property("StaysOpen", &P::StaysOpen, &P::SetStaysOpen).Default(true);
  published.Property("DragWithParent", &P::DragWithParent, &P::SetDragWithParent).Default(true);
  published.Property("DisableScene", &P::DisableScene, &P::SetDisableScene).Default(true);
}

TvgMessagePopup::TvgMessagePopup(TComponent* owner) : TvgPopup(owner) {
  SetDragWithParent(true);
  SetStaysOpen(true);
}

void TvgMessagePopup::ApplyPlacement() {
  if (TvgVisualObject* target = PlacementTarget()) {
    SetHorizontalOffset((target->Width() - Width()) / 2);
  } else if (TCustomForm* form = AsForm(Owner()); form && form->HandleAllocated()) {
    POINT origin{0, 0};
    ClientToScreen(form->Handle(), &origin);
    const float x = float(origin.x), y = float(origin.y);
    PlacementRectangle()->SetRect({x, y, x + Width(), y});
    SetHorizontalOffset((float(form->Width()) - Width()) / 2);
  }
  TvgPopup::ApplyPlacement();
}

int TvgMessagePopup::PopupModal() {
  TvgObject* root = Scene() ? Scene()->GetRoot() : nullptr;
  TvgVisualObject* disabled = disableScene_ && root ? root->Visual() : nullptr;
  if (!disabled) return TvgPopup::PopupModal();
  struct TEnabledScope {
    TvgVisualObject& root;
    bool wasEnabled;
    ~TEnabledScope() { root.SetEnabled(wasEnabled); }
  } scope{*disabled, disabled->Enabled()};
  disabled->SetEnabled(false);
  return TvgPopup::PopupModal();
}

// --- Open list and registration ----------------------------------------------------------------

const std::vector<TvgPopup*>& vgOpenPopups() { return OpenList(); }

void vgCloseAllPopups() {
  for (size_t i = OpenList().size(); i-- > 0;)
    if (i < OpenList().size()) OpenList()[i]->ClosePopup();
}
