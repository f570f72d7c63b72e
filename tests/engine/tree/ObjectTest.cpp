#include "engine/tree/Object.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/core/SysUtils.h"
#include "engine/paint/Brush.h"
#include "engine/tree/Content.h"
#include "engine/tree/Control.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/tree/VisualObject.h"
#include "tests/support/RecordingScene.h"

namespace {

class ObjectTree : public ::testing::Test {
protected:
  TComponent owner{nullptr};

  template <class T = TvgObject>
  T* Make(TvgObject* parent = nullptr, const std::string& resourceName = "") {
    auto* object = new T(&owner);
    object->SetResourceName(resourceName);
    if (parent) parent->AddObject(object);
    return object;
  }

  static std::vector<TvgObject*> ChildrenOf(TvgObject* parent) {
    std::vector<TvgObject*> list;
    for (int i = 0; i < parent->ChildrenCount(); ++i) list.push_back(parent->Children(i));
    return list;
  }

  static void ExpectTrueIndexes(TvgObject* parent) {
    for (int i = 0; i < parent->ChildrenCount(); ++i) EXPECT_EQ(parent->Children(i)->Index(), i);
  }
};

// An object whose value cannot be set, as a control with a bad value would refuse it.
class TRefusingObject : public TvgObject {
public:
  using TvgObject::TvgObject;
  void SetData(const Variant&) override { throw EConvertError("refused"); }
};

// Keeps the order in which objects it watches announce their end.
class TWatcher : public TComponent {
public:
  TWatcher() : TComponent(nullptr) {}
  std::vector<TComponent*> removed;
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == opRemove) removed.push_back(component);
  }
};

TEST_F(ObjectTree, KeepsChildrenInOrderWithTheirParent) {
  auto* root = Make();
  auto* a = Make(root);
  auto* b = Make(root);
  EXPECT_EQ(ChildrenOf(root), (std::vector<TvgObject*>{a, b}));
  EXPECT_EQ(a->Parent(), root);
  EXPECT_EQ(root->Children(2), nullptr);
  EXPECT_EQ(root->Children(-1), nullptr);
  EXPECT_EQ(a->ChildrenCount(), 0);
  EXPECT_EQ(a->Children(0), nullptr);
  ExpectTrueIndexes(root);
}

TEST_F(ObjectTree, AddingMovesFromTheOldParentAndNeverDuplicates) {
  auto* first = Make();
  auto* second = Make();
  auto* child = Make(first);
  second->AddObject(child);
  EXPECT_EQ(first->ChildrenCount(), 0);
  EXPECT_EQ(child->Parent(), second);
  second->AddObject(child);
  EXPECT_EQ(second->ChildrenCount(), 1);
  first->SetIndex(3);  // no parent: nothing happens
  child->SetParent(first);
  EXPECT_EQ(ChildrenOf(first), std::vector<TvgObject*>{child});
  EXPECT_EQ(second->ChildrenCount(), 0);
}

TEST_F(ObjectTree, RefusesToAdoptItselfOrAnAncestor) {
  auto* root = Make();
  auto* child = Make(root);
  auto* grandchild = Make(child);
  child->AddObject(root);
  grandchild->AddObject(child);
  root->AddObject(root);
  EXPECT_EQ(root->Parent(), nullptr);
  EXPECT_EQ(child->Parent(), root);
  EXPECT_EQ(grandchild->Parent(), child);
  EXPECT_EQ(ChildrenOf(grandchild), std::vector<TvgObject*>{});
}

// Moving a subtree under its own descendant leaves it where it was instead of out of the tree.
TEST_F(ObjectTree, SetParentRefusesACycleAndKeepsTheObjectInPlace) {
  auto* root = Make();
  auto* child = Make(root);
  auto* grandchild = Make(child);
  child->SetParent(grandchild);
  child->SetParent(child);
  EXPECT_EQ(child->Parent(), root);
  EXPECT_EQ(ChildrenOf(root), std::vector<TvgObject*>{child});
  EXPECT_EQ(ChildrenOf(child), std::vector<TvgObject*>{grandchild});
  root->SetParent(grandchild);
  EXPECT_EQ(root->Parent(), nullptr);
  grandchild->SetParent(root);
  EXPECT_EQ(ChildrenOf(root), (std::vector<TvgObject*>{child, grandchild})) << "moving down-to-up still works";
}

