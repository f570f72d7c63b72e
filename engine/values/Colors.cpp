#include "engine/values/Colors.h"

#include <cmath>

#include "classlib/core/SysUtils.h"

namespace {

constexpr TvgColorIdent kColorIdents[] = {
    {"Aliceblue", "#FFF0F8FF"},        {"Antiquewhite", "#FFFAEBD7"},      {"Aqua", "#FF00FFFF"},
    {"Aquamarine", "#FF7FFFD4"},       {"Azure", "#FFF0FFFF"},             {"Beige", "#FFF5F5DC"},
    {"Bisque", "#FFFFE4C4"},           {"Black", "#FF000000"},             {"Blanchedalmond", "#FFFFEBCD"},
    {"Blue", "#FF0000FF"},             {"Blueviolet", "#FF8A2BE2"},        {"Brown", "#FFA52A2A"},
    {"Burlywood", "#FFDEB887"},        {"Cadetblue", "#FF5F9EA0"},         {"Chartreuse", "#FF7FFF00"},
    {"Chocolate", "#FFD2691E"},        {"Coral", "#FFFF7F50"},             {"Cornflowerblue", "#FF6495ED"},
    {"Cornsilk", "#FFFFF8DC"},         {"Crimson", "#FFDC143C"},           {"Cyan", "#FF00FFFF"},
    {"Darkblue", "#FF00008B"},         {"Darkcyan", "#FF008B8B"},          {"Darkgoldenrod", "#FFB8860B"},
    {"Darkgray", "#FFA9A9A9"},         {"Darkgreen", "#FF006400"},         {"Darkgrey", "#FFA9A9A9"},
    {"Darkkhaki", "#FFBDB76B"},        {"Darkmagenta", "#FF8B008B"},       {"Darkolivegreen", "#FF556B2F"},
    {"Darkorange", "#FFFF8C00"},       {"Darkorchid", "#FF9932CC"},        {"Darkred", "#FF8B0000"},
    {"Darksalmon", "#FFE9967A"},       {"Darkseagreen", "#FF8FBC8F"},      {"Darkslateblue", "#FF483D8B"},
    {"Darkslategray", "#FF2F4F4F"},    {"Darkslategrey", "#FF2F4F4F"},     {"Darkturquoise", "#FF00CED1"},
    {"Darkviolet", "#FF9400D3"},       {"Deeppink", "#FFFF1493"},          {"Deepskyblue", "#FF00BFFF"},
    {"Dimgray", "#FF696969"},          {"Dimgrey", "#FF696969"},           {"Dodgerblue", "#FF1E90FF"},
    {"Firebrick", "#FFB22222"},        {"Floralwhite", "#FFFFFAF0"},       {"Forestgreen", "#FF228B22"},
    {"Fuchsia", "#FFFF00FF"},          {"Gainsboro", "#FFDCDCDC"},         {"Ghostwhite", "#FFF8F8FF"},
    {"Gold", "#FFFFD700"},             {"Goldenrod", "#FFDAA520"},         {"Gray", "#FF808080"},
    {"Green", "#FF008000"},            {"Greenyellow", "#FFADFF2F"},       {"Grey", "#FF808080"},
    {"Honeydew", "#FFF0FFF0"},         {"Hotpink", "#FFFF69B4"},           {"Indianred", "#FFCD5C5C"},
    {"Indigo", "#FF4B0082"},           {"Ivory", "#FFFFFFF0"},             {"Khaki", "#FFF0E68C"},
    {"Lavender", "#FFE6E6FA"},         {"Lavenderblush", "#FFFFF0F5"},     {"Lawngreen", "#FF7CFC00"},
    {"Lemonchiffon", "#FFFFFACD"},     {"Lightblue", "#FFADD8E6"},         {"Lightcoral", "#FFF08080"},
    {"Lightcyan", "#FFE0FFFF"},        {"Lightgoldenrodyellow", "#FFFAFAD2"}, {"Lightgray", "#FFD3D3D3"},
    {"Lightgreen", "#FF90EE90"},       {"Lightgrey", "#FFD3D3D3"},         {"Lightpink", "#FFFFB6C1"},
    {"Lightsalmon", "#FFFFA07A"},      {"Lightseagreen", "#FF20B2AA"},     {"Lightskyblue", "#FF87CEFA"},
    {"Lightslategray", "#FF778899"},   {"Lightslategrey", "#FF778899"},    {"Lightsteelblue", "#FFB0C4DE"},
    {"Lightyellow", "#FFFFFFE0"},      {"Lime", "#FF00FF00"},              {"Limegreen", "#FF32CD32"},
    {"Linen", "#FFFAF0E6"},            {"Magenta", "#FFFF00FF"},           {"Maroon", "#FF800000"},
    {"Mediumaquamarine", "#FF66CDAA"}, {"Mediumblue", "#FF0000CD"},        {"Mediumorchid", "#FFBA55D3"},
    {"Mediumpurple", "#FF9370DB"},     {"Mediumseagreen", "#FF3CB371"},    {"Mediumslateblue", "#FF7B68EE"},
    {"Mediumspringgreen", "#FF00FA9A"}, {"Mediumturquoise", "#FF48D1CC"},  {"Mediumvioletred", "#FFC71585"},
    {"Midnightblue", "#FF191970"},     {"Mintcream", "#FFF5FFFA"},         {"Mistyrose", "#FFFFE4E1"},
    {"Moccasin", "#FFFFE4B5"},         {"Navajowhite", "#FFFFDEAD"},       {"Navy", "#FF000080"},
    {"Oldlace", "#FFFDF5E6"},          {"Olive", "#FF808000"},             {"Olivedrab", "#FF6B8E23"},
    {"Orange", "#FFFFA500"},           {"Orangered", "#FFFF4500"},         {"Orchid", "#FFDA70D6"},
    {"Palegoldenrod", "#FFEEE8AA"},    {"Palegreen", "#FF98FB98"},         {"Paleturquoise", "#FFAFEEEE"},
    {"Palevioletred", "#FFDB7093"},    {"Papayawhip", "#FFFFEFD5"},        {"Peachpuff", "#FFFFDAB9"},
    {"Peru", "#FFCD853F"},             {"Pink", "#FFFFC0CB"},              {"Plum", "#FFDDA0DD"},
    {"Powderblue", "#FFB0E0E6"},       {"Purple", "#FF800080"},            {"Red", "#FFFF0000"},
    {"Rosybrown", "#FFBC8F8F"},        {"Royalblue", "#FF4169E1"},         {"Saddlebrown", "#FF8B4513"},
    {"Salmon", "#FFFA8072"},           {"Sandybrown", "#FFF4A460"},        {"Seagreen", "#FF2E8B57"},
    {"Seashell", "#FFFFF5EE"},         {"Sienna", "#FFA0522D"},            {"Silver", "#FFC0C0C0"},
    {"Skyblue", "#FF87CEEB"},          {"Slateblue", "#FF6A5ACD"},         {"Slategray", "#FF708090"},
    {"Slategrey", "#FF708090"},        {"Snow", "#FFFFFAFA"},              {"Springgreen", "#FF00FF7F"},
    {"Steelblue", "#FF4682B4"},        {"Tan", "#FFD2B48C"},               {"Teal", "#FF008080"},
    {"Thistle", "#FFD8BFD8"},          {"Tomato", "#FFFF6347"},            {"Turquoise", "#FF40E0D0"},
    {"Violet", "#FFEE82EE"},           {"Wheat", "#FFF5DEB3"},             {"White", "#FFFFFFFF"},
    {"Whitesmoke", "#FFF5F5F5"},       {"Yellow", "#FFFFFF00"},            {"Yellowgreen", "#FF9ACD32"},
};

uint8_t Alpha(TvgColor c) { return uint8_t(c >> 24); }
uint8_t Red(TvgColor c) { return uint8_t(c >> 16); }
uint8_t Green(TvgColor c) { return uint8_t(c >> 8); }
uint8_t Blue(TvgColor c) { return uint8_t(c); }

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The runtime's integer syntax: leading blanks, an optional sign, then "$", "x", "X", "0x" or "0X"
// with hexadecimal digits, or decimal digits. Hexadecimal fills all 32 bits; decimal is signed.
bool ReadRuntimeInteger(std::string_view s, uint32_t& value) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  int base = 10;
  if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == s.size()) return false;
  const uint64_t limit = base == 16 ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
  uint64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    int digit = HexDigitValue(s[i]);
    if (digit < 0 || digit >= base) return false;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return false;
  }
  value = negative ? uint32_t(0 - magnitude) : uint32_t(magnitude);
  return true;
}

