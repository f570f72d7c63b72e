#pragma once
// The orientation writer that tracks, scroll bars and progress bars share.
#include "engine/tree/VisualObject.h"

// Stores a new orientation and says whether it changed; with turnRound (the designer's change,
// not a stream's) the control turns round with it: its width and height swap.
inline bool vgStoreOrientation(TvgVisualObject& control, TvgOrientation& stored, TvgOrientation orientation,
                               bool turnRound) {
  if (orientation == stored) return false;
  stored = orientation;
  if (turnRound) control.SetBounds(control.Position()->X(), control.Position()->Y(), control.Height(), control.Width());
  return true;
}
