// TvgCanvasGdiPlus's construction, its buffer (a DIB section in a memory device context), and
// the matrix, saved states and clipping, which the clip box follows.
#include "engine/gdiplus/CanvasGdiPlus.h"

#include <algorithm>

#include "classlib/core/SysUtils.h"
#include "engine/gdiplus/CanvasGdiPlusInternal.h"
#include "engine/paint/Bitmap.h"

CL_PUBLISHED(TvgCanvasGdiPlus) {}

namespace {

constexpr int compositingSourceOver = 0;
constexpr UINT textContrast = 2;

std::unique_ptr<TGPMatrix> GdipMatrixOf(const TvgMatrix& m) {
  auto matrix = std::make_unique<TGPMatrix>(m.m11, m.m12, m.m21, m.m22, m.m31, m.m32);
  matrix->Shear(m.m13, m.m23);
  return matrix;
}

float DpiFactorOf(TGPGraphics& graphics) {
  const float dpi = graphics.GetDpiX();
  return dpi > 0 ? 96 / dpi : 1;
}

}  // namespace

TvgCanvasGdiPlus::TvgCanvasGdiPlus(int Width, int Height) : TvgCanvas(Width, Height) {
  buffered_ = true;
  ResizeBuffer(Width, Height);
  CreateDrawingObjects();
  dpiFactor_ = 1;
}

TvgCanvasGdiPlus::TvgCanvasGdiPlus(TvgBitmap* Bitmap) : TvgCanvas(Bitmap) {
  if (Bitmap->Bits()) {
    bitmapTarget_ = std::make_unique<TGPBitmap>(Bitmap->Width(), Bitmap->Height(), Bitmap->Width() * 4,
                                                gpPixelFormat32bppPARGB, Bitmap->Bits());
    graphics_ = std::make_unique<TGPGraphics>(*bitmapTarget_);
    graphics_->SetSmoothingMode(smoothingHighQuality);
    graphics_->SetPixelOffsetMode(pixelOffsetHalf);
    graphics_->SetTextContrast(textContrast);
    dpiFactor_ = DpiFactorOf(*graphics_);
  }
  clipBox_.Reset(width_, height_);
  CreateDrawingObjects();
}

TvgCanvasGdiPlus::~TvgCanvasGdiPlus() {
  fontCollection_.reset();
  graphics_.reset();
  fontFamily_.reset();
  fillBrush_.reset();
  strokeBrush_.reset();
  pen_.reset();
  FreeBuffer();
}

void TvgCanvasGdiPlus::CreateDrawingObjects() {
  pen_ = std::make_unique<TGPPen>(0xFF000000, 1);
  strokeBrush_ = std::make_unique<TGPSolidBrush>(0xFF000000);
  fillBrush_ = std::make_unique<TGPSolidBrush>(0xFFFFFFFF);
  fontFamily_ = InstalledFontFamily(L"Tahoma");
}

TvgColor* TvgCanvasGdiPlus::GetBitmapScanline(TvgBitmap* Bitmap, int Y) {
  if (!Bitmap || !Bitmap->Bits() || Y < 0 || Y >= Bitmap->Height()) return nullptr;
  return Bitmap->Bits() + size_t(Y) * size_t(Bitmap->Width());
}

void TvgCanvasGdiPlus::FreeBuffer() {
  graphics_.reset();
  if (!buffered_) return;
  bitmapTarget_.reset();
  if (dib_) DeleteDib();
}

void TvgCanvasGdiPlus::DeleteDib() {
  DeleteDC(static_cast<HDC>(handle_));
  DeleteObject(dib_);
  handle_ = nullptr;
  dib_ = nullptr;
  bufferBits_ = nullptr;
}

void TvgCanvasGdiPlus::ResizeBuffer(int Width, int Height) {
  if (!buffered_) return;  // a bitmap canvas has its bitmap's size
  if (Width == width_ && Height == height_ && graphics_) return;
  FreeBuffer();
  width_ = std::max(Width, 1);
  height_ = std::max(Height, 1);
  BufferChanged = true;

  bitmapInfo_ = {};
  BITMAPINFOHEADER& header = bitmapInfo_.bmiHeader;
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = width_;
  header.biHeight = -height_;  // rows top-down
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  void* bits = nullptr;
  dib_ = CreateDIBSection(nullptr, &bitmapInfo_, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bits) {
    if (dib_) DeleteObject(dib_);
    dib_ = nullptr;
    throw Exception("Can't allocate the DIB handle");
  }
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) {
    DeleteObject(dib_);
    dib_ = nullptr;
    throw Exception("Can't create compatible DC");
  }
  if (!SelectObject(dc, dib_)) {
    DeleteDC(dc);
    DeleteObject(dib_);
    dib_ = nullptr;
    throw Exception("Can't select an object into DC");
  }
  handle_ = dc;
  bufferBits_ = static_cast<TvgColor*>(bits);
  // GDI+ draws straight into the DIB's pixels as premultiplied ARGB, which is what they hold;
  // through the device context every drawing would be staged and blended in a second copy.
  bitmapTarget_ = std::make_unique<TGPBitmap>(width_, height_, width_ * 4, gpPixelFormat32bppPARGB, bits);
  graphics_ = std::make_unique<TGPGraphics>(*bitmapTarget_);
  SetUpGraphics();
  clipBox_.Reset(width_, height_);
}

