#pragma once
// Thin owners of GDI+ objects: each holds one native handle, deletes it with itself, and
// remembers the status of its last failed call (a later success does not clear it). Methods
// are one flat call each. Every wrapper must be gone before ShutdownGdiplus.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/gdiplus/GdiPlusApi.h"

class TGdiplusBase {
public:
  TGdiplusBase(const TGdiplusBase&) = delete;
  TGdiplusBase& operator=(const TGdiplusBase&) = delete;
  virtual ~TGdiplusBase() = default;
  GpStatus GetLastStatus() const { return lastStatus_; }

protected:
  TGdiplusBase() = default;
  GpStatus SetStatus(GpStatus status);

private:
  GpStatus lastStatus_ = gpOk;
};

class TGPImage;
class TGPPen;
class TGPBrush;
class TGPMatrix;
class TGPRegion;
class TGPFont;
class TGPStringFormat;
class TGPGraphicsPath;
class TGPImageAttributes;

class TGPGraphics : public TGdiplusBase {
public:
  explicit TGPGraphics(HDC dc);
  explicit TGPGraphics(TGPImage& image);
  ~TGPGraphics() override;
  GpGraphics* Handle() const { return handle_; }

  GpStatus SetCompositingMode(int mode);
  GpStatus SetTextRenderingHint(int hint);
  GpStatus SetTextContrast(UINT contrast);
  GpStatus SetInterpolationMode(int mode);
  GpStatus SetSmoothingMode(int mode);
  GpStatus SetPixelOffsetMode(int mode);
  GpStatus SetTransform(const TGPMatrix& matrix);
  GpStatus MultiplyTransform(const TGPMatrix& matrix, int order = gpMatrixOrderPrepend);
  GpStatus ScaleTransform(float sx, float sy, int order = gpMatrixOrderPrepend);
  float GetDpiX();

  GpStatus DrawLine(const TGPPen& pen, float x1, float y1, float x2, float y2);
  GpStatus DrawBezier(const TGPPen& pen, GpPointF p1, GpPointF p2, GpPointF p3, GpPointF p4);
  GpStatus DrawRectangle(const TGPPen& pen, const GpRectF& rect);
  GpStatus DrawEllipse(const TGPPen& pen, const GpRectF& rect);
  GpStatus DrawPath(const TGPPen& pen, const TGPGraphicsPath& path);
  GpStatus Clear(GpArgb color);
  GpStatus FillRectangle(const TGPBrush& brush, const GpRectF& rect);
  GpStatus FillPath(const TGPBrush& brush, const TGPGraphicsPath& path);
  // length -1: up to the terminating zero.
  GpStatus DrawString(const wchar_t* text, int length, const TGPFont& font, const GpRectF& layout,
                      const TGPStringFormat& format, const TGPBrush& brush);
  // Glyph indices of the font, each with the origin of its baseline.
  GpStatus DrawDriverGlyphs(std::span<const UINT16> glyphs, const TGPFont& font, const TGPBrush& brush,
                            const GpPointF* origins);
  GpStatus MeasureCharacterRanges(const wchar_t* text, int length, const TGPFont& font, const GpRectF& layout,
                                  const TGPStringFormat& format, std::span<TGPRegion* const> regions);
  GpStatus DrawImage(TGPImage& image, const GpRectF& dest);
  GpStatus DrawImage(TGPImage& image, int x, int y);
  GpStatus DrawImage(TGPImage& image, const GpRect& dest);
  GpStatus DrawImage(TGPImage& image, const GpRectF& dest, const GpRectF& source, int sourceUnit,
                     const TGPImageAttributes* attributes);
  GpStatus SetClip(const TGPRegion& region, int combineMode);
  GpStatus SetClip(const GpRectF& rect, int combineMode);
  GpStatus ResetClip();
  GpGraphicsState Save();
  GpStatus Restore(GpGraphicsState state);

private:
  GpGraphics* handle_ = nullptr;
};

class TGPPen : public TGdiplusBase {
public:
  TGPPen(GpArgb color, float width);
  TGPPen(const TGPBrush& brush, float width);
  ~TGPPen() override;
  GpPen* Handle() const { return handle_; }

