#pragma once
// The panels family's part of the controls' start-up; it holds nothing to release at shut-down.

// Registers the selection item for streaming only, and the panels, the group boxes, the image
// control, the status and tool bars and the engine's window background for streaming and under
// their designer categories, once per process.
void vgInitializePanelsUnit();
