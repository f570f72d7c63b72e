#include "classlib/core/Component.h"

#include <algorithm>

#include "classlib/core/Reader.h"
#include "classlib/core/SysUtils.h"
#include "classlib/core/Writer.h"

CL_PUBLISHED(TComponent) {
  published.Property("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
  published.Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

bool IsValidIdent(std::string_view name) {
  auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (name.empty() || !alpha(name[0])) return false;
  return std::all_of(name.begin() + 1, name.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

void TComponent::BeforeDestruction() { Destroying(); }

TComponent::~TComponent() {
  Destroying();
  RemoveFreeNotifications();
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::SetState(TComponentStateItem item, bool on) {
  if (on) state_.Include(item);
  else state_.Exclude(item);
}

void TComponent::SetDesigning(bool designing, bool setChildren) {
  SetState(csDesigning, designing);
  if (setChildren)
    for (TComponent* c : components_) c->SetDesigning(designing, true);
}

void TComponent::SetName(const std::string& name) {
  if (name_ == name) return;
  if (!name.empty() && !IsValidIdent(name))
    throw EComponentError("'" + name + "' is not a valid component name");
  if (owner_) owner_->ValidateRename(this, name_, name);
  else ValidateRename(nullptr, name_, name);
  name_ = name;
}

void TComponent::ValidateRename(TComponent* component, const std::string& currentName, const std::string& newName) {
  if (!component || newName.empty() || SameText(currentName, newName)) return;
  TComponent* existing = FindComponent(newName);
  if (existing && existing != component)
    throw EComponentError("A component named " + newName + " already exists");
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError(Format("List index out of bounds (%d)", index));
  return components_[size_t(index)];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  auto& list = owner_->components_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : int(it - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_) component->owner_->RemoveComponent(component);
  ValidateRename(component, "", component->name_);
  components_.push_back(component);
  component->owner_ = this;
  if (state_.Contains(csDesigning)) component->SetDesigning(true);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find(components_.begin(), components_.end(), component);
  if (it == components_.end()) return;
  Notification(component, opRemove);
  components_.erase(std::find(components_.begin(), components_.end(), component));
  component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* doomed = components_.back();
    RemoveComponent(doomed);
    doomed->Free();
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
    freeNotifies_.push_back(component);
  if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
      component->freeNotifies_.end())
    component->freeNotifies_.push_back(this);
  state_.Include(csFreeNotification);
  component->state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  std::erase(freeNotifies_, component);
  std::erase(component->freeNotifies_, this);
}

void TComponent::RemoveFreeNotifications() {
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    RemoveFreeNotification(other);
    other->Notification(this, opRemove);
  }
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) RemoveFreeNotification(component);
  // Owned components hear of every insertion and removal their owner sees; the list can shrink
  // while they react.
  for (size_t i = components_.size(); i-- > 0;) {
    if (i >= components_.size()) continue;
    components_[i]->Notification(component, operation);
  }
}

void TComponent::Loaded() { SetState(csLoading, false); }

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

void TComponent::ReadState(TReader& reader) { reader.ReadData(this); }

void TComponent::WriteState(TWriter& writer) { writer.WriteData(this); }
