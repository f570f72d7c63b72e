#include "engine/gdiplus/ImageFilterGdiPlus.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <sstream>
#include <vector>

#include "classlib/core/FileStream.h"
#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"
#include "engine/paint/Bitmap.h"
#include "engine/gdiplus/GdiPlus.h"
#include "engine/gdiplus/GdiPlusStreamAdapter.h"

CL_PUBLISHED(TvgFilterGdiPlus) {}

namespace {

constexpr int interpolationHighQuality = 2;

// The file opened for decoding, presented to GDI+.
class TImageFile {
public:
  explicit TImageFile(const std::string& fileName)
      : file_(fileName, fmOpenRead | fmShareDenyNone), stream_(TMyStreamAdapter::Create(file_)) {}
  IStream* Stream() { return stream_.get(); }
  // Back to the start for a second decoder.
  IStream* Rewound() {
    file_.SetPosition(0);
    return stream_.get();
  }

private:
  TFileStream file_;
  TStreamInterface stream_;
};

bool HasPixels(TGPImage& image) { return uint64_t(image.GetWidth()) * image.GetHeight() != 0; }

// A GDI+ bitmap over the toolkit bitmap's own pixels, whose old content is cleared first so
// that a decoded image with transparent parts does not show what was there before.
TGPBitmap PixelsOf(TvgBitmap& bitmap) {
  if (TvgColor* bits = bitmap.Bits()) std::fill(bits, bits + size_t(bitmap.Width()) * bitmap.Height(), 0u);
  return TGPBitmap(bitmap.Width(), bitmap.Height(), bitmap.Width() * 4, gpPixelFormat32bppPARGB, bitmap.Bits());
}

void DrawAtOwnSize(TGPImage& image, TvgBitmap& bitmap) {
  bitmap.SetSize(int(image.GetWidth()), int(image.GetHeight()));
  TGPBitmap target = PixelsOf(bitmap);
  TGPGraphics graphics(target);
  graphics.DrawImage(image, GpRectF{0, 0, float(bitmap.Width()), float(bitmap.Height())});
}

// 0, 90, 180 or 270 for a whole multiple of 90 degrees, -1 for any other angle.
int QuarterTurn(float rotate) {
  if (Frac(rotate) != 0 || std::fmod(rotate, 90.0f) != 0) return -1;
  int64_t degrees = Trunc(rotate) % 360;
  return int(degrees < 0 ? degrees + 360 : degrees);
}

void LoadQuarterTurned(TImageFile& file, TGPImage& image, int degrees, TvgBitmap& bitmap) {
  int width = int(image.GetWidth()), height = int(image.GetHeight());
  if (degrees == 90 || degrees == 270) std::swap(width, height);
  bitmap.SetSize(width, height);
  TGPBitmap turned(file.Rewound());
  if (degrees != 0) turned.RotateFlip(degrees / 90);  // 1, 2, 3: 90, 180, 270 degrees clockwise
  GpBitmapData data{};
  if (turned.LockBits({0, 0, width, height}, gpImageLockModeRead, gpPixelFormat32bppPARGB, data) != gpOk) return;
  if (data.Width == unsigned(width) && data.Height == unsigned(height)) {
    for (int y = 0; y < height; ++y)
      std::memcpy(bitmap.GetScanline(y), static_cast<uint8_t*>(data.Scan0) + ptrdiff_t(y) * data.Stride,
                  size_t(width) * 4);
  }
  turned.UnlockBits(data);
}

void LoadTurned(TGPImage& image, float rotate, TvgBitmap& bitmap) {
  float width = float(image.GetWidth()), height = float(image.GetHeight());
  TvgMatrix toCentre = vgIdentityMatrix;
  toCentre.m31 = -width / 2;
  toCentre.m32 = -height / 2;
  TvgMatrix matrix = vgMatrixMultiply(toCentre, vgCreateRotationMatrix(vgDegToRad(rotate)));
  TvgPoint corners[4];
  const TvgPoint unturned[4] = {{0, 0}, {width, 0}, {width, height}, {0, height}};
  for (int i = 0; i < 4; ++i)
    corners[i] = vgPointFromVector(vgVectorTransform(vgVectorFromPoint(unturned[i], 1), matrix));
  TvgRect bounds;
  vgPointsBounds(corners, 3, bounds);
  TvgMatrix intoBox = vgIdentityMatrix;
  intoBox.m31 = vgRectWidth(bounds) / 2;
  intoBox.m32 = vgRectHeight(bounds) / 2;
  matrix = vgMatrixMultiply(matrix, intoBox);

  bitmap.SetSize(int(Trunc(vgRectWidth(bounds))), int(Trunc(vgRectHeight(bounds))));
  TGPBitmap target = PixelsOf(bitmap);
  TGPGraphics graphics(target);
  graphics.SetTransform(TGPMatrix(matrix.m11, matrix.m12, matrix.m21, matrix.m22, matrix.m31, matrix.m32));
  graphics.DrawImage(image, GpRectF{0, 0, width, height});
}

std::wstring MimeTypeOfExtension(const std::string& fileName) {
  size_t dot = fileName.find_last_of('.');
  size_t slash = fileName.find_last_of("\\/");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return L"";
  std::string extension = LowerCase(fileName.substr(dot));
  if (extension == ".jpg" || extension == ".jpeg") return L"image/jpeg";
  if (extension == ".bmp") return L"image/bmp";
  if (extension == ".png") return L"image/png";
  if (extension == ".tif" || extension == ".tiff") return L"image/tiff";
  if (extension == ".gif") return L"image/gif";
  return L"";
}

std::wstring MimeTypeOfFormat(const std::string& format) {
  std::string name = LowerCase(format);
  if (name == "jpeg" || name == "jpg") return L"image/jpeg";
  if (name == "bmp") return L"image/bmp";
  if (name == "tif" || name == "tiff") return L"image/tiff";
  if (name == "gif") return L"image/gif";
  return L"image/png";
}

TGPBitmap EncodableOf(TvgBitmap& bitmap) {
  return TGPBitmap(bitmap.Width(), bitmap.Height(), bitmap.Width() * 4, gpPixelFormat32bppPARGB, bitmap.Bits());
}

}  // namespace

