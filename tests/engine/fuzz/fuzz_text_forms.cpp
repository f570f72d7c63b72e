// Reads arbitrary bytes as the text forms of form resources: a colour, a point, a rectangle and a
// number. Texts that do not parse give zeros (a number raises EConvertError); whatever is read is
// finite; a written colour reads back the same, written numbers to within their three decimals.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "classlib/core/SysUtils.h"
#include "engine/values/Colors.h"
#include "engine/values/TextForms.h"

namespace {

void Require(bool holds, const char* what, const std::string& text) {
  if (holds) return;
  std::fprintf(stderr, "%s for the text '%s'\n", what, text.c_str());
  std::abort();
}

bool IsFinite(const TvgRect& r) {
  return std::isfinite(r.Left) && std::isfinite(r.Top) && std::isfinite(r.Right) && std::isfinite(r.Bottom);
}

// Within the three decimals of the text form and the float's own precision.
bool ReadsBackNear(float read, float written) {
  return std::fabs(read - written) <= 0.0005f + std::fabs(written) * 1e-6f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  const TvgColor color = vgStrToColor(text);
  const std::string colorText = vgColorToStr(color);
  Require(colorText.size() == 9 && colorText[0] == '#', "a colour is not written as # and eight digits", text);
  Require(vgStrToColor(colorText) == color, "a written colour reads back otherwise", text);

  const TvgPoint point = vgStrToPoint(text);
  Require(std::isfinite(point.X) && std::isfinite(point.Y), "a point is not finite", text);
  const TvgPoint pointBack = vgStrToPoint(vgPointToStr(point));
  Require(ReadsBackNear(pointBack.X, point.X) && ReadsBackNear(pointBack.Y, point.Y),
          "a written point reads back otherwise", text);

  const TvgRect rect = vgStrToRect(text);
  Require(IsFinite(rect), "a rectangle is not finite", text);
  const TvgRect rectBack = vgStrToRect(vgRectToStr(rect));
  Require(ReadsBackNear(rectBack.Left, rect.Left) && ReadsBackNear(rectBack.Top, rect.Top) &&
              ReadsBackNear(rectBack.Right, rect.Right) && ReadsBackNear(rectBack.Bottom, rect.Bottom),
          "a written rectangle reads back otherwise", text);

  try {
    const float number = vgStrToFloat(text);
    Require(std::isfinite(number), "a number is not finite", text);
    Require(ReadsBackNear(vgStrToFloat(vgFloatToStr(number)), number), "a written number reads back otherwise", text);
  } catch (const EConvertError&) {
  }
  return 0;
}
