#include "classlib/desktop/Action.h"

#include "classlib/desktop/ActionList.h"

CL_PUBLISHED(TContainedAction) {
  published.Property("Category", &TContainedAction::Category, &TContainedAction::SetCategory);
}

CL_PUBLISHED(TCustomAction) {}

CL_PUBLISHED(TAction) {
  using A = TAction;
  published.Property("Caption", &A::Caption, &A::SetCaption);
  published.Property("Checked", &A::Checked, &A::SetChecked).Default(false);
  published.Property("Enabled", &A::Enabled, &A::SetEnabled).Default(true);
  published.Property("HelpContext", &A::HelpContext, &A::SetHelpContext).Default(0);
  published.Property("HelpKeyword", &A::HelpKeyword, &A::SetHelpKeyword);
  published.Property("HelpType", &A::HelpType, &A::SetHelpType).Default(htKeyword);
  published.Property("Hint", &A::Hint, &A::SetHint);
  published.Property("ImageIndex", &A::ImageIndex, &A::SetImageIndex).Default(-1);
  published.Property("Visible", &A::Visible, &A::SetVisible).Default(true);
  published.Property("OnHint", &A::OnHint, &A::OnHint);
}

// --- Contained action -------------------------------------------------------------------------

TContainedAction::~TContainedAction() { SetActionList(nullptr); }

void TContainedAction::SetActionList(TCustomActionList* list) {
  if (list == actionList_) return;
  if (actionList_) actionList_->RemoveAction(this);
  actionList_ = list;
  if (actionList_) actionList_->AddAction(this);
}

int TContainedAction::Index() const {
  if (!actionList_) return -1;
  for (int i = 0; i < actionList_->ActionCount(); ++i)
    if (actionList_->Actions(i) == this) return i;
  return -1;
}

TComponent* TContainedAction::GetParentComponent() const { return actionList_; }

void TContainedAction::SetParentComponent(TComponent* parent) {
  if (auto* list = dynamic_cast<TCustomActionList*>(parent)) SetActionList(list);
}

// --- Custom action ----------------------------------------------------------------------------

// The clients' links hear of the new value first, while they can still compare it with the old.
template <class T, class Apply>
void TCustomAction::Change(T& field, const T& value, Apply apply) {
  if (field == value) return;
  for (int i = ClientCount() - 1; i >= 0; --i)
    if (auto* link = dynamic_cast<TActionLink*>(Clients(i))) apply(*link, value);
  field = value;
  TBasicAction::Change();
}

void TCustomAction::SetCaption(const std::string& caption) {
  Change(caption_, caption, [](TActionLink& link, const std::string& v) { link.SetCaption(v); });
}

void TCustomAction::SetChecked(bool checked) {
  Change(checked_, checked, [](TActionLink& link, bool v) { link.SetChecked(v); });
}

void TCustomAction::SetEnabled(bool enabled) {
  Change(enabled_, enabled, [](TActionLink& link, bool v) { link.SetEnabled(v); });
}

void TCustomAction::SetHelpContext(int32_t context) {
  Change(helpContext_, context, [](TActionLink& link, int32_t v) { link.SetHelpContext(v); });
}

void TCustomAction::SetHelpKeyword(const std::string& keyword) {
  Change(helpKeyword_, keyword, [](TActionLink& link, const std::string& v) { link.SetHelpKeyword(v); });
}

void TCustomAction::SetHelpType(THelpType type) {
  Change(helpType_, type, [](TActionLink& link, THelpType v) { link.SetHelpType(v); });
}

void TCustomAction::SetHint(const std::string& hint) {
  Change(hint_, hint, [](TActionLink& link, const std::string& v) { link.SetHint(v); });
}

void TCustomAction::SetImageIndex(int32_t index) {
  Change(imageIndex_, index, [](TActionLink& link, int32_t v) { link.SetImageIndex(v); });
}

void TCustomAction::SetVisible(bool visible) {
  Change(visible_, visible, [](TActionLink& link, bool v) { link.SetVisible(v); });
}

bool TCustomAction::Execute() {
  Update();
  return enabled_ && TContainedAction::Execute();
}

bool TCustomAction::DoHint(std::string& hint) {
  bool canShow = true;
  OnHint(hint, canShow);
  return canShow;
}
