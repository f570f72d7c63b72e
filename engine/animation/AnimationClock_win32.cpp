#include "engine/animation/AnimationClock.h"

#include <algorithm>

#include "classlib/core/SysUtils.h"
#include "engine/animation/Animation.h"

namespace {

TvgAniThread* theClock = nullptr;
TvgTickSource tickSource;

uint32_t Ticks() { return tickSource ? tickSource() : GetTickCount(); }

}  // namespace

CL_PUBLISHED(TvgAniThread) {}

TvgAniThread::TvgAniThread() : TTimer(nullptr), startTicks_(Ticks()) {
  SetInterval(33);
  SetOnTimer([this](TObject*) { Tick(); });
}

TvgAniThread::~TvgAniThread() {
  if (theClock == this) theClock = nullptr;
}

void TvgAniThread::Add(TvgAnimation* animation) {
  if (!Contains(animation)) running_.push_back(animation);
}

void TvgAniThread::Remove(TvgAnimation* animation) { std::erase(running_, animation); }

bool TvgAniThread::Contains(const TvgAnimation* animation) const {
  return std::find(running_.begin(), running_.end(), animation) != running_.end();
}

bool TvgAniThread::IsCaret(const TvgAnimation* animation) { return SameText(animation->BindingName(), "caret"); }

void TvgAniThread::Tick() {
  const uint32_t now = Ticks() - startTicks_;
  const auto elapsed = int32_t(now - lastMilliseconds_);
  if (elapsed == 0) return;
  lastMilliseconds_ = now;
  // A clock set back steps nothing, and counts on from its new time rather than standing still
  // until it is back where it was.
  if (elapsed < 0) return;
  lastDelta_ = float(elapsed) / 1000;
  for (int i = Count() - 1; i >= 0; i = std::min(i - 1, Count() - 1)) {
    TvgAnimation* animation = running_[size_t(i)];
    if (!animation->Running()) continue;
    if (IsCaret(animation)) {
      // The caret blinks at a third of the clock's rate.
      animation->SetTag(animation->Tag() + 1);
      if (animation->Tag() % 3 != 0) continue;
    }
    animation->Step(lastDelta_);
  }
}

TvgAniThread* vgAnimationClock() { return theClock; }

TvgAniThread* vgNeedAnimationClock() {
  if (!theClock) theClock = new TvgAniThread();
  return theClock;
}

void vgFreeAnimationClock() {
  TvgAniThread* doomed = theClock;
  theClock = nullptr;
  if (doomed) doomed->Free();
}

void vgSetAnimationTickSource(TvgTickSource source) { tickSource = std::move(source); }
