#pragma once
// The toolkit's colour: 32-bit ARGB, alpha in the top byte. Pixels use the same layout,
// premultiplied by alpha.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

using TvgColor = uint32_t;

struct TvgColorIdent {
  const char* Name;   // "Aliceblue"
  const char* Value;  // "#FFF0F8FF"
};

// The 147 colour keywords of SVG 1.1, in alphabetical order except that "Grey" follows "Greenyellow".
std::span<const TvgColorIdent> vgColorIdents();

TvgColor vgMakeColor(uint8_t R, uint8_t G, uint8_t B, uint8_t A);
std::string vgColorToStr(TvgColor Color);  // "#AARRGGBB"
// "#AARRGGBB", a colour name, or an integer in the runtime's syntax; 0 for anything else.
TvgColor vgStrToColor(std::string_view Text);
// The same, telling a text that is no colour from one that reads as 0; Color is kept then.
bool vgTryStrToColor(std::string_view Text, TvgColor& Color);

TvgColor vgColorToPixel(TvgColor Color);
TvgColor vgPremultiplyColor(TvgColor Color);
TvgColor vgUnpremultiplyColor(TvgColor Color);
TvgColor vgOpacityColor(TvgColor Color, float Opacity);
TvgColor vgInterpolateColor(TvgColor Start, TvgColor Stop, float T);

// Hue, saturation and luminance in 0..1 (hue 1 is 360 degrees).
void vgRGBtoHSL(TvgColor Color, float& H, float& S, float& L);
TvgColor vgHSLtoRGB(float H, float S, float L);  // opaque
float vgHueToRGB(float M1, float M2, float H);
TvgColor vgChangeHSL(TvgColor Color, float DH, float DS, float DL);
