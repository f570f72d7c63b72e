#pragma once
// The effects unit's part of the toolkit's start-up; it holds nothing to release at shut-down.

// Registers the six effects for streaming and under the designer's "Effects" category, once per
// process.
void vgInitializeEffectsUnit();
