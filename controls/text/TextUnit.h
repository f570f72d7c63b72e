#pragma once
// The text family's part of the controls' start-up; it holds nothing to release at shut-down.

// Registers the labels for streaming and under the designer's "Controls" and "HUD" categories,
// once per process.
void vgInitializeTextUnit();
