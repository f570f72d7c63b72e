#include "engine/effects/Effects.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "classlib/core/SysUtils.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/StackBlur.h"

CL_PUBLISHED(TvgShadowEffect) {
  published.Property("Distance", &TvgShadowEffect::Distance, &TvgShadowEffect::SetDistance).Default(3.0f);
  published.Property("Direction", &TvgShadowEffect::Direction, &TvgShadowEffect::SetDirection).Default(45.0f);
  published.Property("Softness", &TvgShadowEffect::Softness, &TvgShadowEffect::SetSoftness).Default(0.3f);
  published.Property("Opacity", &TvgShadowEffect::Opacity, &TvgShadowEffect::SetOpacity).Default(0.6f);
  published.Property("ShadowColor", &TvgShadowEffect::ShadowColor, &TvgShadowEffect::SetShadowColor)
      .Default(std::string("#FF000000"));
}

CL_PUBLISHED(TvgBlurEffect) {
  published.Property("Softness", &TvgBlurEffect::Softness, &TvgBlurEffect::SetSoftness).Default(0.3f);
}

CL_PUBLISHED(TvgGlowEffect) {
  published.Property("Softness", &TvgGlowEffect::Softness, &TvgGlowEffect::SetSoftness).Default(0.4f);
  published.Property("Opacity", &TvgGlowEffect::Opacity, &TvgGlowEffect::SetOpacity).Default(0.9f);
  published.Property("GlowColor", &TvgGlowEffect::GlowColor, &TvgGlowEffect::SetGlowColor)
      .Default(std::string("#FFFFD700"));
}

CL_PUBLISHED(TvgInnerGlowEffect) {}

CL_PUBLISHED(TvgBevelEffect) {
  published.Property("Direction", &TvgBevelEffect::Direction, &TvgBevelEffect::SetDirection).Default(45.0f);
  published.Property("Size", &TvgBevelEffect::Size, &TvgBevelEffect::SetSize).Default(10);
}

CL_PUBLISHED(TvgReflectionEffect) {
  published.Property("Opacity", &TvgReflectionEffect::Opacity, &TvgReflectionEffect::SetOpacity).Default(0.5f);
  published.Property("Offset", &TvgReflectionEffect::Offset, &TvgReflectionEffect::SetOffset).Default(0);
  published.Property("Length", &TvgReflectionEffect::Length, &TvgReflectionEffect::SetLength).Default(0.5f);
}

namespace {

// Not a number counts as the lower bound.
float Clamp(float value, float low, float high) { return value > low ? std::min(value, high) : low; }

// Margins come from clamped softness; double arithmetic keeps e.g. 0.7 x 20 at 13.
float MarginOf(float softness, double factor) { return float(Trunc(softness * factor)); }

TvgRect Grown(TvgRect rect, float margin) { return vgInflateRect(rect, margin, margin); }

TvgPoint DirectionVector(float degrees, float length) {
  float sine, cosine;
  vgSinCos(vgDegToRad(degrees), sine, cosine);
  return {length * cosine, length * sine};
}

// The shadow's and glows' first steps: the object's coverage recoloured and blurred. Returns the
// coverage from before, which then cuts away what the object itself covers.
std::vector<uint8_t> BlurredCoverage(TvgBitmap& bitmap, TvgColor color, float opacity, float softness) {
  std::vector<uint8_t> mask = bitmap.CreateMask();
  bitmap.FillColor(vgOpacityColor(color, opacity));
  BlurBitmap(bitmap, int(Trunc(softness * 10.0 + 5)));
  return mask;
}

// A mask shift in whole pixels; shifts of a bitmap's size or more (or not a number) all leave
// the mask outside, so they are cut there before rounding.
int MaskShift(double shift, int size) {
  if (!(std::abs(shift) < size)) return shift > 0 ? size : -size;
  return int(Round(shift));
}

}  // namespace

// --- Shadow ------------------------------------------------------------------------------------

TvgShadowEffect::TvgShadowEffect(TComponent* owner) : TvgEffect(owner) {}

