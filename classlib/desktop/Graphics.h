#pragma once
// Graphics values of window controls: colours, the font description and the device-context canvas.
#include "classlib/desktop/Win32.h"

#include <cstdint>
#include <string>

#include "classlib/core/Persistent.h"

// 0x00BBGGRR, or a system colour: 0x80000000 | COLOR_xxx.
using TColor = int32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor clBtnFace = TColor(0x80000000u | COLOR_BTNFACE);
inline constexpr TColor clBtnText = TColor(0x80000000u | COLOR_BTNTEXT);
inline constexpr TColor clWindow = TColor(0x80000000u | COLOR_WINDOW);
inline constexpr TColor clWindowText = TColor(0x80000000u | COLOR_WINDOWTEXT);
const TIdentMap& ColorIdents();
COLORREF ColorToRGB(TColor color);

CL_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
const TIdentMap& CharsetIdents();

// What a form streams of its font. Height is in pixels (negative: character height), Size in points.
class TFont : public TPersistent {
  CL_CLASS(TFont, TPersistent)
public:
  TNotifyEvent OnChange;

  void Assign(TPersistent* source) override;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  int32_t Height() const { return height_; }
  void SetHeight(int32_t height);
  int32_t Size() const;
  void SetSize(int32_t points);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  int32_t Charset() const { return charset_; }
  void SetCharset(int32_t charset);

private:
  void Changed();
  std::string name_ = "Tahoma";
  int32_t height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_;
  int32_t charset_ = DEFAULT_CHARSET;
};

// A device context to draw on; the control that paints owns the context, not the canvas.
class TCanvas {
public:
  HDC Handle() const { return handle_; }
  void SetHandle(HDC dc) { handle_ = dc; }

private:
  HDC handle_ = nullptr;
};
