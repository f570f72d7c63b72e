// The animation clock's cost: one tick with nothing running, one tick stepping 100 running float
// animations, and three seconds of the message loop with the clock's 33 ms timer and nothing to
// animate (ticks taken and processor time used, beside the same loop without the clock). Prints
// one line for each.
#include "classlib/desktop/Win32.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "engine/animation/AnimationClock.h"
#include "engine/animation/FloatAnimation.h"
#include "engine/tree/VisualObject.h"
#include "tests/support/RecordingScene.h"

namespace {

uint32_t fakeNow = 0;

// Ticks of the clock with a time source that moves on by a millisecond before each.
double NanosecondsPerTick(int ticks) {
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < ticks; ++i) {
    ++fakeNow;
    vgAnimationClock()->Tick();
  }
  std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count() / ticks;
}

void MeasureTicks() {
  vgSetAnimationTickSource([] { return fakeNow; });
  vgNeedAnimationClock();
  std::printf("idle tick: %.0f ns\n", NanosecondsPerTick(1000000));

  TRecordingScene scene;
  auto* root = new TvgVisualObject(nullptr);
  scene.AddObject(root);
  for (int i = 0; i < 100; ++i) {
    auto* object = new TvgVisualObject(nullptr);
    root->AddObject(object);
    auto* animation = new TvgFloatAnimation(nullptr);
    animation->SetPropertyName("Opacity");
    animation->SetStopValue(1);
    animation->SetLoop(true);
    animation->SetAutoReverse(true);
    object->AddObject(animation);
    animation->Start();
  }
  std::printf("tick stepping 100 float animations: %.1f us\n", NanosecondsPerTick(2000) / 1000);
  vgFreeAnimationClock();
  vgSetAnimationTickSource(nullptr);
}

double ProcessorMilliseconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto ms = [](const FILETIME& t) { return double((uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000; };
  return ms(kernel) + ms(user);
}

// Three seconds of the message loop, with the real clock on its real timer and nothing running,
// or without the clock for comparison.
void MeasureIdleLoop(bool withClock) {
  int ticks = 0;
  vgSetAnimationTickSource([&ticks] {
    ++ticks;
    return uint32_t(GetTickCount());
  });
  if (withClock) vgNeedAnimationClock();
  ticks = 0;
  const double before = ProcessorMilliseconds();
  const DWORD end = GetTickCount() + 3000;
  MSG message;
  for (DWORD now = GetTickCount(); now < end; now = GetTickCount()) {
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT) != WAIT_OBJECT_0) break;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  const double used = ProcessorMilliseconds() - before;
  std::printf("3 s of message loop, %s: %d ticks, %.0f ms processor time (%.2f%% of one core)\n",
              withClock ? "clock idle" : "no clock", ticks, used, used / 30);
  vgFreeAnimationClock();
  vgSetAnimationTickSource(nullptr);
}

}  // namespace

int main() {
  MeasureTicks();
  MeasureIdleLoop(false);
  MeasureIdleLoop(true);
  return 0;
}
