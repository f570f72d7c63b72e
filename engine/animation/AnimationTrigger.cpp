#include "engine/animation/AnimationTrigger.h"

#include <string_view>

#include "classlib/core/Property.h"
#include "classlib/core/SysUtils.h"

namespace {

// Calls check with the result of each condition that can be compared, left to right, until it
// answers false.
template <class F>
void ForEachCondition(TObject* instance, const std::string& trigger, F check) {
  std::string_view rest = trigger;
  while (!rest.empty()) {
    size_t end = rest.find(';');
    std::string_view condition = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    size_t equals = condition.find('=');
    std::string name = Trim(condition.substr(0, equals));
    std::string wanted = equals == std::string_view::npos ? "" : Trim(condition.substr(equals + 1));
    const TPropInfo* prop = FindPropInfo(instance, name);
    if (!prop || (prop->Kind != TPropKind::Enum && prop->Kind != TPropKind::Boolean)) continue;
    const TPropValue value = prop->Get(*instance);
    const int64_t* ordinal = std::get_if<int64_t>(&value);
    bool matches = ordinal && SameText(prop->EnumType->NameOf(*ordinal), wanted);
    if (!check(matches)) return;
  }
}

}  // namespace

bool vgTriggerMentions(const std::string& trigger, const std::string& stateName) {
  return LowerCase(trigger).find(LowerCase(stateName)) != std::string::npos;
}

bool vgTriggerHolds(TObject* instance, const std::string& trigger) {
  if (!instance) return false;
  bool compared = false, holds = true;
  ForEachCondition(instance, trigger, [&](bool matches) {
    compared = true;
    holds = matches;
    return matches;
  });
  return compared && holds;
}

bool vgTriggerLastCondition(TObject* instance, const std::string& trigger) {
  if (!instance) return false;
  bool last = false;
  ForEachCondition(instance, trigger, [&](bool matches) {
    last = matches;
    return true;
  });
  return last;
}
