#include "engine/animation/AnimationTarget.h"

#include "classlib/core/SysUtils.h"

namespace {

bool IsFloat(const TPropInfo* prop) { return prop->Kind == TPropKind::Single || prop->Kind == TPropKind::Double; }

}  // namespace

void TvgPropertyTarget::Resolve(TvgObject* root) {
  if (root == root_ && prop_) return;
  Forget();
  if (!root) return;
  root_ = root;
  Watch(root);
  TObject* instance = root;
  std::string rest = path_;
  for (size_t dot = rest.find('.'); dot != std::string::npos; dot = rest.find('.')) {
    const TPropInfo* segment = FindPropInfo(instance, Trim(std::string_view(rest).substr(0, dot)));
    rest.erase(0, dot + 1);
    if (!segment || segment->Kind != TPropKind::Class) continue;
    instance = std::get<TObject*>(segment->Get(*instance));
    if (!instance) return;
    Watch(instance);
  }
  instance_ = instance;
  prop_ = FindPropInfo(instance, rest);
}

void TvgPropertyTarget::Watch(TObject* object) {
  if (auto* tree = dynamic_cast<TvgObject*>(object)) {
    tree->AddFreeNotify(this);
    watched_.push_back(tree);
  }
}

void TvgPropertyTarget::Forget() {
  for (TvgObject* object : watched_) object->RemoveFreeNotify(this);
  watched_.clear();
  root_ = nullptr;
  instance_ = nullptr;
  prop_ = nullptr;
}

// The object that goes has taken this target out of its own list already.
void TvgPropertyTarget::FreeNotify(TvgObject* object) {
  std::erase(watched_, object);
  Forget();
}

TObject* TvgPropertyTarget::Object() const {
  if (!prop_ || prop_->Kind != TPropKind::Class) return nullptr;
  return std::get<TObject*>(prop_->Get(*instance_));
}

bool TvgPropertyTarget::GetFloat(float& value) const {
  if (!prop_ || !IsFloat(prop_)) return false;
  value = float(std::get<double>(prop_->Get(*instance_)));
  return true;
}

void TvgPropertyTarget::SetFloat(float value) const {
  if (prop_ && IsFloat(prop_)) prop_->Set(*instance_, double(value));
}

bool TvgPropertyTarget::GetColor(TvgColor& color) const {
  if (!prop_) return false;
  if (prop_->Kind == TPropKind::String) color = vgStrToColor(std::get<std::string>(prop_->Get(*instance_)));
  else if (prop_->Kind == TPropKind::Integer) color = TvgColor(std::get<int64_t>(prop_->Get(*instance_)));
  else return false;
  return true;
}

void TvgPropertyTarget::SetColor(TvgColor color) const {
  if (!prop_) return;
  if (prop_->Kind == TPropKind::String) prop_->Set(*instance_, vgColorToStr(color));
  else if (prop_->Kind == TPropKind::Integer) prop_->Set(*instance_, int64_t(color));
}
