#include "engine/scene/SceneUnit.h"

#include <ole2.h>

#include "classlib/core/UnitGuard.h"
#include "engine/scene/DragDrop.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/scene/Popup.h"
#include "engine/scene/Scene.h"
#include "engine/styles/Style.h"
#include "engine/tree/TreeUnit.h"

TvgSetLayeredWindowAttributes vgSetLayeredWindowAttributes = nullptr;
TvgUpdateLayeredWindow vgUpdateLayeredWindow = nullptr;
TvgPrintWindow vgPrintWindow = nullptr;

namespace {
TUnitGuard unit;
HMODULE user32 = nullptr;
bool oleStarted = false;

template <class F>
F Lookup(const char* name) {
  return user32 ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}
}  // namespace

void vgInitializeSceneUnit() {
  if (!unit.Initializing()) return;
  vgInitializeTreeUnit();
  user32 = LoadLibraryA("user32.dll");
  vgSetLayeredWindowAttributes = Lookup<TvgSetLayeredWindowAttributes>("SetLayeredWindowAttributes");
  vgUpdateLayeredWindow = Lookup<TvgUpdateLayeredWindow>("UpdateLayeredWindow");
  vgPrintWindow = Lookup<TvgPrintWindow>("PrintWindow");
  // Drag and drop needs OLE; a failure leaves it unavailable and is otherwise ignored.
  oleStarted = SUCCEEDED(OleInitialize(nullptr));
  RegisterClasses({TvgCustomScene::StaticClass(), TvgWindowScene::StaticClass()});
  vgRegisterObjects("Popup", {TvgPopup::StaticClass(), TvgMessagePopup::StaticClass()});
}

// Objects still alive are not freed; the lists only let go of them.
void vgFinalizeSceneUnit() {
  if (!unit.Finalizing()) return;
  if (user32) FreeLibrary(user32);
  user32 = nullptr;
  vgSetLayeredWindowAttributes = nullptr;
  vgUpdateLayeredWindow = nullptr;
  vgPrintWindow = nullptr;
  vgFreeDefaultStyle();
  vgReleaseObjectLists();
  vgReleaseDragDrop();
  if (oleStarted) OleUninitialize();
  oleStarted = false;
}
