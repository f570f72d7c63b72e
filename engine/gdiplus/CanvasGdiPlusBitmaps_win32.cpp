// TvgCanvasGdiPlus's bitmaps: the platform image shared with a bitmap, and drawing bitmaps.
#include "engine/gdiplus/CanvasGdiPlus.h"

#include "engine/gdiplus/CanvasGdiPlusInternal.h"
#include "engine/paint/Bitmap.h"

namespace {

constexpr int interpolationNearestNeighbor = 5;

void ReleaseSharedImage(TvgBitmap* bitmap) {
  delete static_cast<TGPBitmap*>(bitmap->PlatformImage);
  bitmap->PlatformImage = nullptr;
}

}  // namespace

TGPBitmap* vgSharedBitmapImage(TvgBitmap* Bitmap) {
  if (!Bitmap || !Bitmap->Bits()) return nullptr;
  auto* image = static_cast<TGPBitmap*>(Bitmap->PlatformImage);
  if (image && (int(image->GetWidth()) != Bitmap->Width() || int(image->GetHeight()) != Bitmap->Height())) {
    ReleaseSharedImage(Bitmap);
    image = nullptr;
  }
  if (!image) {
    image = new TGPBitmap(Bitmap->Width(), Bitmap->Height(), Bitmap->Width() * 4, gpPixelFormat32bppPARGB,
                          Bitmap->Bits());
    Bitmap->PlatformImage = image;
    Bitmap->OnReleasePlatformImage = &ReleaseSharedImage;
  }
  Bitmap->PlatformImageStale = false;
  return image;
}

void TvgCanvasGdiPlus::DrawBitmap(TvgBitmap* Bitmap, const TvgRect& SrcRect, const TvgRect& DstRect, float Opacity,
                                  bool HighSpeed) {
  if (!graphics_ || !Bitmap) return;
  if (TvgBitmap* resource = Bitmap->GetResourceBitmap()) Bitmap = resource;
  graphics_->SetInterpolationMode(HighSpeed ? interpolationNearestNeighbor : interpolationHighQuality);
  if (Opacity == 0 || !clipBox_.Reaches(DstRect)) return;
  TGPBitmap* image = vgSharedBitmapImage(Bitmap);
  if (!image) return;
  std::unique_ptr<TGPImageAttributes> attributes;
  if (Opacity < 1) {
    attributes = std::make_unique<TGPImageAttributes>();
    attributes->SetColorMatrix(AlphaMatrix(Opacity));
  }
  graphics_->DrawImage(*image, ToGp(DstRect), ToGp(SrcRect), gpUnitPixel, attributes.get());
}

void TvgCanvasGdiPlus::DrawThumbnail(TvgBitmap* Bitmap, float Width, float) {
  if (!graphics_ || !this->Bitmap() || !Bitmap) return;
  TGPBitmap* image = vgSharedBitmapImage(Bitmap);
  if (!image) return;
  float scale = Width / float(Bitmap->Width());
  graphics_->ScaleTransform(scale, scale);
  clipBox_.ForgetMatrix();
  graphics_->DrawImage(*image, GpRect{0, 0, Bitmap->Width(), Bitmap->Height()});
}
