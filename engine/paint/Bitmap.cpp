#include "engine/paint/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

#include "classlib/core/MemoryStream.h"
#include "classlib/core/SysUtils.h"
#include "engine/paint/Canvas.h"
#include "engine/paint/Filter.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/styles/ResourceObjects.h"

CL_PUBLISHED(TvgBitmap) {
  published.Property("ResourceName", &TvgBitmap::ResourceName, &TvgBitmap::SetResourceName);
}

TvgBitmap::TvgBitmap(int width, int height) { SetSize(width, height); }

TvgBitmap::TvgBitmap(TStream& stream) { LoadFromStream(stream); }

TvgBitmap::~TvgBitmap() {
  ReleasePlatformImage();
  if (resource_) resource_->RemoveFreeNotify(this);
  FreeCanvas();
}

// --- Size and pixels -------------------------------------------------------------------------

void TvgBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  Reallocate();
  Changed();
}

void TvgBitmap::Reallocate() {
  OnBitsReallocating(this);
  ReleasePlatformImage();
  FreeCanvas();
  bits_.clear();
  bits_.shrink_to_fit();
  bits_.resize(size_t(width_) * size_t(height_), 0);
  PlatformImageStale = true;
  OnBitsReallocated(this);
}

void TvgBitmap::ReleasePlatformImage() {
  OnReleasePlatformImage(this);
  PlatformImage = nullptr;
}

void TvgBitmap::FreeCanvas() {
  delete canvas_;
  canvas_ = nullptr;
}

TvgCanvas* TvgBitmap::GetCanvas() {
  if (!canvas_ && DefaultCanvasClass) {
    canvas_ = DefaultCanvasClass->CreateFromBitmap(this);
    canvas_->SetMatrix(vgIdentityMatrix);
  }
  return canvas_;
}

// Rows lie top-down without padding whatever canvas draws into them.
TvgColor* TvgBitmap::GetScanline(int y) {
  if (bits_.empty() || y < 0 || y >= height_) return nullptr;
  return bits_.data() + size_t(y) * size_t(width_);
}

void TvgBitmap::Clear(TvgColor color) {
  if (bits_.empty()) return;
  std::fill(bits_.begin(), bits_.end(), vgPremultiplyColor(color));
  Changed();
  PlatformImageStale = true;
}

void TvgBitmap::ClearRect(const TvgRect& rect, TvgColor color) {
  if (bits_.empty()) return;
  auto cut = [](int64_t v, int limit) { return int(std::clamp<int64_t>(v, 0, limit)); };
  int left = cut(Trunc(rect.Left), width_);
  int top = cut(Trunc(rect.Top), height_);
  int right = std::max(cut(Round(rect.Right), width_), left);
  int bottom = std::max(cut(Round(rect.Bottom), height_), top);
  TvgColor pixel = vgPremultiplyColor(color);
  for (int y = top; y < bottom; ++y) std::fill(GetScanline(y) + left, GetScanline(y) + right, pixel);
  PlatformImageStale = true;
}

void TvgBitmap::FlipVertical() {
  for (int y = 0; y < height_ / 2; ++y)
    std::swap_ranges(GetScanline(y), GetScanline(y) + width_, GetScanline(height_ - 1 - y));
  Changed();
}

void TvgBitmap::InvertAlpha() {
  for (TvgColor& pixel : bits_) {
    TvgColor straight = vgUnpremultiplyColor(pixel);
    TvgColor inverted = (straight & 0x00FFFFFF) | ((255 - (straight >> 24)) << 24);
    pixel = vgPremultiplyColor(inverted);
  }
  Changed();
}

void TvgBitmap::FillColor(TvgColor color) {
  for (TvgColor& pixel : bits_) {
    uint32_t alpha = pixel >> 24;
    if (alpha > 0) pixel = vgPremultiplyColor(vgOpacityColor(color, float(alpha) / 255));
  }
  Changed();
  PlatformImageStale = true;
}

std::vector<uint8_t> TvgBitmap::CreateMask() const {
  std::vector<uint8_t> mask(bits_.size());
  std::transform(bits_.begin(), bits_.end(), mask.begin(), [](TvgColor pixel) { return uint8_t(pixel >> 24); });
  return mask;
}

void TvgBitmap::ApplyMask(std::span<const uint8_t> mask, int dx, int dy) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      int mx = x - dx, my = y - dy;
      if (mx < 0 || my < 0 || mx >= width_ || my >= height_) continue;
      size_t at = size_t(my) * size_t(width_) + size_t(mx);
      if (at >= mask.size() || mask[at] == 0) continue;
      TvgColor& pixel = GetScanline(y)[x];
      pixel = vgPremultiplyColor(vgOpacityColor(vgUnpremultiplyColor(pixel), float(255 - mask[at]) / 255));
    }
  }
  Changed();
  PlatformImageStale = true;
}

