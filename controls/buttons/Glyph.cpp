#include "controls/buttons/Glyph.h"

#include "engine/tree/VisualObject.h"

void vgPlaceGlyph(TvgVisualObject& part, TvgButtonLayout layout, float size, float spacing) {
  TvgBounds& padding = *part.Padding();
  switch (layout) {
    case vgGlyphLeft:
      part.SetAlign(vaLeft);
      part.SetWidth(size);
      padding.SetRight(spacing);
      break;
    case vgGlyphRight:
      part.SetAlign(vaRight);
      part.SetWidth(size);
      padding.SetLeft(spacing);
      break;
    case vgGlyphTop:
      part.SetAlign(vaTop);
      part.SetHeight(size);
      padding.SetBottom(spacing);
      break;
    case vgGlyphBottom:
      part.SetAlign(vaBottom);
      part.SetHeight(size);
      padding.SetTop(spacing);
      break;
    case vgGlyphCenter:
      part.SetAlign(vaCenter);
      part.SetWidth(size);
      part.SetHeight(size);
      padding.SetRect({spacing, spacing, spacing, spacing});
      break;
  }
}

void vgSetUniformPadding(TvgVisualObject& object, float padding) {
  object.Padding()->SetRect({padding, padding, padding, padding});
}
