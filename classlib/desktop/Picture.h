#pragma once
// TPicture: holds one picture of any graphic class, owned; Bitmap makes that picture a bitmap.
#include <memory>

#include "classlib/desktop/Bitmap.h"

class TPicture : public TPersistent {
  CL_CLASS(TPicture, TPersistent)
public:
  TGraphic* Graphic() const { return graphic_.get(); }
  // Takes the picture over; nullptr leaves the picture empty.
  void SetGraphic(std::unique_ptr<TGraphic> graphic) { graphic_ = std::move(graphic); }
  // The picture as a bitmap: an empty one replaces a picture of another class.
  TBitmap* Bitmap();
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // From another picture or a bitmap: a copy of it.
  void Assign(TPersistent* source) override;

private:
  std::unique_ptr<TGraphic> graphic_;
};
