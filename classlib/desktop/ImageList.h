#pragma once
// An image list: pictures of one size, in order, kept as bitmaps of their own; actions and
// controls refer to them by index.
#include <memory>
#include <vector>

#include "classlib/core/Component.h"

class TBitmap;

class TCustomImageList : public TComponent {
  CL_CLASS(TCustomImageList, TComponent)
public:
  explicit TCustomImageList(TComponent* owner);
  ~TCustomImageList() override;

  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }
  int Height() const { return height_; }
  void SetHeight(int height) { height_ = height; }

  int Count() const { return int(images_.size()); }
  // The image at index, nullptr outside the list.
  TBitmap* Images(int index) const;
  // Adds a copy of the bitmap; answers its index.
  int Add(TBitmap* image);
  void Delete(int index);
  void Clear();

  TNotifyEvent OnChange;

private:
  int width_ = 16, height_ = 16;
  std::vector<std::unique_ptr<TBitmap>> images_;
};

class TImageList : public TCustomImageList {
  CL_CLASS(TImageList, TCustomImageList)
public:
  using TCustomImageList::TCustomImageList;
};
