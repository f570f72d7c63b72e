// The object side of input: hit testing, drop targets, the tab list, focus with its triggers,
// drag events and the end of an automatic drag, context menus.
#include "tests/support/InputFixture.h"
//
#include "tests/support/RecordingScene.h"
#include "engine/tree/Control.h"
#include "engine/animation/FloatAnimation.h"

namespace {

// A root of 300 x 200 in a scene without a window, and objects placed in it.
class HitTesting : public ::testing::Test {
protected:
  void SetUp() override {
    root = new TvgVisualObject(nullptr);
    root->SetBounds(0, 0, 300, 200);
    root->SetHitTest(false);
    scene.AddObject(root);
  }
  template <class T = TvgVisualObject>
  T* Add(float x, float y, float width, float height, TvgVisualObject* parent = nullptr) {
    auto* object = new T(nullptr);
    object->SetBounds(x, y, width, height);
    (parent ? parent : root)->AddObject(object);
    return object;
  }
  TvgVisualObject* At(float x, float y) { return root->ObjectAtPoint({x, y}); }

  TRecordingScene scene;
  TvgVisualObject* root = nullptr;
};

TEST_F(HitTesting, APointOnTheLeftOrTopEdgeIsNotInTheObject) {
  TvgVisualObject* a = Add(10, 10, 50, 40);
  struct Case {
    float x, y;
    bool inside;
  } const cases[] = {{10, 30, false},   {10.01f, 30, true}, {59.99f, 30, true}, {60, 30, false},
                     {30, 10, false},   {30, 10.01f, true}, {30, 49.99f, true}, {30, 50, false}};
  for (const Case& c : cases) EXPECT_EQ(a->PointInObject(c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST_F(HitTesting, TheTopmostHitTestableObjectAnswers) {
  TvgVisualObject* below = Add(10, 10, 100, 100);
  TvgVisualObject* above = Add(50, 50, 100, 100);
  TvgVisualObject* child = Add(10, 10, 20, 20, above);
  EXPECT_EQ(At(65, 70), child);
  EXPECT_EQ(At(80, 80), above);
  EXPECT_EQ(At(20, 20), below);
  above->SetHitTest(false);
  EXPECT_EQ(At(80, 80), below);
  EXPECT_EQ(At(65, 65), child);
  above->SetVisible(false);
  EXPECT_EQ(At(65, 65), below);
  EXPECT_EQ(At(200, 180), nullptr);
}

TEST_F(HitTesting, ADisabledControlTakesNoPointerButADisabledShapeDoes) {
  auto* control = Add<TvgControl>(10, 10, 50, 40);
  TvgVisualObject* inside = Add(5, 5, 10, 10, control);
  TvgVisualObject* shape = Add(100, 10, 50, 40);
  control->SetEnabled(false);
  shape->SetEnabled(false);
  EXPECT_EQ(At(20, 20), nullptr);
  EXPECT_EQ(At(30, 30), nullptr);
  EXPECT_EQ(At(120, 30), shape);
  control->SetEnabled(true);
  EXPECT_EQ(At(20, 20), inside);
}

TEST_F(HitTesting, AClippingObjectHidesWhatSticksOutOfIt) {
  TvgVisualObject* clip = Add(10, 10, 50, 40);
  TvgVisualObject* wide = Add(30, 10, 100, 10, clip);
  EXPECT_EQ(At(100, 25), wide);
  clip->SetClipChildren(true);
  EXPECT_EQ(At(100, 25), nullptr);
  EXPECT_EQ(At(50, 25), wide);
}

TEST_F(HitTesting, TheDesignerHitsEverythingButLockedAndHiddenObjects) {
  scene.designing = true;
  TvgVisualObject* invisible = Add(10, 10, 50, 40);
  invisible->SetVisible(false);
  TvgVisualObject* locked = Add(100, 10, 50, 40);
  TvgVisualObject* inLocked = Add(5, 5, 10, 10, locked);
  locked->SetLocked(true);
  TvgVisualObject* hidden = Add(200, 10, 50, 40);
  Add(5, 5, 10, 10, hidden);
  hidden->SetDesignHide(true);
  TvgVisualObject* offObject = Add(10, 100, 50, 40);
  offObject->SetHitTest(false);
  EXPECT_EQ(At(30, 30), invisible);
  EXPECT_EQ(At(130, 40), root);
  EXPECT_EQ(At(110, 20), inLocked);
  EXPECT_EQ(At(210, 20), root);
  EXPECT_EQ(At(30, 120), offObject);
  EXPECT_EQ(At(280, 190), root);
  scene.designing = false;
  EXPECT_EQ(At(30, 30), nullptr);
  EXPECT_EQ(At(30, 120), nullptr);
}

TEST_F(HitTesting, TheDropTargetIsTheTopmostObjectThatAccepts) {
  TvgVisualObject* parent = Add(10, 10, 100, 100);
  TvgVisualObject* refusing = Add(10, 10, 50, 50, parent);
  TvgVisualObject* sticking = Add(80, 10, 50, 20, parent);
  TvgVisualObject* deaf = Add(10, 70, 20, 20, parent);
  std::vector<TvgVisualObject*> asked;
  auto accepting = [&asked](bool answer) {
    return [&asked, answer](TObject* sender, TvgDragObject*, const TvgPoint&, bool& accept) {
      asked.push_back(static_cast<TvgVisualObject*>(sender));
      accept = answer;
    };
  };
  parent->OnDragOver = accepting(true);
  refusing->OnDragOver = accepting(false);
  sticking->OnDragOver = accepting(true);
  deaf->OnDragOver = accepting(true);
  deaf->SetHitTest(false);
  TvgDragObject data;
  EXPECT_EQ(root->FindTarget({30, 30}, &data), parent);
  EXPECT_EQ(asked, (std::vector<TvgVisualObject*>{refusing, parent}));
  EXPECT_EQ(root->FindTarget({25, 85}, &data), parent);
  EXPECT_EQ(root->FindTarget({130, 25}, &data), sticking);
  parent->SetClipChildren(true);
  EXPECT_EQ(root->FindTarget({130, 25}, &data), nullptr);
  EXPECT_EQ(root->FindTarget({100, 25}, &data), sticking);
  EXPECT_EQ(root->FindTarget({250, 150}, &data), nullptr);
}

TEST_F(HitTesting, TheTabListGoesDepthFirstWhenRecursive) {
  TvgVisualObject* a = Add(0, 0, 10, 10);
  TvgVisualObject* a1 = Add(0, 0, 5, 5, a);
  TvgVisualObject* a2 = Add(0, 0, 5, 5, a);
  TvgVisualObject* b = Add(0, 0, 10, 10);
  TvgVisualObject* b1 = Add(0, 0, 5, 5, b);
  std::vector<TvgVisualObject*> list{root};
  root->GetTabList(list, false);
  EXPECT_EQ(list, (std::vector<TvgVisualObject*>{root, a, b}));
  list.clear();
  root->GetTabList(list, true);
  EXPECT_EQ(list, (std::vector<TvgVisualObject*>{a, a1, a2, b, b1}));
}

// An object that answers EnterChildren as told and notes that it was asked.
class TEnteringParent : public TvgVisualObject {
public:
  TEnteringParent(TEventLog& log, bool answer) : TvgVisualObject(nullptr), log_(log), answer_(answer) {}
  bool EnterChildren(TvgVisualObject*) override {
    log_.push_back(Name() + ":EnterChildren");
    return answer_;
  }

private:
  TEventLog& log_;
  bool answer_;
};

using ObjectInput = InputTest;

TEST_F(ObjectInput, FocusAsksTheAncestorsNearestFirstUntilOneTakesIt) {
  auto* outer = new TEnteringParent(log, false);
  outer->SetName("outer");
  root->AddObject(outer);
  auto* inner = new TEnteringParent(log, true);
  inner->SetName("inner");
  outer->AddObject(inner);
  TvgVisualObject* a = Add("A", 0, 0, inner);
  a->SetCanFocused(true);
  a->SetFocus();
  EXPECT_EQ(log, (TEventLog{"inner:EnterChildren", "A:Focus"}));
  auto* middle = new TEnteringParent(log, false);
  middle->SetName("middle");
  inner->AddObject(middle);
  TvgVisualObject* b = Add("B", 0, 0, middle);
  b->SetCanFocused(true);
  log.clear();
  b->SetFocus();
  EXPECT_EQ(log, (TEventLog{"A:KillFocus", "middle:EnterChildren", "inner:EnterChildren", "B:Focus"}));
}

TEST_F(ObjectInput, FocusChangesStartTheFocusTriggersUnlessSwitchedOff) {
  TvgVisualObject* a = Add("A", 10, 10);
  TvgVisualObject* b = Add("B", 100, 10);
  for (TvgVisualObject* o : {a, b}) o->SetCanFocused(true);
  auto animate = [](TvgVisualObject* object, const char* trigger) {
    auto* animation = new TvgFloatAnimation(nullptr);
    animation->SetTrigger(trigger);
    animation->SetPropertyName("Opacity");
    animation->SetDuration(10);
    object->AddObject(animation);
    return animation;
  };
  TvgFloatAnimation* focused = animate(a, "IsFocused=true");
  TvgFloatAnimation* unfocused = animate(a, "IsFocused=false");
  a->SetFocus();
  EXPECT_TRUE(focused->Running());
  b->SetFocus();
  EXPECT_TRUE(unfocused->Running());

  unfocused->Stop();
  a->SetDisableFocusEffect(true);
  a->SetFocus();
  EXPECT_FALSE(focused->Running());
  a->SetDisableFocusEffect(false);
  vgDisableFocusEffect = true;
  b->SetFocus();
  vgDisableFocusEffect = false;
  EXPECT_FALSE(unfocused->Running());
  EXPECT_FALSE(a->IsFocused());
}

TEST_F(ObjectInput, DragEventsSetTheDragOverStateAndItsTriggers) {
  TvgVisualObject* a = Add("A", 10, 10);
  auto* highlight = new TvgFloatAnimation(nullptr);
  highlight->SetTrigger("IsDragOver=true");
  highlight->SetPropertyName("Opacity");
  highlight->SetDuration(10);
  a->AddObject(highlight);
  TvgDragObject data;
  a->DragEnter(&data, {1, 1});
  EXPECT_TRUE(a->IsDragOver());
  EXPECT_TRUE(highlight->Running());
  a->DragLeave();
  EXPECT_FALSE(a->IsDragOver());
  a->DragEnter(&data, {1, 1});
  a->DragDrop(&data, {1, 1});
  EXPECT_FALSE(a->IsDragOver());
  EXPECT_EQ(log, (TEventLog{"A:DragEnter", "A:DragLeave", "A:DragEnter", "A:DragDrop"}));
}

TEST_F(ObjectInput, AnAutomaticDragThatEndsClicksNothingAndGivesTheCaptureBack) {
  auto* dragged = Add<TCapturingObject>("dragged", 10, 10);
  Press(30, 30);
  dragged->SetDragMode(vgDragAutomatic);
  EXPECT_EQ(scene->GetCaptured(), dragged);
  log.clear();
  dragged->DragEnd();
  EXPECT_EQ(log, (TEventLog{"dragged:Up", "dragged:DragEnd"}));
  EXPECT_EQ(scene->GetCaptured(), nullptr);
  Release(30, 30);
  EXPECT_EQ(log.back(), "dragged:Up");

  dragged->SetDragMode(vgDragManual);
  log.clear();
  dragged->DragEnd();
  EXPECT_EQ(log, (TEventLog{"dragged:DragEnd"}));
}

TEST_F(ObjectInput, TheContextMenuPopsUpAtTheRoundedPointForTheObject) {
  TvgVisualObject* a = Add("A", 10, 10);
  TRecordingPopupMenu menu;
  a->SetPopupMenu(&menu);
  a->ContextMenu({10.5f, 11.5f});
  ASSERT_EQ(menu.popups.size(), 1u);
  EXPECT_EQ(menu.popups[0].x, 10);
  EXPECT_EQ(menu.popups[0].y, 12);
  EXPECT_EQ(menu.PopupComponent(), a);
  a->SetPopupMenu(nullptr);
  a->ContextMenu({1, 1});
  EXPECT_EQ(menu.popups.size(), 1u);
}

TEST_F(ObjectInput, TheWheelIsUnhandledWithoutAHandler) {
  TvgVisualObject* a = Add("A", 10, 10);
  bool handled = false;
  a->MouseWheel({}, 120, handled);
  EXPECT_FALSE(handled);
  TvgVisualObject loose(nullptr);
  TvgPoint seen{5, 5};
  loose.OnMouseWheel = [&](TObject*, TShiftState, int, const TvgPoint& at, bool&) { seen = at; };
  loose.MouseWheel({}, 120, handled);
  EXPECT_FLOAT_EQ(seen.X, 0);
  EXPECT_FLOAT_EQ(seen.Y, 0);
}

}  // namespace
