#pragma once
// TvgObject: the root of every scene object. Besides the component's owner it keeps a tree of
// its own (ordered children, Parent, the hosting scene), finds objects by resource and binding
// name, tells the objects that refer to it when it goes, and saves, reads and clones itself
// through component streams.
#include <functional>
#include <string>
#include <vector>

#include "classlib/core/Component.h"
#include "classlib/core/Variant.h"

class IvgWindowScene;
class TvgObject;
class TvgVisualObject;
class TvgControl;

// What an object that refers to a TvgObject implements to have that reference cleared when the
// object is destroyed (brushes showing a visual, resource brushes, paths, bitmaps).
class IvgFreeNotify {
public:
  virtual void FreeNotify(TvgObject* object) = 0;

protected:
  ~IvgFreeNotify() = default;
};

class TvgObject : public TComponent {
  CL_CLASS(TvgObject, TComponent)
public:
  explicit TvgObject(TComponent* owner);
  ~TvgObject() override;
  void BeforeDestruction() override;

  // Tree.
  TvgObject* Parent() const { return parent_; }
  int ChildrenCount() const { return int(children_.size()); }
  TvgObject* Children(int index) const;  // nullptr when out of range
  int Index() const;                     // position among the parent's children, -1 without parent
  void SetIndex(int index);
  void BringToFront();
  void SendToBack();
  void SortChildren(const std::function<bool(TvgObject*, TvgObject*)>& less);
  void AddObjectsToList(std::vector<TvgObject*>& list);
  void AddControlsToList(std::vector<TvgControl*>& list);
  IvgWindowScene* Scene() const { return scene_; }
  bool IsVisual() const { return visual_ != nullptr; }
  TvgVisualObject* Visual() const { return visual_; }

  // Names.
  const std::string& ResourceName() const { return resourceName_; }
  void SetResourceName(const std::string& name) { resourceName_ = name; }
  const std::string& BindingName() const { return bindingName_; }
  void SetBindingName(const std::string& name) { bindingName_ = name; }
  TvgObject* FindBinding(const std::string& name);

  // Only stored objects are streamed and found by vgFindResourceObject.
  bool Stored() const { return stored_; }
  void SetStored(bool stored);

  // Free for the object's users; neither owned nor streamed.
  TObject* TagObject = nullptr;
  std::string TagString;

  // Objects (components or IvgFreeNotify implementers) that refer to this one.
  void AddFreeNotify(TObject* object);
  void RemoveFreeNotify(TObject* object);
  bool HasFreeNotify(const TObject* object) const;

  // A copy with the same published properties and stored children, and no name.
  TvgObject* Clone(TComponent* owner);

  // Streaming: children travel through GetChildren and SetParentComponent.
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* component) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

  // True for containers (a control's content, a combo's list) whose children are streamed as
  // children of the control that holds the container.
  virtual bool ChildrenStreamedByParent() const { return false; }

  virtual void SetScene(IvgWindowScene* scene);
  virtual void ParentChanged() {}
  virtual void SetParent(TvgObject* parent);
  virtual Variant GetBinding(const std::string& name);
  virtual void SetBinding(const std::string& name, const Variant& value);
  virtual Variant GetData();
  virtual void SetData(const Variant&) {}
  virtual std::string GetItemClasses() { return ""; }
  virtual void AddObject(TvgObject* object);
  virtual void RemoveObject(TvgObject* object);
  virtual void Exchange(TvgObject* object1, TvgObject* object2);
  virtual void DeleteChildren();
  virtual TvgObject* FindResource(const std::string& name);
  virtual void UpdateResource();
  virtual void StartAnimation(const std::string& name);
  virtual void StopAnimation(const std::string& name);
  virtual void StartTriggerAnimation(TvgObject* instance, const std::string& trigger);
  virtual void StartTriggerAnimationWait(TvgObject* instance, const std::string& trigger);
  virtual void StopTriggerAnimation(TvgObject* instance);
  virtual void ApplyTriggerEffect(TvgObject* instance, const std::string& trigger);

protected:
  // Set once by TvgVisualObject's constructor.
  void SetVisual(TvgVisualObject* visual) { visual_ = visual; }
  // Leaves the tree, the scene and the lists; safe to call more than once. Runs while the object
  // is still whole (from BeforeDestruction) or, for objects deleted directly, from the
  // destructor of the class that holds the state the leaving touches.
  void LeaveTree();
  bool Loading() const { return HasState(csLoading); }
  // Points the parent link elsewhere without moving the object between children lists: a visual
  // object paints itself as if it sat under another object, and sets the link back right after.
  void SetParentLink(TvgObject* parent) { parent_ = parent; }

private:
  void Detach();
  void ResetChildIndexes(size_t from = 0);
  void MoveChild(TvgObject* child, size_t position);
  void ReleaseFreeNotifies();
  bool IsAncestorOrSelf(const TvgObject* object) const;
  static bool IsStylePart(const TvgObject* child);

  TvgObject* parent_ = nullptr;
  IvgWindowScene* scene_ = nullptr;
  TvgVisualObject* visual_ = nullptr;
  std::vector<TvgObject*> children_;
  std::vector<TObject*> freeNotifies_;
  std::string resourceName_;
  std::string bindingName_;
  mutable int index_ = -1;
  bool stored_ = true;
  bool leftTree_ = false;
};