  GpStatus SetWidth(float width);
  GpStatus SetLineCap(int startCap, int endCap, int dashCap);
  GpStatus SetLineJoin(int join);
  GpStatus SetDashStyle(int style);
  GpStatus SetDashOffset(float offset);
  GpStatus SetDashPattern(std::span<const float> dashes);

private:
  GpPen* handle_ = nullptr;
};

class TGPBrush : public TGdiplusBase {
public:
  ~TGPBrush() override;
  GpBrush* Handle() const { return handle_; }

protected:
  TGPBrush() = default;
  GpBrush* handle_ = nullptr;
};

class TGPSolidBrush : public TGPBrush {
public:
  explicit TGPSolidBrush(GpArgb color);
};

class TGPTextureBrush : public TGPBrush {
public:
  TGPTextureBrush(TGPImage& image, int wrapMode);
  // The source part of the image, drawn through the attributes (may be null).
  TGPTextureBrush(TGPImage& image, const TGPImageAttributes* attributes, const GpRectF& source);
  GpStatus SetWrapMode(int wrapMode);
  GpStatus ScaleTransform(float sx, float sy, int order = gpMatrixOrderPrepend);
};

// Runs from p1 to p2, wrap mode tile.
class TGPLinearGradientBrush : public TGPBrush {
public:
  TGPLinearGradientBrush(GpPointF p1, GpPointF p2, GpArgb color1, GpArgb color2);
  GpStatus SetInterpolationColors(std::span<const GpArgb> colors, std::span<const float> positions);
  GpStatus SetWrapMode(int wrapMode);
};

// Positions run from the path's edge (0) to its centre (1).
class TGPPathGradientBrush : public TGPBrush {
public:
  explicit TGPPathGradientBrush(const TGPGraphicsPath& path);
  GpStatus SetCenterColor(GpArgb color);
  GpStatus SetSurroundColor(GpArgb color);  // the whole edge
  GpStatus SetInterpolationColors(std::span<const GpArgb> colors, std::span<const float> positions);
  GpStatus SetTransform(const TGPMatrix& matrix);
  GpStatus SetWrapMode(int wrapMode);
};

class TGPImage : public TGdiplusBase {
public:
  // Decoded with the image's embedded colour management.
  explicit TGPImage(IStream* stream);
  ~TGPImage() override;
  GpImage* Handle() const { return handle_; }

  GpStatus Save(const std::wstring& fileName, const CLSID& encoder, const GpEncoderParameters* params);
  GpStatus Save(IStream* stream, const CLSID& encoder, const GpEncoderParameters* params);
  UINT GetWidth();
  UINT GetHeight();
  float GetHorizontalResolution();
  float GetVerticalResolution();
  std::unique_ptr<TGPImage> GetThumbnailImage(UINT width, UINT height);  // null when none comes back
  GpStatus RotateFlip(int rotateFlip);

protected:
  TGPImage() = default;
  GpImage* handle_ = nullptr;
};

class TGPBitmap : public TGPImage {
public:
  // Decoded with the image's embedded colour management.
  explicit TGPBitmap(IStream* stream);
  // Over the caller's pixels, which must outlive the bitmap.
  TGPBitmap(int width, int height, int stride, GpPixelFormat format, void* pixels);
  TGPBitmap(int width, int height, GpPixelFormat format);

  GpStatus LockBits(const GpRect& rect, UINT flags, GpPixelFormat format, GpBitmapData& data);
  GpStatus UnlockBits(GpBitmapData& data);
  GpStatus SetResolution(float xdpi, float ydpi);
};

class TGPImageAttributes : public TGdiplusBase {
public:
  TGPImageAttributes();
  ~TGPImageAttributes() override;
  GpImageAttributes* Handle() const { return handle_; }
  GpStatus SetColorMatrix(const GpColorMatrix& matrix, int adjustType = gpColorAdjustTypeBitmap);

private:
  GpImageAttributes* handle_ = nullptr;
};

// The affine matrix (m11 m12 / m21 m22 / dx dy).
class TGPMatrix : public TGdiplusBase {
public:
  TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy);
  ~TGPMatrix() override;
  GpMatrix* Handle() const { return handle_; }
  GpStatus Shear(float shearX, float shearY, int order = gpMatrixOrderPrepend);

private:
  GpMatrix* handle_ = nullptr;
};

