#pragma once
// The property an animation writes: its dotted path ("Fill.Color") is resolved once against the
// animation's parent and the accessor kept for every step. The target is forgotten when an
// object on the way is freed, and resolved afresh when the animation has moved to another parent.
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

  // Each segment before the last that names a class-typed property moves on to that property's
  // object; any other segment is passed over. The last segment names the property. Nothing is
  // done when already resolved against this root.
  void Resolve(TvgObject* root, const std::string& path);
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

  TvgObject* root_ = nullptr;
  TObject* instance_ = nullptr;
  const TPropInfo* prop_ = nullptr;
  std::vector<TvgObject*> watched_;
};
