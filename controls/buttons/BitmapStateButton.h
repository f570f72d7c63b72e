#pragma once
// TvgBitmapStateButton: a button drawn from one of three bitmaps instead of a style: Bitmap at
// rest, BitmapHot under the pointer, BitmapDown while pressed.
#include <memory>

#include "controls/buttons/Button.h"

class TvgBitmap;

class TvgBitmapStateButton : public TvgCustomButton {
  CL_CLASS(TvgBitmapStateButton, TvgCustomButton)
public:
  explicit TvgBitmapStateButton(TComponent* owner);
  ~TvgBitmapStateButton() override;

  TvgBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TvgBitmap* bitmap);
  TvgBitmap* BitmapHot() const { return bitmapHot_.get(); }
  void SetBitmapHot(TvgBitmap* bitmap);
  TvgBitmap* BitmapDown() const { return bitmapDown_.get(); }
  void SetBitmapDown(TvgBitmap* bitmap);

  void Paint() override;
  void MouseEnter() override;
  void MouseLeave() override;
  void StartTriggerAnimation(TvgObject* instance, const std::string& trigger) override;

private:
  TvgBitmap& ShownBitmap() const;

  std::unique_ptr<TvgBitmap> bitmap_;
  std::unique_ptr<TvgBitmap> bitmapHot_;
  std::unique_ptr<TvgBitmap> bitmapDown_;
};
