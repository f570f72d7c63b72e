#pragma once
// Animations that move numbers linearly between their start and stop values: TvgFloatAnimation
// writes one float property, TvgRectAnimation copies four interpolated edges into a bounds
// property such as Margins or Padding. vgAnimateFloat makes a one-off float animation.
#include <memory>
#include <string>

#include "engine/animation/Animation.h"
#include "engine/animation/AnimationTarget.h"

class TvgBounds;
class TvgVisualObject;

class TvgFloatAnimation : public TvgAnimation {
  CL_CLASS(TvgFloatAnimation, TvgAnimation)
public:
  explicit TvgFloatAnimation(TComponent* owner);

  float StartValue() const { return startValue_; }
  void SetStartValue(float value) { startValue_ = value; }
  float StopValue() const { return stopValue_; }
  void SetStopValue(float value) { stopValue_ = value; }
  bool StartFromCurrent() const { return target_.StartFromCurrent(); }
  void SetStartFromCurrent(bool value) { target_.SetStartFromCurrent(value); }
  const std::string& PropertyName() const { return target_.Path(); }
  void SetPropertyName(const std::string& name) { target_.SetPath(name); }

  void ProcessAnimation() override;
  void Start() override;

private:
  float startValue_ = 0;
  float stopValue_ = 0;
  TvgPropertyTarget target_;
};

class TvgRectAnimation : public TvgAnimation {
  CL_CLASS(TvgRectAnimation, TvgAnimation)
public:
  explicit TvgRectAnimation(TComponent* owner);
  ~TvgRectAnimation() override;

  TvgBounds* StartValue() const { return startValue_.get(); }
  void SetStartValue(TvgBounds* bounds);
  TvgBounds* StopValue() const { return stopValue_.get(); }
  void SetStopValue(TvgBounds* bounds);
  bool StartFromCurrent() const { return target_.StartFromCurrent(); }
  void SetStartFromCurrent(bool value) { target_.SetStartFromCurrent(value); }
  const std::string& PropertyName() const { return target_.Path(); }
  void SetPropertyName(const std::string& name) { target_.SetPath(name); }

  void ProcessAnimation() override;
  void Start() override;

private:
  TvgBounds* TargetBounds() const;

  std::unique_ptr<TvgBounds> startValue_;
  std::unique_ptr<TvgBounds> stopValue_;
  std::unique_ptr<TvgBounds> current_;
  TvgPropertyTarget target_;
};

// Moves the object's float property from where it is to stopValue with a new float animation
// child, which frees itself when it finishes.
void vgAnimateFloat(TvgVisualObject* object, const std::string& propertyName, float stopValue, float duration,
                    TvgAnimationType type, TvgInterpolationType interpolation);
// The same, handling the application's messages until the animation has finished, then freeing it.
void vgAnimateFloatWait(TvgVisualObject* object, const std::string& propertyName, float stopValue,
                        float duration, TvgAnimationType type, TvgInterpolationType interpolation);
