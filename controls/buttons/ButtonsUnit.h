#pragma once
// The buttons family's part of the controls' start-up; it holds nothing to release at shut-down.

// Registers the expander button for streaming only, and the buttons and tool buttons for
// streaming and under the designer's "Buttons", "Tool and Status" and "HUD" categories, once
// per process.
void vgInitializeButtonsUnit();
