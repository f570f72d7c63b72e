#include "controls/panels/Panel.h"

#include "engine/shapes/Shapes.h"

CL_PUBLISHED(TvgPanel) {}
CL_PUBLISHED(TvgHudPanel) {}

CL_PUBLISHED(TvgCalloutPanel) {
  using P = TvgCalloutPanel;
  published.Property("CalloutWidth", &P::CalloutWidth, &P::SetCalloutWidth).Default(23.0f);
  published.Property("CalloutLength", &P::CalloutLength, &P::SetCalloutLength).Default(11.0f);
  published.Property("CalloutPosition", &P::CalloutPosition, &P::SetCalloutPosition).Default(vgCalloutTop);
  published.Property("CalloutOffset", &P::CalloutOffset, &P::SetCalloutOffset).Default(0.0f);
}

TvgPanel::TvgPanel(TComponent* owner) : TvgControl(owner) { SetSizeDirect(120, 100); }

// The part is named "Backgound" in the styles that have one; the others are callout rectangles
// themselves.
TvgCalloutRectangle* TvgCalloutPanel::CalloutPart() {
  TvgObject* part = FindResource("Backgound");
  return dynamic_cast<TvgCalloutRectangle*>(part ? part : StyleObject());
}

void TvgCalloutPanel::ApplyStyle() {
  TvgPanel::ApplyStyle();
  TvgCalloutRectangle* part = CalloutPart();
  if (!part) return;
  part->SetCalloutWidth(callout_.Width);
  part->SetCalloutLength(callout_.Length);
  part->SetCalloutPosition(callout_.Position);
  part->SetCalloutOffset(callout_.Offset);
}
