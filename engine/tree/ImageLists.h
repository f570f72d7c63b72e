#pragma once
// The image lists of actions, as controls take their images: by index, copied into a TvgBitmap.
class TBitmap;
class TCustomImageList;
class TvgBitmap;

// The number of images of the list, 0 without one.
int vgImageListCount(TCustomImageList* images);
// The image at index, nullptr without a list or outside it.
TBitmap* vgImageListBitmap(TCustomImageList* images, int index);
// Copies the image at index into the bitmap; false when there is none.
bool vgAssignImageListBitmap(TvgBitmap& bitmap, TCustomImageList* images, int index);
