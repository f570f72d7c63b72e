#pragma once
// Key-frame animations: a collection of keys, each a point of the run (0..1) with a value, and
// the value between the two neighbouring keys that enclose the run's progress.
// TvgColorKeyAnimation blends colours, TvgFloatKeyAnimation floats.
#include <memory>
#include <string>

#include "classlib/core/Collection.h"
#include "engine/animation/Animation.h"
#include "engine/animation/AnimationTarget.h"

class TvgKey : public TCollectionItem {
  CL_CLASS(TvgKey, TCollectionItem)
public:
  float Key() const { return key_; }
  void SetKey(float key);  // kept within 0..1
  void Assign(TPersistent* source) override;

private:
  float key_ = 0;
};

class TvgColorKey : public TvgKey {
  CL_CLASS(TvgColorKey, TvgKey)
public:
  const std::string& Value() const { return value_; }  // a colour text
  void SetValue(const std::string& value) { value_ = value; }
  void Assign(TPersistent* source) override;

private:
  std::string value_;
};

class TvgFloatKey : public TvgKey {
  CL_CLASS(TvgFloatKey, TvgKey)
public:
  float Value() const { return value_; }
  void SetValue(float value) { value_ = value; }
  void Assign(TPersistent* source) override;

private:
  float value_ = 0;
};

class TvgKeys : public TCollection {
  CL_CLASS(TvgKeys, TCollection)
public:
  explicit TvgKeys(TClass keyClass) : TCollection(keyClass) {}
  TvgKey* Keys(int index) const { return static_cast<TvgKey*>(Items(index)); }
  // The first pair of neighbouring keys with from <= time <= to, and where time lies between
  // them (0..1); false with fewer than two keys, no such pair, or a pair at one point.
  bool FindKeys(float time, TvgKey*& from, TvgKey*& to, float& position) const;
};

class TvgColorKeyAnimation : public TvgAnimation {
  CL_CLASS(TvgColorKeyAnimation, TvgAnimation)
public:
  explicit TvgColorKeyAnimation(TComponent* owner);
  ~TvgColorKeyAnimation() override;

  const std::string& PropertyName() const { return target_.Path(); }
  void SetPropertyName(const std::string& name) { target_.SetPath(name); }
  TvgKeys* Keys() const { return keys_.get(); }
  void SetKeys(TvgKeys* keys) { keys_->Assign(keys); }
  bool StartFromCurrent() const { return target_.StartFromCurrent(); }
  void SetStartFromCurrent(bool value) { target_.SetStartFromCurrent(value); }

  void ProcessAnimation() override;
  void Start() override;

private:
  std::unique_ptr<TvgKeys> keys_;
  TvgPropertyTarget target_;
};

class TvgFloatKeyAnimation : public TvgAnimation {
  CL_CLASS(TvgFloatKeyAnimation, TvgAnimation)
public:
  explicit TvgFloatKeyAnimation(TComponent* owner);
  ~TvgFloatKeyAnimation() override;

  const std::string& PropertyName() const { return target_.Path(); }
  void SetPropertyName(const std::string& name) { target_.SetPath(name); }
  TvgKeys* Keys() const { return keys_.get(); }
  void SetKeys(TvgKeys* keys) { keys_->Assign(keys); }
  bool StartFromCurrent() const { return target_.StartFromCurrent(); }
  void SetStartFromCurrent(bool value) { target_.SetStartFromCurrent(value); }

  void ProcessAnimation() override;
  void Start() override;

private:
  std::unique_ptr<TvgKeys> keys_;
  TvgPropertyTarget target_;
};
