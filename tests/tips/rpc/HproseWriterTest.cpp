#include "tips/rpc/HproseWriter.h"

#include <gtest/gtest.h>

namespace {

struct CallCase {
  const char* name;
  std::wstring function;
  std::vector<std::wstring> arguments;
  std::string expected;
};

void PrintTo(const CallCase& c, std::ostream* out) { *out << c.name; }

class EncodeHproseCallTest : public testing::TestWithParam<CallCase> {};

TEST_P(EncodeHproseCallTest, WritesTheCallBody) {
  EXPECT_EQ(EncodeHproseCall(GetParam().function, GetParam().arguments), GetParam().expected);
}

// Lengths count UTF-16 units: "你好" is 2 units in 6 bytes, the emoji 2 units in 4 bytes.
INSTANTIATE_TEST_SUITE_P(Cases, EncodeHproseCallTest,
    testing::Values(
        CallCase{"NoArguments", L"h170308", {}, "Cs7\"h170308\"z"},
        CallCase{"TipsCall", L"h170308", {L"10001", L"alice", L"0123456789abcdef0123456789abcdef"},
                 "Cs7\"h170308\"a3{s5\"10001\"s5\"alice\"s32\"0123456789abcdef0123456789abcdef\"}z"},
        CallCase{"EmptyArgument", L"echo", {L""}, "Cs4\"echo\"a1{e}z"},
        CallCase{"OneCharacter", L"echo", {L"X"}, "Cs4\"echo\"a1{s1\"X\"}z"},
        CallCase{"Chinese", L"echo", {L"\u4F60\u597D"}, "Cs4\"echo\"a1{s2\"\xE4\xBD\xA0\xE5\xA5\xBD\"}z"},
        CallCase{"SurrogatePair", L"echo", {L"A\xD83D\xDE00\u4E2D"},
                 "Cs4\"echo\"a1{s4\"A\xF0\x9F\x98\x80\xE4\xB8\xAD\"}z"},
        CallCase{"UnpairedSurrogateReplaced", L"echo", {L"\xDC00x\xD800"},
                 "Cs4\"echo\"a1{s3\"\xEF\xBF\xBDx\xEF\xBF\xBD\"}z"},
        CallCase{"QuotesAndLineBreaks", L"echo", {L"a\"\r\nb"}, "Cs4\"echo\"a1{s5\"a\"\r\nb\"}z"},
        CallCase{"RepeatedArgumentsWrittenInFull", L"echo", {L"ab", L"ab"}, "Cs4\"echo\"a2{s2\"ab\"s2\"ab\"}z"}),
    [](const testing::TestParamInfo<CallCase>& info) { return info.param.name; });

}  // namespace
