#pragma once
// An action list: the component that holds a form's actions (streamed as its children) and the
// image list their image indexes refer to. It frees its actions when it goes.
#include <vector>

#include "classlib/core/Component.h"

class TContainedAction;
class TCustomImageList;

class TCustomActionList : public TComponent {
  CL_CLASS(TCustomActionList, TComponent)
public:
  using TComponent::TComponent;
  ~TCustomActionList() override;

  int ActionCount() const { return int(actions_.size()); }
  TContainedAction* Actions(int index) const { return actions_.at(size_t(index)); }
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);

  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TContainedAction;
  void AddAction(TContainedAction* action);
  void RemoveAction(TContainedAction* action);

  std::vector<TContainedAction*> actions_;
  TCustomImageList* images_ = nullptr;
};

class TActionList : public TCustomActionList {
  CL_CLASS(TActionList, TCustomActionList)
public:
  using TCustomActionList::TCustomActionList;
};
