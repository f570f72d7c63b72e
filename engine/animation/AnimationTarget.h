#pragma once
// The property an animation writes, with the settings every property animation has: its dotted
// path ("Fill.Color") and whether a start takes the start value from the property. The path is
// resolved once against the animation's parent and the accessor kept for every step. The target
// is forgotten when an object on the way is freed, and resolved afresh when the animation has
// moved to another parent.
#include <string>
#include <vector>

#include "classlib/core/Property.h"
#include "engine/values/Colors.h"
#include "engine/tree/Object.h"

class TvgPropertyTarget : public TObject, public IvgFreeNotify {
public:
  TvgPropertyTarget() = default;
  ~TvgPropertyTarget() override { Forget(); }
  TvgPropertyTarget(const TvgPropertyTarget&) = delete;
  TvgPropertyTarget& operator=(const TvgPropertyTarget&) = delete;

  // The path text as given; a target already resolved is kept until it is resolved afresh.
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& path) { path_ = path; }
  bool StartFromCurrent() const { return startFromCurrent_; }
  void SetStartFromCurrent(bool value) { startFromCurrent_ = value; }

  // Each segment of the path before the last that names a class-typed property moves on to that
  // property's object; any other segment is passed over. The last segment names the property.
  // Nothing is done when already resolved against this root.
  void Resolve(TvgObject* root);
  void Forget();
  explicit operator bool() const { return prop_ != nullptr; }

  // The object a class-typed property holds; nullptr for other kinds or without a target.
  TObject* Object() const;
  // The number in a float property; false for other kinds or without a target.
  bool GetFloat(float& value) const;
  void SetFloat(float value) const;
  // A colour text in a text property, or the colour itself in an integer property; false for
  // other kinds or without a target.
  bool GetColor(TvgColor& color) const;
  void SetColor(TvgColor color) const;

  void FreeNotify(TvgObject* object) override;

private:
  void Watch(TObject* object);

  std::string path_;
  bool startFromCurrent_ = false;
  TvgObject* root_ = nullptr;
  TObject* instance_ = nullptr;
  const TPropInfo* prop_ = nullptr;
  std::vector<TvgObject*> watched_;
};
