#pragma once
// Animations of bitmap properties: TvgBitmapAnimation cross-fades from StartValue to StopValue,
// TvgBitmapListAnimation shows the frames of a horizontal strip one after another. Both resolve
// their property path at their first step and draw through the bitmap canvas.
#include <memory>
#include <string>

#include "engine/animation/Animation.h"
#include "engine/animation/AnimationTarget.h"

class TvgBitmap;

class TvgBitmapAnimation : public TvgAnimation {
  CL_CLASS(TvgBitmapAnimation, TvgAnimation)
public:
  explicit TvgBitmapAnimation(TComponent* owner);
  ~TvgBitmapAnimation() override;

  TvgBitmap* StartValue() const { return startValue_.get(); }
  void SetStartValue(TvgBitmap* bitmap);
  TvgBitmap* StopValue() const { return stopValue_.get(); }
  void SetStopValue(TvgBitmap* bitmap);
  const std::string& PropertyName() const { return target_.Path(); }
  void SetPropertyName(const std::string& name) { target_.SetPath(name); }

  void ProcessAnimation() override;

private:
  std::unique_ptr<TvgBitmap> startValue_;
  std::unique_ptr<TvgBitmap> stopValue_;
  std::unique_ptr<TvgBitmap> current_;
  TvgPropertyTarget target_;
};

// AnimationBitmap holds AnimationCount frames side by side, each Width div AnimationCount
// columns wide and followed by one separating column.
class TvgBitmapListAnimation : public TvgAnimation {
  CL_CLASS(TvgBitmapListAnimation, TvgAnimation)
public:
  explicit TvgBitmapListAnimation(TComponent* owner);
  ~TvgBitmapListAnimation() override;

  const std::string& PropertyName() const { return target_.Path(); }
  void SetPropertyName(const std::string& name) { target_.SetPath(name); }
  TvgBitmap* AnimationBitmap() const { return animationBitmap_.get(); }
  void SetAnimationBitmap(TvgBitmap* bitmap);
  int AnimationCount() const { return animationCount_; }
  void SetAnimationCount(int count) { animationCount_ = count; }

  void ProcessAnimation() override;

private:
  std::unique_ptr<TvgBitmap> animationBitmap_;
  int animationCount_ = 1;
  std::unique_ptr<TvgBitmap> current_;
  TvgPropertyTarget target_;
};
