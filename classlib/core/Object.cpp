#include "classlib/core/Object.h"

#include <algorithm>
#include <map>

#include "classlib/core/Event.h"
#include "classlib/core/Property.h"
#include "classlib/core/SysUtils.h"

TClass TObject::StaticClass() {
  static const TClassInfo info{"TObject", nullptr, nullptr, {}, {}};
  return &info;
}

void TObject::Free() {
  BeforeDestruction();
  delete this;
}

std::string TObject::MethodName(const TMethodInfo* code) const {
  for (TClass c = ClassType(); c; c = c->Parent)
    for (const TMethodInfo* m : c->OwnMethods)
      if (m == code) return m->Name;
  return "";
}

bool TClassInfo::InheritsFrom(const TClassInfo* ancestor) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    if (c == ancestor) return true;
  return false;
}

// A property a class declares again (to give it another default) keeps its ancestor's place.
std::vector<const TPropInfo*> TClassInfo::Properties() const {
  std::vector<const TPropInfo*> all = Parent ? Parent->Properties() : std::vector<const TPropInfo*>{};
  const size_t inherited = all.size();
  for (const TPropInfo* own : OwnProperties) {
    auto end = all.begin() + std::ptrdiff_t(inherited);
    auto redeclared = std::find_if(all.begin(), end, [own](const TPropInfo* p) { return SameText(p->Name, own->Name); });
    if (redeclared != end) *redeclared = own;
    else all.push_back(own);
  }
  return all;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    for (const TPropInfo* p : c->OwnProperties)
      if (SameText(p->Name, name)) return p;
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    for (const TMethodInfo* m : c->OwnMethods)
      if (SameText(m->Name, name)) return m;
  return nullptr;
}

namespace {
struct CaseInsensitiveLess {
  bool operator()(const std::string& a, const std::string& b) const { return CompareText(a, b) < 0; }
};
std::map<std::string, TClass, CaseInsensitiveLess>& Registry() {
  static std::map<std::string, TClass, CaseInsensitiveLess> registry;
  return registry;
}
}  // namespace

void RegisterClass(TClass c) { Registry().emplace(c->Name, c); }

void RegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass c : classes) RegisterClass(c);
}

void UnRegisterClass(TClass c) {
  auto it = Registry().find(c->Name);
  if (it != Registry().end() && it->second == c) Registry().erase(it);
}

TClass GetClass(std::string_view name) {
  auto it = Registry().find(std::string(name));
  return it == Registry().end() ? nullptr : it->second;
}

TClass FindClass(std::string_view name) {
  TClass c = GetClass(name);
  if (!c) throw EClassNotFound("Class " + std::string(name) + " not found");
  return c;
}
