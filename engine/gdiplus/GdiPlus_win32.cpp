#include "engine/gdiplus/GdiPlus.h"

#include <cwchar>
#include <map>

GpStatus TGdiplusBase::SetStatus(GpStatus status) {
  if (status != gpOk) lastStatus_ = status;
  return status;
}

// --- Graphics --------------------------------------------------------------------------------

TGPGraphics::TGPGraphics(HDC dc) { SetStatus(Gdip.GdipCreateFromHDC(dc, &handle_)); }

TGPGraphics::TGPGraphics(TGPImage& image) { SetStatus(Gdip.GdipGetImageGraphicsContext(image.Handle(), &handle_)); }

TGPGraphics::~TGPGraphics() {
  if (handle_) Gdip.GdipDeleteGraphics(handle_);
}

GpStatus TGPGraphics::SetCompositingMode(int mode) { return SetStatus(Gdip.GdipSetCompositingMode(handle_, mode)); }

GpStatus TGPGraphics::SetTextRenderingHint(int hint) {
  return SetStatus(Gdip.GdipSetTextRenderingHint(handle_, hint));
}

GpStatus TGPGraphics::SetTextContrast(UINT contrast) {
  return SetStatus(Gdip.GdipSetTextContrast(handle_, contrast));
}

GpStatus TGPGraphics::SetInterpolationMode(int mode) {
  return SetStatus(Gdip.GdipSetInterpolationMode(handle_, mode));
}

GpStatus TGPGraphics::SetSmoothingMode(int mode) { return SetStatus(Gdip.GdipSetSmoothingMode(handle_, mode)); }

GpStatus TGPGraphics::SetPixelOffsetMode(int mode) { return SetStatus(Gdip.GdipSetPixelOffsetMode(handle_, mode)); }

GpStatus TGPGraphics::SetTransform(const TGPMatrix& matrix) {
  return SetStatus(Gdip.GdipSetWorldTransform(handle_, matrix.Handle()));
}

GpStatus TGPGraphics::MultiplyTransform(const TGPMatrix& matrix, int order) {
  return SetStatus(Gdip.GdipMultiplyWorldTransform(handle_, matrix.Handle(), order));
}

GpStatus TGPGraphics::ScaleTransform(float sx, float sy, int order) {
  return SetStatus(Gdip.GdipScaleWorldTransform(handle_, sx, sy, order));
}

float TGPGraphics::GetDpiX() {
  float dpi = 0;
  SetStatus(Gdip.GdipGetDpiX(handle_, &dpi));
  return dpi;
}

GpStatus TGPGraphics::DrawLine(const TGPPen& pen, float x1, float y1, float x2, float y2) {
  return SetStatus(Gdip.GdipDrawLine(handle_, pen.Handle(), x1, y1, x2, y2));
}

GpStatus TGPGraphics::DrawBezier(const TGPPen& pen, GpPointF p1, GpPointF p2, GpPointF p3, GpPointF p4) {
  return SetStatus(Gdip.GdipDrawBezier(handle_, pen.Handle(), p1.X, p1.Y, p2.X, p2.Y, p3.X, p3.Y, p4.X, p4.Y));
}

GpStatus TGPGraphics::DrawRectangle(const TGPPen& pen, const GpRectF& r) {
  return SetStatus(Gdip.GdipDrawRectangle(handle_, pen.Handle(), r.X, r.Y, r.Width, r.Height));
}

GpStatus TGPGraphics::DrawEllipse(const TGPPen& pen, const GpRectF& r) {
  return SetStatus(Gdip.GdipDrawEllipse(handle_, pen.Handle(), r.X, r.Y, r.Width, r.Height));
}

GpStatus TGPGraphics::DrawPath(const TGPPen& pen, const TGPGraphicsPath& path) {
  return SetStatus(Gdip.GdipDrawPath(handle_, pen.Handle(), path.Handle()));
}

GpStatus TGPGraphics::Clear(GpArgb color) { return SetStatus(Gdip.GdipGraphicsClear(handle_, color)); }

GpStatus TGPGraphics::FillRectangle(const TGPBrush& brush, const GpRectF& r) {
  return SetStatus(Gdip.GdipFillRectangle(handle_, brush.Handle(), r.X, r.Y, r.Width, r.Height));
}

