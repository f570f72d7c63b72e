#pragma once
// Design-time help for objects whose own drawing may show nothing (images, paths): in a designed
// scene they get a dashed grey outline, so that they can be found and picked.
class TvgCanvas;
class TvgVisualObject;

// The object is being painted into a canvas other than its scene's (a screenshot, an effect's
// bitmap, a visual brush).
bool vgPaintingIntoAnotherCanvas(const TvgVisualObject& object);

// The outline of the object's local rect, inset by half a unit, dashed, 1 unit wide, colour
// #A0909090, at its absolute opacity; only in design mode, and not for locked objects or while
// painting into another canvas. The canvas's state is kept.
void vgPaintDesignOutline(TvgVisualObject& object, TvgCanvas& canvas);
