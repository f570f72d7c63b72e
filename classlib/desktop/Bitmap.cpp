#include "classlib/desktop/Bitmap.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

int BitsPerPixel(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit: case pf16bit: return 16;
    case pf24bit: return 24;
    default: return 32;
  }
}

// A top-down section of the format; pictures of 8 bits or fewer get a grey palette, 16-bit ones
// the 5-6-5 masks.
HBITMAP CreateSection(int width, int height, TPixelFormat format, void*& bits) {
  const int bitCount = BitsPerPixel(format);
  const int colors = bitCount <= 8 ? 1 << bitCount : 3;
  std::vector<uint8_t> buffer(sizeof(BITMAPINFOHEADER) + size_t(colors) * sizeof(RGBQUAD));
  auto* info = reinterpret_cast<BITMAPINFO*>(buffer.data());
  info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info->bmiHeader.biWidth = width;
  info->bmiHeader.biHeight = -height;
  info->bmiHeader.biPlanes = 1;
  info->bmiHeader.biBitCount = WORD(bitCount);
  info->bmiHeader.biCompression = BI_RGB;
  if (bitCount <= 8) {
    for (int i = 0; i < colors; ++i) {
      const auto level = BYTE(i * 255 / (colors - 1));
      info->bmiColors[i] = {level, level, level, 0};
    }
    info->bmiHeader.biClrUsed = DWORD(colors);
  } else if (format == pf16bit) {
    info->bmiHeader.biCompression = BI_BITFIELDS;
    auto* masks = reinterpret_cast<DWORD*>(info->bmiColors);
    masks[0] = 0xF800;
    masks[1] = 0x07E0;
    masks[2] = 0x001F;
  }
  return CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

// A device context with the bitmap selected: the bitmap's own canvas when it has one (a bitmap is
// selected into one context at a time), else a context of its own for the scope.
class TSelectedBitmap {
public:
  TSelectedBitmap(HBITMAP bitmap, HDC canvas) : dc_(canvas) {
    if (dc_) return;
    dc_ = CreateCompatibleDC(nullptr);
    saved_ = SelectObject(dc_, bitmap);
  }
  ~TSelectedBitmap() {
    if (!saved_) return;
    SelectObject(dc_, saved_);
    DeleteDC(dc_);
  }
  TSelectedBitmap(const TSelectedBitmap&) = delete;
  TSelectedBitmap& operator=(const TSelectedBitmap&) = delete;
  HDC Handle() const { return dc_; }

private:
  HDC dc_;
  HGDIOBJ saved_ = nullptr;
};

}  // namespace

CL_PUBLISHED(TGraphic) {}
CL_PUBLISHED(TBitmap) {}

TBitmap::~TBitmap() {
  ReleaseCanvas();
  if (handle_) DeleteObject(handle_);
}

void TBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  Recreate(false);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == pixelFormat_) return;
  pixelFormat_ = format;
  handleType_ = format == pfDevice ? bmDDB : bmDIB;
  Recreate(true);
}

void TBitmap::SetHandleType(TBitmapHandleType type) {
  if (type == handleType_) return;
  handleType_ = type;
  if (type == bmDDB) pixelFormat_ = pfDevice;
  else if (pixelFormat_ == pfDevice) pixelFormat_ = pf32bit;
  Recreate(true);
}

void TBitmap::Recreate(bool keep) {
  ReleaseCanvas();
  HBITMAP old = std::exchange(handle_, nullptr);
  bits_ = nullptr;
  stride_ = 0;
  if (width_ > 0 && height_ > 0) {
    if (handleType_ == bmDIB) {
      handle_ = CreateSection(width_, height_, pixelFormat_, bits_);
      stride_ = ((width_ * BitsPerPixel(pixelFormat_) + 31) / 32) * 4;
    } else {
      HDC screen = GetDC(nullptr);
      handle_ = CreateCompatibleBitmap(screen, width_, height_);
      ReleaseDC(nullptr, screen);
    }
  }
  if (old && handle_ && keep) {
    TSelectedBitmap from(old, nullptr), to(handle_, nullptr);
    BitBlt(to.Handle(), 0, 0, width_, height_, from.Handle(), 0, 0, SRCCOPY);
  }
  if (old) DeleteObject(old);
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_.Handle()) {
    HDC dc = CreateCompatibleDC(nullptr);
    if (handle_) savedObject_ = SelectObject(dc, handle_);
    canvas_.SetHandle(dc);
  }
  return &canvas_;
}

void TBitmap::ReleaseCanvas() {
  HDC dc = canvas_.Handle();
  if (!dc) return;
  if (savedObject_) SelectObject(dc, savedObject_);
  savedObject_ = nullptr;
  DeleteDC(dc);
  canvas_.SetHandle(nullptr);
}

void* TBitmap::ScanLine(int y) const {
  if (!bits_ || y < 0 || y >= height_) return nullptr;
  GdiFlush();
  return static_cast<uint8_t*>(bits_) + size_t(y) * size_t(stride_);
}

TColor TBitmap::TransparentColor() const {
  if (transparentColor_ != clDefault || !handle_ || height_ == 0) return transparentColor_;
  const TSelectedBitmap selected(handle_, canvas_.Handle());
  return TColor(GetPixel(selected.Handle(), 0, height_ - 1) & 0xFFFFFF);
}

void TBitmap::Draw(HDC dc, const RECT& rect) {
  if (!handle_) return;
  const TSelectedBitmap source(handle_, canvas_.Handle());
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source.Handle(), 0, 0, width_,
             height_, SRCCOPY);
}

void TBitmap::Assign(TPersistent* source) {
  auto* bitmap = dynamic_cast<TBitmap*>(source);
  if (!bitmap) return TGraphic::Assign(source);
  if (bitmap == this) return;
  ReleaseCanvas();
  if (handle_) DeleteObject(std::exchange(handle_, nullptr));
  width_ = bitmap->width_;
  height_ = bitmap->height_;
  pixelFormat_ = bitmap->pixelFormat_;
  handleType_ = bitmap->handleType_;
  transparentColor_ = bitmap->transparentColor_;
  SetTransparent(bitmap->Transparent());
  Recreate(false);
  if (handle_ && bitmap->handle_) bitmap->Draw(Canvas()->Handle(), {0, 0, width_, height_});
  GdiFlush();
}
