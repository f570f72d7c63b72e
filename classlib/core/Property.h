#pragma once
// Published properties: one table per class, declared beside the class with one line per
// property. Streaming, Assign, property paths ("Fill.Color"), bindings and the inspector all
// walk these tables.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "classlib/core/Event.h"
#include "classlib/core/Object.h"
#include "classlib/core/Set.h"

enum class TPropKind { Integer, Int64, Enum, Boolean, Set, Single, Double, String, WideString, Class, Method };

// Names of an enumeration's values in declaration order.
class TEnumType {
public:
  TEnumType(const char* typeName, const char* commaSeparatedNames);
  TEnumType(const char* typeName, std::vector<std::string> names);
  const std::string& Name() const { return name_; }
  const std::vector<std::string>& Names() const { return names_; }
  int ValueOf(std::string_view name) const;  // case-insensitive; -1 when unknown
  std::string NameOf(int64_t value) const;   // "" when out of range

private:
  std::string name_;
  std::vector<std::string> names_;
};

// Declares an enumeration and its value names, in any namespace; the names are found by
// argument-dependent lookup of EnumTypeOf:
//   CL_ENUM(TvgAlign, vaNone, vaTopLeft, ...)
#define CL_ENUM(Name, ...)                                                   \
  enum Name : int { __VA_ARGS__ };                                           \
  inline const TEnumType& EnumTypeOf(Name) {                                 \
    static const TEnumType type(#Name, #__VA_ARGS__);                        \
    return type;                                                             \
  }

const TEnumType& BooleanType();

// Integer values that stream by name when they have one (cursors, colours).
struct TIdentMapEntry {
  int32_t Value;
  const char* Name;
};
using TIdentMap = std::vector<TIdentMapEntry>;
bool IdentToInt(const TIdentMap& map, std::string_view name, int32_t& value);
bool IntToIdent(const TIdentMap& map, int32_t value, std::string& name);

// Ordinals (Integer, Enum, Boolean, Set bits) travel as int64, floats as double.
using TPropValue = std::variant<std::monostate, int64_t, double, std::string, std::wstring, TObject*, TMethod>;

class TPropInfo {
public:
  std::string Name;
  TPropKind Kind = TPropKind::Integer;
  const TEnumType* EnumType = nullptr;  // Enum, Boolean, and the elements of a Set
  const TIdentMap* Idents = nullptr;    // Integer
  TClass (*ObjClassFn)() = nullptr;    // Class
  const std::type_info* EventSignature = nullptr;  // Method
  std::function<TPropValue(const TObject&)> Getter;
  std::function<void(TObject&, const TPropValue&)> Setter;  // empty: read-only
  std::optional<TPropValue> DefaultValue;
  std::function<bool(const TObject&)> StoredFn;  // empty: stored

  TClass ObjClass() const { return ObjClassFn ? ObjClassFn() : nullptr; }
  bool IsReadOnly() const { return !Setter; }
  bool IsOrdinal() const;
  bool IsComponentReference() const;  // a Class property whose class is a component
  TPropValue Get(const TObject& instance) const { return Getter(instance); }
  void Set(TObject& instance, const TPropValue& value) const;  // EPropertyError when read-only
  bool IsStored(const TObject& instance) const { return !StoredFn || StoredFn(instance); }
  // True when a writer may leave the value out: it equals the declared default, or, without one,
  // it is 0 for floats, empty for strings, unassigned for events. Ordinals without a default are
  // always written.
  bool IsDefaultValue(const TObject& instance) const;
};

// Generic access by name and by dotted path ("Fill.Color", "Position.Point").
const TPropInfo* FindPropInfo(const TObject* instance, std::string_view name);
TPropValue GetPropValue(const TObject* instance, std::string_view name);  // EPropertyError when unknown
void SetPropValue(TObject* instance, std::string_view name, const TPropValue& value);

struct TPropertyPath {
  TObject* Instance = nullptr;
  const TPropInfo* Prop = nullptr;
  explicit operator bool() const { return Instance && Prop; }
  TPropValue Get() const { return Prop->Get(*Instance); }
  void Set(const TPropValue& value) const { Prop->Set(*Instance, value); }
};
// Walks class-typed properties segment by segment; empty when a segment is missing or nil.
TPropertyPath ResolvePropertyPath(TObject* root, std::string_view path);

// Text forms of ordinal values as the streams write them.
std::string SetToString(const TEnumType& elements, uint32_t bits, bool brackets = true);
bool StringToSet(const TEnumType& elements, std::string_view text, uint32_t& bits);

namespace classlib_detail {

template <class V>
constexpr TPropKind KindOf() {
  using T = std::decay_t<V>;
  if constexpr (std::is_same_v<T, bool>) return TPropKind::Boolean;
  else if constexpr (std::is_enum_v<T>) return TPropKind::Enum;
  else if constexpr (IsTSet<T>::value) return TPropKind::Set;
  else if constexpr (std::is_same_v<T, int64_t> || std::is_same_v<T, uint64_t>) return TPropKind::Int64;
  else if constexpr (std::is_integral_v<T>) return TPropKind::Integer;
  else if constexpr (std::is_same_v<T, float>) return TPropKind::Single;
  else if constexpr (std::is_floating_point_v<T>) return TPropKind::Double;
  else if constexpr (std::is_same_v<T, std::string>) return TPropKind::String;
  else if constexpr (std::is_same_v<T, std::wstring>) return TPropKind::WideString;
  else if constexpr (std::is_pointer_v<T>) return TPropKind::Class;
  else return TPropKind::Method;
}

template <class V>
TPropValue ToPropValue(const V& v) {
  using T = std::decay_t<V>;
  if constexpr (std::is_same_v<T, bool>) return int64_t(v ? 1 : 0);
  else if constexpr (std::is_enum_v<T>) return int64_t(v);
  else if constexpr (IsTSet<T>::value) return int64_t(v.Bits());
  else if constexpr (std::is_same_v<T, int64_t> || std::is_same_v<T, uint64_t>) return int64_t(v);
  else if constexpr (std::is_integral_v<T>) return int64_t(int32_t(v));
  else if constexpr (std::is_floating_point_v<T>) return double(v);
  else if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, std::wstring>) return v;
  else if constexpr (std::is_pointer_v<T>) return static_cast<TObject*>(const_cast<std::remove_const_t<std::remove_pointer_t<T>>*>(v));
  else return v.Method();
}

[[noreturn]] void ThrowInvalidValue(const std::string& name);

template <class V>
V FromPropValue(const TPropValue& value, const std::string& name) {
  using T = std::decay_t<V>;
  auto ordinal = [&]() -> int64_t {
    if (auto* i = std::get_if<int64_t>(&value)) return *i;
    ThrowInvalidValue(name);
  };
  if constexpr (std::is_same_v<T, bool>) return ordinal() != 0;
  else if constexpr (std::is_enum_v<T>) return T(ordinal());
  else if constexpr (IsTSet<T>::value) return T::FromBits(uint32_t(ordinal()));
  else if constexpr (std::is_integral_v<T>) return T(ordinal());
  else if constexpr (std::is_floating_point_v<T>) {
    if (auto* d = std::get_if<double>(&value)) return T(*d);
    return T(ordinal());
  } else if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, std::wstring>) {
    if (auto* s = std::get_if<T>(&value)) return *s;
    ThrowInvalidValue(name);
  } else if constexpr (std::is_pointer_v<T>) {
    auto* o = std::get_if<TObject*>(&value);
    if (!o) ThrowInvalidValue(name);
    if (!*o) return nullptr;
    auto* typed = dynamic_cast<T>(*o);
    if (!typed) ThrowInvalidValue(name);
    return typed;
  } else {
    auto* m = std::get_if<TMethod>(&value);
    if (!m) ThrowInvalidValue(name);
    return T::FromMethod(*m);
  }
}

