#include "engine/tree/Object.h"

#include <algorithm>

#include "classlib/core/MemoryStream.h"
#include "classlib/core/SysUtils.h"
#include "engine/animation/Animation.h"
#include "engine/animation/AnimationWait.h"
#include "engine/tree/Control.h"
#include "engine/effects/Effect.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObject.h"

CL_PUBLISHED(TvgObject) {
  // The tree itself carries parent and position; streaming them again would only be noise.
  published.Property("Index", &TvgObject::Index, &TvgObject::SetIndex).Stored(false);
  published.Property("Parent", &TvgObject::Parent, &TvgObject::SetParent).Stored(false);
  published.Property("BindingName", &TvgObject::BindingName, &TvgObject::SetBindingName);
  published.Property("ResourceName", &TvgObject::ResourceName, &TvgObject::SetResourceName);
}

TvgObject::TvgObject(TComponent* owner) : TComponent(owner) { vgAddObject(this); }

TvgObject::~TvgObject() { LeaveTree(); }

void TvgObject::BeforeDestruction() {
  TComponent::BeforeDestruction();
  LeaveTree();
}

void TvgObject::LeaveTree() {
  if (leftTree_) return;
  leftTree_ = true;
  Destroying();
  if (scene_) scene_->Notification(this, opRemove);
  ReleaseFreeNotifies();
  vgRemoveObject(this);
  Detach();
  scene_ = nullptr;
  DeleteChildren();
}

void TvgObject::Detach() {
  if (parent_) parent_->RemoveObject(this);
  else if (scene_) scene_->RemoveObject(this);
}

// --- Tree -----------------------------------------------------------------------------------

TvgObject* TvgObject::Children(int index) const {
  return index >= 0 && index < ChildrenCount() ? children_[size_t(index)] : nullptr;
}