GpStatus TGPGraphics::FillPath(const TGPBrush& brush, const TGPGraphicsPath& path) {
  return SetStatus(Gdip.GdipFillPath(handle_, brush.Handle(), path.Handle()));
}

GpStatus TGPGraphics::DrawString(const wchar_t* text, int length, const TGPFont& font, const GpRectF& layout,
                                 const TGPStringFormat& format, const TGPBrush& brush) {
  return SetStatus(Gdip.GdipDrawString(handle_, text, length, font.Handle(), &layout, format.Handle(), brush.Handle()));
}

GpStatus TGPGraphics::DrawDriverGlyphs(std::span<const UINT16> glyphs, const TGPFont& font, const TGPBrush& brush,
                                       const GpPointF* origins) {
  return SetStatus(Gdip.GdipDrawDriverString(handle_, glyphs.data(), int(glyphs.size()), font.Handle(),
                                             brush.Handle(), origins, 0, nullptr));
}

GpStatus TGPGraphics::MeasureCharacterRanges(const wchar_t* text, int length, const TGPFont& font,
                                             const GpRectF& layout, const TGPStringFormat& format,
                                             std::span<TGPRegion* const> regions) {
  std::vector<GpRegion*> handles;
  for (TGPRegion* region : regions) handles.push_back(region->Handle());
  return SetStatus(Gdip.GdipMeasureCharacterRanges(handle_, text, length, font.Handle(), &layout, format.Handle(),
                                                   int(handles.size()), handles.data()));
}

GpStatus TGPGraphics::DrawImage(TGPImage& image, const GpRectF& d) {
  return SetStatus(Gdip.GdipDrawImageRect(handle_, image.Handle(), d.X, d.Y, d.Width, d.Height));
}

GpStatus TGPGraphics::DrawImage(TGPImage& image, int x, int y) {
  return SetStatus(Gdip.GdipDrawImageI(handle_, image.Handle(), x, y));
}

GpStatus TGPGraphics::DrawImage(TGPImage& image, const GpRect& d) {
  return SetStatus(Gdip.GdipDrawImageRectI(handle_, image.Handle(), d.X, d.Y, d.Width, d.Height));
}

GpStatus TGPGraphics::DrawImage(TGPImage& image, const GpRectF& d, const GpRectF& s, int sourceUnit,
                                const TGPImageAttributes* attributes) {
  return SetStatus(Gdip.GdipDrawImageRectRect(handle_, image.Handle(), d.X, d.Y, d.Width, d.Height, s.X, s.Y,
                                              s.Width, s.Height, sourceUnit,
                                              attributes ? attributes->Handle() : nullptr, nullptr, nullptr));
}

GpStatus TGPGraphics::SetClip(const TGPRegion& region, int combineMode) {
  return SetStatus(Gdip.GdipSetClipRegion(handle_, region.Handle(), combineMode));
}

GpStatus TGPGraphics::SetClip(const GpRectF& r, int combineMode) {
  return SetStatus(Gdip.GdipSetClipRect(handle_, r.X, r.Y, r.Width, r.Height, combineMode));
}

GpStatus TGPGraphics::ResetClip() { return SetStatus(Gdip.GdipResetClip(handle_)); }

GpGraphicsState TGPGraphics::Save() {
  GpGraphicsState state = 0;
  SetStatus(Gdip.GdipSaveGraphics(handle_, &state));
  return state;
}

GpStatus TGPGraphics::Restore(GpGraphicsState state) { return SetStatus(Gdip.GdipRestoreGraphics(handle_, state)); }

// --- Pens and brushes ------------------------------------------------------------------------

TGPPen::TGPPen(GpArgb color, float width) { SetStatus(Gdip.GdipCreatePen1(color, width, gpUnitWorld, &handle_)); }

TGPPen::TGPPen(const TGPBrush& brush, float width) {
  SetStatus(Gdip.GdipCreatePen2(brush.Handle(), width, gpUnitWorld, &handle_));
}

TGPPen::~TGPPen() {
  if (handle_) Gdip.GdipDeletePen(handle_);
}

