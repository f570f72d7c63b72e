#include "controls/editors/EditorsUnit.h"

#include "classlib/core/UnitGuard.h"
#include "controls/editors/BitmapEditor.h"
#include "controls/editors/BrushDialog.h"

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
