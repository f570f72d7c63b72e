#include "engine/styles/Style.h"

#include <exception>

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/ResourceStream.h"
#include "engine/tree/Control.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/styles/Resources.h"
#include "engine/scene/SceneInterface.h"

namespace {

constexpr const char* kDefaultStyleResource = "defaultvgstyle";

TvgObject* defaultStyle = nullptr;
bool defaultStyleTried = false;

TvgObject* SceneStyleRoot(const TvgControl& control) {
  IvgWindowScene* scene = control.Scene();
  TvgResources* style = scene ? scene->GetStyle() : nullptr;
  return style ? style->Root() : nullptr;
}

TvgObject* FindIn(TvgObject* tree, const std::string& name) { return tree ? tree->FindResource(name) : nullptr; }

// A live object that holds the control would be cloned into every clone of itself, without end.
bool Contains(const TvgObject* object, const TvgControl& control) {
  for (const TvgObject* o = &control; o; o = o->Parent())
    if (o == object) return true;
  return false;
}

// A control inside a clone of its own style, looking for that style again, would be styled
// without end; so would controls whose styles hold each other.
bool InsideItsOwnStyle(const TvgControl& control) {
  const TvgObject* below = &control;
  for (const TvgObject* above = control.Parent(); above; below = above, above = above->Parent()) {
    auto* ancestor = dynamic_cast<const TvgControl*>(above);
    if (ancestor && ancestor->StyleObject() == below && ancestor->ClassType() == control.ClassType() &&
        SameText(ancestor->Resource(), control.Resource()))
      return true;
  }
  return false;
}

// A source that cannot be written or read back gives no style rather than an error.
TvgObject* CloneFor(TvgControl& control, TvgObject* source) {
  if (!source) return nullptr;
  try {
    return source->Clone(&control);
  } catch (const std::exception&) {
    return nullptr;
  }
}

TvgObject* CloneNamedResource(TvgControl& control, TvgObject* sceneStyle) {
  const std::string& name = control.Resource();
  TvgObject* found = FindIn(sceneStyle, name);
  if (!found) found = FindIn(defaultStyle, name);
  if (!found) found = vgFindResourceObject(name);
  if (!found || !found->IsVisual() || Contains(found, control)) return nullptr;
  TvgObject* clone = CloneFor(control, found);
  if (clone) clone->SetResourceName("");
  return clone;
}

TvgObject* FindByResourceOrClass(TvgObject* tree, const std::string& resource, const std::string& classStyle) {
  TvgObject* found = resource.empty() ? nullptr : tree->FindResource(resource);
  return found ? found : tree->FindResource(classStyle);
}

}  // namespace

std::string vgStyleName(const std::string& className) {
  return (className.size() > 3 ? className.substr(3) : std::string()) + "style";
}

TvgObject* vgFindStyleResource(TvgControl& control) {
  const std::string& resource = control.Resource();
  if (!resource.empty() && resource == control.ResourceName()) return nullptr;
  if (InsideItsOwnStyle(control)) return nullptr;
  TvgObject* sceneStyle = SceneStyleRoot(control);
  if (!resource.empty())
    if (TvgObject* clone = CloneNamedResource(control, sceneStyle)) return clone;

  TvgObject* fallback = vgDefaultStyle();
  const std::string classStyle = vgStyleName(control.ClassName());
  if (sceneStyle)
    if (TvgObject* clone = CloneFor(control, FindByResourceOrClass(sceneStyle, resource, classStyle))) return clone;
  if (!fallback) return nullptr;
  TvgObject* found = FindByResourceOrClass(fallback, resource, classStyle);
  if (!found)
    if (TClass parent = control.ClassType()->Parent) found = fallback->FindResource(vgStyleName(parent->Name));
  return CloneFor(control, found);
}

TvgObject* vgDefaultStyle() {
  if (!defaultStyleTried) {
    defaultStyleTried = true;
    defaultStyle = vgLoadStyleResource(kDefaultStyleResource);
  }
  return defaultStyle;
}

void vgFreeDefaultStyle() {
  FreeAndNil(defaultStyle);
  defaultStyleTried = false;
}

TvgObject* vgLoadStyleResource(const std::string& resourceName) {
  try {
    TResourceStream stream(resourceName);
    return vgLoadObjectFromBinary(nullptr, stream);
  } catch (const std::exception&) {
    return nullptr;
  }
}
