#pragma once
// The animation unit's part of the toolkit's start-up and shut-down; each runs at most once per
// process.

// Registers the property animations for streaming and under the designer's "Animations" category.
void vgInitializeAnimationUnit();
// Frees the animation clock.
void vgFinalizeAnimationUnit();
