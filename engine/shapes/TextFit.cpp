#include "engine/shapes/TextFit.h"

#include <algorithm>
#include <cmath>

#include "classlib/core/TextCodec.h"
#include "engine/paint/Canvas.h"

namespace {

constexpr std::wstring_view kEllipsis = L"\u2026";
constexpr float kDepth = 10000;  // the layout's height: deeper than any box, so nothing is cut

bool IsBlank(wchar_t c) { return c <= L' ' || c == L'\u3000'; }

TvgRect Measured(TvgCanvas& canvas, std::wstring_view text, float width, bool wordWrap) {
  TvgRect bounds{0, 0, width, kDepth};
  canvas.MeasureText(bounds, bounds, std::wstring(text), wordWrap, vgTextAlignNear, vgTextAlignNear);
  return bounds;
}

bool Fits(TvgCanvas& canvas, std::wstring_view text, float width, float height) {
  return text.empty() || Measured(canvas, text, width, true).Bottom <= height;
}

// The first count characters with "…" after them.
std::wstring CutAt(std::wstring_view text, size_t count) {
  std::wstring_view kept = text.substr(0, count > 0 && IsSurrogatePairAt(text, count - 1) ? count - 1 : count);
  while (!kept.empty() && IsBlank(kept.back())) kept.remove_suffix(1);
  std::wstring cut(kept);
  cut += kEllipsis;
  return cut;
}

}  // namespace

size_t vgTextBoxCapacity(TvgCanvas& canvas, float width, float height) {
  const float lineHeight = std::max(vgRectHeight(Measured(canvas, kEllipsis, kDepth, false)), 1.0f);
  const float lines = std::floor(std::max(height, 0.0f) / lineHeight);
  // Each line may end in a line break of two characters.
  return size_t(lines) * (size_t(std::ceil(std::max(width, 0.0f))) + 2);
}

// The fitting beginning is found by halving the range of lengths, each probe laid out whole.
std::wstring vgTextFittedToBox(TvgCanvas& canvas, std::wstring_view text, float width, float height) {
  const size_t capacity = vgTextBoxCapacity(canvas, width, height);
  if (text.size() <= capacity && Fits(canvas, text, width, height)) return std::wstring(text);
  size_t fitting = 0, tooLong = std::min(text.size(), capacity) + 1;
  while (tooLong - fitting > 1) {
    const size_t middle = fitting + (tooLong - fitting) / 2;
    if (Fits(canvas, CutAt(text, middle), width, height)) fitting = middle;
    else tooLong = middle;
  }
  return CutAt(text, fitting);
}
