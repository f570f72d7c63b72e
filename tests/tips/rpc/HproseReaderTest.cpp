#include "tips/rpc/HproseReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "HproseValuePrinter.h"
#include "tips/rpc/HproseErrors.h"

namespace {

using namespace std::string_literals;

HproseValue S(const std::wstring& text) { return HproseValue::String(text); }
HproseValue I(std::int64_t value) { return HproseValue::Integer(value); }
HproseValue L(HproseList elements) { return HproseValue::List(std::move(elements)); }

struct ResultCase {
  const char* name;
  std::string body;
  HproseValue expected;
};

void PrintTo(const ResultCase& c, std::ostream* out) { *out << c.name; }

class ReadResultTest : public testing::TestWithParam<ResultCase> {};

TEST_P(ReadResultTest, ReadsTheResult) {
  const HproseReply reply = ReadHproseReply(GetParam().body);
  EXPECT_FALSE(reply.IsError);
  EXPECT_EQ(reply.Result, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadResultTest,
    testing::Values(
        ResultCase{"Null", "Rnz", HproseValue()},
        ResultCase{"Empty", "Rez", S(L"")},
        ResultCase{"OneCharacter", "RuXz", S(L"X")},
        ResultCase{"OneChineseCharacter", "Ru\xE4\xB8\xADz", S(L"\u4E2D")},
        ResultCase{"Digit", "R7z", I(7)},
        ResultCase{"Int32Minimum", "Ri-2147483648;z", I(-2147483648LL)},
        ResultCase{"Int32WithPlus", "Ri+12;z", I(12)},
        ResultCase{"Int64Maximum", "Rl9223372036854775807;z", I(std::numeric_limits<std::int64_t>::max())},
        ResultCase{"Int64Minimum", "Rl-9223372036854775808;z", I(std::numeric_limits<std::int64_t>::min())},
        ResultCase{"Double", "Rd-2.5e+3;z", HproseValue::Double(-2500)},
        ResultCase{"PositiveInfinity", "RI+z", HproseValue::Double(std::numeric_limits<double>::infinity())},
        ResultCase{"NegativeInfinity", "RI-z", HproseValue::Double(-std::numeric_limits<double>::infinity())},
        ResultCase{"True", "Rtz", HproseValue::Boolean(true)},
        ResultCase{"False", "Rfz", HproseValue::Boolean(false)},
        ResultCase{"PageAddress", "Rs8\"aHR0cDov\"z", S(L"aHR0cDov")},
        ResultCase{"StringHoldingQuotesAndLineBreaks", "Rs5\"a\"\r\nb\"z", S(L"a\"\r\nb")},
        ResultCase{"StringLengthInUtf16Units", "Rs4\"A\xF0\x9F\x98\x80\xE4\xB8\xAD\"z", S(L"A\xD83D\xDE00\u4E2D")},
        ResultCase{"Bytes", "Rb3\"\0\xFF\"\"z"s, HproseValue::Bytes("\0\xFF\""s)},
        ResultCase{"EmptyList", "Ra{}z", L({})},
        ResultCase{"ListWithStringRef", "Ra5{s5\"10001\"s5\"alice\"s3\"sig\"r2;s6\"string\"}z",
                   L({S(L"10001"), S(L"alice"), S(L"sig"), S(L"alice"), S(L"string")})},
        ResultCase{"RefToFinishedList", "Ra2{a1{1}r1;}z", L({L({I(1)}), L({I(1)})})},
        ResultCase{"Map", "Rm2{s3\"key\"s3\"val\"s5\"other\"r1;}z",
                   HproseValue::Map({{S(L"key"), S(L"val")}, {S(L"other"), S(L"key")}})},
        ResultCase{"ReturnedArgumentsCountRefsAfresh", "Rs2\"ok\"Aa2{s1\"x\"r1;}z", S(L"ok")}),
    [](const testing::TestParamInfo<ResultCase>& info) { return info.param.name; });

TEST(ReadHproseReply, ReadsNotANumber) {
  EXPECT_TRUE(std::isnan(ReadHproseReply("RNz").Result.AsDouble()));
}

TEST(ReadHproseReply, ReadsTheServersError) {
  const HproseReply reply = ReadHproseReply("Es36\"Can't find this function nosuchfn().\"z");
  EXPECT_TRUE(reply.IsError);
  EXPECT_EQ(reply.ErrorMessage, L"Can't find this function nosuchfn().");
}

TEST(ReadHproseReply, SharesReferencedListsInsteadOfCopying) {
  // Each list refers twice to the one before: copied out, 40 levels would be 2^40 elements.
  std::string body = "Ra41{a2{11}";
  for (int level = 1; level <= 40; ++level) {
    body += "a2{r" + std::to_string(level) + ";r" + std::to_string(level) + ";}";
  }
  body += "}z";
  const HproseValue result = ReadHproseReply(body).Result;
  ASSERT_EQ(result.AsList().size(), 41u);
  EXPECT_EQ(result.AsList()[40].AsList()[0].AsList()[1].AsList().size(), 2u);
}

struct MalformedCase {
  const char* name;
  std::string body;
};

void PrintTo(const MalformedCase& c, std::ostream* out) { *out << c.name; }

class RejectMalformedTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(RejectMalformedTest, RaisesAFormatError) {
  EXPECT_THROW(ReadHproseReply(GetParam().body), EHproseFormatError);
}

INSTANTIATE_TEST_SUITE_P(Cases, RejectMalformedTest,
    testing::Values(
        MalformedCase{"Empty", ""},
        MalformedCase{"OnlyTheResultTag", "R"},
        MalformedCase{"NoEndTag", "Rn"},
        MalformedCase{"BytesAfterTheEnd", "Rnzz"},
        MalformedCase{"UnknownReplyTag", "Xnz"},
        MalformedCase{"FunctionList", "Fa1{s4\"echo\"}z"},
        MalformedCase{"StringShorterThanItsLength", "Rs5\"abc\"z"},
        MalformedCase{"StringLongerThanItsLength", "Rs2\"abc\"z"},
        MalformedCase{"StringWithoutOpeningQuote", "Rs3abcz"},
        MalformedCase{"LengthEndsInsideASurrogatePair", "Rs1\"\xF0\x9F\x98\x80\"z"},
        MalformedCase{"InvalidUtf8", "Rs1\"\xFF\"z"},
        MalformedCase{"OverlongUtf8", "Rs1\"\xC0\x80\"z"},
        MalformedCase{"EncodedSurrogate", "Rs1\"\xED\xA0\x80\"z"},
        MalformedCase{"CutUtf8Sequence", "Rs1\"\xE4\xB8\"z"},
        MalformedCase{"OneCharacterOutsideTheBasicPlane", "Ru\xF0\x9F\x98\x80z"},
        MalformedCase{"Int32Overflow", "Ri2147483648;z"},
        MalformedCase{"Int64Overflow", "Rl9223372036854775808;z"},
        MalformedCase{"IntegerWithoutDigits", "Ri-;z"},
        MalformedCase{"IntegerWithLetters", "Ri12a;z"},
        MalformedCase{"DoubleWithTwoPoints", "Rd1.2.3;z"},
        MalformedCase{"DoubleSpelledOut", "Rdinf;z"},
        MalformedCase{"InfinityWithoutSign", "RIxz"},
        MalformedCase{"RefToNothing", "Rr0;z"},
        MalformedCase{"RefWithoutIndex", "Ra2{s1\"a\"r;}z"},
        MalformedCase{"RefToTheListBeingRead", "Ra1{r0;}z"},
        MalformedCase{"ListShorterThanItsCount", "Ra3{12}z"},
        MalformedCase{"HugeListCount", "Ra999999999{z"},
        MalformedCase{"HugeStringLength", "Rs4294967296\"z"},
        MalformedCase{"MapWithoutValue", "Rm1{1}z"},
        MalformedCase{"BytesShorterThanTheirLength", "Rb5\"ab\"z"},
        MalformedCase{"UnsupportedDate", "RD20240101Zz"},
        MalformedCase{"UnsupportedObject", "Rc1\"A\"1{s1\"x\"}o0{1}z"},
        MalformedCase{"ErrorThatIsNotAString", "E1z"},
        MalformedCase{"ErrorWithoutEndTag", "Es2\"no\""},
        MalformedCase{"ReturnedArgumentsThatAreNotAList", "Rs2\"ab\"Anz"}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });

TEST(ReadHproseReply, RejectsEveryTruncationOfAValidReply) {
  const std::string body = "Rm2{s4\"list\"a3{i-5;d1.5;s2\"\xE4\xBD\xA0\xE5\xA5\xBD\"}s3\"ref\"r1;}z";
  ASSERT_NO_THROW(ReadHproseReply(body));
  for (std::size_t length = 0; length < body.size(); ++length) {
    EXPECT_THROW(ReadHproseReply(body.substr(0, length)), EHproseFormatError) << "length " << length;
  }
}

TEST(ReadHproseReply, RejectsNestingDeeperThanAnyAnswer) {
  std::string body = "R";
  for (int level = 0; level < 100000; ++level) body += "a1{";
  EXPECT_THROW(ReadHproseReply(body), EHproseFormatError);
}

}  // namespace
