#include "controls/panels/ImageControl.h"

#include <filesystem>

#include "classlib/core/TextCodec.h"
#include "classlib/core/SysUtils.h"
#include "engine/dialogs/SystemDialogs.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Canvas.h"
#include "engine/paint/Filter.h"
#include "engine/scene/DragDrop.h"
#include "engine/shapes/Image.h"
#include "engine/tree/ObjectRegistry.h"

CL_PUBLISHED(TvgImageControl) {
  using I = TvgImageControl;
  published.Property("CanFocused", &I::CanFocused, &I::SetCanFocused).Default(true);
  published.Property("DisableFocusEffect", &I::DisableFocusEffect, &I::SetDisableFocusEffect).Default(false);
  published.Property("EnableOpenDialog", &I::EnableOpenDialog, &I::SetEnableOpenDialog).Default(true);
  published.Property("Bitmap", &I::Bitmap, &I::SetBitmap);
  published.Property("OnChange", &I::OnChange, &I::OnChange);
}

namespace {

std::string ImageFileTypes() {
  auto filter = vgCreateDefaultFilter();
  return filter ? filter->GetFileTypes() : std::string();
}

}  // namespace

TvgImageControl::TvgImageControl(TComponent* owner)
    : TvgControl(owner), bitmap_(std::make_unique<TvgBitmap>(1, 1)) {
  SetCanFocused(true);
  bitmap_->OnChange = [this](TObject*) { BitmapChanged(); };
}

TvgImageControl::~TvgImageControl() { bitmap_->OnChange = nullptr; }

void TvgImageControl::SetBitmap(TvgBitmap* bitmap) { bitmap_->Assign(bitmap); }

void TvgImageControl::ApplyStyle() {
  TvgControl::ApplyStyle();
  imagePart_ = dynamic_cast<TvgImage*>(FindResource("image"));
  if (imagePart_) imagePart_->Bitmap()->Assign(bitmap_.get());
}

void TvgImageControl::FreeStyle() { imagePart_ = nullptr; }

// The part shows the bitmap fitted into its size, never enlarged.
void TvgImageControl::BitmapChanged() {
  if (imagePart_) {
    TvgRect fitted{0, 0, float(bitmap_->Width()), float(bitmap_->Height())};
    vgRectFit(fitted, {0, 0, imagePart_->Width(), imagePart_->Height()});
    TvgBitmap* shown = imagePart_->Bitmap();
    shown->SetSize(int(Round(vgRectWidth(fitted))), int(Round(vgRectHeight(fitted))));
    shown->Clear(0);
    if (TvgCanvas* canvas = shown->GetCanvas(); canvas && canvas->BeginScene()) {
      canvas->DrawBitmap(bitmap_.get(), {0, 0, float(bitmap_->Width()), float(bitmap_->Height())},
                         {0, 0, float(shown->Width()), float(shown->Height())}, 1, false);
      canvas->EndScene();
    }
    imagePart_->Repaint();
  }
  OnChange(this);
}

void TvgImageControl::Click() {
  TvgControl::Click();
  if (!enableOpenDialog_) return;
  std::string fileName;
  if (vgSystemDialogs().OpenFile(ImageFileTypes(), fileName)) bitmap_->LoadFromFile(fileName);
}

// An existing file whose extension the image filter names.
bool TvgImageControl::IsImageFile(const std::wstring& fileName) {
  std::error_code error;
  const std::filesystem::path path(fileName);
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const std::string extension = Utf16ToGbk(path.extension().wstring());
  return !extension.empty() && LowerCase(ImageFileTypes()).find(LowerCase(extension)) != std::string::npos;
}

void TvgImageControl::DragOver(TvgDragObject* data, const TvgPoint& point, bool& accept) {
  TvgControl::DragOver(data, point, accept);
  if (!data) return;
  accept = (!data->Files.empty() && IsImageFile(data->Files.front())) || dynamic_cast<TvgImage*>(data->Source);
}

void TvgImageControl::DragDrop(TvgDragObject* data, const TvgPoint& point) {
  TvgControl::DragDrop(data, point);
  if (!data) return;
  if (auto* image = dynamic_cast<TvgImage*>(data->Source)) bitmap_->Assign(image->Bitmap());
  else if (!data->Files.empty()) bitmap_->LoadFromFile(Utf16ToGbk(data->Files.front()));
}

Variant TvgImageControl::GetData() { return vgObjectToVariant(bitmap_.get()); }

void TvgImageControl::SetData(const Variant& value) { vgAssignBitmapData(*bitmap_, value); }

void vgAssignBitmapData(TvgBitmap& bitmap, const Variant& value) {
  if (value.IsNull()) return bitmap.SetSize(1, 1);
  if (vgVarIsObject(value)) {
    if (auto* source = dynamic_cast<TPersistent*>(vgVariantToObject(value))) bitmap.Assign(source);
    return;
  }
  if (value.IsString()) bitmap.LoadFromFile(value.ToString());
}