GpStatus TGPPen::SetWidth(float width) { return SetStatus(Gdip.GdipSetPenWidth(handle_, width)); }

GpStatus TGPPen::SetLineCap(int startCap, int endCap, int dashCap) {
  return SetStatus(Gdip.GdipSetPenLineCap197819(handle_, startCap, endCap, dashCap));
}

GpStatus TGPPen::SetLineJoin(int join) { return SetStatus(Gdip.GdipSetPenLineJoin(handle_, join)); }

GpStatus TGPPen::SetDashStyle(int style) { return SetStatus(Gdip.GdipSetPenDashStyle(handle_, style)); }

GpStatus TGPPen::SetDashOffset(float offset) { return SetStatus(Gdip.GdipSetPenDashOffset(handle_, offset)); }

GpStatus TGPPen::SetDashPattern(std::span<const float> dashes) {
  return SetStatus(Gdip.GdipSetPenDashArray(handle_, dashes.data(), int(dashes.size())));
}

TGPBrush::~TGPBrush() {
  if (handle_) Gdip.GdipDeleteBrush(handle_);
}

TGPSolidBrush::TGPSolidBrush(GpArgb color) { SetStatus(Gdip.GdipCreateSolidFill(color, &handle_)); }

TGPTextureBrush::TGPTextureBrush(TGPImage& image, int wrapMode) {
  SetStatus(Gdip.GdipCreateTexture(image.Handle(), wrapMode, &handle_));
}

TGPTextureBrush::TGPTextureBrush(TGPImage& image, const TGPImageAttributes* attributes, const GpRectF& s) {
  SetStatus(Gdip.GdipCreateTextureIA(image.Handle(), attributes ? attributes->Handle() : nullptr, s.X, s.Y, s.Width,
                                     s.Height, &handle_));
}

GpStatus TGPTextureBrush::SetWrapMode(int wrapMode) {
  return SetStatus(Gdip.GdipSetTextureWrapMode(handle_, wrapMode));
}

GpStatus TGPTextureBrush::ScaleTransform(float sx, float sy, int order) {
  return SetStatus(Gdip.GdipScaleTextureTransform(handle_, sx, sy, order));
}

TGPLinearGradientBrush::TGPLinearGradientBrush(GpPointF p1, GpPointF p2, GpArgb color1, GpArgb color2) {
  SetStatus(Gdip.GdipCreateLineBrush(&p1, &p2, color1, color2, gpWrapModeTile, &handle_));
}

GpStatus TGPLinearGradientBrush::SetInterpolationColors(std::span<const GpArgb> colors,
                                                        std::span<const float> positions) {
  return SetStatus(Gdip.GdipSetLinePresetBlend(handle_, colors.data(), positions.data(), int(colors.size())));
}

GpStatus TGPLinearGradientBrush::SetWrapMode(int wrapMode) {
  return SetStatus(Gdip.GdipSetLineWrapMode(handle_, wrapMode));
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath& path) {
  SetStatus(Gdip.GdipCreatePathGradientFromPath(path.Handle(), &handle_));
}

GpStatus TGPPathGradientBrush::SetCenterColor(GpArgb color) {
  return SetStatus(Gdip.GdipSetPathGradientCenterColor(handle_, color));
}

GpStatus TGPPathGradientBrush::SetSurroundColor(GpArgb color) {
  int count = 1;
  return SetStatus(Gdip.GdipSetPathGradientSurroundColorsWithCount(handle_, &color, &count));
}

GpStatus TGPPathGradientBrush::SetInterpolationColors(std::span<const GpArgb> colors,
                                                      std::span<const float> positions) {
  return SetStatus(Gdip.GdipSetPathGradientPresetBlend(handle_, colors.data(), positions.data(), int(colors.size())));
}

GpStatus TGPPathGradientBrush::SetTransform(const TGPMatrix& matrix) {
  return SetStatus(Gdip.GdipSetPathGradientTransform(handle_, matrix.Handle()));
}

GpStatus TGPPathGradientBrush::SetWrapMode(int wrapMode) {
  return SetStatus(Gdip.GdipSetPathGradientWrapMode(handle_, wrapMode));
}

// --- Images ----------------------------------------------------------------------------------

