#include "engine/animation/KeyAnimation.h"

#include <algorithm>

#include "engine/values/Geometry.h"

CL_PUBLISHED(TvgKey) { published.Property("Key", &TvgKey::Key, &TvgKey::SetKey); }

void TvgKey::SetKey(float key) { key_ = std::clamp(key, 0.0f, 1.0f); }

void TvgKey::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TvgKey*>(source);
  if (!other) return TCollectionItem::Assign(source);
  key_ = other->key_;
}

CL_PUBLISHED(TvgColorKey) { published.Property("Value", &TvgColorKey::Value, &TvgColorKey::SetValue); }

void TvgColorKey::Assign(TPersistent* source) {
  TvgKey::Assign(source);
  if (auto* other = dynamic_cast<TvgColorKey*>(source)) value_ = other->value_;
}

CL_PUBLISHED(TvgFloatKey) { published.Property("Value", &TvgFloatKey::Value, &TvgFloatKey::SetValue); }

void TvgFloatKey::Assign(TPersistent* source) {
  TvgKey::Assign(source);
  if (auto* other = dynamic_cast<TvgFloatKey*>(source)) value_ = other->value_;
}

CL_PUBLISHED(TvgKeys) {}

bool TvgKeys::FindKeys(float time, TvgKey*& from, TvgKey*& to, float& position) const {
  for (int i = 0; i + 1 < Count(); ++i) {
    TvgKey *first = Keys(i), *second = Keys(i + 1);
    if (first->Key() <= time && time <= second->Key()) {
      if (first->Key() == second->Key()) return false;
      from = first;
      to = second;
      position = (time - first->Key()) / (second->Key() - first->Key());
      return true;
    }
  }
  return false;
}

CL_PUBLISHED(TvgColorKeyAnimation) {
  using A = TvgColorKeyAnimation;
  published.Property("PropertyName", &A::PropertyName, &A::SetPropertyName);
  published.Property("Keys", &A::Keys, &A::SetKeys);
  published.Property("StartFromCurrent", &A::StartFromCurrent, &A::SetStartFromCurrent).Default(false);
}

TvgColorKeyAnimation::TvgColorKeyAnimation(TComponent* owner)
    : TvgAnimation(owner), keys_(std::make_unique<TvgKeys>(TvgColorKey::StaticClass())) {}

TvgColorKeyAnimation::~TvgColorKeyAnimation() = default;

void TvgColorKeyAnimation::Start() {
  target_.Resolve(Parent());
  if (TvgColor current; target_.StartFromCurrent() && keys_->Count() > 0 && target_.GetColor(current))
    static_cast<TvgColorKey*>(keys_->Keys(0))->SetValue(vgColorToStr(current));
  TvgAnimation::Start();
}

void TvgColorKeyAnimation::ProcessAnimation() {
  TvgKey *from, *to;
  float position;
  if (!target_ || !keys_->FindKeys(NormalizedTime(), from, to, position)) return;
  target_.SetColor(vgInterpolateColor(vgStrToColor(static_cast<TvgColorKey*>(from)->Value()),
                                      vgStrToColor(static_cast<TvgColorKey*>(to)->Value()), position));
}

CL_PUBLISHED(TvgFloatKeyAnimation) {
  using A = TvgFloatKeyAnimation;
  published.Property("PropertyName", &A::PropertyName, &A::SetPropertyName);
  published.Property("Keys", &A::Keys, &A::SetKeys);
  published.Property("StartFromCurrent", &A::StartFromCurrent, &A::SetStartFromCurrent).Default(false);
}

TvgFloatKeyAnimation::TvgFloatKeyAnimation(TComponent* owner)
    : TvgAnimation(owner), keys_(std::make_unique<TvgKeys>(TvgFloatKey::StaticClass())) {}

TvgFloatKeyAnimation::~TvgFloatKeyAnimation() = default;

void TvgFloatKeyAnimation::Start() {
  target_.Resolve(Parent());
  if (float current; target_.StartFromCurrent() && keys_->Count() > 0 && target_.GetFloat(current))
    static_cast<TvgFloatKey*>(keys_->Keys(0))->SetValue(current);
  TvgAnimation::Start();
}

void TvgFloatKeyAnimation::ProcessAnimation() {
  TvgKey *from, *to;
  float position;
  if (!target_ || !keys_->FindKeys(NormalizedTime(), from, to, position)) return;
  target_.SetFloat(vgInterpolateSingle(static_cast<TvgFloatKey*>(from)->Value(),
                                       static_cast<TvgFloatKey*>(to)->Value(), position));
}
