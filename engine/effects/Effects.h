#pragma once
// The toolkit's bitmap effects. Each turns the bitmap of its parent object, rendered with the
// margin that GetRect asks for, into its output: a soft shadow or glow of the object's coverage,
// a blur, a bevel lit from Direction, or a fading reflection below the object.
#include <cstdint>
#include <string>

#include "engine/values/Colors.h"
#include "engine/effects/Effect.h"

class TvgShadowEffect : public TvgEffect {
  CL_CLASS(TvgShadowEffect, TvgEffect)
public:
  explicit TvgShadowEffect(TComponent* owner);

  float Distance() const { return distance_; }
  void SetDistance(float distance) { Store(distance_, distance); }
  float Direction() const { return direction_; }  // degrees
  void SetDirection(float direction) { Store(direction_, direction); }
  float Softness() const { return softness_; }
  void SetSoftness(float softness);  // 0..3
  float Opacity() const { return opacity_; }
  void SetOpacity(float opacity);  // 0..1
  std::string ShadowColor() const { return vgColorToStr(shadowColor_); }
  void SetShadowColor(const std::string& color) { Store(shadowColor_, vgStrToColor(color)); }

  TvgRect GetRect(const TvgRect& rect) override;
  TvgPoint GetOffset() override;
  void ProcessEffect(TvgCanvas* canvas, TvgBitmap* bitmap, float scale) override;

private:
  float Margin() const;
  TvgPoint Shift() const;  // Distance along Direction

  float distance_ = 3;
  float direction_ = 45;
  float softness_ = 0.3f;
  float opacity_ = 0.6f;
  TvgColor shadowColor_ = 0xFF000000;
};

class TvgBlurEffect : public TvgEffect {
  CL_CLASS(TvgBlurEffect, TvgEffect)
public:
  explicit TvgBlurEffect(TComponent* owner);

  float Softness() const { return softness_; }
  void SetSoftness(float softness);  // 0..9

  TvgRect GetRect(const TvgRect& rect) override;
  TvgPoint GetOffset() override;
  void ProcessEffect(TvgCanvas* canvas, TvgBitmap* bitmap, float scale) override;

private:
  float Margin() const;

  float softness_ = 0.3f;
};

// A glow around the object's outline, outside it.
class TvgGlowEffect : public TvgEffect {
  CL_CLASS(TvgGlowEffect, TvgEffect)
public:
  explicit TvgGlowEffect(TComponent* owner);

  float Softness() const { return softness_; }
  void SetSoftness(float softness);  // 0..9
  float Opacity() const { return opacity_; }
  void SetOpacity(float opacity);  // 0..1
  std::string GlowColor() const { return vgColorToStr(glowColor_); }
  void SetGlowColor(const std::string& color) { Store(glowColor_, vgStrToColor(color)); }

  TvgRect GetRect(const TvgRect& rect) override;
  TvgPoint GetOffset() override;
  void ProcessEffect(TvgCanvas* canvas, TvgBitmap* bitmap, float scale) override;

protected:
  virtual float Margin() const;

private:
  float softness_ = 0.4f;
  float opacity_ = 0.9f;
  TvgColor glowColor_ = 0xFFFFD700;
};

// A glow along the object's outline, inside it, drawn over the object.
class TvgInnerGlowEffect : public TvgGlowEffect {
  CL_CLASS(TvgInnerGlowEffect, TvgGlowEffect)
public:
  explicit TvgInnerGlowEffect(TComponent* owner);

  void ProcessEffect(TvgCanvas* canvas, TvgBitmap* bitmap, float scale) override;

protected:
  float Margin() const override;
};

// Lights the object as a relief whose height is its blurred coverage.
class TvgBevelEffect : public TvgEffect {
  CL_CLASS(TvgBevelEffect, TvgEffect)
public:
  explicit TvgBevelEffect(TComponent* owner);

  float Direction() const { return direction_; }  // degrees, where the light comes from
  void SetDirection(float direction) { Store(direction_, direction); }
  int32_t Size() const { return size_; }
  void SetSize(int32_t size) { Store(size_, size); }

  TvgRect GetRect(const TvgRect& rect) override;
  TvgPoint GetOffset() override;
  void ProcessEffect(TvgCanvas* canvas, TvgBitmap* bitmap, float scale) override;

private:
  float direction_ = 45;
  int32_t size_ = 10;
};

// The object upside down below itself, fading out over Length of its height.
class TvgReflectionEffect : public TvgEffect {
  CL_CLASS(TvgReflectionEffect, TvgEffect)
public:
  explicit TvgReflectionEffect(TComponent* owner);

  float Opacity() const { return opacity_; }
  void SetOpacity(float opacity) { Store(opacity_, opacity); }
  int32_t Offset() const { return offset_; }  // gap between the object and its reflection
  void SetOffset(int32_t offset) { Store(offset_, offset); }
  float Length() const { return length_; }
  void SetLength(float length);  // 0.1..1

  TvgRect GetRect(const TvgRect& rect) override;
  TvgPoint GetOffset() override;
  void ProcessEffect(TvgCanvas* canvas, TvgBitmap* bitmap, float scale) override;

private:
  float opacity_ = 0.5f;
  int32_t offset_ = 0;
  float length_ = 0.5f;
};