TGPImage::TGPImage(IStream* stream) { SetStatus(Gdip.GdipLoadImageFromStreamICM(stream, &handle_)); }

TGPImage::~TGPImage() {
  if (handle_) Gdip.GdipDisposeImage(handle_);
}

GpStatus TGPImage::Save(const std::wstring& fileName, const CLSID& encoder, const GpEncoderParameters* params) {
  return SetStatus(Gdip.GdipSaveImageToFile(handle_, fileName.c_str(), &encoder, params));
}

GpStatus TGPImage::Save(IStream* stream, const CLSID& encoder, const GpEncoderParameters* params) {
  return SetStatus(Gdip.GdipSaveImageToStream(handle_, stream, &encoder, params));
}

UINT TGPImage::GetWidth() {
  UINT width = 0;
  SetStatus(Gdip.GdipGetImageWidth(handle_, &width));
  return width;
}

UINT TGPImage::GetHeight() {
  UINT height = 0;
  SetStatus(Gdip.GdipGetImageHeight(handle_, &height));
  return height;
}

float TGPImage::GetHorizontalResolution() {
  float dpi = 0;
  SetStatus(Gdip.GdipGetImageHorizontalResolution(handle_, &dpi));
  return dpi;
}

float TGPImage::GetVerticalResolution() {
  float dpi = 0;
  SetStatus(Gdip.GdipGetImageVerticalResolution(handle_, &dpi));
  return dpi;
}

std::unique_ptr<TGPImage> TGPImage::GetThumbnailImage(UINT width, UINT height) {
  GpImage* thumbnail = nullptr;
  SetStatus(Gdip.GdipGetImageThumbnail(handle_, width, height, &thumbnail, nullptr, nullptr));
  if (!thumbnail) return nullptr;
  std::unique_ptr<TGPImage> image(new TGPImage());
  image->handle_ = thumbnail;
  return image;
}

GpStatus TGPImage::RotateFlip(int rotateFlip) { return SetStatus(Gdip.GdipImageRotateFlip(handle_, rotateFlip)); }

TGPBitmap::TGPBitmap(IStream* stream) { SetStatus(Gdip.GdipCreateBitmapFromStreamICM(stream, &handle_)); }

TGPBitmap::TGPBitmap(int width, int height, int stride, GpPixelFormat format, void* pixels) {
  SetStatus(Gdip.GdipCreateBitmapFromScan0(width, height, stride, format, static_cast<BYTE*>(pixels), &handle_));
}

TGPBitmap::TGPBitmap(int width, int height, GpPixelFormat format) {
  SetStatus(Gdip.GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &handle_));
}

GpStatus TGPBitmap::LockBits(const GpRect& rect, UINT flags, GpPixelFormat format, GpBitmapData& data) {
  return SetStatus(Gdip.GdipBitmapLockBits(handle_, &rect, flags, format, &data));
}

GpStatus TGPBitmap::UnlockBits(GpBitmapData& data) { return SetStatus(Gdip.GdipBitmapUnlockBits(handle_, &data)); }

GpStatus TGPBitmap::SetResolution(float xdpi, float ydpi) {
  return SetStatus(Gdip.GdipBitmapSetResolution(handle_, xdpi, ydpi));
}

TGPImageAttributes::TGPImageAttributes() { SetStatus(Gdip.GdipCreateImageAttributes(&handle_)); }

TGPImageAttributes::~TGPImageAttributes() {
  if (handle_) Gdip.GdipDisposeImageAttributes(handle_);
}

GpStatus TGPImageAttributes::SetColorMatrix(const GpColorMatrix& matrix, int adjustType) {
  return SetStatus(Gdip.GdipSetImageAttributesColorMatrix(handle_, adjustType, TRUE, &matrix, nullptr, 0));
}

// --- Matrices and regions --------------------------------------------------------------------

TGPMatrix::TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy) {
  SetStatus(Gdip.GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &handle_));
}

TGPMatrix::~TGPMatrix() {
  if (handle_) Gdip.GdipDeleteMatrix(handle_);
}

GpStatus TGPMatrix::Shear(float shearX, float shearY, int order) {
  return SetStatus(Gdip.GdipShearMatrix(handle_, shearX, shearY, order));
}

