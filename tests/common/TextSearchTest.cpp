#include "common/TextSearch.h"
#include <gtest/gtest.h>

struct ContainsCase {
  const char* needle;
  const char* text;
  bool expected;
  friend std::ostream& operator<<(std::ostream& out, const ContainsCase& c) {
    return out << '"' << c.needle << "\" in \"" << c.text << '"';
  }
};

class ContainsTextTest : public testing::TestWithParam<ContainsCase> {};

TEST_P(ContainsTextTest, FoldsAsciiCaseOnly) {
  const ContainsCase& c = GetParam();
  EXPECT_EQ(ContainsText(c.needle, c.text), c.expected) << c.needle << " in " << c.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ContainsTextTest,
                         testing::Values(ContainsCase{"Kest_Tips", "http://x.example/KEST_TIPS?a=1", true},
                                         ContainsCase{"", "anything", false}, ContainsCase{"", "", false},
                                         ContainsCase{"abc", "xxABxx", false}, ContainsCase{"a", "", false},
                                         ContainsCase{"tips", "tips", true},
                                         // Bytes outside ASCII are compared as they are.
                                         ContainsCase{"\xC4", "\xE4", false}, ContainsCase{"\xC4", "x\xC4", true}));
