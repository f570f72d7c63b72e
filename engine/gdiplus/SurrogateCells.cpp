#include "engine/gdiplus/SurrogateCells.h"

#include "classlib/core/TextCodec.h"

std::wstring vgSurrogatesAsCells(std::wstring_view text) {
  std::wstring cells(text);
  for (size_t at : vgSurrogatePairPositions(text)) {
    cells[at] = L'\u2003';
    cells[at + 1] = L'\u2009';
  }
  return cells;
}

std::vector<size_t> vgSurrogatePairPositions(std::wstring_view text) {
  std::vector<size_t> positions;
  for (size_t at = 0; at + 1 < text.size(); ++at) {
    if (IsSurrogatePairAt(text, at)) positions.push_back(at++);
  }
  return positions;
}
