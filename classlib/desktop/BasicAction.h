#pragma once
// Actions: a basic action is a component whose OnExecute carries out a command and whose OnUpdate
// brings its state up to date; the controls and items that show it hold an action link, through
// which the action tells them of its changes and they execute and update it.
#include <vector>

#include "classlib/core/Component.h"

class TBasicActionLink;

class TBasicAction : public TComponent {
  CL_CLASS(TBasicAction, TComponent)
public:
  explicit TBasicAction(TComponent* owner);
  ~TBasicAction() override;

  // The component that executes the action, for the time of Execute through a link.
  TComponent* ActionComponent() const { return actionComponent_; }
  void SetActionComponent(TComponent* component);

  // OnExecute, when assigned: true. OnUpdate likewise.
  virtual bool Execute();
  virtual bool Update();

  int ClientCount() const { return int(clients_.size()); }
  TBasicActionLink* Clients(int index) const { return clients_.at(size_t(index)); }
  void RegisterChanges(TBasicActionLink* link);
  void UnRegisterChanges(TBasicActionLink* link);

  void Notification(TComponent* component, TOperation operation) override;

  // Links whose client's handler is still the old one take the new one.
  const TNotifyEvent& OnExecute() const { return onExecute_; }
  void SetOnExecute(const TNotifyEvent& handler);
  TNotifyEvent OnUpdate;

protected:
  // OnChange, then each link's change handler.
  virtual void Change();
  TNotifyEvent OnChange;

private:
  std::vector<TBasicActionLink*> clients_;
  TComponent* actionComponent_ = nullptr;
  TNotifyEvent onExecute_;
};

// What a client holds to follow an action; the action forgets its links when it goes, and a link
// leaves its action when it goes.
class TBasicActionLink : public TObject {
public:
  explicit TBasicActionLink(TObject* client) : client_(client) {}
  ~TBasicActionLink() override;

  TBasicAction* Action() const { return action_; }
  virtual void SetAction(TBasicAction* action);
  TObject* Client() const { return client_; }

  // Executes the action with the component as its action component.
  virtual bool Execute(TComponent* component = nullptr);
  virtual bool Update();

  TNotifyEvent OnChange;

protected:
  friend class TBasicAction;
  virtual void Change() { OnChange(action_); }
  virtual bool IsOnExecuteLinked() { return true; }
  virtual void SetOnExecute(const TNotifyEvent&) {}

private:
  TObject* client_;
  TBasicAction* action_ = nullptr;
};
