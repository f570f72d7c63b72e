#include <gtest/gtest.h>

#include <vector>

#include "classlib/core/Component.h"
#include "classlib/core/SysUtils.h"

namespace {
std::vector<std::string> destroyed;

class TWatcher : public TComponent {
  CL_CLASS(TWatcher, TComponent)
public:
  using TComponent::TComponent;
  ~TWatcher() override { destroyed.push_back(Name()); }
  TComponent* Target = nullptr;
  bool sawDestroyingFirst = false;
  void BeforeDestruction() override {
    TComponent::BeforeDestruction();
    sawDestroyingFirst = HasState(csDestroying);
  }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == Target) Target = nullptr;
  }
};
}  // namespace

CL_PUBLISHED(TWatcher) {}

TEST(Component, OwnerFreesOwnedComponentsLastFirstAfterItsOwnDestructor) {
  destroyed.clear();
  auto* owner = new TWatcher(nullptr);
  owner->SetName("Owner");
  (new TWatcher(owner))->SetName("A");
  (new TWatcher(owner))->SetName("B");
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent("b")->ComponentIndex(), 1);
  owner->Free();
  EXPECT_EQ(destroyed, (std::vector<std::string>{"Owner", "B", "A"}));
}

TEST(Component, FreedComponentLeavesItsOwner) {
  TWatcher owner(nullptr);
  auto* child = new TWatcher(&owner);
  child->Free();
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(Component, FreeNotificationClearsReferencesBothWays) {
  TWatcher a(nullptr);
  auto* b = new TWatcher(nullptr);
  a.Target = b;
  b->Target = &a;
  a.FreeNotification(b);
  b->Free();
  EXPECT_EQ(a.Target, nullptr);
}

TEST(Component, SiblingsHearOfRemovalThroughTheOwner) {
  TWatcher owner(nullptr);
  auto* watcher = new TWatcher(&owner);
  auto* target = new TWatcher(&owner);
  watcher->Target = target;
  target->Free();
  EXPECT_EQ(watcher->Target, nullptr);
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
  TWatcher owner(nullptr);
  auto* a = new TWatcher(&owner);
  auto* b = new TWatcher(&owner);
  a->SetName("Button1");
  EXPECT_THROW(b->SetName("button1"), EComponentError);
  EXPECT_THROW(b->SetName("1abc"), EComponentError);
  EXPECT_THROW(b->SetName("a b"), EComponentError);
  b->SetName("Button2");
  b->SetName("");
  a->SetName("BUTTON1");  // its own name in another case
  EXPECT_EQ(owner.FindComponent("button1"), a);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Component, FreeMarksDestroyingBeforeTheDestructorsRun) {
  auto* owner = new TWatcher(nullptr);
  owner->Free();
  SUCCEED();
  TWatcher probe(nullptr);
  probe.BeforeDestruction();
  EXPECT_TRUE(probe.sawDestroyingFirst);
}

TEST(Persistent, AssignWithoutSupportRaisesTheClassicMessage) {
  TWatcher a(nullptr), b(nullptr);
  try {
    a.Assign(&b);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TWatcher to a TWatcher");
  }
  EXPECT_THROW(a.Assign(nullptr), EConvertError);
}