void TvgCanvasGdiPlus::SetUpGraphics() {
  graphics_->SetSmoothingMode(smoothingHighQuality);
  graphics_->SetInterpolationMode(interpolationHighQuality);
  graphics_->SetPixelOffsetMode(pixelOffsetHalf);
  graphics_->SetCompositingMode(compositingSourceOver);
  graphics_->SetTextContrast(textContrast);
  dpiFactor_ = DpiFactorOf(*graphics_);
}

void TvgCanvasGdiPlus::FlushBuffer(int X, int Y, void* DC) {
  if (dib_ && DC) BitBlt(static_cast<HDC>(DC), X, Y, width_, height_, static_cast<HDC>(handle_), 0, 0, SRCCOPY);
}

void TvgCanvasGdiPlus::FlushBufferRect(int X, int Y, void* DC, const TvgRect& Rect) {
  if (!dib_ || !DC) return;
  int left = int(Trunc(Rect.Left)), top = int(Trunc(Rect.Top));
  int right = int(Trunc(Rect.Right)) + 1, bottom = int(Trunc(Rect.Bottom)) + 1;
  BitBlt(static_cast<HDC>(DC), X + left, Y + top, right - left, bottom - top, static_cast<HDC>(handle_), left, top,
         SRCCOPY);
}

void TvgCanvasGdiPlus::Clear(TvgColor Color) {
  if (graphics_ && (buffered_ || Bitmap())) graphics_->Clear(Color);
}

void TvgCanvasGdiPlus::ClearRect(const TvgRect& Rect, TvgColor Color) {
  if (!buffered_ || !bufferBits_) return;
  auto cut = [](int64_t value, int limit) { return int(std::clamp<int64_t>(value, 0, limit)); };
  vgFillLongwordRect(bufferBits_, width_, height_, cut(Trunc(Rect.Left), width_), cut(Trunc(Rect.Top), height_),
                     cut(Round(Rect.Right), width_), cut(Round(Rect.Bottom), height_), Color);
}

void TvgCanvasGdiPlus::SetMatrix(const TvgMatrix& M) {
  TvgCanvas::SetMatrix(M);
  clipBox_.SetMatrix(M);
  if (graphics_) graphics_->SetTransform(*GdipMatrixOf(M));
}

void TvgCanvasGdiPlus::MultiplyMatrix(const TvgMatrix& M) {
  clipBox_.ForgetMatrix();
  if (graphics_) graphics_->MultiplyTransform(*GdipMatrixOf(M));
}

int TvgCanvasGdiPlus::SaveState() {
  if (!graphics_) return -1;
  const int index = SaveStateToSlot(int32_t(graphics_->Save()));
  if (size_t(index) >= savedClipBoxes_.size()) savedClipBoxes_.resize(size_t(index) + 1);
  savedClipBoxes_[size_t(index)] = clipBox_;
  return index;
}

void TvgCanvasGdiPlus::RestoreState(int Index) {
  if (!graphics_) return;
  if (!RestoreStateFromSlot(Index, [this](int32_t state) { graphics_->Restore(GpGraphicsState(state)); })) return;
  clipBox_ = savedClipBoxes_.at(size_t(Index));
  clipBox_.SetMatrix(Matrix());
}

void TvgCanvasGdiPlus::SetClipRects(const std::vector<TvgRect>& Rects) {
  if (!graphics_) return;
  TGPRegion region;
  region.MakeEmpty();
  for (const TvgRect& rect : Rects) region.Union(ToGp(rect));
  graphics_->SetClip(region, gpCombineModeReplace);
  clipBox_.SetRects(Rects);
}

void TvgCanvasGdiPlus::IntersectClipRect(const TvgRect& Rect) {
  if (!graphics_) return;
  graphics_->SetClip(ToGp(Rect), gpCombineModeIntersect);
  clipBox_.Intersect(Rect);
}

// The clip box keeps what it held: it may be larger than the clip.
void TvgCanvasGdiPlus::ExcludeClipRect(const TvgRect& Rect) {
  if (!graphics_) return;
  graphics_->SetClip(ToGp(Rect), gpCombineModeExclude);
  clipBox_.Loosen();
}

void TvgCanvasGdiPlus::ResetClipRect() {
  if (!graphics_) return;
  graphics_->ResetClip();
  clipBox_.Reset(width_, height_);
}
