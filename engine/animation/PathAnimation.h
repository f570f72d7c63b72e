#pragma once
// TvgPathAnimation moves its parent along a path (a spline through the flattened path, placed at
// where the parent stood when the run started), optionally turning it with the direction of
// motion. TvgPathSwitcher keeps two path texts for the styles that name it; it only times.
#include <memory>
#include <string>

#include "engine/animation/Animation.h"
#include "engine/values/Geometry.h"

class TvgPathData;
class TvgSpline;
class TvgVisualObject;

class TvgPathAnimation : public TvgAnimation {
  CL_CLASS(TvgPathAnimation, TvgAnimation)
public:
  explicit TvgPathAnimation(TComponent* owner);
  ~TvgPathAnimation() override;

  TvgPathData* Path() const { return path_.get(); }
  void SetPath(TvgPathData* path);
  bool Rotate() const { return rotate_; }
  void SetRotate(bool rotate) { rotate_ = rotate; }

  void ProcessAnimation() override;
  void Start() override;

private:
  TvgVisualObject* Target() const;
  void TurnAlong(TvgVisualObject* target, const TvgVector& motion);

  std::unique_ptr<TvgPathData> path_;
  bool rotate_ = false;
  std::unique_ptr<TvgSpline> spline_;
  float splineEnd_ = 0;  // the parameter of the spline's last point
  TvgVisualObject* target_ = nullptr;
  TvgPoint startPosition_;
};

class TvgPathSwitcher : public TvgAnimation {
  CL_CLASS(TvgPathSwitcher, TvgAnimation)
public:
  explicit TvgPathSwitcher(TComponent* owner);

  const std::string& PropertyName() const { return propertyName_; }
  void SetPropertyName(const std::string& name) { propertyName_ = name; }
  const std::string& PathTrue() const { return pathTrue_; }
  void SetPathTrue(const std::string& path) { pathTrue_ = path; }
  const std::string& PathFalse() const { return pathFalse_; }
  void SetPathFalse(const std::string& path) { pathFalse_ = path; }

private:
  std::string propertyName_;
  std::string pathTrue_;
  std::string pathFalse_;
};
