#include "engine/tree/Control.h"

#include <algorithm>
#include <utility>

#include "classlib/core/TextCodec.h"
#include "engine/tree/ControlActionLink.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/scene/SceneInterface.h"
#include "engine/scene/SceneUpdatesOff.h"
#include "engine/styles/Style.h"

namespace {

// A clone is read whole before it is returned; a style handed over half-loaded is finished here.
void FinishLoading(TvgObject* object) {
  if (object->HasState(csLoading)) object->Loaded();
  for (int i = 0; i < object->ChildrenCount(); ++i) FinishLoading(object->Children(i));
}

}  // namespace

CL_PUBLISHED(TvgControl) {
  using C = TvgControl;
  published.Property("HelpType", &C::HelpType, &C::SetHelpType).Default(htContext);
  published.Property("HelpKeyword", &C::HelpKeyword, &C::SetHelpKeyword).Stored(&C::HelpKeywordStored);
  published.Property("HelpContext", &C::HelpContext, &C::SetHelpContext).Default(0);
  published.Property("Resource", &C::Resource, &C::SetResource);
  published.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
}

TvgControl::TvgControl(TComponent* owner) : TvgVisualObject(owner) {}

TvgControl::~TvgControl() { actionLink_.reset(); }

// Bound controls let go of this one, last to first, while it is still whole.
void TvgControl::BeforeDestruction() {
  while (!boundControls_.empty()) boundControls_.back()->SetBindingSource(nullptr);
  SetBindingSource(nullptr);
  Inherited::BeforeDestruction();
}

// --- Style ------------------------------------------------------------------------------------

void TvgControl::SetResource(const std::string& resource) {
  resource_ = resource;
  needsResource_ = true;
  if (!Loading() && updateCount_ == 0) ApplyResource();
}

TvgObject* TvgControl::FindResource(const std::string& name) {
  if (styleObject_)
    if (TvgObject* found = styleObject_->FindResource(name)) return found;
  return TvgObject::FindResource(name);
}

void TvgControl::UpdateResource() {
  if (Loading() || HasState(csDestroying)) return;
  TvgObject::UpdateResource();
  needsResource_ = true;
  ApplyResource();
}

// Without a style to be found the previous style object stays.
void TvgControl::ApplyResource() {
  if (!needsResource_) return;
  needsResource_ = false;
  TvgObject* style = vgFindStyleResource(*this);
  if (!style) return;
  FinishLoading(style);
  {
    const TvgSceneUpdatesOff quiet(Loading() ? Scene() : nullptr);
    if (styleObject_) {
      FreeStyle();
      std::exchange(styleObject_, nullptr)->Free();
    }
    PlaceStyleObject(style);
  }
  ApplyStyle();
  UpdateEffects();
  OnApplyResource(this);
}

// Beneath every other child, not written with the control, and locked so that input reaches
// the control through it. The control hears of the style's freeing while its parts are still
// whole (before their own freeing), so that FreeStyle can let go of the parts it hooked; the
// owner's notification comes only after they are gone.
void TvgControl::PlaceStyleObject(TvgObject* style) {
  TvgVisualObject* visual = style->Visual();
  if (visual) {
    visual->SetAlign(vaContents);
    visual->SetDesignHide(false);
  }
  styleObject_ = style;
  style->AddFreeNotify(this);
  AddObject(style);
  style->SetIndex(0);
  style->SetStored(false);
  if (visual) visual->LockWithChildren();
}

void TvgControl::ForgetStyleObject() {
  FreeStyle();
  styleObject_ = nullptr;
}

void TvgControl::ApplyStyle() {
  if (IsFocused() && CanFocused() && !DisableFocusEffect()) {
    RecalcUpdateRect();
    Repaint();
    StartTriggerAnimation(this, "IsFocused");
    ApplyTriggerEffect(this, "IsFocused");
  }
  if (autoTranslate_ && ShowHint() && !Hint().empty()) {
    std::wstring translated = vgTranslate(Hint());
    if (!Designing()) SetHint(translated);
  }
}

void TvgControl::EnterFocus() {
  ApplyResource();
  Inherited::EnterFocus();
}

void TvgControl::BeforePaint() {
  Inherited::BeforePaint();
  ApplyResource();
}

// --- Loading and references -------------------------------------------------------------------

