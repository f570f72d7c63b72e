#pragma once
// Answered by objects whose press resizes the scene's host form (the size grip) instead of
// reaching the object itself.
class IvgSizeGrip {
public:
  virtual ~IvgSizeGrip() = default;
};
