#include "engine/tree/ObjectRegistry.h"

#include <algorithm>
#include <cstdint>

#include "classlib/core/SysUtils.h"
#include "engine/tree/Object.h"

namespace {

std::vector<TvgObjectCategory>& Categories() {
  static std::vector<TvgObjectCategory> categories;
  return categories;
}

std::vector<TvgObject*>& LiveObjects() {
  static std::vector<TvgObject*> objects = [] {
    std::vector<TvgObject*> list;
    list.reserve(100);
    return list;
  }();
  return objects;
}

std::vector<IvgWindowScene*>& Scenes() {
  static std::vector<IvgWindowScene*> scenes;
  return scenes;
}

bool StartsWith(const std::string& text, std::string_view prefix) { return text.rfind(prefix, 0) == 0; }

// Characters past the end of the text read as nothing (and then fail as a number).
int32_t HexField(const std::string& text, size_t offset) {
  return StrToInt("$" + (offset < text.size() ? text.substr(offset, 8) : std::string()));
}

}  // namespace

void vgRegisterObject(const std::string& category, TClass objectClass) {
  auto& list = Categories();
  list.push_back({category, objectClass});
  std::stable_sort(list.begin(), list.end(), [](const TvgObjectCategory& a, const TvgObjectCategory& b) {
    return CompareText(a.Category, b.Category) < 0;
  });
}

void vgRegisterObjects(const std::string& category, std::initializer_list<TClass> classes) {
  for (TClass c : classes) {
    vgRegisterObject(category, c);
    RegisterClass(c);
  }
}

const std::vector<TvgObjectCategory>& vgObjectCategories() { return Categories(); }

void vgAddObject(TvgObject* object) {
  auto& list = LiveObjects();
  if (std::find(list.begin(), list.end(), object) == list.end()) list.push_back(object);
}

// Freed objects leave the list rather than a hole, so a program that keeps creating and freeing
// objects does not grow it for ever; the order of the others stays.
void vgRemoveObject(TvgObject* object) {
  auto& list = LiveObjects();
  auto it = std::find(list.rbegin(), list.rend(), object);
  if (it != list.rend()) list.erase(std::next(it).base());
}

TvgObject* vgFindResourceObject(std::string_view name) {
  auto& list = LiveObjects();
  for (auto it = list.rbegin(); it != list.rend(); ++it)
    if ((*it)->Stored() && SameText((*it)->ResourceName(), name)) return *it;
  return nullptr;
}

void vgAddScene(IvgWindowScene* scene) {
  auto& list = Scenes();
  if (std::find(list.begin(), list.end(), scene) == list.end()) list.push_back(scene);
}

void vgRemoveScene(IvgWindowScene* scene) { std::erase(Scenes(), scene); }

const std::vector<IvgWindowScene*>& vgScenes() { return Scenes(); }

void vgReleaseObjectLists() {
  std::vector<TvgObjectCategory>().swap(Categories());
  std::vector<TvgObject*>().swap(LiveObjects());
  std::vector<IvgWindowScene*>().swap(Scenes());
}

Variant vgObjectToVariant(TObject* object) {
  return Variant("vgobj" + IntToStr(int32_t(reinterpret_cast<intptr_t>(object))));
}

bool vgVarIsObject(const Variant& value) { return StartsWith(value.ToString(), "vgobj"); }

TObject* vgVariantToObject(const Variant& value) {
  std::string text = value.ToString();
  if (!StartsWith(text, "vgobj")) return nullptr;
  return reinterpret_cast<TObject*>(intptr_t(StrToInt(text.substr(5, 10))));
}

bool vgVarIsMethod(const Variant& value) { return value.IsString() && StartsWith(value.ToString(), "vgmet"); }

TMethod vgVariantToMethod(const Variant& value) {
  std::string text = value.ToString();
  if (!StartsWith(text, "vgmet")) return {};
  TMethod method;
  method.Data = reinterpret_cast<TObject*>(uintptr_t(uint32_t(HexField(text, 5))));
  method.Code = reinterpret_cast<const TMethodInfo*>(uintptr_t(uint32_t(HexField(text, 13))));
  return method;
}

std::wstring vgTranslate(const std::wstring& text) { return text; }