TEST_F(ObjectTree, IndexFollowsEveryReordering) {
  auto* root = Make();
  auto* a = Make(root);
  auto* b = Make(root);
  auto* c = Make(root);
  struct Step {
    const char* what;
    std::function<void()> action;
    std::vector<TvgObject*> expected;
  } steps[] = {
      {"SetIndex 0", [&] { c->SetIndex(0); }, {c, a, b}},
      {"SetIndex past the end", [&] { c->SetIndex(99); }, {a, b, c}},
      {"SetIndex below 0", [&] { b->SetIndex(-5); }, {b, a, c}},
      {"BringToFront", [&] { b->BringToFront(); }, {a, c, b}},
      {"SendToBack", [&] { c->SendToBack(); }, {c, a, b}},
      {"Exchange", [&] { root->Exchange(c, b); }, {b, a, c}},
      {"Exchange with a stranger", [&] { root->Exchange(a, root); }, {b, a, c}},
      {"SortChildren", [&] { root->SortChildren([&](TvgObject* x, TvgObject* y) { return x == a && y != a; }); },
       {a, b, c}},
      {"RemoveObject", [&] { root->RemoveObject(b); }, {a, c}},
  };
  for (auto& step : steps) {
    SCOPED_TRACE(step.what);
    a->Index(), b->Index(), c->Index();  // fill the cached positions before each change
    step.action();
    EXPECT_EQ(ChildrenOf(root), step.expected);
    ExpectTrueIndexes(root);
  }
  EXPECT_EQ(b->Parent(), nullptr);
  EXPECT_EQ(b->Index(), -1);
}

TEST_F(ObjectTree, ListsDescendantsDepthFirst) {
  auto* root = Make();
  auto* a = Make(root);
  auto* a1 = Make(a);
  auto* control = Make<TvgControl>(root);
  auto* inControl = Make(control);
  auto* nestedControl = Make<TvgControl>(inControl);
  std::vector<TvgObject*> all;
  root->AddObjectsToList(all);
  EXPECT_EQ(all, (std::vector<TvgObject*>{root, a, a1, control, inControl, nestedControl}));
  std::vector<TvgControl*> controls;
  root->AddControlsToList(controls);
  EXPECT_EQ(controls, (std::vector<TvgControl*>{control, nestedControl}));
}

TEST_F(ObjectTree, FindResourceSearchesPlainObjectsButNotInsideControls) {
  auto* root = Make();
  auto* group = Make(root);
  auto* nested = Make(group, "Background");
  auto* control = Make<TvgControl>(root, "buttonstyle");
  Make(control, "text");
  auto* later = Make(root, "background");
  EXPECT_EQ(root->FindResource("BACKGROUND"), nested);  // depth first, before the later sibling
  EXPECT_EQ(root->FindResource("ButtonStyle"), control);
  EXPECT_EQ(root->FindResource("text"), nullptr);
  EXPECT_EQ(root->FindResource(""), nullptr);
  EXPECT_EQ(control->FindResource("text")->ResourceName(), "text");  // a control searches its own
  root->RemoveObject(group);
  EXPECT_EQ(root->FindResource("background"), later);
  group->Free();
}

TEST_F(ObjectTree, BindingsMatchTheObjectItselfFirst) {
  auto* root = Make();
  root->SetName("Root");
  root->SetBindingName("value");
  auto* child = Make(root);
  child->SetBindingName("Value");
  child->SetName("Child");
  auto* deep = Make(Make(root));
  deep->SetBindingName("deep");
  deep->SetName("Deep");
  EXPECT_EQ(root->FindBinding("VALUE"), root);
  EXPECT_EQ(root->FindBinding("deep"), deep);
  EXPECT_EQ(root->GetBinding("deep").ToString(), "Deep");
  EXPECT_EQ(root->GetBinding("unknown").ToString(), "");
  EXPECT_TRUE(root->GetBinding("unknown").IsString());
  EXPECT_EQ(child->GetData().ToString(), "Child");
}

TEST_F(ObjectTree, SetBindingSwallowsWhatTheBoundObjectRaises) {
  auto* root = Make();
  auto* refusing = new TRefusingObject(&owner);
  refusing->SetBindingName("amount");
  root->AddObject(refusing);
  EXPECT_NO_THROW(root->SetBinding("amount", Variant("12")));
  EXPECT_NO_THROW(root->SetBinding("nothing", Variant("12")));
}

TEST_F(ObjectTree, StoredFlagReachesEveryDescendant) {
  auto* root = Make();
  auto* child = Make(root);
  auto* grandchild = Make(child);
  EXPECT_TRUE(grandchild->Stored());
  root->SetStored(false);
  EXPECT_FALSE(child->Stored());
  EXPECT_FALSE(grandchild->Stored());
  root->SetStored(true);
  EXPECT_TRUE(grandchild->Stored());
}