TEncoderParameters::TEncoderParameters(const std::string& params) {
  std::istringstream tokens(params);
  std::string token;
  int count = 0;
  while (tokens >> token) {
    size_t equals = token.find('=');
    if (equals == std::string::npos || !SameText(token.substr(0, equals), "quality")) continue;
    quality_ = StrToInt(token.substr(equals + 1));
    ++count;
  }
  if (count == 0) return;
  block_.resize(offsetof(GpEncoderParameters, Parameter) + size_t(count) * sizeof(GpEncoderParameter));
  auto* list = reinterpret_cast<GpEncoderParameters*>(block_.data());
  list->Count = UINT(count);
  for (int i = 0; i < count; ++i) list->Parameter[i] = {gpEncoderQuality, 1, gpEncoderValueTypeLong, &quality_};
}

const GpEncoderParameters* TEncoderParameters::List() const {
  return block_.empty() ? nullptr : reinterpret_cast<const GpEncoderParameters*>(block_.data());
}

std::string TvgFilterGdiPlus::GetFileTypes() { return "*.bmp;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.gif;*.ico"; }

TvgPoint TvgFilterGdiPlus::GetImageSize(const std::string& fileName) {
  TImageFile file(fileName);
  TGPImage image(file.Stream());
  return {float(image.GetWidth()), float(image.GetHeight())};
}

bool TvgFilterGdiPlus::LoadFromFile(const std::string& fileName, float rotate, TvgBitmap& bitmap) {
  TImageFile file(fileName);
  TGPImage image(file.Stream());
  if (!HasPixels(image)) return false;
  int degrees = QuarterTurn(rotate);
  if (degrees >= 0) LoadQuarterTurned(file, image, degrees, bitmap);
  else LoadTurned(image, rotate, bitmap);
  return true;
}

bool TvgFilterGdiPlus::LoadThumbnailFromFile(const std::string& fileName, float fitWidth, float fitHeight,
                                             bool useEmbedded, TvgBitmap& bitmap) {
  TImageFile file(fileName);
  TGPImage image(file.Stream());
  if (!HasPixels(image)) return false;
  float width = float(image.GetWidth()), height = float(image.GetHeight());
  TvgRect fitted{0, 0, width, height};
  float ratio = std::max(vgRectFit(fitted, {0, 0, fitWidth, fitHeight}), 1.0f);
  if (useEmbedded) {
    if (auto thumbnail = image.GetThumbnailImage(UINT(Trunc(width / ratio)), UINT(Trunc(height / ratio)))) {
      bitmap.SetSize(int(thumbnail->GetWidth()), int(thumbnail->GetHeight()));
      TGPBitmap target = PixelsOf(bitmap);
      TGPGraphics graphics(target);
      graphics.DrawImage(*thumbnail, GpRect{0, 0, bitmap.Width(), bitmap.Height()});
    }
    return true;
  }
  bitmap.SetSize(int(Trunc(vgRectWidth(fitted))), int(Trunc(vgRectHeight(fitted))));
  TGPBitmap target = PixelsOf(bitmap);
  // Drawn at its natural size into a target of 1/ratio the resolution: scaled by 1/ratio.
  target.SetResolution(image.GetHorizontalResolution() / ratio, image.GetVerticalResolution() / ratio);
  TGPGraphics graphics(target);
  graphics.SetInterpolationMode(interpolationHighQuality);
  graphics.DrawImage(image, 0, 0);
  return true;
}

bool TvgFilterGdiPlus::LoadFromStream(TStream& stream, TvgBitmap& bitmap) {
  TStreamInterface source = TMyStreamAdapter::Create(stream);
  TGPImage image(source.get());
  if (!HasPixels(image)) return false;
  DrawAtOwnSize(image, bitmap);
  return true;
}

bool TvgFilterGdiPlus::SaveToFile(const std::string& fileName, TvgBitmap& bitmap, const std::string& params) {
  CLSID encoder;
  std::wstring mimeType = MimeTypeOfExtension(fileName);
  if (mimeType.empty() || !GetEncoderClsid(mimeType, encoder)) return false;
  TEncoderParameters parameters(params);
  TGPBitmap image = EncodableOf(bitmap);
  // File names are in the system code page, as the class library's file streams take them.
  return image.Save(AnsiToWide(fileName), encoder, parameters.List()) == gpOk;
}

bool TvgFilterGdiPlus::SaveToStream(TStream& stream, TvgBitmap& bitmap, const std::string& format,
                                    const std::string& params) {
  CLSID encoder;
  if (!GetEncoderClsid(MimeTypeOfFormat(format), encoder)) return false;
  TEncoderParameters parameters(params);
  TGPBitmap image = EncodableOf(bitmap);
  TStreamInterface target = TMyStreamAdapter::Create(stream);
  return image.Save(target.get(), encoder, parameters.List()) == gpOk;
}
