#include "engine/gdiplus/SurrogateCells.h"

#include <gtest/gtest.h>

namespace {

TEST(SurrogateCells, EachWholePairBecomesOneCellOfTheSameTwoUnits) {
  struct Case {
    const char* name;
    std::wstring text, cells;
    std::vector<size_t> pairs;
  };
  const Case cases[] = {
      {"none", L"plain \u4E2D", L"plain \u4E2D", {}},
      {"pairs among letters", L"a\xD83D\xDE00\xD83D\xDE01z", L"a\u2003\u2009\u2003\u2009z", {1, 3}},
      {"a pair at the end", L"ab\xDB80\xDC00", L"ab\u2003\u2009", {2}},
      {"unpaired halves stay", L"\xDC00\xD800x\xD800", L"\xDC00\xD800x\xD800", {}},
      {"a low half after a pair", L"\xD83D\xDE00\xDE00", L"\u2003\u2009\xDE00", {0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(vgSurrogatesAsCells(c.text), c.cells) << c.name;
    EXPECT_EQ(vgSurrogatePairPositions(c.text), c.pairs) << c.name;
  }
}

}  // namespace
