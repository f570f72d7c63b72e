#include "classlib/desktop/ActionList.h"

#include <algorithm>

#include "classlib/desktop/Action.h"
#include "classlib/desktop/ImageList.h"

CL_PUBLISHED(TCustomActionList) {}

CL_PUBLISHED(TActionList) {
  published.Property("Images", &TActionList::Images, &TActionList::SetImages);
}

TCustomActionList::~TCustomActionList() {
  while (!actions_.empty()) actions_.back()->Free();
  SetImages(nullptr);
}

void TCustomActionList::SetImages(TCustomImageList* images) {
  if (images == images_) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images_) images_->FreeNotification(this);
}

void TCustomActionList::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TCustomActionList::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  for (TContainedAction* action : actions_)
    if (action->Owner() == root) proc(action);
}

void TCustomActionList::AddAction(TContainedAction* action) {
  if (std::find(actions_.begin(), actions_.end(), action) == actions_.end()) actions_.push_back(action);
}

void TCustomActionList::RemoveAction(TContainedAction* action) { std::erase(actions_, action); }
