#pragma once
// TvgBitmap: the toolkit's in-memory image. Width x Height premultiplied ARGB pixels, rows
// top-down without padding; streamed as the binary property "PNG" through the image filter
// (PNG when any pixel is translucent, JPEG of quality 100 when all are opaque); optionally a
// stand-in for a named bitmap resource.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "classlib/core/Persistent.h"
#include "engine/values/Colors.h"
#include "engine/values/Geometry.h"
#include "engine/tree/Object.h"

class TStream;
class TvgCanvas;
class TvgBitmapObject;

class TvgBitmap : public TPersistent, public IvgFreeNotify {
  CL_CLASS(TvgBitmap, TPersistent)
public:
  TvgBitmap(int width = 0, int height = 0);
  explicit TvgBitmap(TStream& stream);  // an empty bitmap, then LoadFromStream
  ~TvgBitmap() override;
  TvgBitmap(const TvgBitmap&) = delete;
  TvgBitmap& operator=(const TvgBitmap&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetSize(int width, int height);  // new pixels are all 0
  bool IsEmpty() const { return bits_.empty(); }
  TvgColor* Bits() { return bits_.empty() ? nullptr : bits_.data(); }
  const TvgColor* Bits() const { return bits_.empty() ? nullptr : bits_.data(); }
  TvgColor* GetScanline(int y);  // nullptr outside 0..Height-1
  // Draws into the pixels; made on first use by the default canvas class, nullptr without one.
  TvgCanvas* GetCanvas();

  void Clear(TvgColor color);
  void ClearRect(const TvgRect& rect, TvgColor color);  // no OnChange
  void FlipVertical();
  void InvertAlpha();
  void FillColor(TvgColor color);  // recolours, keeping each pixel's coverage
  std::vector<uint8_t> CreateMask() const;  // each pixel's alpha
  // Cuts each pixel's coverage by the mask byte at (x - dx, y - dy), rows of Width bytes.
  void ApplyMask(std::span<const uint8_t> mask, int dx, int dy);

  TvgBitmapObject* Resource() const { return resource_; }
  void SetResource(TvgBitmapObject* resource);
  const std::string& ResourceName() const { return resourceName_; }
  void SetResourceName(const std::string& name);
  TvgBitmap* GetResourceBitmap();  // the linked resource's bitmap, looked up by name on demand

  // From another TvgBitmap, or from a picture or bitmap of the class library (a 32-bit or 24-bit
  // device-independent bitmap by its pixels, any other picture drawn over a key colour).
  void Assign(TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

  void LoadFromFile(const std::string& fileName, float rotate = 0);
  void SaveToFile(const std::string& fileName, const std::string& params = "");
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream);

  TNotifyEvent OnChange;
  // A file was loaded into the bitmap; the value is the file's name.
  TEvent<TObject*, const Variant&> OnLoaded;
  TNotifyEvent OnBitsReallocating;
  TNotifyEvent OnBitsReallocated;

  // The canvas's platform image over Bits: it sets the release hook, which the bitmap calls
  // before Bits is reallocated or freed, and clears the stale mark when it refreshed the image.
  void* PlatformImage = nullptr;
  bool PlatformImageStale = true;
  TEvent<TvgBitmap*> OnReleasePlatformImage;

  void FreeNotify(TvgObject* object) override;

protected:
  // Into a picture or bitmap of the class library: a 32-bit device-independent bitmap holding
  // the pixels as they are.
  void AssignTo(TPersistent* dest) override;

private:
  // The class library's pictures; false for anything else.
  bool AssignGraphic(TPersistent* source);
  void Reallocate();
  void ReleasePlatformImage();
  void FreeCanvas();
  void Changed() { OnChange(this); }
  void LinkResource(TvgBitmapObject* resource);
  bool HasTranslucentPixel() const;

  int width_ = 0;
  int height_ = 0;
  std::vector<TvgColor> bits_;
  TvgCanvas* canvas_ = nullptr;
  TvgBitmapObject* resource_ = nullptr;
  std::string resourceName_;
};

// Pixel-block helpers of the canvas and the effects.
void vgMoveLongwords(const void* source, void* dest, int count);  // blocks may overlap
void vgFillLongwords(void* dest, int count, uint32_t value);
void vgFillAlpha(void* dest, int count, uint8_t alpha);
void vgFillLongwordRect(void* bits, int width, int height, int left, int top, int right, int bottom,
                        uint32_t value);
