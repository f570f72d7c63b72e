#include "engine/design/DesignStyle.h"

#include "classlib/core/StringList.h"
#include "engine/scene/SceneInterface.h"
#include "engine/styles/Resources.h"
#include "engine/tree/Control.h"

namespace {

TvgObject* SceneStyleRoot(IvgWindowScene& scene) {
  if (!scene.GetStyle()) {
    auto* resources = new TvgResources(scene.GetOwner());
    TStringList text;
    text.SetText("object TvgBackground\r\nend\r\n");
    resources->SetResource(&text);
    scene.SetStyle(resources);
  }
  return scene.GetStyle()->Root();
}

std::string StyleNameFor(TvgControl& control, bool custom) {
  if (custom) return control.Name();
  if (!control.Resource().empty()) return control.Resource();
  const std::string className = control.ClassName();
  return (className.size() > 3 ? className.substr(3) : std::string()) + "Style";
}

// A copy rather than the applied object itself, which the control keeps showing and would free
// when it next applies a style.
void CopyStyle(TvgControl& control, TvgObject& root, bool custom) {
  TvgObject* style = control.StyleObject();
  const std::string name = StyleNameFor(control, custom);
  if (!style || name.empty() || root.FindResource(name)) return;
  TvgObject* copy = style->Clone(root.Owner());
  if (!copy) return;
  if (TvgVisualObject* visual = copy->Visual()) visual->SetAlign(vaNone);
  copy->SetResourceName(name);
  root.AddObject(copy);
  if (custom) control.SetResource(name);
}

void CopyStyles(TvgControl& control, TvgObject& root, bool custom) {
  CopyStyle(control, root, custom);
  for (int i = 0; i < control.ChildrenCount(); ++i)
    if (auto* child = dynamic_cast<TvgControl*>(control.Children(i)); child && child != control.StyleObject())
      CopyStyles(*child, root, custom);
}

}  // namespace

void vgCopyStyleToScene(TvgControl& control, IvgWindowScene& scene, bool custom) {
  if (TvgObject* root = SceneStyleRoot(scene)) CopyStyles(control, *root, custom);
}
