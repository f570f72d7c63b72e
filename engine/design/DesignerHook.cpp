#include "engine/design/DesignerHook.h"

namespace {
IvgDesignerHook* installed = nullptr;
}  // namespace

IvgDesignerHook* vgDesignerHook() { return installed; }
void vgSetDesignerHook(IvgDesignerHook* hook) { installed = hook; }
