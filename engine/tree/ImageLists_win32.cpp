#include "engine/tree/ImageLists.h"

#include "engine/paint/Bitmap.h"
#include "classlib/desktop/Bitmap.h"
#include "classlib/desktop/ImageList.h"

int vgImageListCount(TCustomImageList* images) { return images ? images->Count() : 0; }

TBitmap* vgImageListBitmap(TCustomImageList* images, int index) { return images ? images->Images(index) : nullptr; }

bool vgAssignImageListBitmap(TvgBitmap& bitmap, TCustomImageList* images, int index) {
  TBitmap* image = vgImageListBitmap(images, index);
  if (!image) return false;
  bitmap.Assign(image);
  return true;
}
