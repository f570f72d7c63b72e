#pragma once
// Components: an owner frees what it owns; names are unique among an owner's components;
// free notifications tell components that refer to each other when one goes.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "classlib/core/Persistent.h"

CL_ENUM(TComponentStateItem, csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor,
        csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance)
using TComponentState = TSet<TComponentStateItem>;
CL_ENUM(TOperation, opInsert, opRemove)

class TComponent : public TPersistent {
  CL_CLASS(TComponent, TPersistent)
public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  void BeforeDestruction() override;

  const std::string& Name() const { return name_; }
  virtual void SetName(const std::string& name);  // EComponentError on invalid or duplicate names
  int32_t Tag() const { return tag_; }
  void SetTag(int32_t tag) { tag_ = tag; }

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return int(components_.size()); }
  TComponent* Components(int index) const;
  int ComponentIndex() const;
  TComponent* FindComponent(std::string_view name) const;  // case-insensitive; nullptr when none
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void DestroyComponents();

  TComponentState ComponentState() const { return state_; }
  bool HasState(TComponentStateItem item) const { return state_.Contains(item); }
  // Used by the streaming system and by designers.
  void SetState(TComponentStateItem item, bool on);
  void SetDesigning(bool designing, bool setChildren = true);
  // A sub-component is part of its owner: a property holding it streams its properties in place
  // ("Label.Text") rather than a reference by name.
  bool IsSubComponent() const { return subComponent_; }
  void SetSubComponent(bool subComponent) { subComponent_ = subComponent; }
  void Destroying();

  // Mutual: each side is notified (opRemove) when the other is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);
  // Receivers may only compare the pointer of a component that is being removed.
  virtual void Notification(TComponent* component, TOperation operation);

  virtual void Loaded();  // after reading: clears csLoading
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent*) {}
  virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);
  virtual void SetChildOrder(TComponent*, int) {}
  // Where the children read from a stream go: their owner (nullptr: the root) and parent.
  virtual TComponent* GetChildOwner() { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }
  virtual void ReadState(TReader& reader);
  virtual void WriteState(TWriter& writer);
  virtual void ValidateRename(TComponent* component, const std::string& currentName, const std::string& newName);

private:
  void RemoveFreeNotifications();
  TComponent* owner_ = nullptr;
  std::string name_;
  int32_t tag_ = 0;
  TComponentState state_;
  bool subComponent_ = false;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
};

bool IsValidIdent(std::string_view name);
