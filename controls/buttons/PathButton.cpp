#include "controls/buttons/PathButton.h"

#include "engine/paint/Brush.h"
#include "engine/shapes/Path.h"
#include "engine/paint/PathData.h"

CL_PUBLISHED(TvgPathButton) {
  using B = TvgPathButton;
  published.Property("Path", &B::Path, &B::SetPath);
  published.Property("PathLayout", &B::PathLayout, &B::SetPathLayout).Default(vgGlyphLeft);
  published.Property("PathSize", &B::PathSize, &B::SetPathSize).Default(32.0f);
  published.Property("PathSpacing", &B::PathSpacing, &B::SetPathSpacing).Default(0.0f);
  published.Property("PathPadding", &B::PathPadding, &B::SetPathPadding).Default(2.0f);
  published.Property("PathFill", &B::PathFill, &B::SetPathFill);
  published.Property("PathStroke", &B::PathStroke, &B::SetPathStroke);
  published.Property("PathStrokeThickness", &B::PathStrokeThickness, &B::SetPathStrokeThickness).Default(1.0f);
  published.Property("PathStrokeCap", &B::PathStrokeCap, &B::SetPathStrokeCap).Default(vgCapFlat);
  published.Property("PathStrokeDash", &B::PathStrokeDash, &B::SetPathStrokeDash).Default(vgDashSolid);
  published.Property("PathStrokeJoin", &B::PathStrokeJoin, &B::SetPathStrokeJoin).Default(vgJoinMiter);
}

CL_PUBLISHED(TvgToolPathButton) {
  using B = TvgToolPathButton;
  published.Property("CanFocused", &B::CanFocused, &B::SetCanFocused).Default(false);
  published.Property("PathLayout", &B::PathLayout, &B::SetPathLayout).Default(vgGlyphTop);
}

TvgPathButton::TvgPathButton(TComponent* owner)
    : TvgCustomButton(owner),
      path_(std::make_unique<TvgPathData>()),
      fill_(std::make_unique<TvgBrush>(vgBrushSolid, 0xFFFFFFFF)),
      stroke_(std::make_unique<TvgBrush>(vgBrushSolid, 0xFF000000)) {
  SetSizeDirect(50, 60);
  path_->OnChange = [this](TObject*) { GlyphChanged(); };
  fill_->OnChanged = [this](TObject*) { GlyphChanged(); };
  stroke_->OnChanged = [this](TObject*) { GlyphChanged(); };
}

TvgPathButton::~TvgPathButton() {
  path_->OnChange = nullptr;
  fill_->OnChanged = nullptr;
  stroke_->OnChanged = nullptr;
}

TvgToolPathButton::TvgToolPathButton(TComponent* owner) : TvgPathButton(owner) {
  SetCanFocused(false);
  SetPathLayout(vgGlyphTop);
}

void TvgPathButton::SetPath(TvgPathData* path) { path_->Assign(path); }
void TvgPathButton::SetPathFill(TvgBrush* fill) { fill_->Assign(fill); }
void TvgPathButton::SetPathStroke(TvgBrush* stroke) { stroke_->Assign(stroke); }

// Also while loading: the layout decides where the glyph goes before anything else is read.
void TvgPathButton::SetPathLayout(TvgButtonLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  ApplyStyle();
}

void TvgPathButton::GlyphChanged() {
  Repaint();
  ApplyStyle();
}

void TvgPathButton::ApplyStyle() {
  TvgCustomButton::ApplyStyle();
  if (auto* path = dynamic_cast<TvgPath*>(FindResource("path"))) {
    path->SetPathData(path_.get());
    path->SetFill(fill_.get());
    path->SetStroke(stroke_.get());
    path->SetStrokeThickness(strokeThickness_);
    path->SetStrokeCap(strokeCap_);
    path->SetStrokeJoin(strokeJoin_);
    path->SetStrokeDash(strokeDash_);
  }
  if (TvgObject* owner = FindResource("pathowner"); owner && owner->IsVisual()) {
    TvgVisualObject& glyph = *owner->Visual();
    vgSetUniformPadding(glyph, padding_);
    if (path_->IsEmpty()) glyph.SetAlign(vaNone);
    else vgPlaceGlyph(glyph, layout_, size_, spacing_);
  }
  if (TvgObject* text = FindResource("text"); text && text->IsVisual()) vgSetUniformPadding(*text->Visual(), padding_);
}
