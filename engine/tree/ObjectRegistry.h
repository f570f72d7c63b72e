#pragma once
// Process-wide services of the scene core: classes by design category, the live scene objects
// and their search by resource name, the live scenes, object and method references packed into
// text Variants, and the translation hook of control texts. Main thread only, unlocked.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "classlib/core/Event.h"
#include "classlib/core/Object.h"
#include "classlib/core/Variant.h"

class TvgObject;
class IvgWindowScene;

struct TvgObjectCategory {
  std::string Category;
  TClass Class;
};

// Adds the pair and keeps the list sorted by category name (case-insensitive).
void vgRegisterObject(const std::string& category, TClass objectClass);
// Each class under the category and in the streaming class registry, in the given order.
void vgRegisterObjects(const std::string& category, std::initializer_list<TClass> classes);
const std::vector<TvgObjectCategory>& vgObjectCategories();

// Every constructed and not yet destroyed TvgObject, in order of construction.
void vgAddObject(TvgObject* object);
void vgRemoveObject(TvgObject* object);
// The newest live stored object with that resource name (case-insensitive), or nullptr.
TvgObject* vgFindResourceObject(std::string_view name);

void vgAddScene(IvgWindowScene* scene);
void vgRemoveScene(IvgWindowScene* scene);
const std::vector<IvgWindowScene*>& vgScenes();

// Empties the category list, the live-object list and the scene list and gives their memory
// back; the toolkit's shut-down calls it. Objects still alive are not freed.
void vgReleaseObjectLists();

// "vgobj" + the reference as a signed decimal integer.
Variant vgObjectToVariant(TObject* object);
bool vgVarIsObject(const Variant& value);
// nullptr unless the text starts with "vgobj"; a malformed number raises EConvertError.
TObject* vgVariantToObject(const Variant& value);
// "vgmet" + eight hexadecimal digits of the data pointer + eight of the code pointer.
bool vgVarIsMethod(const Variant& value);
TMethod vgVariantToMethod(const Variant& value);

// The text to show for a control text; no translation is installed, so texts come back as given.
std::wstring vgTranslate(const std::wstring& text);
