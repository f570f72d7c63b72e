#include "tips/rpc/Base64.h"

#include <gtest/gtest.h>

namespace {

struct DecodeCase {
  const char* name;
  std::string input;
  bool trim;
  std::string expected;
};

void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.name; }

class DecodeBase64Test : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeBase64Test, DecodesAsTheLenientRulesSay) {
  std::string output = "previous";
  DecodeBase64(GetParam().input, output, GetParam().trim);
  EXPECT_EQ(output, GetParam().expected);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(Cases, DecodeBase64Test,
    testing::Values(
        DecodeCase{"ThreeLetters", "QUJD", true, "ABC"},
        DecodeCase{"PaddingTrimmed", "QQ==", true, "A"},
        DecodeCase{"PaddingKeptAsZeros", "QQ==", false, "A\0\0"s},
        DecodeCase{"BlankAndLineBreakDropped", "QU JD\r\n", true, "ABC"},
        DecodeCase{"IncompleteGroupReservesZeros", "QUJDRA", false, "ABC\0"s},
        DecodeCase{"IncompleteGroupTrimmed", "QUJDRA", true, "ABC"},
        DecodeCase{"TwoCharactersGiveOneZero", "QQ", false, "\0"s},
        DecodeCase{"TwoCharactersTrimmedToNothing", "QQ", true, ""},
        DecodeCase{"OnlyForeignCharacters", "!@#$ \r\n\xC4\xE3", true, ""},
        DecodeCase{"ForeignCharactersBetweenGroups", "Q\xFFU-J.D", true, "ABC"},
        DecodeCase{"EveryAlphabetCharacter", "+/9=", false, "\xFB\xFF\x40"s},
        DecodeCase{"TrimRemovesOnlyTrailingZeros", "AEEAAA==", true, "\0A"s},
        DecodeCase{"UserRecord", "eyJpZCI6IjEiLCJhY2NvdW50IjoiYSJ9", true, R"({"id":"1","account":"a"})"}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return info.param.name; });

TEST(DecodeBase64, EmptyInputLeavesTheOutputUntouched) {
  std::string output = "kept";
  DecodeBase64("", output, true);
  EXPECT_EQ(output, "kept");
}

}  // namespace
