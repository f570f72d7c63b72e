// Fitting a wrapped text into a box, with a canvas whose text cells are 10 x 20 (a box 100 wide
// and 65 high holds three lines of ten characters).
#include "engine/shapes/TextFit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/ShapeFixture.h"

namespace {

constexpr float kWidth = 100, kHeight = 65;

std::wstring Repeated(wchar_t c, size_t count) { return std::wstring(count, c); }

class TextFit : public testing::Test {
protected:
  std::wstring Fitted(const std::wstring& text, float height = kHeight) {
    return vgTextFittedToBox(canvas, text, kWidth, height);
  }
  size_t LongestMeasured() const {
    size_t longest = 0;
    for (const TShapeCall& call : canvas.Calls("MeasureText")) longest = std::max(longest, call.Text.size());
    return longest;
  }
  TShapeLogCanvas canvas;
};

TEST_F(TextFit, ABoxHoldsItsWholeLinesOfAsManyCharactersAsItsWidthHasPixels) {
  EXPECT_EQ(vgTextBoxCapacity(canvas, kWidth, kHeight), 3u * 102);
  EXPECT_EQ(vgTextBoxCapacity(canvas, 99.5f, 20), 1u * 102);
  EXPECT_EQ(vgTextBoxCapacity(canvas, kWidth, 19), 0u);
  EXPECT_EQ(vgTextBoxCapacity(canvas, -5, -5), 0u);
}

TEST_F(TextFit, TextThatFitsStaysAndTheRestIsCutWithAnEllipsis) {
  const std::wstring smile = L"\U0001F600";
  const struct {
    const char* Case;
    std::wstring Text, Shown;
  } cases[] = {
      {"short", L"abc", L"abc"},
      {"empty", L"", L""},
      {"three full lines", Repeated(L'a', 30), Repeated(L'a', 30)},
      {"one character more", Repeated(L'a', 31), Repeated(L'a', 29) + L"\u2026"},
      {"blanks before the cut", Repeated(L'a', 25) + L" \r\n  " + Repeated(L'b', 10), Repeated(L'a', 25) + L"\u2026"},
      {"a pair of surrogates at the cut", Repeated(L'a', 28) + smile + L"b", Repeated(L'a', 28) + L"\u2026"},
      {"a pair before the cut", Repeated(L'a', 27) + smile + L"bb", Repeated(L'a', 27) + smile + L"\u2026"},
  };
  for (const auto& c : cases) EXPECT_EQ(Fitted(c.Text), c.Shown) << c.Case;
}

TEST_F(TextFit, ABoxLowerThanALineShowsTheEllipsisAlone) {
  EXPECT_EQ(Fitted(L"abc", 10), L"\u2026");
}

// A text of any length is laid out no further than the box's capacity and its next character.
TEST_F(TextFit, NothingBeyondWhatTheBoxCanShowIsLaidOut) {
  const std::wstring notes = Repeated(L'n', 2'000'000);
  EXPECT_EQ(Fitted(notes), Repeated(L'n', 29) + L"\u2026");
  EXPECT_LE(LongestMeasured(), vgTextBoxCapacity(canvas, kWidth, kHeight) + 1);
  EXPECT_LE(canvas.Calls("MeasureText").size(), 16u);
}

}  // namespace
