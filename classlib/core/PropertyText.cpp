#include "classlib/core/PropertyText.h"

#include "classlib/core/Component.h"
#include "classlib/core/Property.h"
#include "classlib/core/Reader.h"
#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"

namespace {

[[noreturn]] void ThrowNoElement(const std::string& text) {
  throw EConvertError("Invalid property element: " + text);
}

TPropValue Ordinal(const TPropInfo& prop, const std::string& text) {
  switch (prop.Kind) {
    case TPropKind::Integer: return int64_t(StrToInt(Trim(text)));
    case TPropKind::Int64: {
      int64_t value = 0;
      if (!TryStrToInt64(Trim(text), value)) throw EConvertError("'" + text + "' is not a valid integer value");
      return value;
    }
    case TPropKind::Set: {
      uint32_t bits = 0;
      if (!StringToSet(*prop.EnumType, text, bits)) ThrowNoElement(text);
      return int64_t(bits);
    }
    default: {
      const int value = prop.EnumType->ValueOf(Trim(text));
      if (value < 0) ThrowNoElement(text);
      return int64_t(value);
    }
  }
}

TPropValue Reference(const std::string& text, TComponent* root) {
  const std::string name = Trim(text);
  if (name.empty() || SameText(name, "nil")) return static_cast<TObject*>(nullptr);
  TComponent* found = FindReferencedComponent(root, name);
  if (!found) throw EConvertError("Component '" + name + "' not found");
  return static_cast<TObject*>(found);
}

}  // namespace

std::wstring GetPropText(const TObject& instance, const TPropInfo& prop) {
  const TPropValue value = prop.Get(instance);
  switch (prop.Kind) {
    case TPropKind::Integer:
    case TPropKind::Int64: return GbkToUtf16(IntToStr(std::get<int64_t>(value)));
    case TPropKind::Enum:
    case TPropKind::Boolean: return GbkToUtf16(prop.EnumType->NameOf(std::get<int64_t>(value)));
    case TPropKind::Set: return GbkToUtf16(SetToString(*prop.EnumType, uint32_t(std::get<int64_t>(value))));
    case TPropKind::Single:
    case TPropKind::Double: return GbkToUtf16(FloatToStr(std::get<double>(value)));
    case TPropKind::String: return GbkToUtf16(std::get<std::string>(value));
    case TPropKind::WideString: return std::get<std::wstring>(value);
    case TPropKind::Class:
      if (auto* component = dynamic_cast<TComponent*>(std::get<TObject*>(value)); component && prop.IsComponentReference())
        return GbkToUtf16(component->Name());
      return {};
    case TPropKind::Method: return {};
  }
  return {};
}

void SetPropText(TObject& instance, const TPropInfo& prop, const std::wstring& text, TComponent* root) {
  const std::string narrow = Utf16ToGbk(text);
  switch (prop.Kind) {
    case TPropKind::Single:
    case TPropKind::Double: return prop.Set(instance, StrToFloat(Trim(narrow)));
    case TPropKind::String: return prop.Set(instance, narrow);
    case TPropKind::WideString: return prop.Set(instance, text);
    case TPropKind::Class:
      if (!prop.IsComponentReference()) break;
      return prop.Set(instance, Reference(narrow, root));
    case TPropKind::Method: break;
    default: return prop.Set(instance, Ordinal(prop, narrow));
  }
  throw EPropertyError("Property " + prop.Name + " takes no text");
}
