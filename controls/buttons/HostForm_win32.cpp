#include "controls/buttons/HostForm.h"

#include "classlib/desktop/Form.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/Object.h"

TCustomForm* vgHostForm(const TvgObject& object) {
  if (!object.Scene()) return nullptr;
  for (TComponent* component = object.Scene()->GetComponent(); component; component = component->Owner())
    if (auto* form = dynamic_cast<TCustomForm*>(component)) return form;
  return nullptr;
}