const TvgColorIdent* FindColorIdent(std::string_view name) {
  for (const TvgColorIdent& ident : kColorIdents)
    if (SameText(ident.Name, name)) return &ident;
  return nullptr;
}

uint8_t ToByte(float channel) {
  int64_t value = Round(channel * 255);
  return uint8_t(value < 0 ? 0 : value > 255 ? 255 : value);
}

float Clamp01(float value) { return value < 0 ? 0 : value > 1 ? 1 : value; }

}  // namespace

std::span<const TvgColorIdent> vgColorIdents() { return kColorIdents; }

TvgColor vgMakeColor(uint8_t R, uint8_t G, uint8_t B, uint8_t A) {
  return TvgColor(A) << 24 | TvgColor(R) << 16 | TvgColor(G) << 8 | B;
}

std::string vgColorToStr(TvgColor Color) { return "#" + IntToHex(Color, 8); }

TvgColor vgStrToColor(std::string_view Text) {
  TvgColor color = 0;
  return vgTryStrToColor(Text, color) ? color : 0;
}

bool vgTryStrToColor(std::string_view Text, TvgColor& Color) {
  std::string number;
  if (!Text.empty() && Text[0] == '#') {
    number = "$" + std::string(Text.substr(1));
  } else if (const TvgColorIdent* ident = FindColorIdent(Text)) {
    number = "$" + std::string(ident->Value + 1);
  } else {
    number = Text;
  }
  return ReadRuntimeInteger(number, Color);
}