int TvgObject::Index() const {
  if (index_ < 0 && parent_) {
    auto& siblings = parent_->children_;
    index_ = int(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
  }
  return index_;
}

void TvgObject::ResetChildIndexes(size_t from) {
  for (size_t i = from; i < children_.size(); ++i) children_[i]->index_ = -1;
}

void TvgObject::MoveChild(TvgObject* child, size_t position) {
  auto& list = children_;
  list.erase(std::find(list.begin(), list.end(), child));
  list.insert(list.begin() + std::min(position, list.size()), child);
  ResetChildIndexes();
}

void TvgObject::SetIndex(int index) {
  if (!parent_) return;
  parent_->MoveChild(this, size_t(std::max(index, 0)));
  if (IsVisual() && parent_->IsVisual() && !Loading()) parent_->Visual()->Realign();
}

void TvgObject::BringToFront() {
  if (!parent_) return;
  parent_->MoveChild(this, parent_->children_.size());
  if (IsVisual()) Visual()->Repaint();
}

void TvgObject::SendToBack() {
  if (!parent_) return;
  parent_->MoveChild(this, 0);
  if (parent_->IsVisual()) parent_->Visual()->Realign();
}

void TvgObject::SortChildren(const std::function<bool(TvgObject*, TvgObject*)>& less) {
  std::stable_sort(children_.begin(), children_.end(), less);
  ResetChildIndexes();
}

void TvgObject::AddObjectsToList(std::vector<TvgObject*>& list) {
  list.push_back(this);
  for (TvgObject* child : children_) child->AddObjectsToList(list);
}

void TvgObject::AddControlsToList(std::vector<TvgControl*>& list) {
  if (auto* control = dynamic_cast<TvgControl*>(this)) list.push_back(control);
  for (TvgObject* child : children_) child->AddControlsToList(list);
}

bool TvgObject::IsAncestorOrSelf(const TvgObject* object) const {
  for (const TvgObject* o = this; o; o = o->parent_)
    if (o == object) return true;
  return false;
}

void TvgObject::SetScene(IvgWindowScene* scene) {
  scene_ = scene;
  for (TvgObject* child : children_) child->SetScene(scene);
}

// A cycle is refused before the object leaves its parent, so that it stays where it was.
void TvgObject::SetParent(TvgObject* parent) {
  if (parent == parent_ || (parent && parent->IsAncestorOrSelf(this))) return;
  Detach();
  if (parent) parent->AddObject(this);
}

void TvgObject::AddObject(TvgObject* object) {
  // Adopting itself or an ancestor would make the tree a cycle.
  if (!object || IsAncestorOrSelf(object)) return;
  object->Detach();
  children_.push_back(object);
  object->parent_ = this;
  object->index_ = -1;
  object->SetScene(scene_);
  object->ParentChanged();
  if (IsVisual()) Visual()->ChildAdded(object);
}

void TvgObject::RemoveObject(TvgObject* object) {
  auto it = std::find(children_.begin(), children_.end(), object);
  if (it == children_.end()) return;
  if (IsVisual()) Visual()->ChildRemoving(object);
  object->parent_ = nullptr;
  object->SetScene(nullptr);
  size_t position = size_t(it - children_.begin());
  ResetChildIndexes(position);
  children_.erase(children_.begin() + position);
  if (IsVisual()) Visual()->ChildRemoved(object);
}

void TvgObject::Exchange(TvgObject* object1, TvgObject* object2) {
  auto first = std::find(children_.begin(), children_.end(), object1);
  auto second = std::find(children_.begin(), children_.end(), object2);
  if (first == children_.end() || second == children_.end()) return;
  std::iter_swap(first, second);
  std::swap(object1->index_, object2->index_);
  if (IsVisual() && !Loading()) Visual()->Realign();
}

void TvgObject::DeleteChildren() {
  while (!children_.empty()) {
    TvgObject* child = children_.back();
    children_.pop_back();
    child->parent_ = nullptr;
    child->index_ = -1;
    child->SetScene(nullptr);
    child->Free();
  }
}

// --- Finding --------------------------------------------------------------------------------

TvgObject* TvgObject::FindResource(const std::string& name) {
  if (name.empty()) return nullptr;
  for (TvgObject* child : children_) {
    if (SameText(child->resourceName_, name)) return child;
    if (dynamic_cast<TvgControl*>(child)) continue;  // a control's parts are its own business
    if (TvgObject* found = child->FindResource(name)) return found;
  }
  return nullptr;
}

TvgObject* TvgObject::FindBinding(const std::string& name) {
  if (SameText(bindingName_, name)) return this;
  for (TvgObject* child : children_)
    if (TvgObject* found = child->FindBinding(name)) return found;
  return nullptr;
}

Variant TvgObject::GetBinding(const std::string& name) {
  TvgObject* object = FindBinding(name);
  return object ? object->GetData() : Variant("");
}

void TvgObject::SetBinding(const std::string& name, const Variant& value) {
  TvgObject* object = FindBinding(name);
  if (!object) return;
  try {
    object->SetData(value);
  } catch (const std::exception&) {
    // A value the bound object cannot take leaves it as it was.
  }
}

Variant TvgObject::GetData() { return Variant(Name()); }

// --- Resources and storing -------------------------------------------------------------------

void TvgObject::SetStored(bool stored) {
  if (stored == stored_) return;
  stored_ = stored;
  for (TvgObject* child : children_) child->SetStored(stored);
}

void TvgObject::UpdateResource() {
  if (Loading() || HasState(csDestroying)) return;
  for (TvgObject* child : children_) child->UpdateResource();
}

void TvgObject::AddFreeNotify(TObject* object) {
  if (object && std::find(freeNotifies_.begin(), freeNotifies_.end(), object) == freeNotifies_.end())
    freeNotifies_.push_back(object);
}

void TvgObject::RemoveFreeNotify(TObject* object) { std::erase(freeNotifies_, object); }

bool TvgObject::HasFreeNotify(const TObject* object) const {
  return std::find(freeNotifies_.begin(), freeNotifies_.end(), object) != freeNotifies_.end();
}

void TvgObject::ReleaseFreeNotifies() {
  while (!freeNotifies_.empty()) {
    TObject* referrer = freeNotifies_.back();
    freeNotifies_.pop_back();
    if (auto* sink = dynamic_cast<IvgFreeNotify*>(referrer)) sink->FreeNotify(this);
    else if (auto* component = dynamic_cast<TComponent*>(referrer)) component->Notification(this, opRemove);
  }
}

// --- Animations and effects -----------------------------------------------------------------
// Triggers pass into the locked parts of a style (locked, not hit-testing visual children); the
// animations and effects among the children answer them.

bool TvgObject::IsStylePart(const TvgObject* child) {
  return child->IsVisual() && child->Visual()->Locked() && !child->Visual()->HitTest();
}

namespace {

// Starting and stopping run handlers that may free children or add new ones: the walk goes over a
// copy of the list and passes over the children that have left meanwhile.
template <class F>
void ForEachRemainingChild(const std::vector<TvgObject*>& children, F action) {
  const std::vector<TvgObject*> snapshot = children;
  for (TvgObject* child : snapshot)
    if (std::find(children.begin(), children.end(), child) != children.end()) action(child);
}

TvgAnimation* NamedAnimation(TvgObject* child, const std::string& name) {
  auto* animation = dynamic_cast<TvgAnimation*>(child);
  return animation && SameText(animation->Name(), name) ? animation : nullptr;
}

}  // namespace

void TvgObject::StartAnimation(const std::string& name) {
  ForEachRemainingChild(children_, [&](TvgObject* child) {
    if (TvgAnimation* animation = NamedAnimation(child, name)) animation->Start();
  });
}

void TvgObject::StopAnimation(const std::string& name) {
  ForEachRemainingChild(children_, [&](TvgObject* child) {
    if (TvgAnimation* animation = NamedAnimation(child, name)) animation->Stop();
  });
}

void TvgObject::StopTriggerAnimation(TvgObject* instance) {
  ForEachRemainingChild(children_, [&](TvgObject* child) {
    auto* animation = dynamic_cast<TvgAnimation*>(child);
    if (animation && !animation->Trigger().empty()) animation->Stop();
    else if (IsStylePart(child)) child->StopTriggerAnimation(instance);
  });
}

void TvgObject::StartTriggerAnimation(TvgObject* instance, const std::string& trigger) {
  StopTriggerAnimation(instance);
  ForEachRemainingChild(children_, [&](TvgObject* child) {
    if (auto* animation = dynamic_cast<TvgAnimation*>(child)) animation->StartTrigger(instance, trigger);
    else if (IsStylePart(child)) child->StartTriggerAnimation(instance, trigger);
  });
}

void TvgObject::StartTriggerAnimationWait(TvgObject* instance, const std::string& trigger) {
  StopTriggerAnimation(instance);
  ForEachRemainingChild(children_, [&](TvgObject* child) {
    if (auto* animation = dynamic_cast<TvgAnimation*>(child)) {
      animation->StartTrigger(instance, trigger);
      vgWaitForAnimation(animation);
    } else if (IsStylePart(child)) {
      child->StartTriggerAnimationWait(instance, trigger);
    }
  });
}

void TvgObject::ApplyTriggerEffect(TvgObject* instance, const std::string& trigger) {
  for (TvgObject* child : children_) {
    if (auto* effect = dynamic_cast<TvgEffect*>(child)) effect->ApplyTrigger(instance, trigger);
    else if (IsStylePart(child)) child->ApplyTriggerEffect(instance, trigger);
  }
}

// --- Streaming and cloning -------------------------------------------------------------------

TComponent* TvgObject::GetParentComponent() const {
  if (parent_ && parent_->ChildrenStreamedByParent()) return parent_->parent_;
  if (parent_) return parent_;
  return scene_ ? scene_->GetComponent() : nullptr;
}

void TvgObject::SetParentComponent(TComponent* component) {
  TComponent::SetParentComponent(component);
  Detach();
  if (auto* object = dynamic_cast<TvgObject*>(component)) object->AddObject(this);
  else if (auto* scene = dynamic_cast<IvgWindowScene*>(component)) scene->AddObject(this);
}

void TvgObject::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  TComponent::GetChildren(proc, root);
  if (ChildrenStreamedByParent()) return;
  for (TvgObject* child : children_) {
    if (child->ChildrenStreamedByParent())
      for (TvgObject* item : child->children_)
        if (item->stored_) proc(item);
    if (child->stored_) proc(child);
  }
}

TvgObject* TvgObject::Clone(TComponent* owner) {
  TMemoryStream stream;
  std::string name = Name();
  SetName("");
  try {
    vgSaveObjectToStream(this, stream);
  } catch (...) {
    SetName(name);
    throw;
  }
  SetName(name);
  auto* copy = dynamic_cast<TvgObject*>(ClassType()->Construct(owner));
  if (!copy) return nullptr;
  stream.SetPosition(0);
  vgReadObjectFromStream(copy, stream);
  return copy;
}
