// TvgBitmap and the class library's pictures: assigned from bitmaps by their pixels and from any
// other picture by drawing it, and assigned to pictures and bitmaps as a 32-bit DIB.
#include "engine/paint/Bitmap.h"
#include "classlib/desktop/Bitmap.h"
#include "classlib/desktop/Picture.h"

#include <cstring>

namespace {

// Magenta: pictures drawn over it leave it where they are transparent.
constexpr uint32_t kKeyColor = 0x00FF00FF;
constexpr uint32_t kOpaque = 0xFF000000;

// The class library's colour holds red in its lowest byte, pixels hold blue there.
uint32_t PixelOfColor(TColor color) {
  const COLORREF rgb = ColorToRGB(color);
  return (uint32_t(GetRValue(rgb)) << 16) | (uint32_t(GetGValue(rgb)) << 8) | GetBValue(rgb);
}

// A bitmap that leaves a colour out: the pixel value of that colour; none otherwise.
bool TransparentPixel(const TBitmap& bitmap, uint32_t& pixel) {
  if (!bitmap.Transparent()) return false;
  pixel = PixelOfColor(bitmap.TransparentColor());
  return true;
}

TGraphic* GraphicOf(TPersistent* source) {
  if (auto* picture = dynamic_cast<TPicture*>(source)) return picture->Graphic();
  return dynamic_cast<TGraphic*>(source);
}

}  // namespace

bool TvgBitmap::AssignGraphic(TPersistent* source) {
  auto* picture = dynamic_cast<TPicture*>(source);
  TGraphic* graphic = GraphicOf(source);
  if (!graphic && !picture) return false;
  LinkResource(nullptr);
  resourceName_.clear();
  const int width = graphic ? graphic->Width() : 0, height = graphic ? graphic->Height() : 0;
  if (width != width_ || height != height_) {
    width_ = width;
    height_ = height;
    Reallocate();
  }
  auto* bitmap = dynamic_cast<TBitmap*>(graphic);
  uint32_t transparent = 0;
  const bool hasTransparent = bitmap && TransparentPixel(*bitmap, transparent);
  if (bits_.empty()) {
    // Nothing to copy.
  } else if (bitmap && bitmap->HandleType() == bmDIB && bitmap->PixelFormat() == pf32bit) {
    for (int y = 0; y < height_; ++y) {
      const auto* row = static_cast<const uint32_t*>(bitmap->ScanLine(y));
      for (int x = 0; x < width_; ++x) {
        const uint32_t pixel = row[x];
        bits_[size_t(y) * size_t(width_) + size_t(x)] =
            hasTransparent && (pixel & 0x00FFFFFF) == transparent ? 0 : pixel;
      }
    }
  } else if (bitmap && bitmap->HandleType() == bmDIB && bitmap->PixelFormat() == pf24bit) {
    for (int y = 0; y < height_; ++y) {
      const auto* row = static_cast<const uint8_t*>(bitmap->ScanLine(y));
      for (int x = 0; x < width_; ++x) {
        const uint32_t pixel = uint32_t(row[x * 3]) | (uint32_t(row[x * 3 + 1]) << 8) | (uint32_t(row[x * 3 + 2]) << 16);
        bits_[size_t(y) * size_t(width_) + size_t(x)] = hasTransparent && pixel == transparent ? 0 : kOpaque | pixel;
      }
    }
  } else {
    TBitmap work;
    work.SetPixelFormat(pf32bit);
    work.SetSize(width_, height_);
    HDC dc = work.Canvas()->Handle();
    HBRUSH key = CreateSolidBrush(RGB(255, 0, 255));
    const RECT all{0, 0, width_, height_};
    FillRect(dc, &all, key);
    DeleteObject(key);
    graphic->Draw(dc, all);
    for (int y = 0; y < height_; ++y) {
      const auto* row = static_cast<const uint32_t*>(work.ScanLine(y));
      for (int x = 0; x < width_; ++x) {
        const uint32_t pixel = row[x] & 0x00FFFFFF;
        bits_[size_t(y) * size_t(width_) + size_t(x)] = pixel == kKeyColor ? 0 : kOpaque | pixel;
      }
    }
  }
  PlatformImageStale = true;
  Changed();
  return true;
}

void TvgBitmap::AssignTo(TPersistent* dest) {
  TBitmap* bitmap = dynamic_cast<TBitmap*>(dest);
  if (auto* picture = dynamic_cast<TPicture*>(dest)) bitmap = picture->Bitmap();
  if (!bitmap) return TPersistent::AssignTo(dest);
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(width_, height_);
  for (int y = 0; y < height_; ++y)
    std::memcpy(bitmap->ScanLine(y), &bits_[size_t(y) * size_t(width_)], size_t(width_) * sizeof(TvgColor));
}
