#include "engine/animation/BitmapAnimation.h"

#include <algorithm>

#include "classlib/core/SysUtils.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Canvas.h"

namespace {

// Draws source over the area dest of the bitmap; nothing without a canvas for bitmaps.
void DrawOnto(TvgBitmap* bitmap, TvgBitmap* source, const TvgRect& sourceRect, const TvgRect& dest, float opacity) {
  TvgCanvas* canvas = bitmap->GetCanvas();
  if (!canvas || source->IsEmpty() || !canvas->BeginScene()) return;
  canvas->DrawBitmap(source, sourceRect, dest, opacity, false);
  canvas->EndScene();
}

TvgRect WholeArea(const TvgBitmap* bitmap) { return {0, 0, float(bitmap->Width()), float(bitmap->Height())}; }

}  // namespace

CL_PUBLISHED(TvgBitmapAnimation) {
  using A = TvgBitmapAnimation;
  published.Property("StartValue", &A::StartValue, &A::SetStartValue);
  published.Property("StopValue", &A::StopValue, &A::SetStopValue);
  published.Property("PropertyName", &A::PropertyName, &A::SetPropertyName);
}

TvgBitmapAnimation::TvgBitmapAnimation(TComponent* owner)
    : TvgAnimation(owner),
      startValue_(std::make_unique<TvgBitmap>(1, 1)),
      stopValue_(std::make_unique<TvgBitmap>(1, 1)),
      current_(std::make_unique<TvgBitmap>()) {}

TvgBitmapAnimation::~TvgBitmapAnimation() = default;

void TvgBitmapAnimation::SetStartValue(TvgBitmap* bitmap) { startValue_->Assign(bitmap); }

void TvgBitmapAnimation::SetStopValue(TvgBitmap* bitmap) { stopValue_->Assign(bitmap); }

// An inverse run fades the start bitmap in over the stop bitmap, so that both directions pass
// through the same pictures.
void TvgBitmapAnimation::ProcessAnimation() {
  target_.Resolve(Parent());
  auto* target = dynamic_cast<TvgBitmap*>(target_.Object());
  if (!target) return;
  const float t = NormalizedTime();
  TvgBitmap* under = Inverse() ? stopValue_.get() : startValue_.get();
  TvgBitmap* over = Inverse() ? startValue_.get() : stopValue_.get();
  current_->Assign(under);
  DrawOnto(current_.get(), over, WholeArea(over), WholeArea(current_.get()), Inverse() ? 1 - t : t);
  target->Assign(current_.get());
}

CL_PUBLISHED(TvgBitmapListAnimation) {
  using A = TvgBitmapListAnimation;
  published.Property("PropertyName", &A::PropertyName, &A::SetPropertyName);
  published.Property("AnimationBitmap", &A::AnimationBitmap, &A::SetAnimationBitmap);
  published.Property("AnimationCount", &A::AnimationCount, &A::SetAnimationCount).Default(1);
}

TvgBitmapListAnimation::TvgBitmapListAnimation(TComponent* owner)
    : TvgAnimation(owner), animationBitmap_(std::make_unique<TvgBitmap>()), current_(std::make_unique<TvgBitmap>()) {}

TvgBitmapListAnimation::~TvgBitmapListAnimation() = default;

void TvgBitmapListAnimation::SetAnimationBitmap(TvgBitmap* bitmap) { animationBitmap_->Assign(bitmap); }

// A strip without frames shows nothing; progress beyond the ends (back and elastic curves)
// keeps to the first and last frame.
void TvgBitmapListAnimation::ProcessAnimation() {
  target_.Resolve(Parent());
  auto* target = dynamic_cast<TvgBitmap*>(target_.Object());
  if (!target || animationCount_ < 1) return;
  const int frameWidth = animationBitmap_->Width() / animationCount_;
  const int frame = int(std::clamp<int64_t>(Trunc(NormalizedTime() * float(animationCount_ - 1)), 0,
                                            animationCount_ - 1));
  current_->SetSize(target->Width(), target->Height());
  current_->Clear(0);
  const float left = float(frame * (frameWidth + 1));
  DrawOnto(current_.get(), animationBitmap_.get(),
           {left, 0, left + float(current_->Width()), float(current_->Height())},
           {0, 0, float(frameWidth), float(animationBitmap_->Height())}, 1);
  target->Assign(current_.get());
}
