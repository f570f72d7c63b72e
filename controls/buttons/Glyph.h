#pragma once
// Where the glyph of a bitmap or path button sits beside its text: the glyph part is aligned to
// one side of the button (or centred), sized across that side and kept apart from the text by
// the spacing.
#include "classlib/core/Property.h"

class TvgVisualObject;

CL_ENUM(TvgButtonLayout, vgGlyphLeft, vgGlyphRight, vgGlyphTop, vgGlyphBottom, vgGlyphCenter)

void vgPlaceGlyph(TvgVisualObject& part, TvgButtonLayout layout, float size, float spacing);
// The same padding on all four sides.
void vgSetUniformPadding(TvgVisualObject& object, float padding);
