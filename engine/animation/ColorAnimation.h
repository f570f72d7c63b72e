#pragma once
// Animations that blend colours channel by channel: TvgColorAnimation writes one colour into a
// colour text or integer property, TvgGradientAnimation recolours the stops of a gradient.
#include <memory>
#include <string>

#include "engine/animation/Animation.h"
#include "engine/animation/AnimationTarget.h"
#include "engine/values/Colors.h"

class TvgGradient;

class TvgColorAnimation : public TvgAnimation {
  CL_CLASS(TvgColorAnimation, TvgAnimation)
public:
  explicit TvgColorAnimation(TComponent* owner);

  std::string StartValue() const { return vgColorToStr(startValue_); }
  void SetStartValue(const std::string& text) { startValue_ = vgStrToColor(text); }
  std::string StopValue() const { return vgColorToStr(stopValue_); }
  void SetStopValue(const std::string& text) { stopValue_ = vgStrToColor(text); }
  bool StartFromCurrent() const { return target_.StartFromCurrent(); }
  void SetStartFromCurrent(bool value) { target_.SetStartFromCurrent(value); }
  const std::string& PropertyName() const { return target_.Path(); }
  void SetPropertyName(const std::string& name) { target_.SetPath(name); }

  void ProcessAnimation() override;
  void Start() override;

private:
  TvgColor startValue_ = 0xFFFFFFFF;
  TvgColor stopValue_ = 0xFFFFFFFF;
  TvgPropertyTarget target_;
};

class TvgGradientAnimation : public TvgAnimation {
  CL_CLASS(TvgGradientAnimation, TvgAnimation)
public:
  explicit TvgGradientAnimation(TComponent* owner);
  ~TvgGradientAnimation() override;

  TvgGradient* StartValue() const { return startValue_.get(); }
  void SetStartValue(TvgGradient* gradient);
  TvgGradient* StopValue() const { return stopValue_.get(); }
  void SetStopValue(TvgGradient* gradient);
  bool StartFromCurrent() const { return target_.StartFromCurrent(); }
  void SetStartFromCurrent(bool value) { target_.SetStartFromCurrent(value); }
  const std::string& PropertyName() const { return target_.Path(); }
  void SetPropertyName(const std::string& name) { target_.SetPath(name); }

  // Recolours each stop that the target, StartValue and StopValue all have.
  void ProcessAnimation() override;
  void Start() override;

private:
  TvgGradient* TargetGradient() const;

  std::unique_ptr<TvgGradient> startValue_;
  std::unique_ptr<TvgGradient> stopValue_;
  TvgPropertyTarget target_;
};
