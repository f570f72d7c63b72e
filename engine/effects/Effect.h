#pragma once
// TvgEffect: the base of the bitmap effects placed as children of a visual object. When the
// object paints with effects it is rendered into a bitmap, each enabled effect says which area
// it needs around the object (GetRect), processes the bitmap (ProcessEffect) and the result is
// drawn at GetOffset, beneath the object, over it or in its place.
#include <string>

#include "engine/values/Geometry.h"
#include "engine/tree/Object.h"

class TvgBitmap;
class TvgCanvas;

class TvgEffect : public TvgObject {
  CL_CLASS(TvgEffect, TvgObject)
public:
  explicit TvgEffect(TComponent* owner);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Conditions such as "IsFocused=true" that switch the effect when the named state changes.
  const std::string& Trigger() const { return trigger_; }
  void SetTrigger(const std::string& trigger) { trigger_ = trigger; }
  // The object itself is not painted, only the effect's output.
  bool ReplacesPainting() const { return replacesPainting_; }
  // The output is drawn over the object rather than beneath it.
  bool PaintsAfter() const { return paintsAfter_; }

  // The area the effect needs around rect, in the same units.
  virtual TvgRect GetRect(const TvgRect& rect) { return rect; }
  // Where the object lies in the effect bitmap.
  virtual TvgPoint GetOffset() { return {}; }
  // Turns the bitmap, which holds the object rendered at GetOffset, into the effect's output;
  // scale is the object's absolute scale.
  virtual void ProcessEffect(TvgCanvas* canvas, TvgBitmap* bitmap, float scale);
  // Enabled := the last condition of Trigger that names an enumerated property of instance,
  // when Trigger mentions the state.
  virtual void ApplyTrigger(TvgObject* instance, const std::string& state);

protected:
  // After a property change: the parent renders its effects again.
  void Changed();
  template <class T>
  void Store(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }

  bool replacesPainting_ = false;
  bool paintsAfter_ = false;

private:
  bool enabled_ = true;
  std::string trigger_;
};
