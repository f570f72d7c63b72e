#include "controls/buttons/BitmapButton.h"

#include "engine/paint/Bitmap.h"
#include "engine/shapes/Image.h"

CL_PUBLISHED(TvgBitmapButton) {
  using B = TvgBitmapButton;
  published.Property("Bitmap", &B::Bitmap, &B::SetBitmap);
  published.Property("BitmapLayout", &B::BitmapLayout, &B::SetBitmapLayout).Default(vgGlyphLeft);
  published.Property("BitmapSpacing", &B::BitmapSpacing, &B::SetBitmapSpacing).Default(0.0f);
  published.Property("BitmapSize", &B::BitmapSize, &B::SetBitmapSize).Default(32.0f);
  published.Property("BitmapPadding", &B::BitmapPadding, &B::SetBitmapPadding).Default(2.0f);
}

CL_PUBLISHED(TvgToolButton) {
  using B = TvgToolButton;
  published.Property("CanFocused", &B::CanFocused, &B::SetCanFocused).Default(false);
  published.Property("BitmapLayout", &B::BitmapLayout, &B::SetBitmapLayout).Default(vgGlyphTop);
}

TvgBitmapButton::TvgBitmapButton(TComponent* owner)
    : TvgCustomButton(owner), bitmap_(std::make_unique<TvgBitmap>(1, 1)) {
  SetSizeDirect(50, 60);
  bitmap_->OnChange = [this](TObject*) { PlaceGlyph(); };
}

TvgBitmapButton::~TvgBitmapButton() { bitmap_->OnChange = nullptr; }

TvgToolButton::TvgToolButton(TComponent* owner) : TvgBitmapButton(owner) {
  SetCanFocused(false);
  SetBitmapLayout(vgGlyphTop);
}

void TvgBitmapButton::SetBitmap(TvgBitmap* bitmap) { bitmap_->Assign(bitmap); }

void TvgBitmapButton::SetBitmapLayout(TvgButtonLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  ApplyStyle();
}

void TvgBitmapButton::ApplyStyle() {
  TvgCustomButton::ApplyStyle();
  PlaceGlyph();
  if (TvgObject* text = FindResource("text"); text && text->IsVisual()) vgSetUniformPadding(*text->Visual(), padding_);
}

// An empty glyph (a 1-pixel bitmap standing for no resource) leaves the part unaligned.
void TvgBitmapButton::PlaceGlyph() {
  auto* image = dynamic_cast<TvgImage*>(FindResource("image"));
  if (!image) return;
  image->SetBitmap(bitmap_.get());
  vgSetUniformPadding(*image, padding_);
  const TvgBitmap& shown = *image->Bitmap();
  if ((shown.Width() == 1 || shown.Height() == 1) && shown.ResourceName().empty()) return image->SetAlign(vaNone);
  vgPlaceGlyph(*image, layout_, size_, spacing_);
}
