#include "classlib/desktop/Form.h"
// The platform's headers come first: the engine's headers give back the names they rename.
#include "controls/windows/HostForm.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/Object.h"

TCustomForm* vgHostForm(const TvgObject& object) {
  if (!object.Scene()) return nullptr;
  for (TComponent* component = object.Scene()->GetComponent(); component; component = component->Owner())
    if (auto* form = dynamic_cast<TCustomForm*>(component)) return form;
  return nullptr;
}
