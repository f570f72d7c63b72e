#pragma once
// The editors' parts of the controls' start-up, one per editor (each its own unit row, in the
// toolkit's order); they hold nothing to release at shut-down.

// Registers the bitmap editor's form class for streaming, once per process.
void vgInitializeBitmapEditorUnit();
// Registers the brush dialog component for streaming, once per process.
void vgInitializeBrushDesignerUnit();
// Registers the inspector for streaming and, under "Design", for the designer, once per process.
void vgInitializeInspectorUnit();
// Registers the path designer's form class for streaming, once per process.
void vgInitializePathDesignerUnit();