TGPRegion::TGPRegion() { SetStatus(Gdip.GdipCreateRegion(&handle_)); }

TGPRegion::TGPRegion(const TGPGraphicsPath& path) { SetStatus(Gdip.GdipCreateRegionPath(path.Handle(), &handle_)); }

TGPRegion::~TGPRegion() {
  if (handle_) Gdip.GdipDeleteRegion(handle_);
}

GpStatus TGPRegion::MakeEmpty() { return SetStatus(Gdip.GdipSetEmpty(handle_)); }

GpStatus TGPRegion::Union(const GpRectF& rect) {
  return SetStatus(Gdip.GdipCombineRegionRect(handle_, &rect, gpCombineModeUnion));
}

GpRectF TGPRegion::GetBounds(const TGPGraphics& graphics) {
  GpRectF bounds{};
  SetStatus(Gdip.GdipGetRegionBounds(handle_, graphics.Handle(), &bounds));
  return bounds;
}

// --- Text ------------------------------------------------------------------------------------

TGPStringFormat::TGPStringFormat(int flags) { SetStatus(Gdip.GdipCreateStringFormat(flags, 0, &handle_)); }

TGPStringFormat::~TGPStringFormat() {
  if (handle_) Gdip.GdipDeleteStringFormat(handle_);
}

GpStatus TGPStringFormat::SetAlignment(int align) { return SetStatus(Gdip.GdipSetStringFormatAlign(handle_, align)); }

GpStatus TGPStringFormat::SetLineAlignment(int align) {
  return SetStatus(Gdip.GdipSetStringFormatLineAlign(handle_, align));
}

GpStatus TGPStringFormat::SetMeasurableCharacterRanges(std::span<const GpCharacterRange> ranges) {
  return SetStatus(Gdip.GdipSetStringFormatMeasurableCharacterRanges(handle_, int(ranges.size()), ranges.data()));
}

TGPPrivateFontCollection::TGPPrivateFontCollection() { SetStatus(Gdip.GdipNewPrivateFontCollection(&handle_)); }

TGPPrivateFontCollection::~TGPPrivateFontCollection() {
  if (handle_) Gdip.GdipDeletePrivateFontCollection(&handle_);
}

GpStatus TGPPrivateFontCollection::AddMemoryFont(const void* memory, int length) {
  return SetStatus(Gdip.GdipPrivateAddMemoryFont(handle_, memory, length));
}

TGPFontFamily::TGPFontFamily(const std::wstring& name, const TGPFontCollection* collection) {
  SetStatus(Gdip.GdipCreateFontFamilyFromName(name.c_str(), collection ? collection->Handle() : nullptr, &handle_));
}

TGPFontFamily::~TGPFontFamily() {
  if (handle_) Gdip.GdipDeleteFontFamily(handle_);
}

bool TGPFontFamily::IsStyleAvailable(int style) {
  BOOL available = FALSE;
  SetStatus(Gdip.GdipIsStyleAvailable(handle_, style, &available));
  return available != FALSE;
}

float TGPFontFamily::AscentPerEm(int style) {
  UINT16 ascent = 0, em = 0;
  SetStatus(Gdip.GdipGetCellAscent(handle_, style, &ascent));
  SetStatus(Gdip.GdipGetEmHeight(handle_, style, &em));
  return em ? float(ascent) / em : 0;
}

std::unique_ptr<TGPFontFamily> TGPFontFamily::Clone() {
  std::unique_ptr<TGPFontFamily> clone(new TGPFontFamily());
  clone->SetStatus(Gdip.GdipCloneFontFamily(handle_, &clone->handle_));
  return clone;
}

TGPFont::TGPFont(const TGPFontFamily& family, float emSize, int style, int unit) {
  SetStatus(Gdip.GdipCreateFont(family.Handle(), emSize, style, unit, &handle_));
}

TGPFont::~TGPFont() {
  if (handle_) Gdip.GdipDeleteFont(handle_);
}

namespace {
std::unique_ptr<TGPFontFamily> genericSansSerif;
std::map<std::wstring, std::unique_ptr<TGPFontFamily>> installedFamilies;
}