void TvgShadowEffect::SetSoftness(float softness) { Store(softness_, Clamp(softness, 0, 3)); }
void TvgShadowEffect::SetOpacity(float opacity) { Store(opacity_, Clamp(opacity, 0, 1)); }

float TvgShadowEffect::Margin() const { return MarginOf(softness_, 20); }
TvgPoint TvgShadowEffect::Shift() const { return DirectionVector(direction_, distance_); }

TvgRect TvgShadowEffect::GetRect(const TvgRect& rect) {
  TvgRect result = Grown(rect, Margin());
  TvgPoint shift = Shift();
  return vgOffsetRect(result, shift.X, shift.Y);
}

TvgPoint TvgShadowEffect::GetOffset() { return {Margin(), Margin()}; }

// The object covers its own shadow where it will be drawn, Shift away from the shadow's place.
void TvgShadowEffect::ProcessEffect(TvgCanvas*, TvgBitmap* bitmap, float scale) {
  std::vector<uint8_t> mask = BlurredCoverage(*bitmap, shadowColor_, opacity_, softness_);
  TvgPoint shift = Shift();
  bitmap->ApplyMask(mask, -MaskShift(double(scale) * shift.X, bitmap->Width()),
                    -MaskShift(double(scale) * shift.Y, bitmap->Height()));
}

// --- Blur --------------------------------------------------------------------------------------

TvgBlurEffect::TvgBlurEffect(TComponent* owner) : TvgEffect(owner) { replacesPainting_ = true; }

void TvgBlurEffect::SetSoftness(float softness) { Store(softness_, Clamp(softness, 0, 9)); }

float TvgBlurEffect::Margin() const { return MarginOf(softness_, 20); }
TvgRect TvgBlurEffect::GetRect(const TvgRect& rect) { return Grown(rect, Margin()); }
TvgPoint TvgBlurEffect::GetOffset() { return {Margin(), Margin()}; }

void TvgBlurEffect::ProcessEffect(TvgCanvas*, TvgBitmap* bitmap, float) {
  if (softness_ > 0) BlurBitmap(*bitmap, int(Trunc(softness_ * 15.0)));
}

// --- Glow and inner glow -----------------------------------------------------------------------

TvgGlowEffect::TvgGlowEffect(TComponent* owner) : TvgEffect(owner) {}

void TvgGlowEffect::SetSoftness(float softness) { Store(softness_, Clamp(softness, 0, 9)); }
void TvgGlowEffect::SetOpacity(float opacity) { Store(opacity_, Clamp(opacity, 0, 1)); }

float TvgGlowEffect::Margin() const { return MarginOf(softness_, 23) + 4; }
TvgRect TvgGlowEffect::GetRect(const TvgRect& rect) { return Grown(rect, Margin()); }
TvgPoint TvgGlowEffect::GetOffset() { return {Margin(), Margin()}; }

void TvgGlowEffect::ProcessEffect(TvgCanvas*, TvgBitmap* bitmap, float) {
  bitmap->ApplyMask(BlurredCoverage(*bitmap, glowColor_, opacity_, softness_), 0, 0);
}

TvgInnerGlowEffect::TvgInnerGlowEffect(TComponent* owner) : TvgGlowEffect(owner) { paintsAfter_ = true; }

float TvgInnerGlowEffect::Margin() const { return MarginOf(Softness(), 20); }

// With the coverage inverted, the glow of everything outside the object stays only inside it.
void TvgInnerGlowEffect::ProcessEffect(TvgCanvas* canvas, TvgBitmap* bitmap, float scale) {
  bitmap->InvertAlpha();
  TvgGlowEffect::ProcessEffect(canvas, bitmap, scale);
}

// --- Bevel -------------------------------------------------------------------------------------

namespace {

struct Vector3 {
  double X, Y, Z;
};

double Length(const Vector3& v) { return std::sqrt(v.X * v.X + v.Y * v.Y + v.Z * v.Z); }

// The cosine of the angle between the two; 1 when either has no length.
double Cosine(const Vector3& a, const Vector3& b) {
  double lengthA = Length(a), lengthB = Length(b);
  if (lengthA < 1e-40 || lengthB < 1e-40) return 1;
  return (a.X * b.X + a.Y * b.Y + a.Z * b.Z) / (lengthA * lengthB);
}

}  // namespace