TvgColor vgColorToPixel(TvgColor Color) { return Color; }

TvgColor vgPremultiplyColor(TvgColor Color) {
  uint32_t a = Alpha(Color);
  if (a == 0) return 0;
  if (a == 255) return Color;
  auto scale = [a](uint32_t channel) { return uint8_t(channel * a / 255); };
  return vgMakeColor(scale(Red(Color)), scale(Green(Color)), scale(Blue(Color)), uint8_t(a));
}

TvgColor vgUnpremultiplyColor(TvgColor Color) {
  uint32_t a = Alpha(Color);
  if (a == 0) return 0;
  if (a == 255) return Color;
  // channel / (alpha / 255) computed exactly, so that a channel equal to its alpha gives 255
  auto scale = [a](uint32_t channel) { return uint8_t(channel * 255 / a); };
  return vgMakeColor(scale(Red(Color)), scale(Green(Color)), scale(Blue(Color)), uint8_t(a));
}

TvgColor vgOpacityColor(TvgColor Color, float Opacity) {
  if (Opacity >= 1) return Color;
  int64_t alpha = Opacity > 0 ? Trunc(Opacity * Alpha(Color)) : 0;
  return (Color & 0x00FFFFFFu) | TvgColor(alpha) << 24;
}

TvgColor vgInterpolateColor(TvgColor Start, TvgColor Stop, float T) {
  TvgColor result = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    int start = int((Start >> shift) & 0xFF);
    int stop = int((Stop >> shift) & 0xFF);
    uint32_t channel = uint32_t(start + Trunc(T * (stop - start))) & 0xFF;
    result |= channel << shift;
  }
  return result;
}

void vgRGBtoHSL(TvgColor Color, float& H, float& S, float& L) {
  float r = Red(Color) / 255.0f, g = Green(Color) / 255.0f, b = Blue(Color) / 255.0f;
  float max = r > g ? (r > b ? r : b) : (g > b ? g : b);
  float min = r < g ? (r < b ? r : b) : (g < b ? g : b);
  L = (max + min) / 2;
  if (max == min) {
    H = S = 0;
    return;
  }
  float d = max - min;
  S = L > 0.5f ? d / (2 - max - min) : d / (max + min);
  if (max == r) H = (g - b) / d;
  else if (max == g) H = (b - r) / d + 2;
  else H = (r - g) / d + 4;
  H /= 6;
  if (H < 0) H += 1;
}

float vgHueToRGB(float M1, float M2, float H) {
  if (H < 0) H += 1;
  if (H > 1) H -= 1;
  if (H < 1.0 / 6) return M1 + (M2 - M1) * H * 6;
  if (H < 1.0 / 2) return M2;
  if (H < 2.0 / 3) return M1 + (M2 - M1) * (2.0f / 3 - H) * 6;
  return M1;
}

TvgColor vgHSLtoRGB(float H, float S, float L) {
  if (S == 0) return vgMakeColor(ToByte(L), ToByte(L), ToByte(L), 255);
  float m2 = L >= 0.5f ? S + L - S * L : L * (S + 1);
  float m1 = 2 * L - m2;
  return vgMakeColor(ToByte(vgHueToRGB(m1, m2, H + 1.0f / 3)), ToByte(vgHueToRGB(m1, m2, H)),
                     ToByte(vgHueToRGB(m1, m2, H - 1.0f / 3)), 255);
}

TvgColor vgChangeHSL(TvgColor Color, float DH, float DS, float DL) {
  float h, s, l;
  vgRGBtoHSL(Color, h, s, l);
  TvgColor changed = vgHSLtoRGB(Clamp01(h + DH), Clamp01(s + DS), Clamp01(l + DL));
  return (changed & 0x00FFFFFFu) | (Color & 0xFF000000u);
}
