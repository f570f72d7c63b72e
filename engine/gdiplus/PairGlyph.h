#pragma once
// The glyph that shows one character outside the Basic Multilingual Plane, found by the
// platform's script shaping: in the face asked for, else in the first face that the system's font
// links add to it and that has the character.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct TvgFaceGlyph {
  std::wstring Face;  // as the system names the face it selected
  uint16_t Glyph = 0;
  float AdvancePerEm = 0;  // how far the glyph moves the pen, in ems of the font's height
};

// pair: the character's two UTF-16 units. None when no face has the character.
std::optional<TvgFaceGlyph> vgFindPairGlyph(const std::wstring& face, std::wstring_view pair);
