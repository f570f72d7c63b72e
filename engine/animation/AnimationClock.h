#pragma once
// TvgAniThread: the one clock of the toolkit's animations. A 33 ms timer (no thread, whatever
// the name says) steps every running animation by the time since its previous tick. Time comes
// from the system's tick count, or from a source that a test puts in its place and advances by
// hand before it calls Tick.
#include <cstdint>
#include <functional>
#include <vector>

#include "classlib/desktop/Timer.h"

class TvgAnimation;

class TvgAniThread : public TTimer {
  CL_CLASS(TvgAniThread, TTimer)
public:
  TvgAniThread();
  ~TvgAniThread() override;

  void Add(TvgAnimation* animation);  // an animation already there is not added again
  void Remove(TvgAnimation* animation);
  bool Contains(const TvgAnimation* animation) const;
  int Count() const { return int(running_.size()); }

  // Steps the running animations, newest first, by the time since the previous tick; does
  // nothing when no time has passed or the time went back. The counter may wrap around. An
  // animation may leave (or make others leave) while stepped.
  void Tick();
  float LastDelta() const { return lastDelta_; }

private:
  static bool IsCaret(const TvgAnimation* animation);

  uint32_t startTicks_;
  // Elapsed time is kept in whole milliseconds: a float count of seconds since system start loses
  // the 33 ms steps once a machine has been up for some days.
  uint32_t lastMilliseconds_ = 0;
  float lastDelta_ = 0;
  std::vector<TvgAnimation*> running_;
};

// nullptr until an animation in a scene first starts.
TvgAniThread* vgAnimationClock();
// The clock, created when there is none.
TvgAniThread* vgNeedAnimationClock();
// At shut-down; animations still running stay where they are.
void vgFreeAnimationClock();

// Milliseconds on a counter that may wrap around.
using TvgTickSource = std::function<uint32_t()>;
// An empty source restores the system's tick count. Put one in before the clock is created.
void vgSetAnimationTickSource(TvgTickSource source);