template <class T>
TClass StaticClassOf() {
  return std::remove_const_t<std::remove_pointer_t<T>>::StaticClass();
}

template <class T>
struct EventSignatureOf;
template <class... A>
struct EventSignatureOf<TEvent<A...>> {
  static const std::type_info& Get() { return typeid(void(A...)); }
};

template <class F>
struct MemberMethod;
template <class K, class... A>
struct MemberMethod<void (K::*)(A...)> {
  using Signature = void(A...);
  template <auto M>
  static void Thunk(TObject* self, A... args) {
    (dynamic_cast<K*>(self)->*M)(args...);
  }
};

}  // namespace classlib_detail

// The fluent part of one property line: .Default(v), .NoDefault(), .Stored(predicate).
template <class C, class V>
class TPropDecl {
public:
  explicit TPropDecl(TPropInfo& info) : info_(info) {}
  TPropDecl& Default(const V& value) {
    info_.DefaultValue = classlib_detail::ToPropValue<V>(value);
    return *this;
  }
  TPropDecl& Stored(bool (C::*predicate)() const) {
    info_.StoredFn = [predicate](const TObject& o) { return (static_cast<const C&>(o).*predicate)(); };
    return *this;
  }
  TPropDecl& Stored(bool stored) {
    info_.StoredFn = [stored](const TObject&) { return stored; };
    return *this;
  }
  TPropDecl& Idents(const TIdentMap& map) {
    info_.Idents = &map;
    return *this;
  }

private:
  TPropInfo& info_;
};

