#pragma once
// TvgClipBox: a box in device pixels that holds a canvas's clip, and the drawing transform it was
// set under. A canvas asks it whether a drawing can reach the clip at all, and cuts large areas
// down to it, so that the platform does not rasterise a whole shape to keep a few of its pixels.
// The box may be larger than the clip (exclusions and the corners of turned clips are not
// followed), never smaller; a margin of whole pixels around it keeps edge smoothing out of sight.
#include <vector>

#include "engine/values/Geometry.h"

class TvgClipBox {
public:
  // No clip: the surface of Width x Height pixels.
  void Reset(int Width, int Height);
  // The drawing transform of the coming calls: world units to device pixels.
  void SetMatrix(const TvgMatrix& M);
  // The drawing transform is no longer known; nothing is skipped or cut until the next SetMatrix.
  void ForgetMatrix() { matrixKnown_ = false; }

  // The clip becomes the union of the rects, in world units.
  void SetRects(const std::vector<TvgRect>& Rects);
  void Intersect(const TvgRect& Rect);
  // The clip lost a part that the box does not follow (an excluded rect, a figure).
  void Loosen() { exact_ = false; }

  // Whether drawing within Bounds (world units) can change a pixel inside the clip.
  bool Reaches(const TvgRect& Bounds) const;
  // Whether the clip lies wholly inside Bounds (world units), so that an outline along Bounds
  // stays out of it.
  bool Within(const TvgRect& Bounds) const;
  // Rect (world units, normalised) cut to the clip and its margin; empty when they do not meet.
  // Rect unchanged unless the transform keeps rects upright (a turned rect cut anew would meet
  // the pixels along its own edges differently).
  TvgRect Cut(const TvgRect& Rect) const;

  const TvgRect& Box() const { return box_; }
  // Whether the clip is exactly the box, one rect of whole device pixels.
  bool Exact() const { return exact_; }
  // Whether the drawing transform is known and maps rects onto rects (no turn, no shear).
  bool AxisAligned() const;
  // The bounds of a world rect on the device, and of a device rect in world units (the
  // transform known and invertible).
  TvgRect DeviceBounds(const TvgRect& Rect) const;
  TvgRect WorldBounds(const TvgRect& DeviceRect) const;

private:
  bool Invertible() const;
  // The box and its margin in world units; false when the transform is unknown or singular.
  bool WorldBox(TvgRect& Box) const;

  TvgRect surface_{};
  TvgRect box_{};
  TvgMatrix matrix_ = vgIdentityMatrix;
  bool matrixKnown_ = true;
  bool exact_ = true;
};