class TGPRegion : public TGdiplusBase {
public:
  TGPRegion();  // infinite
  explicit TGPRegion(const TGPGraphicsPath& path);
  ~TGPRegion() override;
  GpRegion* Handle() const { return handle_; }
  GpStatus MakeEmpty();
  GpStatus Union(const GpRectF& rect);
  GpRectF GetBounds(const TGPGraphics& graphics);

private:
  GpRegion* handle_ = nullptr;
};

class TGPStringFormat : public TGdiplusBase {
public:
  explicit TGPStringFormat(int flags);
  ~TGPStringFormat() override;
  GpStringFormat* Handle() const { return handle_; }
  GpStatus SetAlignment(int align);
  GpStatus SetLineAlignment(int align);
  GpStatus SetMeasurableCharacterRanges(std::span<const GpCharacterRange> ranges);

private:
  GpStringFormat* handle_ = nullptr;
};

class TGPFontCollection : public TGdiplusBase {
public:
  GpFontCollection* Handle() const { return handle_; }

protected:
  TGPFontCollection() = default;
  GpFontCollection* handle_ = nullptr;
};

class TGPPrivateFontCollection : public TGPFontCollection {
public:
  TGPPrivateFontCollection();
  ~TGPPrivateFontCollection() override;
  GpStatus AddMemoryFont(const void* memory, int length);
};

class TGPFontFamily : public TGdiplusBase {
public:
  // Among the collection's fonts, or the installed ones when it is null; no handle (status
  // gpFontFamilyNotFound) when the family is missing.
  explicit TGPFontFamily(const std::wstring& name, const TGPFontCollection* collection = nullptr);
  ~TGPFontFamily() override;
  GpFontFamily* Handle() const { return handle_; }
  bool IsStyleAvailable(int style);
  // The height above the baseline, in ems.
  float AscentPerEm(int style);
  std::unique_ptr<TGPFontFamily> Clone();

private:
  TGPFontFamily() = default;
  friend std::unique_ptr<TGPFontFamily> GenericSansSerifFontFamily();
  friend std::unique_ptr<TGPFontFamily> InstalledFontFamily(const std::wstring& name);
  GpFontFamily* handle_ = nullptr;
};

class TGPFont : public TGdiplusBase {
public:
  TGPFont(const TGPFontFamily& family, float emSize, int style, int unit);
  ~TGPFont() override;
  GpFont* Handle() const { return handle_; }

private:
  GpFont* handle_ = nullptr;
};

// The points of a path with their point types, as GDI+ reports them.
class TPathData {
public:
  int Count = 0;
  std::vector<GpPointF> Points;
  std::vector<uint8_t> Types;
};

class TGPGraphicsPath : public TGdiplusBase {
public:
  explicit TGPGraphicsPath(int fillMode = gpFillModeAlternate);
  ~TGPGraphicsPath() override;
  GpPath* Handle() const { return handle_; }

  int GetPointCount();
  GpStatus GetPathData(TPathData& data);
  GpStatus StartFigure();
  GpStatus CloseFigure();
  GpStatus AddLine(float x1, float y1, float x2, float y2);
  GpStatus AddBezier(GpPointF p1, GpPointF p2, GpPointF p3, GpPointF p4);
  GpStatus AddEllipse(const GpRectF& rect);
  GpStatus AddString(const wchar_t* text, int length, const TGPFontFamily& family, int style, float emSize,
                     const GpRectF& layout, const TGPStringFormat& format);
  bool IsVisible(float x, float y);

private:
  GpPath* handle_ = nullptr;
};

// A copy of the generic sans-serif family, which is created once and kept until shut-down.
std::unique_ptr<TGPFontFamily> GenericSansSerifFontFamily();
// A copy of the installed font family of that name, which is looked up once and kept until
// shut-down: a lookup walks the platform's whole font list. Without a handle when no installed
// font has the name.
std::unique_ptr<TGPFontFamily> InstalledFontFamily(const std::wstring& name);
// Frees the kept families, before GDI+ shuts down.
void FreeKeptFontFamilies();

// The platform encoder whose MIME type is exactly the given one (the last match wins).
bool GetEncoderClsid(const std::wstring& mimeType, CLSID& clsid);