bool TvgBitmap::HasTranslucentPixel() const {
  return std::any_of(bits_.begin(), bits_.end(), [](TvgColor pixel) { return (pixel >> 24) < 255; });
}

// --- Resources -------------------------------------------------------------------------------

void TvgBitmap::LinkResource(TvgBitmapObject* resource) {
  if (resource_) resource_->RemoveFreeNotify(this);
  resource_ = resource;
  if (resource_) resource_->AddFreeNotify(this);
}

void TvgBitmap::SetResource(TvgBitmapObject* resource) {
  LinkResource(resource);
  resourceName_ = resource ? resource->ResourceName() : std::string();
  Changed();
}

void TvgBitmap::SetResourceName(const std::string& name) {
  if (name == resourceName_) return;
  resourceName_ = name;
  Changed();
}

TvgBitmap* TvgBitmap::GetResourceBitmap() {
  if (!resource_ && !resourceName_.empty())
    if (auto* found = dynamic_cast<TvgBitmapObject*>(vgFindResourceObject(resourceName_))) LinkResource(found);
  return resource_ ? resource_->Bitmap() : nullptr;
}

void TvgBitmap::FreeNotify(TvgObject* object) {
  if (object == resource_) resource_ = nullptr;
}

// --- Copying and streaming -------------------------------------------------------------------

void TvgBitmap::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TvgBitmap*>(source);
  if (!other) {
    if (!AssignGraphic(source)) TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  if (other->GetResourceBitmap()) {
    LinkResource(other->resource_);
    resourceName_ = other->resourceName_;
    Changed();
    return;
  }
  LinkResource(nullptr);
  resourceName_.clear();
  if (other->width_ != width_ || other->height_ != height_) {
    width_ = other->width_;
    height_ = other->height_;
    Reallocate();
  }
  bits_ = other->bits_;
  PlatformImageStale = true;
  Changed();
}

void TvgBitmap::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "PNG", [this](TStream& stream) { LoadFromStream(stream); }, [this](TStream& stream) { SaveToStream(stream); },
      !bits_.empty());
}

void TvgBitmap::LoadFromFile(const std::string& fileName, float rotate) {
  struct stat info;
  if (stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return;
  auto filter = vgCreateDefaultFilter();
  if (!filter || !filter->LoadFromFile(fileName, rotate, *this)) return;
  Changed();
  OnLoaded(this, Variant(fileName));
}

void TvgBitmap::SaveToFile(const std::string& fileName, const std::string& params) {
  if (auto filter = vgCreateDefaultFilter()) filter->SaveToFile(fileName, *this, params);
}

void TvgBitmap::LoadFromStream(TStream& stream) {
  auto filter = vgCreateDefaultFilter();
  if (!filter) return;
  bool loaded;
  if (stream.Position() != 0) {
    TMemoryStream rest;
    rest.CopyFrom(stream, stream.Remaining());
    rest.SetPosition(0);
    loaded = filter->LoadFromStream(rest, *this);
  } else {
    loaded = filter->LoadFromStream(stream, *this);
  }
  if (loaded) Changed();
}

void TvgBitmap::SaveToStream(TStream& stream) {
  auto filter = vgCreateDefaultFilter();
  if (!filter) return;
  if (HasTranslucentPixel()) filter->SaveToStream(stream, *this, "png", "");
  else filter->SaveToStream(stream, *this, "jpeg", "quality=100");
}

// --- Pixel blocks ----------------------------------------------------------------------------

void vgMoveLongwords(const void* source, void* dest, int count) {
  if (count > 0) std::memmove(dest, source, size_t(count) * 4);
}

void vgFillLongwords(void* dest, int count, uint32_t value) {
  auto* pixels = static_cast<uint32_t*>(dest);
  if (count > 0) std::fill(pixels, pixels + count, value);
}

void vgFillAlpha(void* dest, int count, uint8_t alpha) {
  auto* pixels = static_cast<uint32_t*>(dest);
  for (int i = 0; i < count; ++i) pixels[i] = (pixels[i] & 0x00FFFFFF) | (uint32_t(alpha) << 24);
}

void vgFillLongwordRect(void* bits, int width, int height, int left, int top, int right, int bottom,
                        uint32_t value) {
  auto* pixels = static_cast<uint32_t*>(bits);
  left = std::max(left, 0);
  bottom = std::min(bottom, height);
  top = std::clamp(top, 0, std::max(bottom, 0));
  right = std::min(right, width);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) pixels[size_t(y) * size_t(width) + size_t(x)] = value;
}
