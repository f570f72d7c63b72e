#include "classlib/desktop/ImageList.h"

#include "classlib/desktop/Bitmap.h"

CL_PUBLISHED(TCustomImageList) {}

CL_PUBLISHED(TImageList) {
  published.Property("Width", &TImageList::Width, &TImageList::SetWidth).Default(16);
  published.Property("Height", &TImageList::Height, &TImageList::SetHeight).Default(16);
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() = default;

TBitmap* TCustomImageList::Images(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return images_[size_t(index)].get();
}

int TCustomImageList::Add(TBitmap* image) {
  auto copy = std::make_unique<TBitmap>();
  if (image) copy->Assign(image);
  images_.push_back(std::move(copy));
  OnChange(this);
  return Count() - 1;
}

void TCustomImageList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  images_.erase(images_.begin() + index);
  OnChange(this);
}

void TCustomImageList::Clear() {
  if (images_.empty()) return;
  images_.clear();
  OnChange(this);
}
