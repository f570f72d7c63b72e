#include "classlib/desktop/Picture.h"

CL_PUBLISHED(TPicture) {}

TBitmap* TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(graphic_.get())) graphic_ = std::make_unique<TBitmap>();
  return static_cast<TBitmap*>(graphic_.get());
}

void TPicture::Assign(TPersistent* source) {
  if (auto* picture = dynamic_cast<TPicture*>(source)) {
    if (picture == this) return;
    if (!picture->graphic_) return graphic_.reset();
    source = picture->graphic_.get();
  }
  if (auto* bitmap = dynamic_cast<TBitmap*>(source)) return Bitmap()->Assign(bitmap);
  TPersistent::Assign(source);
}
