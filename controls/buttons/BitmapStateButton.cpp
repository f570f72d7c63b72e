#include "controls/buttons/BitmapStateButton.h"

#include "engine/animation/AnimationTrigger.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Canvas.h"

CL_PUBLISHED(TvgBitmapStateButton) {
  using B = TvgBitmapStateButton;
  published.Property("Bitmap", &B::Bitmap, &B::SetBitmap);
  published.Property("BitmapHot", &B::BitmapHot, &B::SetBitmapHot);
  published.Property("BitmapDown", &B::BitmapDown, &B::SetBitmapDown);
}

TvgBitmapStateButton::TvgBitmapStateButton(TComponent* owner)
    : TvgCustomButton(owner),
      bitmap_(std::make_unique<TvgBitmap>()),
      bitmapHot_(std::make_unique<TvgBitmap>()),
      bitmapDown_(std::make_unique<TvgBitmap>()) {
  SetSizeDirect(64, 64);
  for (TvgBitmap* bitmap : {bitmap_.get(), bitmapHot_.get(), bitmapDown_.get()})
    bitmap->OnChange = [this](TObject*) { Repaint(); };
}

TvgBitmapStateButton::~TvgBitmapStateButton() {
  for (TvgBitmap* bitmap : {bitmap_.get(), bitmapHot_.get(), bitmapDown_.get()}) bitmap->OnChange = nullptr;
}

void TvgBitmapStateButton::SetBitmap(TvgBitmap* bitmap) { bitmap_->Assign(bitmap); }
void TvgBitmapStateButton::SetBitmapHot(TvgBitmap* bitmap) { bitmapHot_->Assign(bitmap); }
void TvgBitmapStateButton::SetBitmapDown(TvgBitmap* bitmap) { bitmapDown_->Assign(bitmap); }

TvgBitmap& TvgBitmapStateButton::ShownBitmap() const {
  if (IsPressed()) return *bitmapDown_;
  if (IsMouseOver()) return *bitmapHot_;
  return *bitmap_;
}

// A bitmap larger than the button is fitted into it; a smaller one is drawn at its own size in
// the middle.
void TvgBitmapStateButton::Paint() {
  TvgCanvas* canvas = GetCanvas();
  TvgBitmap& bitmap = ShownBitmap();
  if (!canvas || bitmap.IsEmpty()) return;
  const TvgRect source{0, 0, float(bitmap.Width()), float(bitmap.Height())};
  TvgRect target = source;
  if (vgRectFit(target, GetLocalRect()) <= 1) {
    target = source;
    vgRectCenter(target, GetLocalRect());
  }
  canvas->DrawBitmap(&bitmap, source, target, GetAbsoluteOpacity(), false);
}

void TvgBitmapStateButton::MouseEnter() {
  TvgCustomButton::MouseEnter();
  Repaint();
}

void TvgBitmapStateButton::MouseLeave() {
  TvgCustomButton::MouseLeave();
  Repaint();
}

void TvgBitmapStateButton::StartTriggerAnimation(TvgObject* instance, const std::string& trigger) {
  TvgCustomButton::StartTriggerAnimation(instance, trigger);
  if (vgTriggerMentions(trigger, "IsPressed")) Repaint();
}