TvgBevelEffect::TvgBevelEffect(TComponent* owner) : TvgEffect(owner) { replacesPainting_ = true; }

TvgRect TvgBevelEffect::GetRect(const TvgRect& rect) { return Grown(rect, 5); }
TvgPoint TvgBevelEffect::GetOffset() { return {5, 5}; }

// The blurred coverage is a height field; each pixel is lightened or darkened by how its
// surface faces the light. The last row and column have no neighbours below or right of them
// and stay as they are.
void TvgBevelEffect::ProcessEffect(TvgCanvas*, TvgBitmap* bitmap, float) {
  if (size_ == 0 || bitmap->IsEmpty()) return;
  const int width = bitmap->Width(), height = bitmap->Height();
  TvgBitmap heights(width, height);
  std::copy_n(bitmap->Bits(), size_t(width) * height, heights.Bits());
  BlurBitmap(heights, size_);
  auto heightAt = [&](int x, int y) { return double(heights.Bits()[y * width + x] >> 24) / 255; };
  TvgPoint light2 = DirectionVector(direction_, 1);
  const Vector3 light{light2.X, 0, light2.Y};
  for (int x = width - 2; x >= 0; --x) {
    for (int y = height - 2; y >= 0; --y) {
      TvgColor& pixel = bitmap->Bits()[y * width + x];
      uint32_t alpha = pixel >> 24;
      if (alpha == 0) continue;
      double centre = heightAt(x + 1, y + 1);
      double p = heightAt(x, y + 1) - centre, q = heightAt(x + 1, y) - centre;
      double k = Cosine(light, {-q, 1, -p});
      TvgColor lit = vgChangeHSL(vgUnpremultiplyColor(pixel), 0, 0, float(k * size_ * 0.4));
      pixel = vgPremultiplyColor(vgOpacityColor(lit, float(alpha) / 255));
    }
  }
  bitmap->PlatformImageStale = true;
}

// --- Reflection --------------------------------------------------------------------------------

TvgReflectionEffect::TvgReflectionEffect(TComponent* owner) : TvgEffect(owner) {}

void TvgReflectionEffect::SetLength(float length) { Store(length_, Clamp(length, 0.1f, 1)); }

TvgRect TvgReflectionEffect::GetRect(const TvgRect& rect) {
  TvgRect result = Grown(rect, 2);
  return vgOffsetRect(result, 0, vgRectHeight(rect) + float(offset_));
}

TvgPoint TvgReflectionEffect::GetOffset() { return {2, 2}; }

namespace {

// Opacity is not bounded, so the faded alpha is (and not a number is transparent).
uint32_t FadedAlpha(double alpha) {
  if (!(alpha > 0)) return 0;
  return alpha >= 255 ? 255 : uint32_t(alpha);
}

}  // namespace

// Upside down, the object's bottom is at the top: the top Length of the rows fade from Opacity
// down to nothing, the rest is cleared.
void TvgReflectionEffect::ProcessEffect(TvgCanvas*, TvgBitmap* bitmap, float) {
  bitmap->FlipVertical();
  const int width = bitmap->Width(), height = bitmap->Height();
  const int kept = int(Round((height - 1) * double(length_)));
  for (int y = 0; y < height; ++y) {
    TvgColor* row = bitmap->GetScanline(y);
    if (y >= kept) {
      std::fill_n(row, width, 0);
      continue;
    }
    double fade = double(opacity_) * (kept - y) / kept;
    for (int x = 0; x < width; ++x) {
      uint32_t alpha = row[x] >> 24;
      if (alpha == 0) continue;
      row[x] = vgPremultiplyColor((vgUnpremultiplyColor(row[x]) & 0x00FFFFFF) | FadedAlpha(fade * alpha) << 24);
    }
  }
  bitmap->PlatformImageStale = true;
}
