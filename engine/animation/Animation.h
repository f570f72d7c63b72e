#pragma once
// TvgAnimation: the base of every animation, a child of the object whose property it changes.
// It keeps the timing (delay, duration, loops, auto-reverse, inverse runs, easing) and runs on
// the shared animation clock while it belongs to a scene; without a scene, or while the scene is
// designed, a start jumps straight to the end. Triggers start it when the state of a control
// changes; concrete animations apply NormalizedTime in ProcessAnimation.
#include <string>

#include "engine/animation/Easing.h"
#include "engine/tree/Object.h"

class TvgAnimation : public TvgObject {
  CL_CLASS(TvgAnimation, TvgObject)
public:
  explicit TvgAnimation(TComponent* owner);
  ~TvgAnimation() override;

  TvgAnimationType AnimationType() const { return animationType_; }
  void SetAnimationType(TvgAnimationType type) { animationType_ = type; }
  bool AutoReverse() const { return autoReverse_; }
  void SetAutoReverse(bool autoReverse) { autoReverse_ = autoReverse; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  float Delay() const { return delay_; }
  void SetDelay(float delay) { delay_ = delay; }
  float Duration() const { return duration_; }
  void SetDuration(float duration) { duration_ = duration; }
  TvgInterpolationType Interpolation() const { return interpolation_; }
  void SetInterpolation(TvgInterpolationType interpolation) { interpolation_ = interpolation; }
  bool Inverse() const { return inverse_; }
  void SetInverse(bool inverse) { inverse_ = inverse; }
  bool HideOnFinish() const { return hideOnFinish_; }
  void SetHideOnFinish(bool hide) { hideOnFinish_ = hide; }
  bool Loop() const { return loop_; }
  void SetLoop(bool loop) { loop_ = loop; }
  const std::string& Trigger() const { return trigger_; }
  void SetTrigger(const std::string& trigger) { trigger_ = trigger; }
  const std::string& TriggerInverse() const { return triggerInverse_; }
  void SetTriggerInverse(const std::string& trigger) { triggerInverse_ = trigger; }
  TNotifyEvent OnProcess;
  TNotifyEvent OnFinish;

  // Run state.
  bool Running() const { return running_; }
  bool Paused() const { return paused_; }
  void SetPaused(bool paused) { paused_ = paused; }  // the clock passes over a paused animation
  float CurrentTime() const { return time_; }        // seconds, 0 .. Duration
  float DelayLeft() const { return delayLeft_; }
  // The eased progress of the current time: 0 at the start of a run, 1 at its end (beyond in
  // between for the back and elastic curves); 0 while delayed or without a positive Duration.
  float NormalizedTime() const;

  // By the clock: advance the run by delta seconds and apply the value.
  void Step(float delta);

  void Loaded() override;

  virtual void ProcessAnimation() {}
  virtual void Start();
  virtual void Stop();           // jumps to the end of the run
  virtual void StopAtCurrent();  // leaves the property where it is
  // Starts a normal or an inverse run when the state named changed and the trigger's conditions
  // hold on the instance. An inverse run takes back what a normal run applied: with nothing to
  // take back (no normal run yet, or the last run was inverse already) the property is left alone.
  virtual void StartTrigger(TvgObject* instance, const std::string& stateName);

private:
  bool Designing() const;
  bool ParentHidden() const;
  bool StartsAtOnce() const;
  void StartAtOnce();
  void Finished();
  void AdvanceTime(float delta);
  void LeaveClock();

  TvgAnimationType animationType_ = vgAnimationIn;
  bool autoReverse_ = false;
  bool enabled_ = false;
  float delay_ = 0;
  float duration_ = 0.2f;
  TvgInterpolationType interpolation_ = vgInterpolationLinear;
  bool inverse_ = false;
  bool hideOnFinish_ = false;
  bool loop_ = false;
  std::string trigger_;
  std::string triggerInverse_;

  float delayLeft_ = 0;
  float time_ = 0;
  bool running_ = false;
  bool paused_ = false;
  bool applied_ = false;  // the last run went forward
};
