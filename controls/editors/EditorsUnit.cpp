#include "controls/editors/EditorsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/editors/BitmapEditor.h"
#include "controls/editors/BrushDialog.h"
#include "controls/editors/PropertyGrid.h"
#include "controls/editors/PathDataDesigner.h"
#include "engine/tree/ObjectRegistry.h"

void vgInitializeBitmapEditorUnit() {
  static TUnitGuard unit;
  if (!unit.Initializing()) return;
  RegisterClasses({TvgBitmapEditor::StaticClass()});
}

void vgInitializeBrushDesignerUnit() {
  static TUnitGuard unit;
  if (!unit.Initializing()) return;
  RegisterClasses({TvgBrushDialog::StaticClass()});
}

void vgInitializeInspectorUnit() {
  static TUnitGuard unit;
  if (!unit.Initializing()) return;
  vgRegisterObjects("Design", {TvgInspector::StaticClass()});
}

void vgInitializePathDesignerUnit() {
  static TUnitGuard unit;
  if (!unit.Initializing()) return;
  RegisterClasses({TvgPathDataDesigner::StaticClass()});
}
