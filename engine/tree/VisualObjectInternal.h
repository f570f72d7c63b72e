#pragma once
// Helpers that TvgVisualObject's own source files share; nothing outside them includes this.
#include "engine/values/Geometry.h"

namespace {

inline bool IsEmptyArea(const TvgRect& r) { return vgRectWidth(r) == 0 || vgRectHeight(r) == 0; }

}  // namespace