template <class C>
class TClassBuilder {
public:
  static const TClassInfo* Build(const char* name) {
    auto* info = new TClassInfo;  // lives as long as the program
    info->Name = name;
    info->Parent = C::Inherited::StaticClass();
    info->Construct = &classlib_detail::ConstructInstance<C>;
    TClassBuilder builder(*info);
    C::DeclarePublished(builder);
    return info;
  }

  // getter: a const member function or a data member; setter: a member function taking the
  // value, a data member, or nullptr for a read-only property.
  template <class G, class S = std::nullptr_t>
  auto Property(const char* name, G getter, S setter = nullptr) {
    using V = std::decay_t<std::invoke_result_t<G, const C&>>;
    auto* prop = new TPropInfo;
    prop->Name = name;
    prop->Kind = classlib_detail::KindOf<V>();
    if constexpr (std::is_same_v<V, bool>) prop->EnumType = &BooleanType();
    else if constexpr (std::is_enum_v<V>) prop->EnumType = &EnumTypeOf(V{});
    else if constexpr (IsTSet<V>::value) prop->EnumType = &EnumTypeOf(typename IsTSet<V>::Element{});
    else if constexpr (std::is_pointer_v<V>) prop->ObjClassFn = &classlib_detail::StaticClassOf<V>;
    else if constexpr (classlib_detail::KindOf<V>() == TPropKind::Method)
      prop->EventSignature = &classlib_detail::EventSignatureOf<V>::Get();
    prop->Getter = [getter](const TObject& o) {
      return classlib_detail::ToPropValue<V>(std::invoke(getter, static_cast<const C&>(o)));
    };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      std::string propName = name;
      prop->Setter = [setter, propName](TObject& o, const TPropValue& v) {
        V value = classlib_detail::FromPropValue<V>(v, propName);
        if constexpr (std::is_member_function_pointer_v<S>) std::invoke(setter, static_cast<C&>(o), value);
        else std::invoke(setter, static_cast<C&>(o)) = value;
      };
    }
    info_.OwnProperties.push_back(prop);
    return TPropDecl<C, V>(*prop);
  }

  // A published method, bound by name from streams: published.Method<&TfrmMsg::Button1Click>("Button1Click")
  template <auto M>
  void Method(const char* name) {
    using Traits = classlib_detail::MemberMethod<decltype(M)>;
    auto* method = new TMethodInfo{name, &typeid(typename Traits::Signature),
                                   reinterpret_cast<void (*)()>(&Traits::template Thunk<M>)};
    info_.OwnMethods.push_back(method);
  }

private:
  explicit TClassBuilder(TClassInfo& info) : info_(info) {}
  TClassInfo& info_;
};

// Shorthands inside CL_PUBLISHED bodies.
#define CL_METHOD(Class, Name) published.Method<&Class::Name>(#Name)
