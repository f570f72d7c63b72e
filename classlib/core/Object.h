#pragma once
// Class identity: every streamable class has one TClassInfo (name, parent, virtual constructor,
// its own published properties and methods). The class registry finds classes by name.
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class TObject;
class TComponent;
class TPropInfo;
struct TMethodInfo;
template <class C> class TClassBuilder;

struct TClassInfo {
  std::string Name;
  const TClassInfo* Parent = nullptr;
  TObject* (*Construct)(TComponent* owner) = nullptr;  // nullptr: abstract, or not creatable by name
  std::vector<const TPropInfo*> OwnProperties;        // in declaration order
  std::vector<const TMethodInfo*> OwnMethods;

  bool InheritsFrom(const TClassInfo* ancestor) const;
  // Published properties, ancestors first, each in declaration order.
  std::vector<const TPropInfo*> Properties() const;
  const TPropInfo* FindProperty(std::string_view name) const;  // case-insensitive, own class first
  const TMethodInfo* FindMethod(std::string_view name) const;  // case-insensitive
};
using TClass = const TClassInfo*;

class TObject {
public:
  virtual ~TObject() = default;
  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }
  std::string ClassName() const { return ClassType()->Name; }
  bool InheritsFrom(TClass c) const { return ClassType()->InheritsFrom(c); }

  // Frees the object as the runtime's Free does: BeforeDestruction while the object is whole,
  // then the destructors. FreeAndNil also accepts nullptr.
  void Free();
  virtual void BeforeDestruction() {}

  // Published methods by name (the code is the method's entry, the data this object).
  const TMethodInfo* MethodAddress(std::string_view name) const { return ClassType()->FindMethod(name); }
  std::string MethodName(const TMethodInfo* code) const;
};

template <class T>
void FreeAndNil(T*& object) {
  T* doomed = object;
  object = nullptr;
  if (doomed) doomed->Free();
}

// Streaming class registry (names compared case-insensitively).
void RegisterClass(TClass c);
// Several at once.
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass c);
TClass GetClass(std::string_view name);   // nullptr when not registered
TClass FindClass(std::string_view name);  // EClassNotFound "Class %s not found"

namespace classlib_detail {
template <class C>
TObject* ConstructInstance(TComponent* owner) {
  if constexpr (std::is_abstract_v<C>) {
    return nullptr;
  } else if constexpr (std::is_constructible_v<C, TComponent*>) {
    return new C(owner);
  } else if constexpr (std::is_default_constructible_v<C>) {
    return new C();
  } else {
    return nullptr;
  }
}
}  // namespace classlib_detail

// Declares class identity inside a class body: CL_CLASS(TvgRectangle, TvgShape)
#define CL_CLASS(Self, Base)                                                   \
public:                                                                        \
  using Inherited = Base;                                                      \
  static TClass StaticClass();                                                 \
  TClass ClassType() const override { return StaticClass(); }                  \
  static void DeclarePublished(TClassBuilder<Self>& published);                \
                                                                               \
private:

// Defines the class identity in a source file and opens the body that declares its published
// properties and methods, one line each:
//   CL_PUBLISHED(TvgRectangle) {
//     published.Property("XRadius", &TvgRectangle::XRadius, &TvgRectangle::SetXRadius).Default(0.0f);
//   }
#define CL_PUBLISHED(Self)                                                     \
  TClass Self::StaticClass() {                                                 \
    static const TClassInfo* info = TClassBuilder<Self>::Build(#Self);         \
    return info;                                                               \
  }                                                                            \
  void Self::DeclarePublished([[maybe_unused]] TClassBuilder<Self>& published)
