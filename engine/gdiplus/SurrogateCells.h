#pragma once
// Wine's GDI+ lays out and draws a text one UTF-16 unit at a time, so a character outside the
// Basic Multilingual Plane comes out as two boxes. The canvas lays out a stand-in of the same two
// units in its place, an em space and a thin space, which takes one cell as wide as most such
// glyphs and keeps every other index where it was, and draws the character's own glyph centred
// in that cell.
#include <string>
#include <string_view>
#include <vector>

// The text with each such character replaced by its stand-in.
std::wstring vgSurrogatesAsCells(std::wstring_view text);
// Where such characters start in the text, in order.
std::vector<size_t> vgSurrogatePairPositions(std::wstring_view text);
