#include "classlib/desktop/BasicAction.h"

#include <algorithm>

CL_PUBLISHED(TBasicAction) {
  published.Property("OnExecute", &TBasicAction::OnExecute, &TBasicAction::SetOnExecute);
  published.Property("OnUpdate", &TBasicAction::OnUpdate, &TBasicAction::OnUpdate);
}

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

TBasicAction::~TBasicAction() {
  while (!clients_.empty()) clients_.back()->SetAction(nullptr);
}

void TBasicAction::SetActionComponent(TComponent* component) {
  if (component == actionComponent_) return;
  if (actionComponent_) actionComponent_->RemoveFreeNotification(this);
  actionComponent_ = component;
  if (actionComponent_) actionComponent_->FreeNotification(this);
}

void TBasicAction::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == actionComponent_) actionComponent_ = nullptr;
}

void TBasicAction::SetOnExecute(const TNotifyEvent& handler) {
  const std::vector<TBasicActionLink*> clients = clients_;
  for (TBasicActionLink* link : clients)
    if (link->IsOnExecuteLinked()) link->SetOnExecute(handler);
  onExecute_ = handler;
  Change();
}

bool TBasicAction::Execute() {
  if (!onExecute_) return false;
  onExecute_(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* link) {
  if (std::find(clients_.begin(), clients_.end(), link) == clients_.end()) clients_.push_back(link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* link) { std::erase(clients_, link); }

void TBasicAction::Change() {
  OnChange(this);
  const std::vector<TBasicActionLink*> clients = clients_;
  for (TBasicActionLink* link : clients) link->Change();
}

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* action) {
  if (action == action_) return;
  if (action_) action_->UnRegisterChanges(this);
  action_ = action;
  if (action_) action_->RegisterChanges(this);
}

// The action may be freed by its own handler.
bool TBasicActionLink::Execute(TComponent* component) {
  if (!action_) return false;
  TBasicAction* action = action_;
  action->SetActionComponent(component);
  const bool executed = action->Execute();
  if (action_ == action) action->SetActionComponent(nullptr);
  return executed;
}

bool TBasicActionLink::Update() { return action_ && action_->Update(); }