void TvgControl::Loaded() {
  Inherited::Loaded();
  if (Scene() && Scene()->GetActiveControl() == this) SetFocus();
}

void TvgControl::Notification(TComponent* component, TOperation operation) {
  Inherited::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == styleObject_) ForgetStyleObject();
  // A freed action has already let go of the link when the notification comes.
  if (actionLink_ && (component == actionLink_->Action() || !actionLink_->Action())) actionLink_.reset();
  if (component == bindingSource_) bindingSource_ = nullptr;
  std::erase_if(boundControls_, [component](TvgControl* bound) { return bound == component; });
}

// --- Actions ----------------------------------------------------------------------------------

TBasicAction* TvgControl::GetAction() const { return actionLink_ ? actionLink_->Action() : nullptr; }

// An action read from a stream with the control may still be loading: then the control keeps
// what it was given of its own.
void TvgControl::SetAction(TBasicAction* action) {
  if (!action) {
    if (TBasicAction* old = GetAction()) old->RemoveFreeNotification(this);
    actionLink_.reset();
    return;
  }
  if (action == GetAction()) return;
  if (!actionLink_) actionLink_ = std::make_unique<TvgControlActionLink>(this);
  if (TBasicAction* old = GetAction()) old->RemoveFreeNotification(this);
  actionLink_->SetAction(action);
  actionLink_->OnChange = [this](TObject* sender) {
    if (sender == GetAction()) ActionChange(GetAction(), false);
  };
  ActionChange(action, action->HasState(csLoading));
  action->FreeNotification(this);
}

void TvgControl::ActionChange(TBasicAction* sender, bool checkDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (!action) return;
  if (vgHasPublishedText(*this)) {
    const std::wstring text = vgPublishedText(*this);
    if (!checkDefaults || text.empty() || text == GbkToUtf16(Name()))
      vgSetPublishedText(*this, GbkToUtf16(action->Caption()));
  }
  if (vgHasPublishedChecked(*this) && (!checkDefaults || !vgPublishedChecked(*this)))
    vgSetPublishedChecked(*this, action->Checked());
  if (!checkDefaults || Enabled()) SetEnabled(action->Enabled());
  if (!checkDefaults || Hint().empty()) SetHint(GbkToUtf16(action->Hint()));
  if (!checkDefaults || Visible()) SetVisible(action->Visible());
  if (!checkDefaults || !OnClick) OnClick = action->OnExecute();
}

void TvgControl::InitiateAction() {
  if (actionLink_) actionLink_->Update();
}

// --- Data binding -----------------------------------------------------------------------------

void TvgControl::SetBindingSource(TvgControl* source) {
  if (source == bindingSource_ || source == this) return;
  if (bindingSource_) bindingSource_->RemoveBoundControl(this);
  bindingSource_ = source;
  if (source) source->AddBoundControl(this);
}

void TvgControl::AddBoundControl(TvgControl* control) {
  if (std::find(boundControls_.begin(), boundControls_.end(), control) == boundControls_.end())
    boundControls_.push_back(control);
  FreeNotification(control);
  control->SetData(GetData());
}

void TvgControl::RemoveBoundControl(TvgControl* control) { std::erase(boundControls_, control); }

void TvgControl::UpdateBinding() {
  const std::vector<TvgControl*> bound = boundControls_;
  for (TvgControl* control : bound) control->SetData(GetData());
}

// --- Help and tab order -----------------------------------------------------------------------

void TvgControl::SetHelpKeyword(const std::string& keyword) {
  helpKeyword_ = keyword;
  if (!Loading()) helpType_ = htKeyword;
}

// The action carries the help while the control's equals it.
bool TvgControl::HelpKeywordStored() const { return !actionLink_ || !actionLink_->IsHelpLinked(); }

void TvgControl::SetHelpContext(int32_t context) {
  helpContext_ = context;
  if (!Loading()) helpType_ = htContext;
}

int TvgControl::TabOrder() const {
  if (!Parent() || !Parent()->IsVisual()) return -1;
  const auto& list = Parent()->Visual()->TabList();
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : int(it - list.begin());
}

// Read from a stream, the order waits for the parent's Loaded, which sorts its tab list by it.
void TvgControl::SetTabOrder(int order) {
  if (Loading()) SetStoredTabOrder(order);
  else if (Parent() && Parent()->IsVisual()) Parent()->Visual()->MoveInTabList(this, order);
}
