#pragma once
// The editors' parts of the controls' start-up, one per editor (each its own unit row, in the
// toolkit's order); they hold nothing to release at shut-down.

// Registers the bitmap editor's form class for streaming, once per process.
void vgInitializeBitmapEditorUnit();
// Registers the path designer's form class for streaming, once per process.
void vgInitializePathDesignerUnit();