TEST_F(ObjectTree, SceneTravelsDownAndLeavesWithTheObject) {
  TRecordingScene scene;
  auto* root = new TvgObject(nullptr);
  scene.AddObject(root);
  auto* child = Make(root);
  auto* grandchild = Make(child);
  EXPECT_EQ(grandchild->Scene(), &scene);
  root->RemoveObject(child);
  EXPECT_EQ(child->Scene(), nullptr);
  EXPECT_EQ(grandchild->Scene(), nullptr);
  root->AddObject(child);
  EXPECT_EQ(grandchild->Scene(), &scene);
  EXPECT_EQ(root->GetParentComponent(), &scene);
  EXPECT_EQ(child->GetParentComponent(), root);
}

TEST_F(ObjectTree, ARootObjectLeavesTheSceneWhenAdopted) {
  TRecordingScene scene;
  auto* root = Make();
  auto* other = Make();
  scene.AddObject(other);
  root->AddObject(other);
  EXPECT_TRUE(scene.roots.empty());
  EXPECT_EQ(other->Parent(), root);
  EXPECT_EQ(other->Scene(), nullptr);
}

TEST_F(ObjectTree, ContentChildrenAreStreamedAsChildrenOfTheControl) {
  auto* control = Make<TvgControl>();
  auto* content = Make<TvgContent>(control);
  auto* item = Make(content);
  auto* hidden = Make(content);
  hidden->SetStored(false);
  auto* own = Make(control);
  EXPECT_EQ(item->GetParentComponent(), control);
  std::vector<TComponent*> written;
  control->GetChildren([&](TComponent* c) { written.push_back(c); }, control);
  EXPECT_EQ(written, (std::vector<TComponent*>{item, content, own}));
  written.clear();
  content->GetChildren([&](TComponent* c) { written.push_back(c); }, control);
  EXPECT_TRUE(written.empty());
}

TEST_F(ObjectTree, DestructionFreesChildrenLastToFirstAndTellsTheScene) {
  TRecordingScene scene;
  auto* root = new TvgObject(nullptr);
  scene.AddObject(root);
  TWatcher watcher;
  auto* a = Make(root);
  auto* b = Make(root);
  a->FreeNotification(&watcher);
  b->FreeNotification(&watcher);
  auto* doomed = Make(root);
  doomed->SetResourceName("doomedstyle");
  doomed->Free();
  EXPECT_EQ(ChildrenOf(root), (std::vector<TvgObject*>{a, b}));
  EXPECT_EQ(vgFindResourceObject("doomedstyle"), nullptr);
  EXPECT_EQ(scene.removals.back(), doomed);
  scene.removals.clear();
  root->Free();
  EXPECT_TRUE(scene.roots.empty());
  EXPECT_EQ(watcher.removed, (std::vector<TComponent*>{b, a}));
  EXPECT_EQ(scene.removals.front(), root);
}

TEST_F(ObjectTree, FreeNotifyClearsReferencesToTheDestroyedObject) {
  auto* shown = Make<TvgVisualObject>();
  TvgBrush brush(vgBrushVisual, 0);
  brush.Visual()->SetVisualObject(shown);
  TWatcher watcher;
  shown->AddFreeNotify(&watcher);
  shown->Free();
  EXPECT_EQ(brush.Visual()->VisualObject(), nullptr);
  EXPECT_EQ(watcher.removed, std::vector<TComponent*>{shown});
}

TEST_F(ObjectTree, AReferrerThatGoesFirstIsForgotten) {
  auto* shown = Make<TvgVisualObject>();
  const TObject* referrer = nullptr;
  {
    TvgBrush brush(vgBrushVisual, 0);
    brush.Visual()->SetVisualObject(shown);
    referrer = brush.Visual();
    ASSERT_TRUE(shown->HasFreeNotify(referrer));
  }
  EXPECT_FALSE(shown->HasFreeNotify(referrer)) << "the freed brush would be told when the object goes";
  shown->Free();
}

TEST_F(ObjectTree, NewestStoredResourceObjectWins) {
  auto* older = Make(nullptr, "buttonstyle");
  auto* newer = Make(nullptr, "ButtonStyle");
  auto* copy = Make(nullptr, "BUTTONSTYLE");
  copy->SetStored(false);
  EXPECT_EQ(vgFindResourceObject("buttonstyle"), newer);
  newer->Free();
  EXPECT_EQ(vgFindResourceObject("buttonStyle"), older);
  older->Free();
  EXPECT_EQ(vgFindResourceObject("buttonstyle"), nullptr);
}

}  // namespace
