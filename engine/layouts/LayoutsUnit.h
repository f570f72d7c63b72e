#pragma once
// The layouts unit's part of the toolkit's start-up; it holds nothing to release at shut-down.

// Registers the layouts for streaming and under the designer's "Layout" category, and the scroll
// boxes under "Controls", once per process.
void vgInitializeLayoutsUnit();
