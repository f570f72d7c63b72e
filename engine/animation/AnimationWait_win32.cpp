#include "engine/animation/AnimationWait.h"

#include <thread>

#include "classlib/desktop/Application.h"
#include "engine/animation/Animation.h"

namespace {

// Hears when the animation it watches is freed.
class TFreeWatch : public TComponent {
public:
  explicit TFreeWatch(TComponent* watched) : TComponent(nullptr) { FreeNotification(watched); }
  bool freed = false;
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove) freed = true;
  }
};

}  // namespace

bool vgWaitForAnimation(TvgAnimation* animation) {
  if (!animation) return false;
  if (animation->Loop()) return true;
  TFreeWatch watch(animation);
  while (!watch.freed && animation->Running()) {
    Application->ProcessMessages();
    if (!watch.freed && animation->Running()) std::this_thread::yield();
  }
  if (watch.freed) return false;
  watch.RemoveFreeNotification(animation);
  return true;
}
