#include "controls/editors/EditorsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/editors/BitmapEditor.h"
#include "controls/editors/PathDataDesigner.h"

void vgInitializeBitmapEditorUnit() {
  static TUnitGuard unit;
  if (!unit.Initializing()) return;
  RegisterClasses({TvgBitmapEditor::StaticClass()});
}

void vgInitializePathDesignerUnit() {
  static TUnitGuard unit;
  if (!unit.Initializing()) return;
  RegisterClasses({TvgPathDataDesigner::StaticClass()});
}