std::unique_ptr<TGPFontFamily> GenericSansSerifFontFamily() {
  if (!genericSansSerif) {
    genericSansSerif.reset(new TGPFontFamily());
    genericSansSerif->SetStatus(Gdip.GdipGetGenericFontFamilySansSerif(&genericSansSerif->handle_));
  }
  return genericSansSerif->Clone();
}

std::unique_ptr<TGPFontFamily> InstalledFontFamily(const std::wstring& name) {
  std::unique_ptr<TGPFontFamily>& kept = installedFamilies[name];
  if (!kept) kept = std::make_unique<TGPFontFamily>(name);
  if (kept->Handle()) return kept->Clone();
  std::unique_ptr<TGPFontFamily> missing(new TGPFontFamily());
  missing->SetStatus(kept->GetLastStatus());
  return missing;
}

void FreeKeptFontFamilies() {
  genericSansSerif.reset();
  installedFamilies.clear();
}

// --- Paths -----------------------------------------------------------------------------------

TGPGraphicsPath::TGPGraphicsPath(int fillMode) { SetStatus(Gdip.GdipCreatePath(fillMode, &handle_)); }

TGPGraphicsPath::~TGPGraphicsPath() {
  if (handle_) Gdip.GdipDeletePath(handle_);
}

int TGPGraphicsPath::GetPointCount() {
  int count = 0;
  SetStatus(Gdip.GdipGetPointCount(handle_, &count));
  return count;
}

GpStatus TGPGraphicsPath::GetPathData(TPathData& data) {
  data.Count = GetPointCount();
  data.Points.assign(size_t(data.Count), GpPointF{});
  data.Types.assign(size_t(data.Count), 0);
  if (data.Count == 0) return gpOk;
  GpPathDataRecord record{data.Count, data.Points.data(), data.Types.data()};
  return SetStatus(Gdip.GdipGetPathData(handle_, &record));
}

GpStatus TGPGraphicsPath::StartFigure() { return SetStatus(Gdip.GdipStartPathFigure(handle_)); }

GpStatus TGPGraphicsPath::CloseFigure() { return SetStatus(Gdip.GdipClosePathFigure(handle_)); }

GpStatus TGPGraphicsPath::AddLine(float x1, float y1, float x2, float y2) {
  return SetStatus(Gdip.GdipAddPathLine(handle_, x1, y1, x2, y2));
}

GpStatus TGPGraphicsPath::AddBezier(GpPointF p1, GpPointF p2, GpPointF p3, GpPointF p4) {
  return SetStatus(Gdip.GdipAddPathBezier(handle_, p1.X, p1.Y, p2.X, p2.Y, p3.X, p3.Y, p4.X, p4.Y));
}

GpStatus TGPGraphicsPath::AddEllipse(const GpRectF& r) {
  return SetStatus(Gdip.GdipAddPathEllipse(handle_, r.X, r.Y, r.Width, r.Height));
}

GpStatus TGPGraphicsPath::AddString(const wchar_t* text, int length, const TGPFontFamily& family, int style,
                                    float emSize, const GpRectF& layout, const TGPStringFormat& format) {
  return SetStatus(
      Gdip.GdipAddPathString(handle_, text, length, family.Handle(), style, emSize, &layout, format.Handle()));
}

bool TGPGraphicsPath::IsVisible(float x, float y) {
  BOOL visible = FALSE;
  SetStatus(Gdip.GdipIsVisiblePathPoint(handle_, x, y, nullptr, &visible));
  return visible != FALSE;
}

// --- Encoders --------------------------------------------------------------------------------

bool GetEncoderClsid(const std::wstring& mimeType, CLSID& clsid) {
  UINT count = 0, size = 0;
  if (Gdip.GdipGetImageEncodersSize(&count, &size) != gpOk || count == 0 || size < count * sizeof(GpImageCodecInfo))
    return false;
  std::vector<uint8_t> block(size);
  auto* encoders = reinterpret_cast<GpImageCodecInfo*>(block.data());
  if (Gdip.GdipGetImageEncoders(count, size, encoders) != gpOk) return false;
  bool found = false;
  for (UINT i = 0; i < count; ++i) {
    if (encoders[i].MimeType && mimeType == encoders[i].MimeType) {
      clsid = encoders[i].Clsid;
      found = true;
    }
  }
  return found;
}
