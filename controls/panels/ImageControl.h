#pragma once
// TvgImageControl: a focusable frame that shows a bitmap fitted into its style's "image" part.
// A click opens a file of the image formats the toolkit reads; image files and image objects
// can be dropped on it.
#include <memory>

#include "engine/tree/Control.h"

class TvgBitmap;
class TvgImage;

// What SetData of a control showing a bitmap does with the value: null empties the bitmap, a
// reference to a persistent object is copied, a text is loaded as a file name.
void vgAssignBitmapData(TvgBitmap& bitmap, const Variant& value);

class TvgImageControl : public TvgControl {
  CL_CLASS(TvgImageControl, TvgControl)
public:
  explicit TvgImageControl(TComponent* owner);
  ~TvgImageControl() override;

  TvgBitmap* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TvgBitmap* bitmap);
  bool EnableOpenDialog() const { return enableOpenDialog_; }
  void SetEnableOpenDialog(bool enable) { enableOpenDialog_ = enable; }

  TNotifyEvent OnChange;

  // A reference to Bitmap. Null empties Bitmap; a reference to a persistent object is copied; a
  // text is loaded as a file name.
  Variant GetData() override;
  void SetData(const Variant& value) override;
  void ApplyStyle() override;
  void FreeStyle() override;
  void Click() override;
  void DragOver(TvgDragObject* data, const TvgPoint& point, bool& accept) override;
  void DragDrop(TvgDragObject* data, const TvgPoint& point) override;

  virtual void BitmapChanged();

private:
  static bool IsImageFile(const std::wstring& fileName);

  std::unique_ptr<TvgBitmap> bitmap_;
  TvgImage* imagePart_ = nullptr;
  bool enableOpenDialog_ = true;
};
