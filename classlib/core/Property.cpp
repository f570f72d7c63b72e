#include "classlib/core/Property.h"

#include "classlib/core/Component.h"
#include "classlib/core/SysUtils.h"

TEnumType::TEnumType(const char* typeName, std::vector<std::string> names)
    : name_(typeName), names_(std::move(names)) {}

TEnumType::TEnumType(const char* typeName, const char* commaSeparatedNames) : name_(typeName) {
  std::string_view rest(commaSeparatedNames);
  while (!rest.empty()) {
    size_t comma = rest.find(',');
    names_.push_back(Trim(rest.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
}

int TEnumType::ValueOf(std::string_view name) const {
  for (size_t i = 0; i < names_.size(); ++i)
    if (SameText(names_[i], name)) return int(i);
  return -1;
}

std::string TEnumType::NameOf(int64_t value) const {
  return value >= 0 && value < int64_t(names_.size()) ? names_[size_t(value)] : std::string();
}

const TEnumType& BooleanType() {
  static const TEnumType type("Boolean", "False, True");
  return type;
}

bool IdentToInt(const TIdentMap& map, std::string_view name, int32_t& value) {
  for (const auto& e : map)
    if (SameText(e.Name, name)) {
      value = e.Value;
      return true;
    }
  return false;
}

bool IntToIdent(const TIdentMap& map, int32_t value, std::string& name) {
  for (const auto& e : map)
    if (e.Value == value) {
      name = e.Name;
      return true;
    }
  return false;
}

void classlib_detail::ThrowInvalidValue(const std::string& name) {
  throw EPropertyError("Invalid property value for '" + name + "'");
}

bool TPropInfo::IsOrdinal() const {
  return Kind == TPropKind::Integer || Kind == TPropKind::Int64 || Kind == TPropKind::Enum ||
         Kind == TPropKind::Boolean || Kind == TPropKind::Set;
}

bool TPropInfo::IsComponentReference() const {
  TClass c = ObjClass();
  return Kind == TPropKind::Class && c && c->InheritsFrom(TComponent::StaticClass());
}

void TPropInfo::Set(TObject& instance, const TPropValue& value) const {
  if (!Setter) throw EPropertyError("Property " + Name + " is read-only");
  Setter(instance, value);
}

bool TPropInfo::IsDefaultValue(const TObject& instance) const {
  TPropValue value = Get(instance);
  if (DefaultValue) return value == *DefaultValue;
  switch (Kind) {
    case TPropKind::Single:
    case TPropKind::Double: return std::get<double>(value) == 0;
    case TPropKind::String: return std::get<std::string>(value).empty();
    case TPropKind::WideString: return std::get<std::wstring>(value).empty();
    case TPropKind::Method: return !std::get<TMethod>(value);
    default: return false;
  }
}

const TPropInfo* FindPropInfo(const TObject* instance, std::string_view name) {
  return instance ? instance->ClassType()->FindProperty(name) : nullptr;
}

static const TPropInfo& RequireProp(const TObject* instance, std::string_view name) {
  const TPropInfo* p = FindPropInfo(instance, name);
  if (!p) throw EPropertyError("Unknown property: '" + std::string(name) + "'");
  return *p;
}

TPropValue GetPropValue(const TObject* instance, std::string_view name) {
  return RequireProp(instance, name).Get(*instance);
}

void SetPropValue(TObject* instance, std::string_view name, const TPropValue& value) {
  RequireProp(instance, name).Set(*instance, value);
}

TPropertyPath ResolvePropertyPath(TObject* root, std::string_view path) {
  TObject* instance = root;
  while (instance) {
    size_t dot = path.find('.');
    const TPropInfo* prop = FindPropInfo(instance, path.substr(0, dot));
    if (!prop) return {};
    if (dot == std::string_view::npos) return {instance, prop};
    if (prop->Kind != TPropKind::Class) return {};
    instance = std::get<TObject*>(prop->Get(*instance));
    path.remove_prefix(dot + 1);
  }
  return {};
}

std::string SetToString(const TEnumType& elements, uint32_t bits, bool brackets) {
  std::string text;
  for (size_t i = 0; i < elements.Names().size() && i < 32; ++i)
    if (bits & (uint32_t(1) << i)) {
      if (!text.empty()) text += ',';
      text += elements.Names()[i];
    }
  return brackets ? "[" + text + "]" : text;
}

bool StringToSet(const TEnumType& elements, std::string_view text, uint32_t& bits) {
  std::string t = Trim(text);
  std::string_view rest(t);
  if (!rest.empty() && rest.front() == '[') {
    if (rest.back() != ']') return false;
    rest = rest.substr(1, rest.size() - 2);
  }
  uint32_t result = 0;
  while (!Trim(rest).empty()) {
    size_t comma = rest.find(',');
    int v = elements.ValueOf(Trim(rest.substr(0, comma)));
    if (v < 0 || v >= 32) return false;
    result |= uint32_t(1) << v;
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  bits = result;
  return true;
}
