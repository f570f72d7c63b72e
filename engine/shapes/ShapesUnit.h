#pragma once
// The shapes unit's part of the toolkit's start-up; it holds nothing to release at shut-down.

// Registers the shapes, texts, images, paths and paint boxes for streaming and under the
// designer's "Shapes" category, and the design grips under "Design", once per process.
void vgInitializeShapesUnit();
